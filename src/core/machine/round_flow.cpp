// What every hand flow shares: the start of the deal and the deal animation.
#include "machine/round_flow.h"

#include "machine/services.h"
#include "variants/pick_five.h"

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

bool FlowBase::deal_tick() { return phase_ == Phase::Dealing && deal_animation_tick(h_, Draw_Pos); }

bool deal_animation_tick(RoundHost& h, int16_t& pos) {
    ++pos;
    ViewModel& vm = h.view();
    vm.hourglass = true;
    if (pos >= 6) {
        h.set_timer(FlowTimer::Deal, false);
        vm.hourglass = false;
        pos = -1;
        return true;
    }
    CardState& cards = h.card_state();
    if (h.info().flow == Flow::PickFive) {
        // Pick Five: the player builds the hand from two offered cards per position.
        PickFiveModel pick = pick_five_offer(cards, pos);
        h.dialogs().show_pick5(pick);
        pick_five_take(cards, pos, pick);
    } else {
        cards.take_card(pos);
    }
    const int hidden = h.hidden_last();
    if (hidden == 0) {
        h.Play_Sound(h.sound_path("deal.wav"));
        h.set_repaint_busy(2);
        h.Draw_One_Card(pos);
        h.set_repaint_busy(0);
    } else if (pos <= 5 - hidden) {
        h.Play_Sound(h.sound_path("deal.wav"));
        h.Draw_One_Card(pos);
    } else if (hidden == 2 && pos == 4) {
        // The last two cards are taken in one tick and neither is shown.
        pos = 5;
        cards.take_card(pos);
    }
    return false;
}

}  // namespace dw
