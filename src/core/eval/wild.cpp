// Evaluators of the wild-card games. Wild cards sort first (joker 1, deuce 2), so the natural
// cards are the tail of the sorted hand; only their values and suits decide.
#include "eval/evaluators.h"
#include "eval/sorted.h"

namespace dw {

using namespace detail;

namespace {

// The natural cards n[0..count) in ascending order.
struct Naturals {
    const int16_t* r;
    const char* s;
    int count;

    bool straight() const {
        for (int i = 1; i < count; ++i)
            if (r[i] == r[i - 1]) return false;
        if (r[count - 1] - r[0] <= 4) return true;
        if (r[count - 1] != 14) return false;
        for (int i = 0; i < count - 1; ++i)
            if (r[i] > 5) return false;
        return true;
    }
    bool flush() const {
        for (int i = 1; i < count; ++i)
            if (s[i] != s[0]) return false;
        return true;
    }
    bool royal_range() const { return r[0] >= 10; }
    bool any_adjacent_equal() const {
        for (int i = 1; i < count; ++i)
            if (r[i] == r[i - 1]) return true;
        return false;
    }
    bool three_adjacent_equal() const {
        for (int i = 2; i < count; ++i)
            if (r[i] == r[i - 1] && r[i - 1] == r[i - 2]) return true;
        return false;
    }
    bool all_equal() const { return r[0] == r[count - 1]; }
};

Naturals naturals_of(const Sorted& h, int wild) { return Naturals{h.r + wild, h.s + wild, 5 - wild}; }

// Branches 2 to 5 of the deuces evaluator on the cards left after `wild` wild cards (0..3).
HandCode deuces_branches(const Sorted& h, int wild) {
    const Naturals n = naturals_of(h, wild);
    HandCode code = 0;
    switch (wild) {
    case 3:
        code = 5;
        if (n.flush() && n.straight()) code = 6;
        if (n.r[0] == n.r[1]) code = 7;
        break;
    case 2:
        code = 1;
        if (n.straight()) code = 2;
        if (n.flush()) code = code == 2 ? 6 : 3;
        if (n.any_adjacent_equal()) code = 5;
        if (n.all_equal()) code = 7;
        break;
    case 1:
        if (n.any_adjacent_equal()) code = 1;
        if (n.straight()) code = 2;
        if (n.flush()) code = code == 2 ? 6 : 3;
        if (n.r[0] == n.r[1] && n.r[2] == n.r[3]) code = 4;
        if (n.three_adjacent_equal()) code = 5;
        if (n.all_equal()) code = 7;
        break;
    default:
        if (trips_at(h.r) >= 0) code = 1;
        if (h.r[1] - h.r[0] == 1 && h.r[2] - h.r[1] == 1 && h.r[3] - h.r[2] == 1 && h.r[4] - h.r[3] == 1)
            code = 2;
        if (flush(h.s)) code = code == 2 ? 6 : 3;
        if (full_house(h.r)) code = 4;
        if (quads(h.r)) code = 5;
        if (code == 6 && royal_values(h.r)) code = 10;
        return code;
    }
    if (code == 6 && n.royal_range()) code = 8;
    return code;
}

int count_value(const Sorted& h, int16_t value) {
    int c = 0;
    for (int i = 0; i < 5; ++i) c += h.r[i] == value;
    return c;
}

// Jokers Wild with the pair threshold `above` (value above it pays): Kings or Jacks or better.
HandCode jokers_wild(const Hand& hand, int above) {
    const Sorted h = sort_hand(hand);
    if (h.r[0] != 1) {
        HandCode code = natural_class(h, above);
        if (quads(h.r)) code = 7;
        if (flush(h.s) && straight(h.r)) code = royal_values(h.r) ? 11 : 8;
        return code;
    }
    const Naturals n = naturals_of(h, 1);
    HandCode code = 0;
    if (n.r[3] > above) code = 1;
    if (n.any_adjacent_equal()) code = 3;
    if (n.straight()) code = 4;
    if (n.flush()) code = code == 4 ? 8 : 5;
    if (n.r[0] == n.r[1] && n.r[2] == n.r[3]) code = 6;
    if (n.three_adjacent_equal()) code = 7;
    if (code == 8 && n.royal_range()) code = 9;
    if (n.all_equal()) code = 10;
    return code;
}

}  // namespace

HandCode Check_Deuces(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    const int deuces = count_value(h, 2);
    if (deuces == 4) return 9;
    return deuces_branches(h, deuces);
}

HandCode Check_Deuces_Bonus(const Hand& hand) {
    const HandCode code = Check_Deuces(hand);
    const int16_t high = sort_hand(hand).r[4];
    switch (code) {
    case 7: return high == 14 ? 10 : (high < 6 ? 9 : 8);
    case 8: return 7;
    case 9: return high == 14 ? 12 : 11;
    case 10: return 13;
    default: return code;
    }
}

HandCode Check_Deuces_Jokers(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    const int jokers = count_value(h, 1);
    const int deuces = count_value(h, 2);
    if (deuces == 4) return jokers ? 11 : 9;
    if (jokers == 1 && deuces == 3) return h.r[4] > 9 ? 8 : 7;
    return deuces_branches(h, jokers + deuces);
}

HandCode Check_Jokers_Kings(const Hand& hand) { return jokers_wild(hand, 12); }
HandCode Check_Jokers_Jacks(const Hand& hand) { return jokers_wild(hand, 10); }

HandCode Check_Double_Jokers(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    const int jokers = count_value(h, 1);
    HandCode code = 0;
    if (jokers == 0) {
        if (two_pair(h.r)) code = 1;
        if (trips_at(h.r) >= 0) code = 2;
        if (straight(h.r)) code = 3;
        if (flush(h.s)) code = 4;
        if (full_house(h.r)) code = 5;
        if (quads(h.r)) code = 6;
        if (flush(h.s) && straight(h.r)) code = royal_values(h.r) ? 10 : 7;
        return code;
    }
    const Naturals n = naturals_of(h, jokers);
    if (jokers == 1) {
        if (n.any_adjacent_equal()) code = 2;
        if (n.straight()) code = 3;
        if (n.flush()) code = code == 3 ? 7 : 4;
        if (n.r[0] == n.r[1] && n.r[2] == n.r[3]) code = 5;
        if (n.three_adjacent_equal()) code = 6;
        if (n.all_equal()) code = 8;
    } else {
        code = 2;
        if (n.straight()) code = 3;
        if (n.flush()) code = code == 3 ? 7 : 4;
        if (n.any_adjacent_equal()) code = 6;
        if (n.all_equal()) code = 8;
    }
    if (code == 7 && n.royal_range()) code = 9;
    return code;
}

}  // namespace dw
