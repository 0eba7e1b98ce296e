// The deal-and-draw round of the draw games, driven by the deal and draw timers.
#include "round/draw_round.h"

namespace dw {

void DrawRound::Start() { start_deal(0); }

void DrawRound::Deal_Tick() {
    if (deal_tick()) after_deal();
}

void DrawRound::after_deal() {
    ViewModel& vm = p_.vm;
    const GameInfo& info = p_.info;
    // A side-bet win holds the hand's announcement back until the side bet's window is left.
    h_.side_bet_evaluate();
    HandCode code = p_.evaluate();
    h_.announce_deal(code);
    for (size_t i = 0; i < 5; ++i) {
        vm.Pnl_Hold[i].visible = false;
        vm.Btn_Hold[i].enabled = true;
    }
    if (p_.auto_hold()) {
        for (int p = 1; p <= 5; ++p) {
            const int16_t v = p_.table.cards.Hand_At(p).Value;
            if ((info.deuces_wild && v == 2) || (info.jokers > 0 && v == 1)) {
                vm.Pnl_Hold[static_cast<size_t>(p - 1)].visible = true;
                vm.Btn_Hold[static_cast<size_t>(p - 1)].fore_colour = colour::kRed;
            }
        }
    }
    h_.Pay_Juicy();
    if (info.doubles_winning_deal && code != 0) {
        // A winning deal in Double Down Draw always doubles: the player only confirms it.
        for (auto& b : vm.Btn_Hold) b.visible = false;
        saved_show_fifth_caption_ = vm.Btn_Show_Fifth.caption;
        vm.Btn_Show_Fifth.caption = "&Double Your Bet!";
        vm.Btn_Show_Fifth.visible = true;
        vm.Btn_Show_Fifth.enabled = true;
        vm.focus = "Btn_Show_Fifth";
        phase_ = Phase::AwaitDouble;
        return;
    }
    finish_deal();
}

void DrawRound::finish_deal() {
    phase_ = Phase::Dealt;
    p_.vm.Btn_Redeal.enabled = true;
    p_.vm.focus = "Btn_Redeal";
    h_.dealt_hint();
}

void DrawRound::Button(HandButton button) {
    ViewModel& vm = p_.vm;
    if (button != HandButton::ShowFifth || phase_ != Phase::AwaitDouble || !vm.Btn_Show_Fifth.visible) return;
    vm.Btn_Show_Fifth.visible = false;
    vm.Btn_Show_Fifth.caption = saved_show_fifth_caption_;
    for (auto& b : vm.Btn_Hold) b.visible = true;
    if (h_.double_the_bet(p_.info.list_text)) {
        h_.Show_Chart(ChartKind::DrawDoubled);
        for (int c = 2; c <= 6; ++c) h_.highlight(c, false);
        h_.highlight(6, true);
    }
    finish_deal();
}

void DrawRound::Toggle_Hold(int position) {
    if (position < 1 || position > 5) return;
    ViewModel& vm = p_.vm;
    const size_t i = static_cast<size_t>(position - 1);
    if (!vm.Btn_Hold[i].enabled || !vm.Btn_Hold[i].visible || phase_ != Phase::Dealt) return;
    vm.Pnl_Hold[i].visible = !vm.Pnl_Hold[i].visible;
    vm.Btn_Hold[i].fore_colour = vm.Pnl_Hold[i].visible ? colour::kRed : colour::kBlack;
}

void DrawRound::Draw() {
    ViewModel& vm = p_.vm;
    if (phase_ != Phase::Dealt || !vm.Btn_Redeal.enabled || !h_.draw_allowed()) return;
    for (auto& b : vm.Btn_Hold) b.enabled = false;
    vm.Btn_Redeal.enabled = false;
    Draw_Pos = 0;
    phase_ = Phase::Drawing;
    // Several hands: the holds go to every hand above, each drawing from its own shuffle of the
    // cards not dealt. The main hand draws from the deck as it always does.
    extra_shown_ = 0;
    if (p_.wallet.Hands > 1) {
        int held_mask = 0;
        for (int p = 1; p <= 5; ++p) held_mask |= held(p) ? 1 << (p - 1) : 0;
        const auto& deck = p_.table.cards.Deck;
        const std::span<const CardCode> undealt(deck.begin() + p_.table.cards.Next_Card, deck.begin() + 53);
        p_.extra.draw(p_.table.cards.hand, held_mask, undealt, p_.wallet.Hands - 1, p_.rng);
    } else {
        p_.extra.clear();
    }
    p_.set_timer(false, true);
}

void DrawRound::Draw_Tick() {
    if (phase_ != Phase::Drawing) return;
    ++Draw_Pos;
    while (Draw_Pos < 6 && held(Draw_Pos)) ++Draw_Pos;
    if (Draw_Pos >= 6 && extra_shown_ < p_.extra.cards.size()) {
        // The hands above, one a tick at the deal speed.
        const Hand& h = p_.extra.cards[extra_shown_];
        if (p_.vm.Extra_Hands.size() <= extra_shown_) p_.vm.Extra_Hands.resize(extra_shown_ + 1);
        SmallHand& shown = p_.vm.Extra_Hands[extra_shown_];
        for (size_t i = 0; i < 5; ++i) {
            shown.value[i] = h[i].Value;
            shown.suit[i] = h[i].Suit;
        }
        shown.face_up = true;
        ++extra_shown_;
        p_.play("deal.wav");
        return;
    }
    if (Draw_Pos >= 6) {
        p_.set_timer(false, false);
        phase_ = Phase::Paying;
        h_.settle(p_.evaluate());
        return;
    }
    p_.play("deal.wav");
    p_.table.cards.take_card(Draw_Pos);
    p_.draw_card(Draw_Pos);
}

}  // namespace dw
