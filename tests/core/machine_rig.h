#pragma once
#include <map>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cards/cheat.h"
#include "machine/machine.h"
#include "records/record_store.h"
#include "trainer/trainer.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace dw::test {

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

// Puts the cards (as text, "JK" for a joker) on top of a freshly shuffled deck, in order, by
// swapping them into place, so the next deal and draw take them one after another.
inline void stack_deck(CardState& cards, GameId game, Rng& rng, const std::string& text) {
    Shuffle_Deck(cards, joker_count(game), rng);
    auto& d = cards.Deck;
    int at = cards.Next_Card;
    for (const auto& word : words(text)) {
        const CardCode want = *parse_card(word);
        auto same = [&](const CardCode& c) {
            return want.Value == 1 ? c.Value == 1 : (c.Value == want.Value && c.Suit == want.Suit);
        };
        int found = -1;
        for (int i = at; i <= 52 && found < 0; ++i)
            if (same(d[static_cast<size_t>(i)])) found = i;
        // A natural card a joker displaced comes into play; the card it swaps with leaves it.
        for (int i = 53; i <= 54 && found < 0 && want.Value != 1; ++i)
            if (same(d[static_cast<size_t>(i)])) found = i;
        if (found < 0) {
            ADD_FAILURE() << "cannot stack " << word << " in game " << game;
            return;
        }
        swap_deck_cards(cards, at, found);
        ++at;
    }
}

// A machine with scripted services and its records in memory, and routines that drive whole
// hands through its routines and ticks.
struct Rig {
    ScriptedRng rng{{}, -1};
    ScriptedDialogs dialogs;
    RecordingCardLibrary library;
    RecordingSound sound;
    MemoryStore store;
    HoldAdvisor* advisor;  // the trainer's, when a test needs one
    int64_t now = 1765000000;  // the clock the machine reads, in seconds since 1970
    std::map<std::string, std::string, std::less<>> settings;  // the program's settings file
    Machine m{{rng, dialogs, library, sound, store, format_us_currency, '.', advisor, [this] { return now; },
               [this](std::string_view name) -> std::optional<std::string> {
                   const auto it = settings.find(name);
                   if (it == settings.end()) return std::nullopt;
                   return it->second;
               },
               [this](std::string_view name, std::string_view value) { settings[std::string(name)] = value; }}};

    explicit Rig(HoldAdvisor* advisor_ = nullptr) : advisor(advisor_) {
        m.view().menu("Mnu_Juicy_Jackpots").checked = false;  // the side-bet tests turn it on
        m.Form_Load();
        m.wallet().Credits = 80;
        m.wallet().Coin_Bucket = -80;
        m.Select_Game(m.game());
    }
    // No progressive, reversible royals or double up: the hand pays just its chart.
    void goodies_off() {
        for (const char* goody : {"Mnu_Progressive", "Mnu_Royals", "Mnu_Double"}) m.view().menu(goody).checked = false;
    }
    // Between hands of `game` with `credits` on the meter.
    void ready(GameId game, int32_t credits) {
        m.wallet().Credits = credits;
        m.Select_Game(game);
        m.Prepare_Hand();
    }

    // The next deal and draw take these cards in this order.
    void stack(const std::string& cards) { stack_deck(m.table().cards, m.game(), rng, cards); }
    void finish_deal() {
        for (int i = 0; i < 10 && m.timers().Timer1_Enabled; ++i) m.Timer1_Tick();
    }
    void finish_draw() {
        for (int i = 0; i < 20 && m.timers().Timer2_Enabled; ++i) m.Timer2_Tick();  // ten hands: nine more ticks
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
        if (m.in_hand() && m.view().Btn_Show_Fifth.visible) m.Btn_Show_Fifth_Click();
        for (char p : positions) m.Toggle_Hold(p - '0');
        m.Draw();
        finish_draw();
    }
};

}  // namespace dw::test
