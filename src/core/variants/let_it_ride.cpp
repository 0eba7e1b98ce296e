// Let It Ride, driven by the deal timer, the decision buttons and the half-second pauses.
#include "variants/let_it_ride.h"

#include "eval/evaluators.h"
#include "round/dialogs.h"

namespace dw {

std::optional<TakeBack> take_back(int coins, bool first) {
    const int parts = first ? 3 : 2;
    if (coins <= 0 || coins % parts != 0 || coins / parts > 5) return std::nullopt;
    const int per_part = coins / parts;
    return TakeBack{static_cast<int16_t>(coins - per_part), static_cast<int16_t>(per_part)};
}

void RideRound::Start() { start_deal(2); }

void RideRound::Deal_Tick() {
    if (!deal_tick()) return;
    ViewModel& vm = p_.vm;
    const int r = Check_Ride_Three(p_.table.cards.hand);
    if (r == 1) {
        vm.Pnl_Show_Payoffs.caption = "  One Pair (Tens or Better)!  Take back 1/3 of bet?";
        h_.announce_sound("tens1.wav");
    } else if (r == 2) {
        vm.Pnl_Show_Payoffs.caption = "  Three of a Kind!  Take back 1/3 of bet?";
        h_.announce_sound("threeknd.wav");
    } else if (r == 0) {
        vm.Pnl_Show_Payoffs.caption = "Take back 1/3 of bet?";
    } else {
        p_.dialogs.message_box("Internal Error in DEAL_RIDE!", "Let It Ride", MsgButtons::Ok, MsgIcon::None);
    }
    cards_up_ = 3;
    decide(r);
}

void RideRound::decide(int r) {
    ViewModel& vm = p_.vm;
    for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) {
        b->visible = true;
        b->enabled = true;
    }
    vm.focus = r != 0 ? "Btn_Stand" : "Btn_Double";
    phase_ = Phase::Deciding;
    h_.decision_hint(cards_up_, took_back_first_ ? 2 : 3);
}

void RideRound::take_back_third() {
    const bool first = !took_back_first_;
    const auto back = take_back(p_.wallet.Coins_Bet, first);
    if (!back) {
        p_.dialogs.message_box("Internal error in Deal_Ride!", "Let It Ride", MsgButtons::Ok, MsgIcon::None);
        return;
    }
    h_.Show_Chart(first ? ChartKind::RideTwo : ChartKind::RideOne);
    h_.return_coins(back->coins, back->refund);
    took_back_first_ = true;
}

void RideRound::show_card_button(const char* caption) {
    ViewModel& vm = p_.vm;
    vm.Pnl_Show_Payoffs.caption = "";
    vm.Btn_Show_Fifth.caption = caption;
    vm.Btn_Show_Fifth.visible = true;
    vm.Btn_Show_Fifth.enabled = true;
    vm.focus = "Btn_Show_Fifth";
    phase_ = Phase::AwaitCard;
}

void RideRound::Button(HandButton button) {
    ViewModel& vm = p_.vm;
    if (phase_ == Phase::Deciding && (button == HandButton::Double || button == HandButton::Stand)) {
        if (cards_up_ == 3) {
            vm.Btn_Double.visible = false;
            vm.Btn_Stand.visible = false;
        }
        if (button == HandButton::Double) take_back_third();
        if (cards_up_ == 4) {
            vm.Btn_Double.visible = false;
            vm.Btn_Stand.visible = false;
        }
        show_card_button(cards_up_ == 3 ? "&Show Fourth Card!" : "&Show Fifth Card!");
        return;
    }
    if (phase_ != Phase::AwaitCard || button != HandButton::ShowFifth) return;
    vm.Btn_Show_Fifth.visible = false;
    vm.Btn_Show_Fifth.caption = "&Show Fifth Card!";
    if (cards_up_ == 3) {
        for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) {
            b->visible = true;
            b->enabled = false;
        }
        p_.table.set_hidden_last(1);
        p_.play("deal.wav");
        p_.draw_card(4);
        cards_up_ = 4;
    } else {
        p_.table.set_hidden_last(0);
        p_.play("deal.wav");
        p_.draw_card(5);
        code_ = p_.evaluate();
        cards_up_ = 5;
    }
    phase_ = Phase::Revealing;
    p_.pause_half();
}

void RideRound::Pause_Done() {
    if (phase_ != Phase::Revealing) return;
    ViewModel& vm = p_.vm;
    if (cards_up_ == 5) {
        for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) {
            b->visible = true;
            b->enabled = false;
        }
        phase_ = Phase::Paying;
        return h_.settle(code_);
    }
    const int r = Check_Ride_Four(p_.table.cards.hand);
    switch (r) {
    case 0: vm.Pnl_Show_Payoffs.caption = "Take back 1/3 of bet?"; break;
    case 1:
        vm.Pnl_Show_Payoffs.caption = "  One Pair (Tens or Better)!  Take back 1/3 of bet?";
        if (p_.voice.Last_Sound != "tens1.wav") h_.announce_sound("tens1.wav");
        break;
    case 2:
        vm.Pnl_Show_Payoffs.caption = "  Two Pairs!  Take back 1/3 of bet?";
        h_.announce_sound("twopair1.wav");
        break;
    case 3:
        vm.Pnl_Show_Payoffs.caption = "  Three of a Kind!  Take back 1/3 of bet?";
        if (p_.voice.Last_Sound != "threeknd.wav") h_.announce_sound("threeknd.wav");
        break;
    case 4:
        vm.Pnl_Show_Payoffs.caption = "  Four of a Kind!  Take back 1/3 of bet?";
        h_.announce_sound("fourkind.wav");
        break;
    default: p_.dialogs.message_box("Internal Error in DEAL!", "Let It Ride", MsgButtons::Ok, MsgIcon::None);
    }
    decide(r);
}

}  // namespace dw
