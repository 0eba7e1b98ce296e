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
