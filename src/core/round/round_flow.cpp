// What every hand flow shares: the start of the deal and the deal animation.
#include "round/round_flow.h"


namespace dw {

void begin_deal(RoundHost& h) {
    ViewModel& vm = h.view();
    h.Lock_Menus();
    if (h.info().every_line) vm.Lbl_Multi_Payout.caption = std::string(kMultiPayoutLine);
    for (auto& card : h.card_state().hand) {
        card.Value = 10;
        card.Image = kBackImage;
    }
    h.Show_Backs();
    vm.Btn_Play_Credit.enabled = false;
    vm.Btn_Play_5.enabled = false;
    vm.Btn_Deal.enabled = false;
    h.set_timer(FlowTimer::Deal, true);
    vm.hourglass = true;
}

void FlowBase::start_deal(int hidden) {
    phase_ = Phase::Dealing;
    h_.set_hidden_last(hidden);
    Draw_Pos = 0;
    begin_deal(h_);
}

void FlowBase::take_dealt_card(int position) { h_.card_state().take_card(position); }

bool FlowBase::deal_tick() {
    if (phase_ != Phase::Dealing) return false;
    ++Draw_Pos;
    ViewModel& vm = h_.view();
    vm.hourglass = true;
    if (Draw_Pos >= 6) {
        h_.set_timer(FlowTimer::Deal, false);
        vm.hourglass = false;
        Draw_Pos = -1;
        return true;
    }
    take_dealt_card(Draw_Pos);
    const int hidden = h_.hidden_last();
    if (hidden == 0) {
        h_.Play_Sound(h_.sound_path("deal.wav"));
        h_.set_repaint_busy(2);
        h_.Draw_One_Card(Draw_Pos);
        h_.set_repaint_busy(0);
    } else if (Draw_Pos <= 5 - hidden) {
        h_.Play_Sound(h_.sound_path("deal.wav"));
        h_.Draw_One_Card(Draw_Pos);
    } else if (hidden == 2 && Draw_Pos == 4) {
        // The last two cards are taken in one tick and neither is shown.
        Draw_Pos = 5;
        take_dealt_card(Draw_Pos);
    }
    return false;
}

}  // namespace dw
