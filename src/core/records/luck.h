#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "games/pay_table.h"
#include "records/stats.h"
#include "types.h"

namespace dw {

// One row of the chart: how often it came, this session and over all sessions, against how often
// perfect play expects it from as many hands.
struct LuckRow {
    HandCode row = 0;
    std::string label;
    int64_t session = 0, all = 0;
    double expected_session = 0, expected_all = 0;
};

// "Luck against the odds" for a game: the rows of its chart, top first, from the player's
// statistics and the chance of each row under perfect play (`chances`, row 0 first, as the
// engine's return gives them). Hands are the counts of every row but the deal bonuses and the
// extra count of a Hot Hands multiple win, which stand beside a hand's own row.
struct Luck {
    int64_t hands_session = 0, hands_all = 0;
    std::vector<LuckRow> rows;
};
Luck luck_of(GameId game, const Stats& stats, const std::vector<double>& chances);

// What the luck window shows: the current game's counts; it works out the chances itself.
struct LuckModel {
    GameId game;
    const Stats& stats;
    const Pay_Table& chart;
};

// "Four of a Kind: 12 against 7.1 expected — lucky": lucky or unlucky when the count is more than
// one standard deviation (the square root of the expected count) away from it, else "as expected".
std::string luck_sentence(const std::string& label, int64_t count, double expected);

}  // namespace dw
