#include "games/census.h"

#include <thread>

#include "cards/deck.h"
#include "games/catalogue.h"
#include "eval/evaluators.h"

namespace dw {

namespace {

// The whole deck ordered by value, jokers first, so every combination taken in index order is
// already sorted and the evaluator's sort has nothing to move.
std::vector<CardCode> full_deck(GameId game) {
    std::vector<CardCode> deck;
    for (int j = 0; j < joker_count(game); ++j) deck.push_back(make_joker(static_cast<int16_t>(kFirstJokerImage + j)));
    for (int16_t v = 2; v <= 14; ++v)
        for (char s : {'H', 'D', 'C', 'S'}) deck.push_back(make_card(v, s));
    return deck;
}

void count_part(GameId game, const std::vector<CardCode>& deck, unsigned part, unsigned parts,
                std::vector<int64_t>& rows) {
    const int n = static_cast<int>(deck.size());
    Hand h;
    for (int a = 0; a < n - 4; ++a) {
        if (static_cast<unsigned>(a) % parts != part) continue;
        h[0] = deck[static_cast<size_t>(a)];
        for (int b = a + 1; b < n - 3; ++b) {
            h[1] = deck[static_cast<size_t>(b)];
            for (int c = b + 1; c < n - 2; ++c) {
                h[2] = deck[static_cast<size_t>(c)];
                for (int d = c + 1; d < n - 1; ++d) {
                    h[3] = deck[static_cast<size_t>(d)];
                    for (int e = d + 1; e < n; ++e) {
                        h[4] = deck[static_cast<size_t>(e)];
                        ++rows[static_cast<size_t>(Check_Hand(game, h))];
                    }
                }
            }
        }
    }
}

}  // namespace

DealCensus count_deal(GameId game, unsigned threads) {
    if (threads == 0) threads = 1;
    const auto deck = full_deck(game);
    const size_t width = static_cast<size_t>(row_count_of(game)) + 1;
    std::vector<std::vector<int64_t>> parts(threads, std::vector<int64_t>(width, 0));
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(count_part, game, std::cref(deck), t, threads, std::ref(parts[t]));
    count_part(game, deck, 0, threads, parts[0]);
    for (auto& w : workers) w.join();

    DealCensus census{game, static_cast<int>(deck.size()), 0, std::vector<int64_t>(width, 0)};
    for (const auto& p : parts)
        for (size_t r = 0; r < width; ++r) census.rows[r] += p[r];
    for (auto c : census.rows) census.hands += c;
    return census;
}

}  // namespace dw
