#pragma once
#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "machine/cashier.h"
#include "machine/dialog_models.h"
#include "machine/machine.h"
#include "test_support.h"

namespace dw::test {

// Answers message boxes from a script (OK / Yes when the script is empty) and remembers them.
struct ScriptedDialogs : Dialogs {
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
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    int beeps = 0;
    int cashier_visits = 0;
    std::function<void(CashierModel&)> cashier_script;
    void show_goodies(GoodiesModel& model) override {
        ++goodies_shown;
        if (goodies_script) goodies_script(model);
        model.Btn_Continue_Click();
    }
    void show_percent(PercentModel& model) override {
        if (percent_script) percent_script(model);
        else model.Btn_Cancel_Click();
    }
    int goodies_shown = 0;
    std::function<void(GoodiesModel&)> goodies_script;
    std::function<void(PercentModel&)> percent_script;
};

struct RecordingSound : SoundPlayer {
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
    // The file names played, without the directory.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& p : played) out.push_back(std::filesystem::path(p).filename().string());
        return out;
    }
};

// A fresh temporary directory, removed at the end of the test.
struct TempDir {
    TempDir() {
        static std::mt19937_64 gen(std::random_device{}());
        path = std::filesystem::temp_directory_path() / ("dazzlewick-test-" + std::to_string(gen()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

// A machine with scripted services in its own directory.
struct Rig {
    TempDir dir;
    ScriptedRng rng{{}, -1};
    ScriptedDialogs dialogs;
    RecordingCardLibrary library;
    RecordingSound sound;
    Machine m{{rng, dialogs, library, sound, format_us_currency}, dir.path};

    Rig() {
        m.Form_Load();
        m.Credits = 80;
        m.Coin_Bucket = -80;
        m.Check_Menu();
    }
};

}  // namespace dw::test

namespace dw::test {

// The random numbers that make the machine's shuffle put `top` (cards written as text, "JK"
// for a joker) at deck positions 1, 2, ... for the given game.
inline std::vector<double> numbers_for_deck(GameId game, const std::vector<std::string>& top) {
    std::vector<CardCode> fresh;
    for (char s : {'H', 'D', 'C', 'S'})
        for (int16_t v = 2; v <= 14; ++v) fresh.push_back(make_card(v, s));
    std::vector<double> numbers;
    std::vector<CardCode> wanted;
    for (const auto& t : top) wanted.push_back(*parse_card(t));
    auto is_wanted = [&](const CardCode& c) {
        for (const auto& w : wanted)
            if ((w.Value == 1 && c.Value == 1) || (w.Value != 1 && c.Image == w.Image && c.Value != 1)) return true;
        return false;
    };
    const int jokers = game == 10 ? 2 : (game >= 6 && game <= 9 ? 1 : 0);
    int first = 0;
    for (int j = 0; j < jokers; ++j) {
        // The joker takes the place of a natural card that is not wanted.
        int pos = 0;
        for (int i = 0; i < 52; ++i)
            if (i != first - 1 && !is_wanted(fresh[static_cast<size_t>(i)])) {
                pos = i + 1;
                if (j == 0 || pos != first) break;
            }
        numbers.push_back((pos - 0.5) / 52);
        fresh[static_cast<size_t>(pos - 1)].Value = 1;
        fresh[static_cast<size_t>(pos - 1)].Image = static_cast<int16_t>(110 + j);
        first = pos;
    }
    std::vector<CardCode> taken;
    for (int n = 52; n >= 2; --n) {
        int index = -1;
        if (n <= static_cast<int>(wanted.size())) {
            const CardCode& w = wanted[static_cast<size_t>(n - 1)];
            for (size_t i = 0; i < fresh.size(); ++i)
                if ((w.Value == 1 && fresh[i].Value == 1) || (w.Value != 1 && fresh[i].Image == w.Image && fresh[i].Value != 1)) {
                    index = static_cast<int>(i);
                    break;
                }
        } else {
            for (size_t i = 0; i < fresh.size(); ++i)
                if (!is_wanted(fresh[i])) {
                    index = static_cast<int>(i);
                    break;
                }
        }
        if (index < 0) ADD_FAILURE() << "cannot stack the deck";
        numbers.push_back((index + 0.5) / n);
        fresh.erase(fresh.begin() + index);
    }
    return numbers;
}

// Cards written as text, split into words.
inline std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        const size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos) out.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

// Drives whole hands through the machine's routines and ticks.
struct Player {
    Rig& rig;
    Machine& m = rig.m;

    // Shuffles so that the next deal and draw take these cards in this order.
    void stack(const std::string& cards) {
        for (double v : numbers_for_deck(m.game, words(cards))) rig.rng.push(v);
        Shuffle_Deck(m.cards, m.game, rig.rng);
    }
    void finish_deal() {
        for (int i = 0; i < 10 && m.Timer1_Enabled; ++i) m.Timer1_Tick();
    }
    void finish_draw() {
        for (int i = 0; i < 10 && m.Timer2_Enabled; ++i) m.Timer2_Tick();
    }
    // Bets `coins` one at a time (5 deals by itself) or with Play Max, and deals.
    void bet_and_deal(int coins) {
        if (coins == 5) m.Bet_Max();
        else {
            for (int i = 0; i < coins; ++i) m.Bet_One_Credit();
            m.Start_Hand();
        }
        finish_deal();
    }
    // Holds the positions named ("13" holds 1 and 3, after the autohold) and draws.
    void hold_and_draw(const std::string& positions) {
        if (m.phase == Phase::AwaitDouble) m.Btn_Show_Fifth_Click();
        for (char p : positions) m.Toggle_Hold(p - '0');
        m.Draw();
        finish_draw();
    }
};

}  // namespace dw::test
