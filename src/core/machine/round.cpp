// The deal-and-draw round of the draw games, driven by the deal and draw timers.
#include "games/catalogue.h"
#include "machine/machine.h"

namespace dw {

namespace {
constexpr const char* kMultiPayoutLine = "All Winning Combinations Paid: One Payout Per Pay Line!";
}

void Machine::Start_Hand() {
    if (Round_State != 1 || phase != Phase::Idle || Coins_Bet <= 0 || !game_flow_ready()) return;
    vm.Pnl_Show_Payoffs.caption = "";
    Deal();
}

void Machine::Deal() {
    Round_State = 2;
    phase = Phase::Dealing;
    Lock_Menus();
    if (game == 21) vm.Lbl_Multi_Payout.caption = kMultiPayoutLine;
    for (auto& card : cards.hand) {
        card.Value = 10;
        card.Image = kBackImage;
    }
    Show_Backs();
    vm.Btn_Play_Credit.enabled = false;
    vm.Btn_Play_5.enabled = false;
    vm.Btn_Deal.enabled = false;
    Draw_Pos = 0;
    Timer1_Enabled = true;
    vm.hourglass = true;
}

void Machine::Timer1_Tick() {
    if (!Timer1_Enabled) return;
    ++Draw_Pos;
    vm.hourglass = true;
    if (Draw_Pos >= 6) {
        Timer1_Enabled = false;
        vm.hourglass = false;
        Draw_Pos = -1;
        after_deal();
        return;
    }
    cards.take_card(Draw_Pos);
    if (!Hide_Last_One && !Hide_Last_Two) {
        Play_Sound(sound_path("deal.wav"));
        Repaint_Busy = 2;
        Draw_One_Card(Draw_Pos);
        Repaint_Busy = 0;
    } else if (Hide_Last_One && Draw_Pos <= 4) {
        Play_Sound(sound_path("deal.wav"));
        Draw_One_Card(Draw_Pos);
    } else if (Hide_Last_Two && Draw_Pos <= 3) {
        Play_Sound(sound_path("deal.wav"));
        Draw_One_Card(Draw_Pos);
    } else if (Hide_Last_Two && Draw_Pos == 4) {
        Draw_Pos = 5;
        cards.take_card(Draw_Pos);
    }
}

void Machine::after_deal() {
    HandCode code = Check_Hand(game, cards.hand, &Hot_Hits);
    if (game == 20) Display_Hand_Eights(code);
    else Display_Hand_Value(code);
    if (pending_sound == "QUIET!") pending_sound.clear();
    for (size_t i = 0; i < 5; ++i) {
        vm.Pnl_Hold[i].visible = false;
        vm.Btn_Hold[i].enabled = true;
    }
    if (auto_hold_on()) {
        for (int p = 1; p <= 5; ++p) {
            const int16_t v = cards.Hand_At(p).Value;
            if (((game >= 4 && game <= 6) && v == 2) || ((game >= 6 && game <= 10) && v == 1)) {
                vm.Pnl_Hold[static_cast<size_t>(p - 1)].visible = true;
                vm.Btn_Hold[static_cast<size_t>(p - 1)].fore_colour = colour::kRed;
            }
        }
    }
    if (game == 23 && code != 0) {
        // A winning deal in Double Down Draw always doubles: the player only confirms it.
        for (auto& b : vm.Btn_Hold) b.visible = false;
        saved_show_fifth_caption_ = vm.Btn_Show_Fifth.caption;
        vm.Btn_Show_Fifth.caption = "&Double Your Bet!";
        vm.Btn_Show_Fifth.visible = true;
        vm.Btn_Show_Fifth.enabled = true;
        vm.focus = "Btn_Show_Fifth";
        phase = Phase::AwaitDouble;
        return;
    }
    finish_deal();
}

void Machine::finish_deal() {
    phase = Phase::Dealt;
    vm.Btn_Redeal.enabled = true;
    vm.focus = "Btn_Redeal";
}

void Machine::Btn_Show_Fifth_Click() {
    if (phase != Phase::AwaitDouble || !vm.Btn_Show_Fifth.visible) return;
    vm.Btn_Show_Fifth.visible = false;
    vm.Btn_Show_Fifth.caption = saved_show_fifth_caption_;
    for (auto& b : vm.Btn_Hold) b.visible = true;
    double_the_bet("Double Down Draw");
    Show_Chart(ChartKind::DrawDoubled);
    for (int c = 2; c <= 6; ++c) highlight(c, false);
    highlight(6, true);
    finish_deal();
}

void Machine::double_the_bet(std::string_view game_name) {
    const int32_t bet = Coins_Bet;
    Credits -= bet;
    Coins_Bet = static_cast<int16_t>(bet * 2);
    int32_t shortfall = 0;
    if (Credits < 0) {
        shortfall = -Credits;
        Coin_Bucket = add_saturated(Coin_Bucket, -static_cast<int64_t>(shortfall));
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
}

void Machine::Toggle_Hold(int position) {
    if (position < 1 || position > 5) return;
    const size_t i = static_cast<size_t>(position - 1);
    if (!vm.Btn_Hold[i].enabled || !vm.Btn_Hold[i].visible || phase != Phase::Dealt) return;
    vm.Pnl_Hold[i].visible = !vm.Pnl_Hold[i].visible;
    vm.Btn_Hold[i].fore_colour = vm.Pnl_Hold[i].visible ? colour::kRed : colour::kBlack;
}

void Machine::Card_Click(int position) { Toggle_Hold(position); }

void Machine::Draw() {
    if (phase != Phase::Dealt || !vm.Btn_Redeal.enabled) return;
    for (auto& b : vm.Btn_Hold) b.enabled = false;
    vm.Btn_Redeal.enabled = false;
    Draw_Pos = 0;
    phase = Phase::Drawing;
    Timer2_Enabled = true;
}

void Machine::Timer2_Tick() {
    if (!Timer2_Enabled) return;
    ++Draw_Pos;
    while (Draw_Pos < 6 && held(Draw_Pos)) ++Draw_Pos;
    if (Draw_Pos >= 6) {
        Timer2_Enabled = false;
        Draw_Pos = -1;
        after_draw();
        return;
    }
    Play_Sound(sound_path("deal.wav"));
    cards.take_card(Draw_Pos);
    Draw_One_Card(Draw_Pos);
}

void Machine::after_draw() {
    HandCode code = Check_Hand(game, cards.hand, &Hot_Hits);
    Display_Hand_Value(code);
    Payoff(code);
    Round_State = 1;
    Prepare_Hand();
}

void Machine::Prepare_Hand() {
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
    vm.Btn_Play_Credit.enabled = game == 25 ? Credits >= 3 : Credits != 0;
    vm.Btn_Play_5.enabled = Credits >= max_bet_now();
    Round_State = 1;
    phase = Phase::Idle;
    Unlock_Menus();
    Prepare_Hand_Cards(cards, game, svc_.rng, svc_.cards);
    Last_Sound.clear();
    focus_first_enabled_bet_button();
    if (game == 21 && vm.Lbl_Multi_Payout.caption != kMultiPayoutLine) vm.Lbl_Multi_Payout.caption = kMultiPayoutLine;
    if (game == 23) Show_Chart(ChartKind::DrawPlain);
}

}  // namespace dw
