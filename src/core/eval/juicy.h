#pragma once
#include <array>
#include <cstdint>

#include "cards/card.h"

namespace dw {

using JuicyCards = std::array<CardCode, 5>;

struct JuicyResult {
    int16_t row = 0;                 // side-bet chart row 0..11 (0: no win)
    std::array<bool, 5> matched{};   // the juicy cards a hand card matches (marked from row 8 on)
};

// The side bet on a dealt hand: pairs of 9s or better count only within one colour, then three
// and four of a kind, then the matches with the five juicy cards, each overriding the rows
// before it under the rules' conditions.
JuicyResult Evaluate_Juicy(const Hand& hand, const JuicyCards& juicy);

}  // namespace dw
