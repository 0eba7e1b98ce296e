// Drawing the five cards: pictures through the card library (fancy) or text panels (plain).
#include "round/table.h"

#include <string>

namespace dw {

namespace {
int32_t card_x(int p) { return 21 + 88 * (p - 1); }
constexpr int32_t kCardY = 266;
bool red(char suit) { return suit == 'H' || suit == 'D'; }
}  // namespace

void Table::set_hidden_last(int cards_hidden) {
    Hide_Last_One = cards_hidden == 1;
    Hide_Last_Two = cards_hidden == 2;
}

void Table::Draw_One_Card(int p, bool deuces_wild) {
    const size_t i = static_cast<size_t>(p - 1);
    const CardCode& card = cards.Hand_At(p);
    vm_.Pnl_Plain_Wild[i].visible = false;
    vm_.Pnl_Wild[i].visible = false;
    if (deuces_wild && card.Value == 2) {
        Control& marker = Fancy_Cards ? vm_.Pnl_Wild[i] : vm_.Pnl_Plain_Wild[i];
        marker.fore_colour = red(card.Suit) ? colour::kRed : colour::kBlack;
        marker.visible = true;
    }
    if (Fancy_Cards) {
        vm_.Pnl_Card[i].visible = false;
        library_.DrawCard(Card_Surface, card.Image, card_x(p), kCardY);
        return;
    }
    Control& panel = vm_.Pnl_Card[i];
    static const char* const kCourt[] = {"J", "Q", "K", "A"};
    if (card.Value == 1) {
        panel.caption = "Joker";
        panel.font_size = 18;
    } else {
        panel.caption = card.Value >= 11 && card.Value <= 14 ? kCourt[card.Value - 11] : std::to_string(card.Value);
        panel.font_size = 24;
    }
    switch (card.Value == 1 ? 'J' : card.Suit) {
    case 'H': vm_.Img_Card[i].picture = kHeart; break;
    case 'D': vm_.Img_Card[i].picture = kDiamond; break;
    case 'C': vm_.Img_Card[i].picture = kClub; break;
    case 'S': vm_.Img_Card[i].picture = kSpade; break;
    default: vm_.Img_Card[i].picture = kNothing;
    }
    panel.fore_colour = card.Value != 1 && red(card.Suit) ? colour::kRed : colour::kBlack;
    panel.visible = !cards.no_hand_yet();
}

void Table::Show_Backs() {
    for (int p = 1; p <= 5; ++p) {
        const size_t i = static_cast<size_t>(p - 1);
        vm_.Pnl_Wild[i].visible = false;
        if (vm_.Pnl_Card[i].visible) {
            vm_.Pnl_Card[i].visible = false;
            vm_.Pnl_Plain_Wild[i].visible = false;
        }
        library_.DrawCard(Card_Surface, kBackImage, card_x(p), kCardY);
    }
}

void Table::Repaint_Hand(bool deuces_wild) {
    // A repaint or a deal draw is already under way: this request is dropped.
    if (++Repaint_Busy != 1) return;
    if (cards.no_hand_yet()) {
        Show_Backs();
    } else if (Double_Up_Mode) {
        for (int p = 1; p <= 5; ++p) {
            const size_t i = static_cast<size_t>(p - 1);
            vm_.Pnl_Wild[i].visible = false;
            vm_.Pnl_Plain_Wild[i].visible = false;
            vm_.Pnl_Card[i].visible = false;
            library_.DrawCard(Card_Surface, kBackImage, card_x(p), kCardY);
        }
        Draw_One_Card(1, deuces_wild);
    } else {
        const int shown = 5 - hidden_last();
        if (shown < 5) Show_Backs();
        for (int p = 1; p <= shown; ++p) Draw_One_Card(p, deuces_wild);
    }
    // Every way out clears the counter, the first-hand case included, so a later repaint is
    // never locked out.
    Repaint_Busy = 0;
}

}  // namespace dw
