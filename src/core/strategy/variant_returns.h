#pragma once
#include "strategy/hold_analysis.h"

namespace dw::strategy {

// The return of any game of the catalogue, each by its own play:
// - draw games (Double Down Draw included): exact, by chart_return;
// - Double Down Stud: exact, doubling at four cards whenever that wins more on average than it
//   stakes; the doubled coins count in the coins bet;
// - Let It Ride: exact, each third taken back whenever that leaves more on average; the return
//   counts what comes back (the thirds taken back and the pay) per coin bet at the deal;
// - Pick Five: simulated (see pick_five_return).
// The rows are the chance of ending in each chart row.
ChartReturn game_return(const PayRule& rule, unsigned threads = 1, std::stop_token stop = {},
                        const Progress& progress = {}, uint64_t pick_five_hands = 100000,
                        DeckModel model = DeckModel::AsDealt);

// Pick Five by simulation of `hands` hands from a fixed seed, so that the figure can be checked.
// The picks follow a simple rule: at each of the first four places, the card whose cards so far,
// held and drawn to, would pay more on average; at the fifth, the card whose hand has the better
// best hold. The draw is then played perfectly, with the five refused cards out of the deck, and
// each hand counts the exact average of its draw, so that only the picks are sampled.
// `margin` is half the 95% interval.
ChartReturn pick_five_return(const PayRule& rule, uint64_t hands, unsigned threads = 1, std::stop_token stop = {});

}  // namespace dw::strategy
