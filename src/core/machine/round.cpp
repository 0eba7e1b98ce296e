// The machine's side of a hand: starting the game's flow, passing it the events and ticks,
// and the services a flow asks for.
#include "errors.h"
#include "games/announcements.h"
#include "games/catalogue.h"
#include "round/double_up.h"
#include "round/draw_round.h"
#include "machine/machine.h"
#include "machine/machine_rounds.h"
#include "variants/double_down.h"
#include "variants/juicy_jackpots.h"
#include "trainer/trainer_state.h"
#include "variants/let_it_ride.h"
#include "variants/pick_five.h"

namespace dw {

const TableLook& Machine::table_look() const {
    switch (game_info(game_).flow) {
    case Flow::Stud: return kStudLook;
    case Flow::Ride: return kRideLook;
    default: return kDrawLook;  // Pick Five is a draw game at the table
    }
}

RoundParts Machine::round_parts() {
    return {game_, game_info(game_), vm, table_, wallet_, voice_, svc_.dialogs, svc_.rng, timers_, extra_};
}

bool Machine::in_hand() const { return table_.Round_State != 1 || phase() != Phase::Idle; }

Phase Machine::phase() const { return round_ ? round_->phase() : Phase::Idle; }

void Machine::Start_Hand() {
    if (in_hand() || wallet_.Coins_Bet <= 0) return;
    double_up_.reset();  // the last hand's double up is over: no pause of this hand goes to it
    vm.Pnl_Show_Payoffs.caption = "";
    table_.Round_State = 2;
    RoundHost& host = *rounds_;
    switch (game_info(game_).flow) {
    case Flow::Stud: round_ = std::make_unique<StudRound>(round_parts(), host); break;
    case Flow::Ride: round_ = std::make_unique<RideRound>(round_parts(), host); break;
    case Flow::PickFive: round_ = std::make_unique<PickFiveRound>(round_parts(), host); break;
    default: round_ = std::make_unique<DrawRound>(round_parts(), host); break;
    }
    round_->Start();
}

void Machine::Timer1_Tick() {
    if (timers_.Timer1_Enabled && round_) round_->Deal_Tick();
}

void Machine::Timer2_Tick() {
    if (timers_.Timer2_Enabled && round_) round_->Draw_Tick();
}

void Machine::Pause_Tick() {
    if (!timers_.Pause_Enabled) return;
    timers_.Pause_Enabled = false;
    if (double_up_ && double_up_->revealing()) double_up_->Pause_Done();
    else if (round_) round_->Pause_Done();
}

void Machine::Toggle_Hold(int position) {
    if (!round_) return;
    round_->Toggle_Hold(position);
    // "yours" follows the holds, and a hint that waited for its table comes once it can.
    if (trainer_->hint_shown || trainer_->options.show_best_hold) show_hint(true);
}


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

bool MachineRounds::double_the_bet(std::string_view game_name) {
    Machine& m = m_;
    const int32_t bet = m.wallet_.Coins_Bet;
    if (m.wallet_.Credits < bet && !m.bucket_takes(static_cast<int64_t>(m.wallet_.Credits) - bet)) return false;
    const int32_t shortfall = m.wallet_.double_bet();
    if (shortfall > 0) m.Show_Coin_Bucket();
    m.show_credits();
    m.vm.Lbl_Played.caption = std::to_string(m.wallet_.Coins_Bet);
    if (shortfall > 0) {
        const std::string text =
            shortfall == 1 ? "You didn't have enough credits, so you had to play one additional coin."
                           : "You didn't have enough credits, so you had to play " + std::to_string(shortfall) +
                                 " additional coins.";
        m.svc_.dialogs.message_box(text, game_name, MsgButtons::Ok, MsgIcon::Information);
    }
    return true;
}

void MachineRounds::return_coins(int16_t coins, int16_t refund) {
    m_.wallet_.take_back(coins, refund);
    m_.show_credits();
    m_.vm.Lbl_Played.caption = std::to_string(coins);
}

void MachineRounds::announce_deal(HandCode& code) {
    if (game_info(m_.game_).eights_bonus) m_.Display_Hand_Eights(code);
    else m_.Display_Hand_Value(code);
    m_.voice_.release_unused_hold();
}

void MachineRounds::side_bet_evaluate() {
    if (m_.wallet_.Side_Bet_Placed == 1 && Evaluate_Juicy(m_.table_.cards.hand, m_.juicy_cards()).row != 0)
        m_.voice_.hold_back();
}

void MachineRounds::Pay_Juicy() {
    if (m_.wallet_.Side_Bet_Placed == 1) m_.Pay_Juicy();
}

void MachineRounds::dealt_hint() {
    // What the machine said of the dealt hand stays beside the hint; "hold and draw" the hint says better.
    const std::string& said = m_.vm.Pnl_Show_Payoffs.caption;
    m_.trainer_->announcement = said == kHoldAndDraw ? "" : said;
    m_.show_hint(false);
}
void MachineRounds::decision_hint(int shown, int parts) { m_.show_decision_hint(shown, parts); }
bool MachineRounds::draw_allowed() { return m_.judge_draw(); }

void MachineRounds::settle(HandCode code) {
    if (m_.wallet_.Hands > 1) return m_.settle_hands(code);
    m_.Display_Hand_Value(code);
    m_.Payoff(code);
}

void MachineRounds::finish_payoff(HandCode code, int64_t amount) { m_.finish_payoff(code, amount); }

void MachineRounds::Lock_Menus() { m_.Lock_Menus(); }
void MachineRounds::announce_sound(std::string_view key) { m_.play_announcement_sound(key); }
void MachineRounds::Show_Chart(ChartKind kind) { m_.Show_Chart(kind); }
void MachineRounds::highlight(int panel, bool on) { m_.highlight(panel, on); }

void Machine::end_hand() {
    table_.Round_State = 1;
    Prepare_Hand();
}

void Machine::Prepare_Hand() {
    const GameInfo& info = game_info(game_);
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
    wallet_.Coins_Bet = 0;
    wallet_.Side_Bet_Placed = 0;
    table_.Round_State = 1;
    if (round_) round_->End();
    juicy_->reset_for_hand();
    for (auto& h : vm.Pnl_Hint) h.visible = false;
    trainer_->hint_shown = false;
    trainer_->hint_waiting = false;
    trainer_->announcement.clear();
    warm_trainer();
    Unlock_Menus();
    apply_hands();  // the hands of the next deal, and the bet buttons for them
    Prepare_Hand_Cards(table_.cards, joker_count(game_), svc_.rng, svc_.cards);
    voice_.Last_Sound.clear();
    focus_first_enabled_bet_button();
    if (info.every_line && vm.Lbl_Multi_Payout.caption != kMultiPayoutLine)
        vm.Lbl_Multi_Payout.caption = std::string(kMultiPayoutLine);
    if (info.doubles_winning_deal) Show_Chart(ChartKind::DrawPlain);
}

}  // namespace dw
