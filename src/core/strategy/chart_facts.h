#pragma once
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "games/pay_rule.h"
#include "strategy/hold_analysis.h"

namespace dw::strategy {

// What one hand of perfect play can pay, in bets (credits won over credits bet), and its chance.
struct Outcome {
    double pays = 0;
    double chance = 0;
    bool operator==(const Outcome&) const = default;
};

// How a chart plays over many hands of perfect play, from the chance of each of its rows.
struct ChartFacts {
    double value = 0;         // the return: credits won per credit bet
    double deviation = 0;     // standard deviation of one hand's pay, in bets
    double win_chance = 0;    // the chance that a hand pays anything
    double royal_every = 0;   // hands per natural royal flush on average; 0 when the chart has none
    std::vector<Outcome> outcomes;  // each distinct pay once, smallest first (0: no win)
};

// The facts of a draw game's chart from its return (game_return's rows). Nothing for a game
// whose pay is not one row's pay at one bet: Hot Hands pays every winning line, Crazy Eights' deal
// bonus comes on top of the final hand's row, Double Down Draw doubles the bet of a winning deal,
// and the stud games' bets move within the hand.
std::optional<ChartFacts> chart_facts(const PayRule& rule, const ChartReturn& rows);

// The chance of losing a bankroll within a number of hands of perfect play at a fixed bet: the
// bankroll (in bets) is lost when less than one bet is left. Computed exactly from the outcomes,
// hand by hand, over the bankrolls that can still be lost; bankrolls so large that losing them
// within the hands is less likely than one in a million count as safe, so each figure is within
// a millionth. Outcomes must be whole bets (a draw game's pays at the maximum bet are).
struct RiskTable {
    std::vector<int> bankrolls;              // in bets
    std::vector<int> hands;
    std::vector<std::vector<double>> ruin;   // [bankroll][hands]
    bool complete = true;
};
// A stop request ends it early with the figures not yet reached left at 0 and `complete` false.
RiskTable risk_of_ruin(std::span<const Outcome> outcomes, std::span<const int> bankrolls, std::span<const int> hands,
                       std::stop_token stop = {});

// The table written for a person: a header of hands, a line per bankroll, percentages.
std::string risk_text(const RiskTable& table);

// The facts of one hand in a line: "standard deviation 4.42 bets, a win 45.5% of the time, a royal
// flush every 40391 hands".
std::string facts_line(const ChartFacts& facts);

// The bankrolls (in bets) and hands of the risk table the windows and the odds tool show.
inline constexpr int kRiskBankrolls[] = {100, 400, 1000, 4000};
inline constexpr int kRiskHands[] = {1000, 10000, 100000};

}  // namespace dw::strategy
