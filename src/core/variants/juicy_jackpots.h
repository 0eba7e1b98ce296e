#pragma once
#include <array>
#include <string>

#include "cards/rng.h"
#include "eval/juicy.h"
#include "games/pay_table.h"
#include "view/view_model.h"

namespace dw {

// The controls of Frm_Juicy, "Velmora's Juicy Jackpots!", as the machine keeps them.
struct JuicyModel {
    std::array<Control, 5> Pnl_Card, Img_Card;  // the juicy cards, plain style
    std::array<Control, 11> Hand_Name, Hand_Value;
    Control Pnl_50000, Pnl_Info;
    Control Btn_Continue, Btn_New_Cards, Btn_Customize, Btn_Reset, Btn_Help;
    bool visible = false;  // the window is up
    bool activate = false; // the window asks for the focus (and leaves a minimised or maximised state)
    std::string focus;     // the control of the window to take the focus
};

inline constexpr int32_t kLightYellow = 0x80FFFF;  // a matched juicy card
inline constexpr const char* kJuicyInvite = "Click \"Play Max\" to Place Your One Coin Side Bet!";

// The side bet's own state: the five juicy cards, the window's controls and the cards that are
// still to appear one by one.
class JuicyJackpots {
public:
    JuicyJackpots();
    const JuicyCards& cards() const { return Juicy_Cards; }
    JuicyModel view;

    // Five new cards drawn without replacement from the window's own ordered deck (the main deck
    // is not touched), then shown one by one.
    void new_cards(Rng& rng);
    // Hides the five cards; Show_Tick then brings them back one per tick. False once all are up.
    void start_showing();
    bool Show_Tick();
    bool showing() const { return shown_ < 5; }
    void show_pays(const Pay_Table& table);
    // The evaluation of a dealt hand; from row 8 on the matched cards turn light yellow.
    JuicyResult evaluate(const Hand& hand);
    void show_win(int16_t row);
    void reset_for_hand();
    void blink();  // the main window's 500 ms timer, while the window is up

private:
    JuicyCards Juicy_Cards{};
    int shown_ = 5;
    void show_card(int i);
};

}  // namespace dw
