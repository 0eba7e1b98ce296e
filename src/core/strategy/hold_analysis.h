#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <span>
#include <stop_token>
#include <vector>

#include "strategy/final_hands.h"

namespace dw::strategy {

// How a joker game's deck is counted. The game deals 52 cards: the naturals with one of them
// (two in Double Jokers Wild) replaced by the joker(s), the replaced card unseen, so every natural
// not seen is as likely to be missing (AsDealt). Full counts every natural and the joker(s), 53 or
// 54 cards, as published tables for casino machines do. Games without jokers are the same either way.
enum class DeckModel { AsDealt, Full };

// One hold of a dealt hand: bit i of `mask` holds position i + 1.
struct HoldValue {
    int mask = 0;
    double ev = 0;       // expected win in credits, every possible draw counted
    bool tied = false;   // as good as the hold ranked above it
};

// The 32 holds of a dealt hand, best first; ties keep the order of their masks.
// Why cards cannot be analysed in a deck of `deck` cards: a card twice, or a joker the deck does
// not have. Nothing when they can.
std::optional<std::string> cards_problem(int deck, const Hand& dealt, std::span<const CardCode> dead = {});

// Dead cards (up to five) are seen and out of the draw. The cards must pass cards_problem.
std::array<HoldValue, 32> analyse_holds(const FinalHandTable& table, const Hand& dealt,
                                        std::span<const CardCode> dead = {}, DeckModel model = DeckModel::AsDealt);

// The expected win of each of the 32 holds, by mask over the sorted cards. Dead cards (up to
// five, seen and out of the deck, as Pick Five's refused cards) cannot come in the draw.
std::array<double, 32> hold_values(const FinalHandTable& table, const CardIndex dealt_sorted[5],
                                   std::span<const CardIndex> dead = {}, DeckModel model = DeckModel::AsDealt);

// The chance of each chart row (row 0 first) when `mask` is held.
std::vector<double> hold_rows(const FinalHandTable& table, const CardIndex dealt_sorted[5], int mask,
                              std::span<const CardIndex> dead = {}, DeckModel model = DeckModel::AsDealt);

// The return of perfect play of a draw game: credits won per coin bet over every dealt hand,
// and the chance of ending in each chart row. Crazy Eights' deal bonus is counted, its chance in
// the rows of three and four eights on the deal (beside the final hand's row, so those hands
// count twice and the rows times their pays add up to the return); the reversible royal is not
// (it depends on the order of the cards).
struct ChartReturn {
    double value = 0;
    std::vector<double> rows;
    bool complete = true;    // false when a stop request cut it short
    double margin = 0;       // half the 95% interval of a simulated figure; 0 when exact
    uint64_t samples = 0;    // hands simulated; 0 when exact
};
using Progress = std::function<void(double done)>;
ChartReturn chart_return(const PayRule& rule, unsigned threads = 1, std::stop_token stop = {}, const Progress& progress = {},
                         DeckModel model = DeckModel::AsDealt);

// Written as text, the cards a hold keeps: "TH JH QH KH", or "(nothing)".
std::string hold_text(const Hand& dealt, int mask);

}  // namespace dw::strategy
