#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "machine/cashier.h"
#include "machine/dialog_models.h"
#include "round/double_up.h"
#include "cards/cheat.h"
#include "games/payouts_model.h"
#include "help/help_file.h"
#include "records/player_model.h"
#include "records/luck.h"
#include "records/session_series.h"
#include "records/stats_screens.h"
#include "trainer/analysis.h"
#include "trainer/card_view.h"
#include "trainer/trainer_state.h"
#include "machine/services.h"
#include "variants/pick_five.h"

namespace dw::test {

// Answers message boxes from a script (OK, or Yes to a Yes/No question, when the script is
// empty), runs each dialog through its script, and remembers what it was asked. Shared by the
// core and the window tests.
struct ScriptedDialogs : DefaultDialogs {
    struct Shown {
        std::string text, title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    MsgAnswer message_box(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override {
        shown.push_back({std::string(text), std::string(title), buttons, icon});
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    void beep() override { ++beeps; }
    void show_cashier(CashierModel& model) override {
        ++cashier_visits;
        if (cashier_script) cashier_script(model);
        else model.Btn_Cancel_Click();
    }
    void show_goodies(GoodiesModel& model) override {
        ++goodies_shown;
        if (goodies_script) goodies_script(model);
        model.Btn_Continue_Click();
    }
    void show_percent(PercentModel& model) override {
        if (percent_script) percent_script(model);
        else model.Btn_Cancel_Click();
    }
    // The double-up offer: the next scripted answer (1 Yes, 0 No), or the close box.
    void show_double(DoubleOfferModel& model) override {
        offers.push_back(model.question);
        if (double_answers.empty()) return model.Close();
        model.Btn_Return_Click(double_answers.front());
        double_answers.pop_front();
    }
    void show_pick(DoublePickModel& model) override {
        if (pick_script) pick_script(model);
        if (model.done()) return;
        model.Btn_Choose_Click(picks.empty() ? 2 : picks.front());
        if (!picks.empty()) picks.pop_front();
    }
    void show_pick5(PickFiveModel& model) override {
        pick5_offers.push_back(model);
        if (!pick5_choices.empty()) {
            model.Key_Press(static_cast<char>('0' + pick5_choices.front()));
            pick5_choices.pop_front();
        }
    }
    void show_payouts(PayoutsModel& model) override {
        if (payouts_script) payouts_script(model);
        if (!model.done) model.Btn_Cancel_Click();
    }
    void show_help(HelpModel& model) override {
        helps.push_back(model.selected >= 0 ? model.Help_List[static_cast<size_t>(model.selected)] : "");
        model.Exit_Button_Click();
    }
    void show_keyboard(const std::string& text) override { keyboard = text; }
    void show_cheat(CheatModel& model) override {
        if (cheat_script) cheat_script(model);
        model.Btn_Ok_Click();
    }
    void show_statistics(StatisticsModel& model) override {
        statistics_names.push_back(model.Lbl_PlayerName.caption);
        if (statistics_script) statistics_script(model);
        model.Btn_Ok_Click();
    }
    void show_stats_detail(StatsDetailModel& model) override {
        if (detail_script) detail_script(model);
        model.Btn_Exit_Click();
    }
    void show_player(PlayerModel& model) override {
        if (player_help && model.help) model.help();
        if (!player_choices.empty()) {
            model.Btn_Player_Click(player_choices.front() - 1);
            player_choices.pop_front();
        }
        model.Btn_Exit_Click();
    }
    // Analyze a Hand: the cards it opened on, then its script.
    void show_analysis(AnalysisModel& model) override {
        std::string cards;
        for (const auto& c : model.cards()) cards += (cards.empty() ? "" : " ") + card_text(c);
        analyses.push_back(cards);
        if (analysis_script) analysis_script(model);
    }
    void show_mistakes(MistakesModel& model) override {
        if (mistakes_script) mistakes_script(model);
        model.Exit_Click();
    }
    std::optional<std::string> save_file_name(std::string_view, std::string_view) override { return save_path; }
    void show_session_graph(SessionGraphModel& graph) override { graphs.push_back(graph.hands.size()); }
    void show_luck(LuckModel& luck) override { lucks.push_back(luck.game); }
    void show_progress(ProgressModel& progress) override { progresses.push_back(progress.sessions); }
    void show_strategy_card(StrategyCardModel& card) override { cards.push_back({card.game, card.coins}); }
    void show_mistake(MistakeModel& model) override {
        mistakes.push_back(model.text);
        if (change_holds) model.Change_Holds_Click();
        else model.Draw_Anyway_Click();
    }
    // "Title: text" of every message box, oldest first.
    std::vector<std::string> asked() const {
        std::vector<std::string> out;
        for (const auto& s : shown) out.push_back(s.title + ": " + s.text);
        return out;
    }

    std::deque<MsgAnswer> answers;
    std::deque<int> double_answers, picks, pick5_choices, player_choices;
    std::vector<std::string> statistics_names;
    std::vector<std::string> mistakes;
    bool change_holds = false;
    std::vector<std::string> offers;
    std::vector<PickFiveModel> pick5_offers;
    std::vector<Shown> shown;
    int beeps = 0;
    int cashier_visits = 0;
    int goodies_shown = 0;
    std::function<void(CashierModel&)> cashier_script;
    std::function<void(GoodiesModel&)> goodies_script;
    std::function<void(PercentModel&)> percent_script;
    std::function<void(DoublePickModel&)> pick_script;
    std::function<void(PayoutsModel&)> payouts_script;
    std::function<void(CheatModel&)> cheat_script;
    std::function<void(StatisticsModel&)> statistics_script;
    std::function<void(StatsDetailModel&)> detail_script;
    std::function<void(AnalysisModel&)> analysis_script;
    std::function<void(MistakesModel&)> mistakes_script;
    std::vector<std::string> analyses;  // the cards each analysis opened on
    std::optional<std::string> save_path;  // the file chosen to save to
    std::vector<size_t> graphs;            // the hands each session graph showed
    std::vector<GameId> lucks;             // the game each luck window showed
    std::vector<std::pair<GameId, int>> cards;  // the game and bet of each strategy card shown
    std::vector<std::vector<SessionLog>> progresses;  // the sessions each progress window showed
    std::vector<std::string> helps;  // the topic each help window opened on
    bool player_help = false;        // the player dialog's Help is pressed
    std::string keyboard;
};

}  // namespace dw::test
