// Evaluators of the games with rules of their own, the partial-hand checks and the dispatch.
#include <algorithm>

#include "errors.h"
#include "eval/evaluators.h"
#include "eval/sorted.h"

namespace dw {

using namespace detail;

HandCode Check_Crazy_Eights(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    HandCode code = 0;
    if (high_pair(h.r, 10)) code = 1;
    if (two_pair(h.r)) code = 2;
    if (const int t = trips_at(h.r); t >= 0) code = h.r[t + 1] == 8 ? 3 : 4;
    if (straight(h.r)) code = 5;
    if (flush(h.s)) code = 6;
    if (full_house(h.r)) code = 7;
    if (quads(h.r)) code = h.r[1] == 8 ? 8 : 9;
    if (flush(h.s) && straight(h.r)) code = royal_values(h.r) ? 11 : 10;
    return code;
}

HandCode Check_Hot_Hands(const Hand& hand, HotHits& hits) {
    hits.fill(0);
    const Sorted h = sort_hand(hand);
    HandCode code = 0;
    auto test = [&](bool passed, HandCode k) {
        if (passed) code = k;
        if (code == k) hits[static_cast<size_t>(k - 1)] = 1;
    };
    test(high_pair(h.r, 10), 1);
    test(two_pair(h.r), 2);
    test(trips_at(h.r) >= 0, 3);
    test(straight(h.r), 4);
    test(flush(h.s), 5);
    test(full_house(h.r), 6);
    test(quads(h.r), 7);
    test(flush(h.s) && straight(h.r), 8);
    test(code == 8 && royal_values(h.r), 9);
    return code;
}

HandCode Check_Stud(const Hand& hand) {
    const Sorted h = sort_hand(hand);
    HandCode code = 0;
    if (high_pair(h.r, 5)) code = 1;
    if (high_pair(h.r, 10)) code = 2;
    if (two_pair(h.r)) code = 3;
    if (trips_at(h.r) >= 0) code = 4;
    if (straight(h.r)) code = 5;
    if (flush(h.s)) code = 6;
    if (full_house(h.r)) code = 7;
    if (quads(h.r)) code = 8;
    if (flush(h.s) && straight(h.r)) code = royal_values(h.r) ? 10 : 9;
    return code;
}

namespace {
template <size_t N>
std::array<int16_t, N> first_values_sorted(const Hand& hand) {
    std::array<int16_t, N> p{};
    for (size_t i = 0; i < N; ++i) p[i] = hand[i].Value;
    std::sort(p.begin(), p.end());
    return p;
}
bool adjacent_pair_above(const int16_t* p, int n, int above) {
    for (int i = 1; i < n; ++i)
        if (p[i] == p[i - 1] && p[i] > above) return true;
    return false;
}
}  // namespace

int16_t Check_Ride_Three(const Hand& hand) {
    const auto p = first_values_sorted<3>(hand);
    if (p[0] == p[2]) return 2;
    return adjacent_pair_above(p.data(), 3, 9) ? 1 : 0;
}

int16_t Check_Ride_Four(const Hand& hand) {
    const auto p = first_values_sorted<4>(hand);
    if (p[0] == p[3]) return 4;
    if (p[0] == p[2] || p[1] == p[3]) return 3;
    if (p[0] == p[1] && p[2] == p[3]) return 2;
    return adjacent_pair_above(p.data(), 4, 9) ? 1 : 0;
}

int16_t Check_Stud_Four(const Hand& hand) {
    const auto p = first_values_sorted<4>(hand);
    if (p[0] == p[3]) return 8;
    if (p[0] == p[2] || p[1] == p[3]) return 4;
    if (p[0] == p[1] && p[2] == p[3]) return 3;
    if (adjacent_pair_above(p.data(), 4, 10)) return 2;
    return adjacent_pair_above(p.data(), 4, 5) ? 1 : 0;
}

HandCode Check_Hand(GameId game, const Hand& hand, HotHits* hits) {
    switch (game) {
    case 1: case 2: case 22: case 23: return Check_Jacks(hand);
    case 3: case 25: return Check_Tens(hand);
    case 4: return Check_Deuces(hand);
    case 5: return Check_Deuces_Bonus(hand);
    case 6: return Check_Deuces_Jokers(hand);
    case 7: return Check_Jokers_Jacks(hand);
    case 8: return Check_Jokers_Kings(hand);
    case 9: {
        // Jokers Wild (2 pair) drops the Kings-or-better row; every other row moves down one.
        const HandCode code = Check_Jokers_Kings(hand);
        return code <= 1 ? HandCode{0} : static_cast<HandCode>(code - 1);
    }
    case 10: return Check_Double_Jokers(hand);
    case 11: case 12: case 13: return Check_Bonus(hand);
    case 14: return Check_Double_Double(hand);
    case 15: return Check_Four_Plus_Four(hand);
    case 16: return Check_Aces_Eights(hand);
    case 17: return Check_Aces_Faces(hand);
    case 18: return Check_Hi_Fives(hand);
    case 19: return Check_Same_Four(hand);
    case 20: return Check_Crazy_Eights(hand);
    case 21: {
        HotHits local;
        return Check_Hot_Hands(hand, hits ? *hits : local);
    }
    case 24: return Check_Stud(hand);
    default: throw FatalError("Internal Error", "Error in Check_Hand!");
    }
}

int16_t row_count_of(GameId game) {
    switch (game) {
    case 4: case 9: case 10: case 19: case 24: return 10;
    case 6: case 7: case 8: case 11: case 12: case 13: case 18: case 20: return 11;
    case 15: case 16: return 12;
    case 5: case 14: case 17: return 13;
    default: return 9;
    }
}

}  // namespace dw
