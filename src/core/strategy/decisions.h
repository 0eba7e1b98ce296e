#pragma once
#include "cards/card.h"
#include "games/pay_rule.h"

namespace dw::strategy {

// What one coin riding on a five-card stud hand returns on average, the first `shown` cards of
// `hand` known and the rest drawn from the cards not shown (pay per coin of the game's chart).
// In Double Down Stud doubling pays when it is above 1; in Let It Ride a part rides when it is
// 1 or more (each part's decision stands alone: the last third always rides).
double stud_expectation(const PayRule& rule, const Hand& hand, int shown);

}  // namespace dw::strategy
