// Switching the main window to a game, drawing its chart, and the pay-chart commands.
#include "errors.h"
#include "games/catalogue.h"
#include "games/payouts_file.h"
#include "machine/machine.h"
#include "records/record_store.h"

namespace dw {

void Machine::Check_Menu() {
    // A game outside the catalogue can only come from corrupted state; stop before touching anything.
    if (!is_game(game_)) throw FatalError("Error!", "Internal Error in Check_Menu");
    Shuffle_Deck(table_.cards, joker_count(game_), svc_.rng);
    Repaint_Hand();

    for (const auto& g : kGames) vm.menu(g.menu_item).checked = false;
    vm.menu(kDoubleDownDeuces).visible = false;

    Game_List_Busy = true;
    vm.Lst_Games.picture = game_ - 1;
    Game_List_Busy = false;

    Juicy_Setup();
    vm.Lbl_Multi_Payout.caption = "";

    const GameInfo& info = game_info(game_);
    vm.menu(info.menu_item).checked = true;
    Show_Chart(chart_kind_for(game_, wallet_.Coins_Bet));
    vm.Lbl_Multi_Payout.caption = std::string(info.selection_line);

    const TableLook& look = table_look();
    vm.Lbl_CoinSlot.caption = std::string(side_bet_active() ? look.coin_slot_line_with_side_bet : look.coin_slot_line);
    vm.Btn_Play_Credit.caption = std::string(look.play_caption);
    apply_hands();  // the draw games 1 to 21 play the hands chosen; the others one

    for (auto& b : vm.Btn_Hold) b.visible = !look.decisions();
    for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand}) b->visible = look.decisions();
    if (look.decisions()) {
        // Hidden, the buttons keep the captions they had.
        vm.Btn_Double.caption = std::string(look.double_caption);
        vm.Btn_Stand.caption = std::string(look.stand_caption);
        vm.Btn_Double.enabled = vm.Btn_Stand.enabled = false;
    }

    Display_Progressive_Payout();
    warm_trainer();
}

void Machine::Select_Game(GameId g) {
    game_ = g;
    mark_win(0);
    Check_Menu();
}

void Machine::Lst_Games_Click(int index) {
    if (Game_List_Busy) return;
    game_ = static_cast<GameId>(index + 1);
    mark_win(0);
    Check_Menu();
}

void Machine::apply_chart(const ChartPanels& chart) {
    for (size_t i = 0; i < 7; ++i) {
        vm.Lbl_Pay[i].caption = chart.captions[i];
        if (i >= 1) {
            vm.Lbl_Pay[i].font_size = chart.row_size;
            vm.Lbl_Pay[i].top = chart.top;
            vm.Lbl_Pay[i].height = chart.height;
        }
    }
    vm.Lbl_Pay[1].bold = true;
    vm.Lbl_Pay[0].font_size = chart.title_size;
    chart_panel_.Top_Award = chart.top_award;
    chart_panel_.Max_Bet = chart.max_bet;
}

void Machine::Show_Chart(ChartKind kind) {
    shown_chart_ = kind;
    apply_chart(draw_chart(game_, kind, pay_table_, progressive_on(), progressive_.Jackpot));
}

void Machine::Display_Progressive_Payout() {
    const AwardLines lines = award_lines(progressive_on(), royals_on(), progressive_.Jackpot, chart_panel_.Top_Award, chart_panel_.Max_Bet, svc_.currency);
    vm.Pnl_Progressive_Display.caption = lines.award;
    vm.Lbl_Progressive_Bet.caption = lines.bet_line;
    vm.Lbl_Progressive_Bet.visible = lines.bet_line_visible;
    chart_panel_.Marquee_Text = lines.marquee;
    if (!is_game(game_)) throw FatalError("Error!", "Internal Error in Display_Progressive_Payout");
    Show_Chart(chart_kind_for(game_, wallet_.Coins_Bet));
    Show_Coin_Bucket();
}

void Machine::Show_Coin_Bucket() { vm.Lbl_Coins.caption = std::to_string(wallet_.Coin_Bucket); }

void Machine::Mnu_Payouts_Reset_C() {
    if (confirm("Reset this game's payout chart to its default value:  confirm you want to do this by clicking the "
                "OK button.",
                "Reset Current Payout Chart") != MsgAnswer::Ok)
        return;
    Set_Default_Payouts(pay_table_, game_);
    Save_Payouts();
    Display_Progressive_Payout();
}

void Machine::Mnu_Payouts_Reset() {
    if (confirm("Reset all payout charts to their default values:  confirm you want to do this by clicking the OK "
                "button.",
                "Reset Payout Charts") != MsgAnswer::Ok)
        return;
    Set_Default_Payouts(pay_table_, 0);
    Save_Payouts();
    Display_Progressive_Payout();
}

bool Machine::Load_Payouts() {
    vm.hourglass = true;
    const auto text = svc_.store.read("PAYOUTS.VPK");
    const auto table = text ? read_payouts(*text) : std::nullopt;
    if (table) pay_table_ = *table;
    else Set_Default_Payouts(pay_table_, 0);
    vm.hourglass = false;
    return table.has_value();
}

bool Machine::Save_Payouts() {
    return save("PAYOUTS.VPK", write_payouts(pay_table_),
                "Error saving PAYOUTS file.  Your hard drive may be full, or you may be running this game off a "
                   "non-writable device like a CD-ROM, or file PAYOUTS.VPK in the game directory may be "
                   "write-protected.  Exit the program and delete some files, or remove write protection on the "
                "statistics file.");
}

}  // namespace dw
