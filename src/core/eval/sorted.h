#pragma once
#include "cards/card.h"

namespace dw::detail {

// A sorted copy of the hand: ascending value, equal values in table order (a stable sort, so
// it gives what repeated bubble passes give).
struct Sorted {
    int16_t r[5];
    char s[5];
};

inline Sorted sort_hand(const Hand& hand) {
    Sorted out;
    for (int i = 0; i < 5; ++i) {
        const int16_t v = hand[static_cast<size_t>(i)].Value;
        const char su = hand[static_cast<size_t>(i)].Suit;
        int j = i;
        while (j > 0 && out.r[j - 1] > v) {
            out.r[j] = out.r[j - 1];
            out.s[j] = out.s[j - 1];
            --j;
        }
        out.r[j] = v;
        out.s[j] = su;
    }
    return out;
}

inline bool high_pair(const int16_t* r, int above) {
    return (r[0] == r[1] && r[0] > above) || (r[1] == r[2] && r[1] > above) ||
           (r[2] == r[3] && r[2] > above) || (r[3] == r[4] && r[3] > above);
}
inline bool two_pair(const int16_t* r) {
    return (r[0] == r[1] && (r[2] == r[3] || r[3] == r[4])) || (r[1] == r[2] && r[3] == r[4]);
}
// Index (0, 1 or 2) of the lowest card of three equal adjacent values, or -1.
inline int trips_at(const int16_t* r) {
    if (r[0] == r[1] && r[1] == r[2]) return 0;
    if (r[1] == r[2] && r[2] == r[3]) return 1;
    if (r[2] == r[3] && r[3] == r[4]) return 2;
    return -1;
}
inline bool straight(const int16_t* r) {
    return (r[1] - r[0] == 1 && r[2] - r[1] == 1 && r[3] - r[2] == 1 && r[4] - r[3] == 1) ||
           (r[0] == 2 && r[1] == 3 && r[2] == 4 && r[3] == 5 && r[4] == 14);
}
inline bool flush(const char* s) { return s[0] == s[1] && s[1] == s[2] && s[2] == s[3] && s[3] == s[4]; }
inline bool full_house(const int16_t* r) {
    return (r[0] == r[1] && r[1] == r[2] && r[3] == r[4]) || (r[2] == r[3] && r[3] == r[4] && r[0] == r[1]);
}
inline bool quads(const int16_t* r) {
    return (r[0] == r[1] && r[1] == r[2] && r[2] == r[3]) || (r[1] == r[2] && r[2] == r[3] && r[3] == r[4]);
}
inline bool royal_values(const int16_t* r) { return r[0] == 10 && r[4] == 14; }

// Classes 1..6 of the natural family (high pair, two pair, three of a kind, straight, flush,
// full house) with the pair threshold `above`; the last passing test decides.
inline int16_t natural_class(const Sorted& h, int above) {
    int16_t code = 0;
    if (high_pair(h.r, above)) code = 1;
    if (two_pair(h.r)) code = 2;
    if (trips_at(h.r) >= 0) code = 3;
    if (straight(h.r)) code = 4;
    if (flush(h.s)) code = 5;
    if (full_house(h.r)) code = 6;
    return code;
}

}  // namespace dw::detail
