// The machine's side of a hand: starting the game's flow, passing it the events and ticks,
// and the services a flow asks for.
#include "errors.h"
#include "games/catalogue.h"
#include "machine/double_up.h"
#include "machine/draw_round.h"
#include "machine/machine.h"
#include "variants/double_down.h"

namespace dw {

bool Machine::in_hand() const { return Round_State != 1 || phase() != Phase::Idle; }

const GameInfo& Machine::info() const { return game_info(game); }

Phase Machine::phase() const { return round_ ? round_->phase() : Phase::Idle; }

bool Machine::flow_built() const { return game_info(game).flow != Flow::Ride; }

void Machine::Start_Hand() {
    if (in_hand() || Coins_Bet <= 0 || !flow_built()) return;
    vm.Pnl_Show_Payoffs.caption = "";
    Round_State = 2;
    RoundHost& host = *this;
    switch (game_info(game).flow) {
    case Flow::Stud: round_ = std::make_unique<StudRound>(host); break;
    default: round_ = std::make_unique<DrawRound>(host); break;
    }
    round_->Start();
}

void Machine::Timer1_Tick() {
    if (Timer1_Enabled && round_) round_->Deal_Tick();
}

void Machine::Timer2_Tick() {
    if (Timer2_Enabled && round_) round_->Draw_Tick();
}

void Machine::Pause_Tick() {
    if (!Pause_Enabled) return;
    Pause_Enabled = false;
    if (double_up_ && double_up_->revealing()) double_up_->Pause_Done();
    else if (round_) round_->Pause_Done();
}

void Machine::Toggle_Hold(int position) {
    if (round_) round_->Toggle_Hold(position);
}

void Machine::Card_Click(int position) { Toggle_Hold(position); }

void Machine::Draw() {
    if (round_) round_->Draw();
}

void Machine::Btn_Show_Fifth_Click() {
    if (round_ && vm.Btn_Show_Fifth.visible && vm.Btn_Show_Fifth.enabled) round_->Button(HandButton::ShowFifth);
}

void Machine::Btn_Double_Click() {
    if (round_ && vm.Btn_Double.visible && vm.Btn_Double.enabled) round_->Button(HandButton::Double);
}

void Machine::Btn_Stand_Click() {
    if (round_ && vm.Btn_Stand.visible && vm.Btn_Stand.enabled) round_->Button(HandButton::Stand);
}

bool Machine::double_the_bet(std::string_view game_name) {
    const int32_t bet = Coins_Bet;
    if (Credits < bet && !bucket_takes(static_cast<int64_t>(Credits) - bet)) return false;
    Credits -= bet;
    Coins_Bet = static_cast<int16_t>(bet * 2);
    int32_t shortfall = 0;
    if (Credits < 0) {
        shortfall = -Credits;
        Coin_Bucket -= shortfall;
        Show_Coin_Bucket();
        Credits = 0;
    }
    show_credits();
    vm.Lbl_Played.caption = std::to_string(Coins_Bet);
    if (shortfall > 0) {
        const std::string text =
            shortfall == 1 ? "You didn't have enough credits, so you had to play one additional coin."
                           : "You didn't have enough credits, so you had to play " + std::to_string(shortfall) +
                                 " additional coins.";
        svc_.dialogs.message_box(text, game_name, MsgButtons::Ok, MsgIcon::Information);
    }
    return true;
}

void Machine::set_timer(FlowTimer timer, bool on) { (timer == FlowTimer::Deal ? Timer1_Enabled : Timer2_Enabled) = on; }

void Machine::Pause_Half() {
    Pause_Ms = 500;
    Pause_Enabled = true;
}

void Machine::Pause_Short() {
    Pause_Ms = 50;
    Pause_Enabled = true;
}

HandCode Machine::evaluate() { return Check_Hand(game, cards.hand, &Hot_Hits); }

void Machine::announce_deal(HandCode& code) {
    if (game_info(game).eights_bonus) Display_Hand_Eights(code);
    else Display_Hand_Value(code);
    if (pending_sound == "QUIET!") pending_sound.clear();
}

void Machine::settle(HandCode code) {
    Display_Hand_Value(code);
    Payoff(code);
}

void Machine::end_hand() {
    Round_State = 1;
    Prepare_Hand();
}

void Machine::Prepare_Hand() {
    const GameInfo& info = game_info(game);
    for (size_t i = 0; i < 5; ++i) {
        vm.Pnl_Hold[i].visible = false;
        vm.Btn_Hold[i].enabled = false;
        vm.Btn_Hold[i].fore_colour = colour::kBlack;
        highlight(static_cast<int>(i) + 2, false);
    }
    vm.Btn_Deal.enabled = false;
    vm.Btn_Redeal.enabled = false;
    vm.Lbl_Played.caption = "0";
    vm.Lbl_Juicy_Bet.visible = false;
    Coins_Bet = 0;
    Side_Bet_Placed = 0;
    vm.Btn_Play_Credit.enabled = Credits >= info.bet_step;
    vm.Btn_Play_5.enabled = Credits >= max_bet_now();
    Round_State = 1;
    if (round_) round_->End();
    Unlock_Menus();
    Prepare_Hand_Cards(cards, game, svc_.rng, svc_.cards);
    Last_Sound.clear();
    focus_first_enabled_bet_button();
    if (info.every_line && vm.Lbl_Multi_Payout.caption != kMultiPayoutLine)
        vm.Lbl_Multi_Payout.caption = std::string(kMultiPayoutLine);
    if (info.doubles_winning_deal) Show_Chart(ChartKind::DrawPlain);
}

}  // namespace dw
