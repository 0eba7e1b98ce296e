// Evaluators of the games without wild cards. Every test below overwrites the running code
// when it passes, so the last passing test decides, exactly as the chart numbering expects.
#include "eval/evaluators.h"
#include "eval/sorted.h"

namespace dw {

using namespace detail;

namespace {

// The shared tail of the family: four of a kind with its refinement by rank, straight flush,
// royal flush.
template <typename QuadCode>
HandCode family(const Hand& hand, int above, QuadCode quad_code, HandCode sf, HandCode rf) {
    const Sorted h = sort_hand(hand);
    HandCode code = natural_class(h, above);
    if (quads(h.r)) code = quad_code(h);
    if (flush(h.s) && straight(h.r)) {
        code = sf;
        if (royal_values(h.r)) code = rf;
    }
    return code;
}

}  // namespace

int16_t Rank_Natural(const Hand& hand) { return natural_class(sort_hand(hand), 10); }

HandCode Check_Jacks(const Hand& hand) {
    return family(hand, 10, [](const Sorted&) -> HandCode { return 7; }, 8, 9);
}

HandCode Check_Tens(const Hand& hand) {
    return family(hand, 9, [](const Sorted&) -> HandCode { return 7; }, 8, 9);
}

HandCode Check_Bonus(const Hand& hand) {
    return family(
        hand, 10,
        [](const Sorted& h) -> HandCode {
            if (h.r[1] < 5) return 8;
            return h.r[1] == 14 ? 9 : 7;
        },
        10, 11);
}

HandCode Check_Double_Double(const Hand& hand) {
    return family(
        hand, 10,
        [](const Sorted& h) -> HandCode {
            const int rank = h.r[1];
            const int kicker = (h.r[0] == h.r[1]) ? h.r[4] : h.r[0];
            if (rank < 5) return (kicker < 5 || kicker == 14) ? 10 : 8;
            if (rank == 14) return kicker < 5 ? 11 : 9;
            return 7;
        },
        12, 13);
}

HandCode Check_Four_Plus_Four(const Hand& hand) {
    return family(
        hand, 10,
        [](const Sorted& h) -> HandCode {
            switch (h.r[1]) {
            case 12: return 8;
            case 13: return 9;
            case 14: return 10;
            default: return 7;
            }
        },
        11, 12);
}

HandCode Check_Aces_Eights(const Hand& hand) {
    return family(
        hand, 10,
        [](const Sorted& h) -> HandCode {
            switch (h.r[1]) {
            case 7: return 8;
            case 8: return 9;
            case 14: return 10;
            default: return 7;
            }
        },
        11, 12);
}

HandCode Check_Aces_Faces(const Hand& hand) {
    return family(
        hand, 10,
        [](const Sorted& h) -> HandCode {
            const int rank = h.r[1];
            return rank >= 11 ? static_cast<HandCode>(rank - 3) : HandCode{7};
        },
        12, 13);
}

HandCode Check_Same_Four(const Hand& hand) {
    return family(hand, 10, [](const Sorted& h) -> HandCode { return h.r[1] == 7 ? 8 : 7; }, 9, 10);
}

HandCode Check_Hi_Fives(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    HandCode code = 0;
    if (high_pair(h.r, 10)) code = 1;
    if (two_pair(h.r)) code = 2;
    if (const int t = trips_at(h.r); t >= 0) code = h.r[t + 1] == 5 ? 4 : 3;
    if (straight(h.r)) code = 5;
    if (flush(h.s)) code = 6;
    if (full_house(h.r)) code = 7;
    if (quads(h.r)) code = h.r[1] == 5 ? 9 : 8;
    if (flush(h.s) && straight(h.r)) code = royal_values(h.r) ? 11 : 10;
    return code;
}

}  // namespace dw
