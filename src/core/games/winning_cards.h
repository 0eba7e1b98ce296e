#pragma once
#include "cards/card.h"
#include "games/pay_rule.h"

namespace dw {

// The cards that make a paying hand: those that some other card of the deck in their place
// would pay less for (the pair of a pair, every card of a straight, a kicker that raises a four
// of a kind). Bit p - 1 stands for position p; 0 for a hand that pays nothing.
int winning_cards(const PayRule& rule, const Hand& hand);

// The line of a game's chart on which a row stands: the chart's text has the header on line 0
// and its rows from line 1 down; rows that share a line share its number. 0 for no such row.
int chart_text_line(GameId game, HandCode code);

}  // namespace dw
