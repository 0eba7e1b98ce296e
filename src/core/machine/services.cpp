#include "machine/services.h"

#include "machine/cashier.h"
#include "machine/dialog_models.h"
#include "round/double_up.h"
#include "cards/cheat.h"
#include "games/payouts_model.h"
#include "help/help_file.h"
#include "records/player_model.h"
#include "records/stats_screens.h"
#include "trainer/trainer_state.h"
#include "variants/pick_five.h"

namespace dw {

MsgAnswer DefaultDialogs::message_box(std::string_view, std::string_view, MsgButtons buttons, MsgIcon) {
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo: return MsgAnswer::No;
    }
    return MsgAnswer::Cancel;
}

void DefaultDialogs::show_cashier(CashierModel& cashier) { cashier.Btn_Cancel_Click(); }
void DefaultDialogs::show_goodies(GoodiesModel& goodies) { goodies.Btn_Continue_Click(); }
void DefaultDialogs::show_percent(PercentModel& percent) { percent.Btn_Cancel_Click(); }
void DefaultDialogs::show_double(DoubleOfferModel& offer) { offer.Close(); }
void DefaultDialogs::show_pick(DoublePickModel& pick) { pick.Btn_Choose_Click(2); }
void DefaultDialogs::show_pick5(PickFiveModel&) {}
void DefaultDialogs::show_payouts(PayoutsModel& payouts) { payouts.Btn_Cancel_Click(); }
void DefaultDialogs::show_help(HelpModel& help) { help.Exit_Button_Click(); }
void DefaultDialogs::show_cheat(CheatModel& cheat) { cheat.Btn_Ok_Click(); }
void DefaultDialogs::show_statistics(StatisticsModel& stats) { stats.Btn_Ok_Click(); }
void DefaultDialogs::show_stats_detail(StatsDetailModel& detail) { detail.Btn_Exit_Click(); }
void DefaultDialogs::show_player(PlayerModel& player) { player.Btn_Exit_Click(); }
void DefaultDialogs::show_mistake(MistakeModel& mistake) { mistake.Draw_Anyway_Click(); }
void DefaultDialogs::show_mistakes(MistakesModel& mistakes) { mistakes.Exit_Click(); }

}  // namespace dw
