#include "machine/machine.h"
#include "records/record_store.h"

#include "errors.h"
#include "games/catalogue.h"
#include "round/double_up.h"
#include "machine/machine_rounds.h"
#include "view/menu_tree.h"
#include "trainer/trainer_state.h"
#include "variants/juicy_jackpots.h"

namespace dw {

Machine::Machine(Services services)
    : svc_(services),
      table_(vm, svc_.cards),
      voice_(svc_.sound, svc_.rng),
      rounds_(std::make_unique<MachineRounds>(*this)),
      juicy_(std::make_unique<JuicyJackpots>()),
      trainer_(std::make_unique<TrainerState>()) {
    for (const auto& entry : menu_tree())
        vm.menus[std::string(entry.name)] = MenuItem{std::string(entry.caption), entry.checked_at_start, true, true};
    Set_Default_Payouts(pay_table_, 0);
    table_.cards.hand[0].Value = kEmptyHandMarker;

    vm.caption = "Dazzlewick 3.0";
    vm.Btn_Play_Credit.caption = "&Play 1!";
    vm.Btn_Play_5.caption = "Play &Max!";
    vm.Btn_Deal.caption = "D&eal!";
    vm.Btn_Redeal.caption = "&Draw!";
    vm.Btn_Insert_Coin.caption = "&Visit Cashier!";
    vm.Btn_Clear_Coins.caption = "Clear";
    vm.Btn_Double.caption = "&Double Down!";
    vm.Btn_Stand.caption = "&Stand Pat!";
    vm.Btn_Show_Fifth.caption = "&Show Fifth Card!";
    for (auto* b : {&vm.Btn_Double, &vm.Btn_Stand, &vm.Btn_Show_Fifth}) b->visible = false;
    for (auto* b : {&vm.Btn_Deal, &vm.Btn_Redeal}) b->enabled = false;
    vm.Lbl_Juicy_Bet.caption = "Juicy Jackpots Bet: 1";
    vm.Lbl_Juicy_Bet.visible = false;
    vm.Lbl_Progressive_Bet.visible = false;
    vm.Lbl_Played.caption = "0";
    vm.Coin_Slot.picture = 1;
    for (size_t i = 0; i < 5; ++i) {
        vm.Btn_Hold[i].caption = "Hold Card";
        vm.Pnl_Hold[i].caption = "HELD";
        vm.Pnl_Wild[i].caption = "WILD";
        vm.Pnl_Plain_Wild[i].caption = "WILD";
        for (auto* c : {&vm.Pnl_Wild[i], &vm.Pnl_Plain_Wild[i], &vm.Pnl_Card[i], &vm.Pnl_Hint[i], &vm.Pnl_Win_Card[i]})
            c->visible = false;
        vm.Pnl_Card[i].font_size = 24;
    }
    vm.Pnl_Win_Row.visible = false;
    vm.Pnl_Progressive_Display.fore_colour = colour::kYellow;  // the colour cycle's first, until it turns
    vm.menu("Mnu_Fancy_Cards").checked = true;
    vm.menu("Mnu_Autohold").checked = true;
}

void Machine::Form_Load() {
    set_all_holds(false, false);
    vm.Pnl_Game_Over.visible = true;
    vm.Pnl_Game_Over.caption = " \u00B7 Game Over \u00B7";
    vm.caption = "Dazzlewick 3.0";
    vm.menu("Mnu_About").caption = "&About Dazzlewick...";
    vm.Pnl_Show_Payoffs.caption = "Welcome to Dazzlewick!";
    Game_List_Busy = true;
    vm.Lst_Games.picture = 0;
    Game_List_Busy = false;
    // The side bet's window is loaded hidden with the main window, with its first juicy cards.
    juicy_->new_cards(svc_.rng);
    juicy_->show_pays(pay_table_);
}

void Machine::set_all_holds(bool visible, bool enabled) {
    for (size_t i = 0; i < 5; ++i) {
        vm.Pnl_Hold[i].visible = visible;
        vm.Btn_Hold[i].enabled = enabled;
    }
}

MsgAnswer Machine::confirm(std::string_view text, std::string_view title) {
    return svc_.dialogs.message_box(text, title, MsgButtons::OkCancel, MsgIcon::Question);
}

bool Machine::save(std::string_view name, std::string_view text, std::string_view error_text) {
    vm.hourglass = true;
    const bool ok = svc_.store.write(name, text);
    vm.hourglass = false;
    if (!ok) svc_.dialogs.message_box(error_text, "File Error", MsgButtons::Ok, MsgIcon::Critical);
    return ok;
}

Machine::~Machine() = default;

void Machine::Draw_One_Card(int position) { table_.Draw_One_Card(position, game_info(game_).deuces_wild); }
void Machine::Show_Backs() { table_.Show_Backs(); }
void Machine::Repaint_Hand() { table_.Repaint_Hand(game_info(game_).deuces_wild); }

std::string Machine::sound_path(std::string_view name) const { return voice_.sound_path(name); }

}  // namespace dw
