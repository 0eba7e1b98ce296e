// Every menu item of the main window, by its name: the one way in for the window's menus.
#include <map>

#include "files/file_io.h"
#include "games/catalogue.h"
#include "machine/machine.h"
#include "records/luck.h"
#include "records/session_series.h"

namespace dw {

bool Machine::Menu_Command(std::string_view menu) {
    for (const auto& g : kGames)
        if (g.menu_item == menu) {
            Select_Game(g.id);
            return true;
        }
    static const std::map<std::string_view, void (Machine::*)()> kCommands = {
        {"Mnu_New_Game", &Machine::Mnu_New_Game},
        {"Mnu_Fancy_Cards", &Machine::Mnu_Fancy_Cards_Click},
        {"Mnu_Plain_Cards", &Machine::Mnu_Plain_Cards_Click},
        {"Mnu_Autohold", &Machine::Mnu_Autohold_Click},
        {"Mnu_Sound", &Machine::Mnu_Sound_Click},
        {"Mnu_Progressive", &Machine::Mnu_Progressive_Click},
        {"Mnu_Royals", &Machine::Mnu_Royals_Click},
        {"Mnu_Double", &Machine::Mnu_Double_Click},
        {"Mnu_Juicy_Jackpots", &Machine::Mnu_Juicy_Jackpots_Click},
        {"Mnu_Visit_Cashier", &Machine::Mnu_Visit_Cashier},
        {"Mnu_Cash_Out", &Machine::Mnu_Cash_Out},
        {"Mnu_Clear_Session_Stats", &Machine::Mnu_Clear_Session_Stats},
        {"Mnu_Clear_All_Stats", &Machine::Mnu_Clear_All_Stats},
        {"Mnu_Payouts_Reset_C", &Machine::Mnu_Payouts_Reset_C},
        {"Mnu_Payouts_Reset", &Machine::Mnu_Payouts_Reset},
        {"Mnu_Progressive_Set", &Machine::Show_Percent_Dialog},
        {"Mnu_Reset_Progressive", &Machine::Mnu_Reset_Progressive},
        {"Mnu_Reset_Winnings", &Machine::Mnu_Reset_Winnings},
        {"Mnu_Reset_All_Winnings", &Machine::Mnu_Reset_All_Winnings},
        {"Mnu_Program_Payouts", &Machine::Show_Payout_Dialog},
        {"Mnu_Cheat", &Machine::Show_Cheat},
        {"Mnu_Show_Stats", &Machine::Show_Stats},
        {"Mnu_Player", &Machine::Mnu_Player_Click},
        {"Mnu_Keyboard_Help", &Machine::Show_Keyboard_Help},
        {"Mnu_Window_Juicy_Jackpots", &Machine::Mnu_Window_Juicy_Jackpots_Click},
        {"Mnu_Export_History", &Machine::export_history},
        {"Mnu_Session_Graph", &Machine::show_session_graph},
        {"Mnu_Luck", &Machine::show_luck},
    };
    if (auto it = kCommands.find(menu); it != kCommands.end()) {
        (this->*(it->second))();
        return true;
    }
    return Menu_Help(menu) || Trainer_Command(menu) || choose_hands(menu);
}

void Machine::show_session_graph() {
    SessionGraphModel graph{history_.hands(), pay_table_};
    svc_.dialogs.show_session_graph(graph);
}

void Machine::show_luck() {
    LuckModel luck{game_, player_.stats, pay_table_};
    svc_.dialogs.show_luck(luck);
}

void Machine::export_history() {
    if (history_.hands().empty()) {
        svc_.dialogs.message_box("No hand has been played this session yet.", "Export Hand History", MsgButtons::Ok,
                                 MsgIcon::Information);
        return;
    }
    const auto path = svc_.dialogs.save_file_name("Export Hand History", "hand-history.csv");
    if (!path || path->empty()) return;
    if (!files::write_atomically(*path, history_.csv()))
        svc_.dialogs.message_box("The hand history could not be written to " + *path +
                                     ".  The folder may be write-protected or the disk full.",
                                 "File Error", MsgButtons::Ok, MsgIcon::Critical);
}

}  // namespace dw
