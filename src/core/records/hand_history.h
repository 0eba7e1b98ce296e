#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "types.h"

namespace dw {

// One hand of the session as it was played and paid.
struct HandRecord {
    GameId game = 1;
    int bet = 0;           // coins, a doubled bet included
    Hand dealt{};
    int held = -1;         // by position; -1: a game without a draw
    Hand final{};
    int64_t paid = 0;      // credits, the double up's result included
    double loss = -1;      // credits the hold gave up against the best; below 0: not judged
    int32_t credits = 0;   // on the meter after the hand
    HandCode row = 0;      // the chart row it was counted in
    bool operator==(const HandRecord&) const = default;
};

// Every hand of the session, in memory (about 100 bytes a hand), written as CSV on request.
class HandHistory {
public:
    void add(const HandRecord& hand) { hands_.push_back(hand); }
    const std::vector<HandRecord>& hands() const { return hands_; }
    void clear() { hands_.clear(); }
    // A header row, then a line per hand: hand,game,bet,dealt,held,final,paid,loss,credits.
    std::string csv() const;

private:
    std::vector<HandRecord> hands_;
};

// A CSV field: as it is, or in double quotes (quotes doubled) when it holds a comma, a quote or a
// line break.
std::string csv_field(std::string_view text);

}  // namespace dw
