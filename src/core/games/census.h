#pragma once
#include <cstdint>
#include <vector>

#include "types.h"

namespace dw {

// How many five-card hands of the game's whole deck (52 natural cards plus its jokers) fall in
// each chart row: element r counts the hands with HandCode r, for r = 0..row count.
struct DealCensus {
    GameId game = 0;
    int deck = 0;
    int64_t hands = 0;
    std::vector<int64_t> rows;
};

DealCensus count_deal(GameId game, unsigned threads = 1);

}  // namespace dw
