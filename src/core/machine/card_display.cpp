// Drawing the five cards: pictures through the card library (fancy) or text panels (plain).
#include "games/catalogue.h"
#include "machine/machine.h"

namespace dw {

namespace {
int32_t card_x(int p) { return 21 + 88 * (p - 1); }
constexpr int32_t kCardY = 266;
bool red(char suit) { return suit == 'H' || suit == 'D'; }
}  // namespace

void Machine::Draw_One_Card(int p) {
    const size_t i = static_cast<size_t>(p - 1);
    const CardCode& card = cards.Hand_At(p);
    vm.Pnl_Plain_Wild[i].visible = false;
    vm.Pnl_Wild[i].visible = false;
    if (game_info(game).deuces_wild && card.Value == 2) {
        Control& marker = Fancy_Cards ? vm.Pnl_Wild[i] : vm.Pnl_Plain_Wild[i];
        marker.fore_colour = red(card.Suit) ? colour::kRed : colour::kBlack;
        marker.visible = true;
    }
    if (Fancy_Cards) {
        vm.Pnl_Card[i].visible = false;
        svc_.cards.DrawCard(Card_Surface, card.Image, card_x(p), kCardY);
        return;
    }
    Control& panel = vm.Pnl_Card[i];
    static const char* const kCourt[] = {"J", "Q", "K", "A"};
    if (card.Value == 1) {
        panel.caption = "Joker";
        panel.font_size = 18;
    } else {
        panel.caption = card.Value >= 11 && card.Value <= 14 ? kCourt[card.Value - 11] : std::to_string(card.Value);
        panel.font_size = 24;
    }
    switch (card.Value == 1 ? 'J' : card.Suit) {
    case 'H': vm.Img_Card[i].picture = kHeart; break;
    case 'D': vm.Img_Card[i].picture = kDiamond; break;
    case 'C': vm.Img_Card[i].picture = kClub; break;
    case 'S': vm.Img_Card[i].picture = kSpade; break;
    default: vm.Img_Card[i].picture = kNothing;
    }
    panel.fore_colour = card.Value != 1 && red(card.Suit) ? colour::kRed : colour::kBlack;
    panel.visible = !cards.no_hand_yet();
}

void Machine::Show_Backs() {
    for (int p = 1; p <= 5; ++p) {
        const size_t i = static_cast<size_t>(p - 1);
        vm.Pnl_Wild[i].visible = false;
        if (vm.Pnl_Card[i].visible) {
            vm.Pnl_Card[i].visible = false;
            vm.Pnl_Plain_Wild[i].visible = false;
        }
        svc_.cards.DrawCard(Card_Surface, kBackImage, card_x(p), kCardY);
    }
}

void Machine::Repaint_Hand() {
    // A repaint or a deal draw is already under way: this request is dropped.
    if (++Repaint_Busy != 1) return;
    if (cards.no_hand_yet()) {
        Show_Backs();
    } else if (Double_Up_Mode) {
        for (int p = 1; p <= 5; ++p) {
            vm.Pnl_Wild[static_cast<size_t>(p - 1)].visible = false;
            vm.Pnl_Plain_Wild[static_cast<size_t>(p - 1)].visible = false;
            vm.Pnl_Card[static_cast<size_t>(p - 1)].visible = false;
            svc_.cards.DrawCard(Card_Surface, kBackImage, card_x(p), kCardY);
        }
        Draw_One_Card(1);
    } else {
        const int shown = Hide_Last_One ? 4 : (Hide_Last_Two ? 3 : 5);
        if (shown < 5) Show_Backs();
        for (int p = 1; p <= shown; ++p) Draw_One_Card(p);
    }
    // Every way out clears the counter, the first-hand case included, so a later repaint is
    // never locked out.
    Repaint_Busy = 0;
}

}  // namespace dw
