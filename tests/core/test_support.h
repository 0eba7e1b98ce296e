#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_library.h"
#include "cards/rng.h"
#include "eval/evaluators.h"
#include "games/pay_table.h"

namespace dw::test {

// A hand written as text, "TH JH QH KH AH"; fails the test on a typo.
inline Hand H(const std::string& text) {
    auto hand = parse_hand(text);
    if (!hand) ADD_FAILURE() << "bad hand text: " << text;
    return hand.value_or(Hand{});
}

// Plays back the given numbers, then `fallback` for ever, or, when the fallback is negative,
// a fixed pseudo-random stream (so shuffles that must draw distinct places still end).
class ScriptedRng : public Rng {
public:
    explicit ScriptedRng(std::vector<double> values = {}, double fallback = 0.0)
        : values_(values.begin(), values.end()), fallback_(fallback) {}
    double next() override {
        ++calls;
        if (values_.empty()) return fallback_ < 0 ? stream_.next() : fallback_;
        const double v = values_.front();
        values_.pop_front();
        return v;
    }
    void push(double v) { values_.push_back(v); }
    int calls = 0;

private:
    std::deque<double> values_;
    double fallback_;
    ClockRng stream_{2024};
};

// Remembers every call made to the card library.
class RecordingCardLibrary : public CardLibrary {
public:
    struct Draw {
        int32_t picture, x, y;
    };
    int32_t InitializeDeck(intptr_t) override { return init_result; }
    void SetCurrentBack(int32_t design) override { backs.push_back(design); }
    void DrawCard(intptr_t, int32_t picture, int32_t x, int32_t y) override { draws.push_back({picture, x, y}); }
    int32_t init_result = 1;
    std::vector<int32_t> backs;
    std::vector<Draw> draws;
};

// One row of an evaluator table: the game, the hand, the HandCode it must get.
struct CodeCase {
    int game;
    const char* hand;
    int code;
};

inline void expect_codes(const std::vector<CodeCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(Check_Hand(static_cast<GameId>(c.game), H(c.hand)), c.code) << "game " << c.game << ": " << c.hand;
}

// Every chart at its default pays.
inline Pay_Table default_pay_table() {
    Pay_Table t;
    Set_Default_Payouts(t, 0);
    return t;
}

inline int64_t choose(int64_t n, int64_t k) {
    if (k < 0 || k > n) return 0;
    int64_t r = 1;
    for (int64_t i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

}  // namespace dw::test
