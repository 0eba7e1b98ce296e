// The machine's windows of their own: the payout editor, help, the keyboard list and the cheat.
#include "cards/cheat.h"
#include "games/payouts_model.h"
#include "machine/machine.h"
#include "files/file_io.h"
#include "variants/juicy_jackpots.h"

namespace dw {

void Machine::edit_payouts(int slot) {
    vm.hourglass = true;
    PayoutsModel payouts(pay_table_, slot);
    payouts.help = [this] { Show_Help("Customize Payouts"); };
    vm.hourglass = false;
    svc_.dialogs.show_payouts(payouts);
    if (payouts.ok) {
        payouts.apply(pay_table_);
        Save_Payouts();
    }
    Display_Progressive_Payout();
    Repaint_Hand();
}

void Machine::Show_Payout_Dialog() {
    if (!vm.menu("Mnu_Program_Payouts").enabled) return;
    edit_payouts(game_);
}

void Machine::Juicy_Customize_Click() {
    edit_payouts(kSideBetSlot);
    juicy_->show_pays(pay_table_);
}

bool Machine::Load_Help() {
    const auto text = files::read_text(voice_.Asset_Directory / "POKER.HLP", kMaxHelpSize);
    HelpFile help = text ? read_help(*text) : HelpFile{{}, HelpFile::Error::NotAvailable};
    if (help.error != HelpFile::Error::None) {
        svc_.dialogs.message_box(help_error_text(help.error), "Help!", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    help_topics_ = std::move(help.topics);
    return true;
}

void Machine::Show_Help(std::string_view topic) {
    // A help file that could not be read is tried again at every request.
    if (!help_loaded_) help_loaded_ = Load_Help();
    if (!help_loaded_) return;
    HelpModel help(help_topics_, topic);
    svc_.dialogs.show_help(help);
}

bool Machine::Menu_Help(std::string_view menu) {
    static constexpr std::pair<std::string_view, std::string_view> kTopics[] = {
        {"Mnu_Help", "About Dazzlewick"},
        {"Mnu_Help_Draw", "Playing Draw Poker"},
        {"Mnu_Help_Stud", "Playing Double Down Stud"},
        {"Mnu_Help_Ride", "Playing Let It Ride"},
        {"Mnu_Help_Eights", "Playing Crazy Eights Double Payout Poker"},
        {"Mnu_Help_Multi_Payout", "Playing Hot Hands Multi-Payout Poker"},
        {"Mnu_Help_Pick_5", "Playing Pick Five Poker"},
        {"Mnu_Help_D_Draw", "Playing Double Down Draw"},
        {"Mnu_Help_Juicy", "Velmora's Juicy Jackpots"},
        {"Mnu_New_Features", "New Features"},
    };
    for (const auto& [item, topic] : kTopics)
        if (item == menu) {
            Show_Help(topic);
            return true;
        }
    return false;
}

void Machine::Show_Keyboard_Help() {
    svc_.dialogs.show_keyboard(keyboard_help_text());
    Repaint_Hand();
}

void Machine::Show_Cheat() {
    if (!vm.menu("Mnu_Cheat").enabled || in_hand()) return;
    CheatModel cheat(table_.cards, deck_size(game_));
    svc_.dialogs.show_cheat(cheat);
    Repaint_Hand();
}

}  // namespace dw
