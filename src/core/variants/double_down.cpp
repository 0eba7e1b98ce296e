// Double Down Stud, driven by the deal timer, the decision buttons and a half-second pause.
#include "variants/double_down.h"

#include "eval/evaluators.h"
#include "round/dialogs.h"

namespace dw {

namespace {

constexpr StudFourCall kFourCalls[] = {
    {"Double Down or Stand?", ""},
    {"  One Pair (Sixes-Tens)!  Double Down or Stand?", "sixes.wav"},
    {"  One Pair (Jacks or Better)! Double Down or Stand?", "jacks1.wav"},
    {"  Two Pairs!  Double Down or Stand?", "twopair1.wav"},
    {"  Three of a Kind!  Double Down or Stand?", "threeknd.wav"},
    {"  Four of a Kind!  Double Down or Stand?", "fourkind.wav"},
};

}  // namespace

const StudFourCall* stud_four_call(int result) {
    if (result >= 0 && result <= 4) return &kFourCalls[result];
    if (result == 8) return &kFourCalls[5];
    return nullptr;
}

void StudRound::Start() { start_deal(1); }

void StudRound::Deal_Tick() {
    if (deal_tick()) after_deal();
}

void StudRound::after_deal() {
    ViewModel& vm = p_.vm;
    const int r = Check_Stud_Four(p_.table.cards.hand);
    if (const StudFourCall* call = stud_four_call(r)) {
        vm.Pnl_Show_Payoffs.caption = call->message;
        if (*call->sound) h_.announce_sound(call->sound);
    } else {
        p_.dialogs.message_box("Internal Error in Deal_Stud when calcing partial hand!", "Double Down Stud",
                                 MsgButtons::Ok, MsgIcon::None);
    }
    for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) {
        b->visible = true;
        b->enabled = true;
    }
    vm.focus = r != 0 ? "Btn_Double" : "Btn_Stand";
    phase_ = Phase::Deciding;
    h_.decision_hint(4, 1);
}

void StudRound::Button(HandButton button) {
    ViewModel& vm = p_.vm;
    if (phase_ == Phase::Deciding && (button == HandButton::Double || button == HandButton::Stand)) {
        vm.Btn_Double.visible = false;
        vm.Btn_Stand.visible = false;
        if (button == HandButton::Double) double_down();
        vm.Pnl_Show_Payoffs.caption = "";
        vm.Btn_Show_Fifth.visible = true;
        vm.Btn_Show_Fifth.enabled = true;
        vm.focus = "Btn_Show_Fifth";
        phase_ = Phase::AwaitCard;
    } else if (phase_ == Phase::AwaitCard && button == HandButton::ShowFifth) {
        vm.Btn_Show_Fifth.visible = false;
        p_.table.set_hidden_last(0);
        p_.play("deal.wav");
        p_.draw_card(5);
        code_ = p_.evaluate();
        phase_ = Phase::Revealing;
        p_.pause_half();
    }
}

void StudRound::double_down() {
    const int before = p_.wallet.Coins_Bet;
    if (!h_.double_the_bet(p_.info.list_text)) return;
    // The highlight follows the bet: 6, 8 and 10 coins on the doubled chart (columns 4, 5, 6, 8
    // and 10 credits), 2 and 4 on the regular one (columns 1 to 5 credits).
    switch (const int coins = p_.wallet.Coins_Bet) {
    case 6: case 8: case 10:
        h_.Show_Chart(ChartKind::StudDoubled);
        for (int c = 2; c <= 4; ++c) h_.highlight(c, false);
        h_.highlight(coins == 6 ? 4 : (coins == 8 ? 5 : 6), true);
        break;
    case 2: case 4:
        h_.highlight(before + 1, false);
        h_.highlight(coins + 1, true);
        break;
    default:
        p_.dialogs.message_box("Internal Error in Deal (Stud)", "Double Down Stud", MsgButtons::Ok, MsgIcon::None);
    }
}

void StudRound::Pause_Done() {
    if (phase_ != Phase::Revealing) return;
    ViewModel& vm = p_.vm;
    for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) {
        b->visible = true;
        b->enabled = false;
    }
    phase_ = Phase::Paying;
    h_.settle(code_);
}

}  // namespace dw
