#pragma once
#include <QWidget>

#include "control_binder.h"
#include "machine/services.h"

namespace dw {
class Machine;
}

namespace dw::shell {


// The machine's questions as real modal dialogs over the main window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    MsgAnswer message_box(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override;
    void beep() override;
    void show_cashier(CashierModel& cashier) override;
    void show_goodies(GoodiesModel& goodies) override;
    void show_percent(PercentModel& percent) override;
    void show_double(DoubleOfferModel& offer) override;
    void show_pick(DoublePickModel& pick) override;
    void show_pick5(PickFiveModel& pick) override;
    void show_payouts(PayoutsModel& payouts) override;
    void show_help(HelpModel& help) override;
    void show_keyboard(const std::string& text) override;
    void show_cheat(CheatModel& cheat) override;
    void show_statistics(StatisticsModel& stats) override;
    void show_stats_detail(StatsDetailModel& detail) override;
    void show_player(PlayerModel& player) override;
    void show_mistake(MistakeModel& mistake) override;
    void show_analysis(AnalysisModel& analysis) override;
    void show_mistakes(MistakesModel& mistakes) override;
    void show_session_graph(SessionGraphModel& graph) override;
    void show_luck(LuckModel& luck) override;
    void show_progress(ProgressModel& progress) override;
    void show_strategy_card(StrategyCardModel& card) override;
    std::optional<std::string> save_file_name(std::string_view title, std::string_view suggested) override;
    std::optional<std::string> input_box(std::string_view prompt, std::string_view title) override;

private:
    QWidget* parent_;
};

}  // namespace dw::shell
