#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "round/dialogs.h"

namespace dw {

// Answers every question as its close box would: a message box is cancelled (No for a Yes/No
// question, OK where OK is the only button), and each dialog closes without a change. Tools and
// test doubles derive from it and override only what they script.
class DefaultDialogs : public Dialogs {
public:
    MsgAnswer message_box(std::string_view, std::string_view, MsgButtons buttons, MsgIcon) override;
    void beep() override {}
    void show_cashier(CashierModel& cashier) override;
    void show_goodies(GoodiesModel& goodies) override;
    void show_percent(PercentModel& percent) override;
    void show_double(DoubleOfferModel& offer) override;
    void show_pick(DoublePickModel& pick) override;  // cannot be closed: takes the 2nd card
    void show_pick5(PickFiveModel& pick) override;   // closed without a choice: the 2nd card
    void show_payouts(PayoutsModel& payouts) override;
    void show_help(HelpModel& help) override;
    void show_keyboard(const std::string&) override {}
    void show_cheat(CheatModel& cheat) override;
    void show_statistics(StatisticsModel& stats) override;
    void show_stats_detail(StatsDetailModel& detail) override;
    void show_player(PlayerModel& player) override;
    void show_mistake(MistakeModel& mistake) override;
    void show_analysis(AnalysisModel&) override {}
    void show_mistakes(MistakesModel& mistakes) override;
    void show_session_graph(SessionGraphModel&) override {}
    void show_luck(LuckModel&) override {}
    void show_progress(ProgressModel&) override {}
    void show_strategy_card(StrategyCardModel&) override {}
    std::optional<std::string> input_box(std::string_view, std::string_view) override { return std::nullopt; }
    std::optional<std::string> save_file_name(std::string_view, std::string_view) override { return std::nullopt; }
};

class CardLibrary;
class RecordStore;
class Rng;
class HoldAdvisor;

// What the machine is given to reach the world: randomness, questions, card pictures, sound,
// the record files and the system's money format.
struct MachineServices {
    Rng& rng;
    Dialogs& dialogs;
    CardLibrary& cards;
    SoundPlayer& sound;
    RecordStore& store;
    std::function<std::string(double)> currency;
    char decimal_separator = '.';
    HoldAdvisor* advisor = nullptr;  // the trainer's hold values; none: no hints
    std::function<int64_t()> clock;  // seconds since 1970, when a mistake was made; none: the system's
    // The program's settings file (not a record file): a value by name, and keeping one.
    std::function<std::optional<std::string>(std::string_view)> setting;
    std::function<void(std::string_view, std::string_view)> keep_setting;
};

}  // namespace dw
