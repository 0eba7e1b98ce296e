#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace dw {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class CashierModel;
struct GoodiesModel;
class PercentModel;
struct DoubleOfferModel;
struct DoublePickModel;
struct PickFiveModel;
class PayoutsModel;
struct HelpModel;
class CheatModel;
class StatisticsModel;
class StatsDetailModel;
class PlayerModel;
struct MistakeModel;
class AnalysisModel;
class MistakesModel;
struct SessionGraphModel;
struct LuckModel;
struct ProgressModel;
struct StrategyCardModel;

// Every modal question the machine asks. The shell answers with real modal dialogs; tests
// answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message_box(std::string_view text, std::string_view title, MsgButtons buttons,
                                  MsgIcon icon) = 0;
    virtual void beep() = 0;
    // Shows the cashier modally; returns when the model says it is done.
    virtual void show_cashier(CashierModel& cashier) = 0;
    virtual void show_goodies(GoodiesModel& goodies) = 0;
    virtual void show_percent(PercentModel& percent) = 0;
    virtual void show_double(DoubleOfferModel& offer) = 0;  // Frm_Double
    virtual void show_pick(DoublePickModel& pick) = 0;       // Frm_Pick
    virtual void show_pick5(PickFiveModel& pick) = 0;        // Frm_Pick5
    virtual void show_payouts(PayoutsModel& payouts) = 0;    // Frm_Payouts
    virtual void show_help(HelpModel& help) = 0;             // Help_Dialog
    virtual void show_keyboard(const std::string& text) = 0; // Frm_Keyboard
    virtual void show_cheat(CheatModel& cheat) = 0;          // Frm_Cheat
    virtual void show_statistics(StatisticsModel& stats) = 0;     // Frm_Statistics
    virtual void show_stats_detail(StatsDetailModel& detail) = 0; // Frm_Stats_Detail
    virtual void show_player(PlayerModel& player) = 0;            // Frm_Player
    virtual void show_mistake(MistakeModel& mistake) = 0;         // the trainer's mistake alert
    virtual void show_analysis(AnalysisModel& analysis) = 0;      // Analyze a Hand
    virtual void show_mistakes(MistakesModel& mistakes) = 0;      // the mistakes to review
    virtual void show_session_graph(SessionGraphModel& graph) = 0;  // the session's credits
    virtual void show_luck(LuckModel& luck) = 0;                    // the rows against the odds
    virtual void show_progress(ProgressModel& progress) = 0;        // the trainer's sessions
    virtual void show_strategy_card(StrategyCardModel& card) = 0;   // the chart's strategy card
    // A file to save to, chosen by the player: its path, or nothing for Cancel.
    virtual std::optional<std::string> save_file_name(std::string_view title, std::string_view suggested) = 0;
    // An input box: the answer, or nothing for Cancel.
    virtual std::optional<std::string> input_box(std::string_view prompt, std::string_view title) = 0;
};

// Plays one wave file at once, cutting off whatever plays; silent where it cannot.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

}  // namespace dw
