#include "variants/juicy_jackpots.h"

namespace dw {

namespace {
constexpr const char* kRowNames[11] = {"Pair of Red 9s or Better on Deal:",
                                       "Pair of Black 9s or Better on Deal:",
                                       "Three of a Kind, 9s or Better on Deal:",
                                       "Pair Red and Pair Black 9s or Better on Deal:",
                                       "Two Pairs of Red 9s or Better on Deal:",
                                       "Two Pairs of Black 9s or Better on Deal:",
                                       "Four of a Kind, 9s or Better on Deal:",
                                       "Match 2 of 5 Cards Below in any order on Deal:",
                                       "Match 3 of 5 Cards Below in any order on Deal:",
                                       "Match 4 of 5 Cards Below in any order on Deal:",
                                       "Match 5 of 5 Cards Below in any order on Deal:"};
constexpr int32_t kBrightGreen = 0x00FF00, kGreen = 0x008000;

// "50,000": the thousands grouped with commas.
std::string grouped(int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return (n < 0 ? "-" : "") + out;
}
}  // namespace

JuicyJackpots::JuicyJackpots() {
    for (size_t k = 0; k < 11; ++k) {
        view.Hand_Name[k].caption = kRowNames[k];
        view.Hand_Name[k].back_colour = view.Hand_Value[k].back_colour = colour::kWhite;
    }
    view.Btn_Continue.caption = "Continue!";
    view.Btn_New_Cards.caption = "New Cards!";
    view.Btn_Customize.caption = "Customize!";
    view.Btn_Reset.caption = "Reset!";
    view.Btn_Help.caption = "Help";
    reset_for_hand();
}

void JuicyJackpots::new_cards(Rng& rng) {
    // The window's ordered deck: hearts, diamonds, clubs, spades, 2 to ace in each.
    std::array<CardCode, 53> ordered{};
    int n = 0;
    for (char suit : {'H', 'D', 'C', 'S'})
        for (int16_t v = 2; v <= 14; ++v) ordered[static_cast<size_t>(++n)] = make_card(v, suit);
    for (int k = 0; k < 5; ++k) {
        const int count = 52 - k;
        const int r = rnd_1_to(rng, count);
        Juicy_Cards[static_cast<size_t>(k)] = ordered[static_cast<size_t>(r)];
        for (int i = r; i < count; ++i) ordered[static_cast<size_t>(i)] = ordered[static_cast<size_t>(i + 1)];
    }
    for (auto& p : view.Pnl_Card) p.back_colour = colour::kWhite;
    start_showing();
}

void JuicyJackpots::start_showing() {
    for (auto& p : view.Pnl_Card) p.visible = false;
    shown_ = 0;
}

void JuicyJackpots::show_card(int i) {
    static const char* const kCourt[] = {"J", "Q", "K", "A"};
    const CardCode& c = Juicy_Cards[static_cast<size_t>(i)];
    Control& panel = view.Pnl_Card[static_cast<size_t>(i)];
    panel.caption = c.Value == 1 ? "Joker" : (c.Value >= 11 ? kCourt[c.Value - 11] : std::to_string(c.Value));
    panel.fore_colour = c.Suit == 'H' || c.Suit == 'D' ? colour::kRed : colour::kBlack;
    view.Img_Card[static_cast<size_t>(i)].picture =
        c.Suit == 'H' ? kHeart : c.Suit == 'D' ? kDiamond : c.Suit == 'C' ? kClub : kSpade;
    panel.visible = true;
}

bool JuicyJackpots::Show_Tick() {
    if (shown_ >= 5) return false;
    show_card(shown_++);
    return shown_ < 5;
}

void JuicyJackpots::show_pays(const Pay_Table& table) {
    for (size_t k = 0; k < 11; ++k)
        view.Hand_Value[k].caption = std::to_string(table.pay(kSideBetSlot, static_cast<int>(k) + 1)) + " Coins";
    view.Pnl_50000.caption = grouped(table.pay(kSideBetSlot, 11)) + " Coins!";
}

JuicyResult JuicyJackpots::evaluate(const Hand& hand) {
    const JuicyResult r = Evaluate_Juicy(hand, Juicy_Cards);
    for (size_t j = 0; j < 5; ++j)
        if (r.matched[j]) view.Pnl_Card[j].back_colour = kLightYellow;
    return r;
}

void JuicyJackpots::show_win(int16_t row) {
    const size_t k = static_cast<size_t>(row - 1);
    view.Hand_Name[k].fore_colour = colour::kRed;
    view.Hand_Value[k].fore_colour = colour::kRed;
    view.Pnl_Info.caption = "   Wowee!!  You win a juicy jackpot!";
    view.Pnl_Info.fore_colour = colour::kRed;
    view.Btn_Continue.visible = true;
    view.Btn_Customize.visible = false;
    view.Btn_Reset.visible = false;
    view.activate = true;
    view.focus = "Btn_Continue";
}

void JuicyJackpots::reset_for_hand() {
    for (size_t k = 0; k < 11; ++k) view.Hand_Name[k].fore_colour = view.Hand_Value[k].fore_colour = colour::kBlack;
    view.Pnl_Info.fore_colour = colour::kBlack;
    view.Pnl_Info.caption = kJuicyInvite;
    view.Btn_Continue.visible = false;
    view.Btn_Customize.visible = true;
    view.Btn_Reset.visible = true;
    for (auto& p : view.Pnl_Card) p.back_colour = colour::kWhite;
}

void JuicyJackpots::blink() {
    if (!view.visible) return;
    view.Pnl_50000.fore_colour = view.Pnl_50000.fore_colour == kBrightGreen ? kGreen : kBrightGreen;
    view.Btn_Continue.fore_colour = view.Btn_Continue.fore_colour == colour::kBlack ? kGreen : colour::kBlack;
}

}  // namespace dw
