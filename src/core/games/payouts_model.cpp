#include "games/payouts_model.h"

#include <charconv>

#include "view/digits.h"

namespace dw {

std::string_view payouts_title(int slot) {
    static constexpr std::string_view kTitles[] = {
        "Jacks or Better",
        "All American Jacks or Better",
        "Tens or Better",
        "Deuces Wild",
        "Deuces Wild Bonus",
        "Deuces Jokers Wild Poker",
        "Jokers Wild  (Jacks or Better)",
        "Jokers Wild  (Aces-Kings)",
        "Jokers Wild  (Two pairs)",
        "Double Jokers Wild Poker",
        "Four-of-a-Kind Bonus Poker",
        "Four-of-a-Kind Double Bonus Poker",
        "Four-of-a-Kind Triple Bonus Poker",
        "Four-of-a-Kind Double Double Bonus Poker",
        "Four plus Four Bonus Poker",
        "Aces and Eights Bonus Poker",
        "Aces and Faces Bonus Poker",
        "Hi-Fives Bonus Poker",
        "Same 4 Wins More Bonus Poker",
        "Crazy Eights Double Payout Poker",
        "Hot Hands Multi-Payout Poker",
        "Pick Five Poker",
        "Double Down Draw",
        "Double Down Stud",
        "Let It Ride",
        "Velmora's Juicy Jackpots!",
    };
    return slot >= 1 && slot <= kSlots ? kTitles[slot - 1] : std::string_view{};
}

PayoutsModel::PayoutsModel(const Pay_Table& table, int slot) : slot_(slot), source_(&table) {
    Lbl_Game = std::string(payouts_title(slot));
    const auto& chart = default_chart(slot);
    rows = static_cast<int>(chart.size());
    for (int k = 0; k < kBoxes; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (k >= rows) {
            Lbl_Hand[i].visible = Txt_Value[i].visible = false;
            continue;
        }
        const int row = k + 1;
        Lbl_Hand[i].caption = std::string(chart[chart.size() - static_cast<size_t>(row)].label) + ":";
        stored_[i] = table.pay(slot, row);
        Txt_Value[i].caption = std::to_string(stored_[i]);
        max_length[i] = std::min<int>(static_cast<int>(Txt_Value[i].caption.size()) + 1, 3);
        if (slot == kSlots && row == 11) max_length[i] = 5;
        if (slot == kSlots && row == 10) max_length[i] = 4;
        if (!table.shown(slot, row)) {
            Txt_Value[i].enabled = false;
            Lbl_Hand[i].fore_colour = 0xC0C0C0;
        }
    }
}

bool PayoutsModel::Key_Press(char key) { return digit_key(key); }

bool PayoutsModel::Text_Changed(int k, const std::string& text) {
    if (k < 0 || k >= rows) return true;
    const std::string digits = digits_of(text, static_cast<size_t>(max_length[static_cast<size_t>(k)]));
    const bool clean = digits == text;
    Txt_Value[static_cast<size_t>(k)].caption = digits;
    // A chart line that covers several rows keeps one value: the disabled boxes below follow.
    for (int j = k - 1; j >= 0 && !Txt_Value[static_cast<size_t>(j)].enabled; --j) Txt_Value[static_cast<size_t>(j)].caption = digits;
    return clean;
}

void PayoutsModel::Lost_Focus(int k) {
    if (k < 0 || k >= rows) return;
    Control& box = Txt_Value[static_cast<size_t>(k)];
    int32_t value = 0;
    const auto [end, error] = std::from_chars(box.caption.data(), box.caption.data() + box.caption.size(), value);
    if (box.caption.empty() || error != std::errc() || value == 0) {
        // The restored text is a change like a typed one: the rows that share this line follow it.
        Text_Changed(k, std::to_string(stored_[static_cast<size_t>(k)]));
    }
}

void PayoutsModel::Btn_Ok_Click() {
    for (int k = 0; k < rows; ++k) Lost_Focus(k);
    ok = done = true;
}

Pay_Table PayoutsModel::preview(const Pay_Table& table) const {
    Pay_Table out = table;
    for (int k = 0; k < rows; ++k) {
        const std::string& text = Txt_Value[static_cast<size_t>(k)].caption;
        int32_t value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        out.at(slot_, k + 1).Pay = value > 0 ? value : stored_[static_cast<size_t>(k)];
    }
    return out;
}

void PayoutsModel::apply(Pay_Table& table) const {
    for (int k = 0; k < rows; ++k) table.at(slot_, k + 1).Pay = std::stoi(Txt_Value[static_cast<size_t>(k)].caption);
}

}  // namespace dw
