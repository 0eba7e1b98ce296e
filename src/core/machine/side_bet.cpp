// The Juicy Jackpots side bet: its setup with the game, its window's buttons, and its payment.
#include "errors.h"
#include "games/catalogue.h"
#include "machine/machine.h"
#include "variants/juicy_jackpots.h"

namespace dw {

const JuicyModel& Machine::juicy_view() const { return juicy_->view; }
JuicyModel& Machine::juicy_view() { return juicy_->view; }
const JuicyCards& Machine::juicy_cards() const { return juicy_->cards(); }
bool Machine::juicy_showing() const { return juicy_->showing(); }
bool Machine::side_bet_active() const { return vm.menu("Mnu_Windows").visible; }

void Machine::Juicy_Setup() {
    if (!is_game(game_)) throw FatalError("Error!", "Internal Error in Juicy_Setup");
    auto& item = vm.menu("Mnu_Juicy_Jackpots");
    item.enabled = game_info(game_).side_bet && hands_now() == 1;
    const bool active = item.enabled && item.checked;
    vm.menu("Mnu_Windows").visible = active;
    JuicyModel& window = juicy_->view;
    if (!active) {
        window.visible = false;
    } else if (!window.visible) {
        window.visible = true;
        juicy_->show_pays(pay_table_);
        // Once the main window is up, showing the side bet's window does not take the focus away.
        if (main_window_shown) vm.activate = true;
    }
}

void Machine::Mnu_Juicy_Jackpots_Click() {
    auto& item = vm.menu("Mnu_Juicy_Jackpots");
    if (!item.enabled) return;
    item.checked = !item.checked;
    Check_Menu();
    if (item.checked) Mnu_Window_Juicy_Jackpots_Click();
    Save_Config();
}

void Machine::Mnu_Window_Juicy_Jackpots_Click() {
    if (!juicy_->view.visible) return;
    juicy_->view.activate = true;
    vm.activate = false;
}

void Machine::Juicy_Activate() {
    JuicyModel& window = juicy_->view;
    vm.menu("Mnu_Window_Juicy_Jackpots").checked = true;
    juicy_->show_pays(pay_table_);
    if (window.Btn_Continue.visible) window.focus = "Btn_Continue";
}

int16_t Machine::Pay_Juicy() {
    const int16_t row = juicy_->evaluate(table_.cards.hand).row;
    const int32_t win = row == 0 ? 0 : pay_table_.pay(kSideBetSlot, row);
    add_credits_capped(win);
    Record_Side_Bet(row, win);
    if (win > 0) {
        juicy_->show_win(row);
        vm.activate = false;
        Play_Sound(sound_path("Juicy.wav"));
    }
    return row;
}

void Machine::Record_Side_Bet(HandCode row, int32_t win) {
    player_.stats.record(kSideBetSlot, row, 1, win);
    add_winnings(static_cast<int64_t>(win) - 1);
    Show_Winnings();
    Save_Progressive();
    Save_Stats();
}

void Machine::Juicy_Continue_Click() {
    vm.activate = true;
    juicy_->view.activate = false;
    voice_.play_held_back(sound_on());
}

void Machine::Juicy_New_Cards_Click() { juicy_->new_cards(svc_.rng); }

void Machine::Juicy_Reset_Click() {
    Set_Default_Payouts(pay_table_, kSideBetSlot);
    Save_Payouts();
    juicy_->show_pays(pay_table_);
}

void Machine::Juicy_Query_Unload() {
    vm.activate = true;
    juicy_->view.activate = false;
}

void Machine::Juicy_Tick() { juicy_->Show_Tick(); }

}  // namespace dw
