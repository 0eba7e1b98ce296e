#include "eval/juicy.h"

namespace dw {

JuicyResult Evaluate_Juicy(const Hand& hand, const JuicyCards& juicy) {
    auto red = [](const CardCode& c) { return c.Suit == 'D' || c.Suit == 'H'; };
    int red_pairs = 0, black_pairs = 0;
    bool trips = false, quads = false;
    for (int v = 9; v <= 14; ++v) {
        int reds = 0, blacks = 0;
        for (const auto& c : hand)
            if (c.Value == v) (red(c) ? reds : blacks)++;
        red_pairs += reds == 2;
        black_pairs += blacks == 2;
        trips = trips || reds + blacks == 3;
        quads = quads || reds + blacks == 4;
    }
    int16_t code = 0;
    if (red_pairs == 1) code = 1;
    if (black_pairs == 1) code = 2;
    if (trips) code = 3;
    if (red_pairs == 1 && black_pairs == 1) code = 4;
    if (red_pairs == 2) code = 5;
    if (black_pairs == 2) code = 6;
    if (quads) code = 7;

    JuicyResult out;
    int matches = 0;
    for (size_t j = 0; j < juicy.size(); ++j)
        for (const auto& c : hand)
            if (c.Value == juicy[j].Value && c.Suit == juicy[j].Suit) {
                out.matched[j] = true;
                ++matches;
                break;
            }
    if (matches == 2 && code == 0) code = 8;
    if (matches == 3 && code <= 2) code = 9;
    if (matches == 4 && code != 7) code = 10;
    if (matches == 5) code = 11;
    if (code < 8) out.matched = {};
    out.row = code;
    return out;
}

}  // namespace dw
