#pragma once
#include <functional>
#include <vector>

#include "games/pay_table.h"
#include "records/hand_history.h"

namespace dw {

// One point of the session graph: the credits after a hand, and where perfect play's return
// would have them for the same bets (the cashier's credits counted in both).
struct SessionPoint {
    int hand = 0;
    double credits = 0;
    double expected = 0;
    bool big_win = false;  // four of a kind or better
    bool operator==(const SessionPoint&) const = default;
};

// The bet a hand's expected pay is priced at: its bet, but a doubled bet (Double Down Draw) at the
// deal's whole bet, whose return counts the doubling.
int return_bet(GameId game, int bet);

// The return of perfect play per coin bet of a game's chart at a bet.
using ReturnOf = std::function<double(GameId game, int coins)>;

// The series of the session graph. The first hand's credits before it are its credits after it,
// less its pay, plus its bet; between two hands, whatever the meter gained besides the pay and
// the bet (the cashier) is added to the expected line too.
std::vector<SessionPoint> session_series(const std::vector<HandRecord>& hands, const ReturnOf& return_of);

// Whether a chart row is four of a kind or better: at or above the lowest row of four of a kind
// ("4 of a Kind", "4 Aces", "4 Deuces", ...).
bool big_win_row(GameId game, HandCode row);

// What the session graph shows: the session's hands (it works out the returns itself).
struct SessionGraphModel {
    const std::vector<HandRecord>& hands;
    const Pay_Table& chart;
};

// At most `most` points, each the last of its stretch of hands, big wins always kept.
std::vector<SessionPoint> thin_out(const std::vector<SessionPoint>& points, size_t most);

}  // namespace dw
