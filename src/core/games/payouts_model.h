#pragma once
#include <array>
#include <functional>
#include <string>

#include "games/pay_table.h"
#include "view/view_model.h"

namespace dw {

// Frm_Payouts, "Customize Payout Chart": one box per row of one chart (a game's, or the side
// bet's in slot 26). Nothing reaches the table before OK.
class PayoutsModel {
public:
    PayoutsModel(const Pay_Table& table, int slot);

    static constexpr int kBoxes = 15;
    std::string Lbl_Game;
    int rows = 0;                           // n, the slot's default row count
    std::array<Control, kBoxes> Lbl_Hand;   // index k is row k + 1, the lowest paying row first
    std::array<Control, kBoxes> Txt_Value;  // caption: the box's text
    std::array<int, kBoxes> max_length{};
    bool ok = false, done = false;

    // A typed character: digits and backspace ('\b') only; false (the shell beeps) otherwise.
    static bool Key_Press(char key);
    // Box k's text changed; the boxes of rows without a chart line of their own below it follow.
    // False when the text held something other than digits (it is then dropped).
    bool Text_Changed(int k, const std::string& text);
    // Leaving box k: empty or zero goes back to the stored pay.
    void Lost_Focus(int k);
    void Btn_Ok_Click();
    void Btn_Cancel_Click() { done = true; }
    // Writes the boxes into the slot's rows (on OK).
    void apply(Pay_Table& table) const;
    // The chart as the boxes stand now (an empty or zero box counts as its stored pay), for the
    // return shown while editing.
    Pay_Table preview(const Pay_Table& table) const;
    int slot() const { return slot_; }
    // The charts the editor started from, for the return shown while editing.
    const Pay_Table& source() const { return *source_; }
    std::function<void()> help;  // the "Help!" button: its topic

private:
    int slot_;
    const Pay_Table* source_;
    std::array<int32_t, kBoxes> stored_{};
};

// The dialog's title for a slot 1..26.
std::string_view payouts_title(int slot);

}  // namespace dw
