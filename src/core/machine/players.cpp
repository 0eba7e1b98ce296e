// The players and the statistics screens.
#include "games/catalogue.h"
#include "machine/machine.h"
#include "records/player_model.h"
#include "records/stats_screens.h"

namespace dw {

void Machine::Choose_Player() {
    vm.hourglass = true;
    PlayerModel player(player_.player_names, player_.Player_Number);
    player.renamed = [this, &player] {
        player_.player_names = player.names;
        Save_Config();
    };
    player.help = [this] { Show_Help("Player Selection"); };
    vm.hourglass = false;
    svc_.dialogs.show_player(player);
    player_.Player_Number = static_cast<int16_t>(player.selected + 1);
}

void Machine::Mnu_Player_Click() {
    if (!vm.menu("Mnu_Player").enabled || in_hand()) return;
    Save_Stats();
    Save_Progressive();
    const int16_t before = player_.Player_Number;
    Choose_Player();
    if (player_.Player_Number != before) {
        history_.clear();  // the new player's session
        wallet_.start_session();
        show_credits();
        Show_Coin_Bucket();
        Load_Stats();
        Load_Progressive();
        load_trainer();
        player_.stats.Winnings[Stats::kSessionWinnings] = 0;
        Show_Winnings();
        Display_Progressive_Payout();
        vm.menu("Mnu_Fancy_Cards").checked = table_.Fancy_Cards;
        vm.menu("Mnu_Plain_Cards").checked = !table_.Fancy_Cards;
        // The bet buttons follow the new meters.
        enable_bet_buttons();
    }
    Repaint_Hand();
}

void Machine::Show_Stats() {
    vm.hourglass = true;
    StatisticsModel screen(player_.stats, player_.name());
    screen.save = [this] { return Save_Stats(); };
    screen.help = [this] { Show_Help("Statistics"); };
    screen.open_detail = [this](int slot, bool all_sessions) {
        StatsDetailModel detail(player_.stats, slot, all_sessions);
        detail.save = [this] { return Save_Stats(); };
        detail.confirm = [this] {
            return svc_.dialogs.message_box("Confirm:  Clear these statistics?", "Statistics", MsgButtons::OkCancel,
                                            MsgIcon::Question) == MsgAnswer::Ok;
        };
        svc_.dialogs.show_stats_detail(detail);
    };
    vm.hourglass = false;
    svc_.dialogs.show_statistics(screen);
}

}  // namespace dw
