#pragma once
#include <functional>
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
    // An input box: the answer, or nothing for Cancel.
    virtual std::optional<std::string> input_box(std::string_view prompt, std::string_view title) = 0;
};

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
    std::optional<std::string> input_box(std::string_view, std::string_view) override { return std::nullopt; }
};

// Plays one wave file at once, cutting off whatever plays; silent where it cannot.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
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
};

}  // namespace dw
