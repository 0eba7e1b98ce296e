#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "games/pay_rule.h"
#include "strategy/final_hands.h"

namespace dw::strategy {

// The holds a player recognises, the words of a strategy card. A hold is one of them when the
// cards it keeps are exactly that pattern and nothing else (a pair and a kicker is none).
enum class Family : uint8_t {
    Pat,             // five cards kept that pay: detail is the chart row
    FourOfAKind,     // detail: the rank
    TwoPair,         // detail: the rank of the higher pair
    ThreeOfAKind,    // detail: the rank
    RoyalDraw4,      // 4 to a royal flush
    StraightFlushDraw4,  // detail: high cards kept * 8 + the straight flushes it can still make
    RoyalDraw3,      // detail: the ranks, bit r - 10
    FlushDraw4,      // detail: high cards kept
    OutsideStraight, // 4 to a straight completed by two ranks; detail: high cards kept
    Pair,            // detail: the rank
    StraightFlushDraw3,  // detail: as StraightFlushDraw4
    InsideStraight,  // 4 to a straight completed by one rank; detail: high cards kept
    RoyalDraw2,      // two suited royal cards; detail: the ranks, bit r - 10
    FlushDraw3,      // detail: high cards kept
    StraightDraw3,   // three unsuited cards of one straight; detail: as StraightFlushDraw4
    StraightFlushDraw2,  // detail: as StraightFlushDraw4
    HighCards3,      // three unsuited high cards; detail: the ranks, bit r
    HighCards2,      // detail: the ranks, bit r
    HighCard,        // detail: the rank
    WildsAlone,      // only wild cards kept
    Nothing,         // discard everything
};

// A line of the vocabulary: the pattern, the wild cards it keeps and its detail, packed in one
// number so that lines can be counted and compared.
struct HoldLine {
    Family family = Family::Nothing;
    int wilds = 0;
    int detail = 0;
    uint32_t id() const { return static_cast<uint32_t>(family) << 20 | static_cast<uint32_t>(wilds) << 16 | static_cast<uint32_t>(detail); }
    static HoldLine of(uint32_t id) {
        return {static_cast<Family>(id >> 20), static_cast<int>((id >> 16) & 15), static_cast<int>(id & 0xFFFF)};
    }
    bool operator==(const HoldLine&) const = default;
};

// What the words depend on in a game: its wild cards, the ranks whose pair pays (its high cards),
// the chart rows that pay and their labels.
struct LineContext {
    GameId game = 1;
    bool deuces_wild = false;
    int jokers = 0;
    std::array<bool, 15> high{};        // by rank 2..14
    std::array<bool, 32> row_pays{};    // by chart row
    bool wild(CardIndex c) const { return c >= 52 || (deuces_wild && c < 4); }
};
LineContext line_context(const PayRule& rule);

// The line a hold of the dealt cards (sorted, in the engine's numbering) is, if any.
// `pat_row` is the chart row of the five dealt cards (the table's final_row).
std::optional<HoldLine> classify_hold(const LineContext& context, const CardIndex sorted[5], int mask, int pat_row);

// The words of a card line made of lines of one family and number of wild cards, in their order
// on the card: "High Pair", "Suited QJ or KQ", "2 Deuces: 4 to a Straight Flush". `all` is every
// detail of that family and wild count that the deck offers: a line with all of them is named
// without its details.
std::string line_name(const LineContext& context, Family family, int wilds, std::span<const int> details,
                      std::span<const int> all);

}  // namespace dw::strategy
