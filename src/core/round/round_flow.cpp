// What every hand flow shares: the start of the deal and the deal animation.
#include "round/round_flow.h"


namespace dw {

void begin_deal(RoundParts& p, RoundHost& h) {
    ViewModel& vm = p.vm;
    h.Lock_Menus();
    if (p.info.every_line) vm.Lbl_Multi_Payout.caption = std::string(kMultiPayoutLine);
    for (auto& card : p.table.cards.hand) {
        card.Value = 10;
        card.Image = kBackImage;
    }
    p.table.Show_Backs();
    vm.Btn_Play_Credit.enabled = false;
    vm.Btn_Play_5.enabled = false;
    vm.Btn_Deal.enabled = false;
    p.set_timer(true, true);
    vm.hourglass = true;
}

void FlowBase::start_deal(int hidden) {
    phase_ = Phase::Dealing;
    p_.table.set_hidden_last(hidden);
    Draw_Pos = 0;
    begin_deal(p_, h_);
}

void FlowBase::take_dealt_card(int position) { p_.table.cards.take_card(position); }

bool FlowBase::deal_tick() {
    if (phase_ != Phase::Dealing) return false;
    ++Draw_Pos;
    ViewModel& vm = p_.vm;
    vm.hourglass = true;
    if (Draw_Pos >= 6) {
        p_.set_timer(true, false);
        vm.hourglass = false;
        return true;
    }
    take_dealt_card(Draw_Pos);
    const int hidden = p_.table.hidden_last();
    if (hidden == 0) {
        p_.play("deal.wav");
        p_.table.Repaint_Busy = 2;
        p_.draw_card(Draw_Pos);
        p_.table.Repaint_Busy = 0;
    } else if (Draw_Pos <= 5 - hidden) {
        p_.play("deal.wav");
        p_.draw_card(Draw_Pos);
    } else if (hidden == 2 && Draw_Pos == 4) {
        // The last two cards are taken in one tick and neither is shown.
        Draw_Pos = 5;
        take_dealt_card(Draw_Pos);
    }
    return false;
}

}  // namespace dw
