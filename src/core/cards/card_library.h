#pragma once
#include <cstdint>

namespace dw {

// The card-picture library. Picture numbers: 1..13 clubs, 14..26 diamonds, 27..39 hearts,
// 40..52 spades (ace first in each suit), 105 the current back, 110 and 111 the jokers.
class CardLibrary {
public:
    virtual ~CardLibrary() = default;
    // Non-zero when pictures can be drawn from now on; 0 on failure.
    virtual int32_t InitializeDeck(intptr_t window) = 0;
    // Back design 1..6; picture 105 draws it from then on.
    virtual void SetCurrentBack(int32_t design) = 0;
    // Draws the picture at once with its top-left corner at (x, y), covering what was there.
    virtual void DrawCard(intptr_t surface, int32_t picture, int32_t x, int32_t y) = 0;
};

}  // namespace dw
