#pragma once
#include <cstdint>
#include <string>

#include "eval/evaluators.h"
#include "games/pay_table.h"
#include "types.h"

namespace dw {

// What prices a final hand: the game, its chart, the coins bet and the progressive jackpot.
struct PayRule {
    GameId game = 1;
    const Pay_Table* table = nullptr;
    int coins = 5;
    bool progressive = false;
    double jackpot = 0;  // the jackpot as it stands when the hand is paid
};

// The price of a final hand.
struct FinalPay {
    int64_t amount = 0;   // credits, the jackpot included when it is won
    std::string name;     // the payoff's name of the hand ("Sorry, try again!" for no win)
    HandCode code = 0;    // the chart row the hand is counted in
    bool jackpot_won = false;
    bool found = true;    // false: the game has no such code (an internal error)
};

// The one pay rule of the machine: the chart pay per coin times the coins (in Hot Hands the
// sum of every winning line), the fixed top prizes at the maximum bet, and the progressive
// jackpot on a hand that wins a top prize. The machine, the odds tool and the strategy engine
// all price a hand here. `code` is Check_Hand's code of the final hand; `hits` its Hot Hands
// lines. Nothing here knows the order of the cards: the reversible royal is the machine's.
FinalPay pay_final(const PayRule& rule, HandCode code, const HotHits& hits = {});

// Hot Hands: the number of winning pay lines.
int hot_line_count(const HotHits& hits);
// Hot Hands: a hand of two lines or more is counted under its highest line as well as under its
// own row; that line's row, or 0 for a hand of fewer lines.
int hot_highest_line(const HotHits& hits);

}  // namespace dw
