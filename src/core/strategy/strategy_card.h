#pragma once
#include <array>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "strategy/hold_analysis.h"
#include "strategy/hold_lines.h"

namespace dw::strategy {

// One line of a strategy card: holds of one pattern (the same family and wild cards), in the
// order the card tries them.
struct CardLine {
    std::string name;
    std::vector<uint32_t> members;  // HoldLine ids, in order
    Hand example{};                 // a dealt hand where this line is held, the best hold
    int example_mask = 0;
    double share = 0;               // of the dealt hands, those where this line is the one held
    double loss = 0;                // return lost on them against perfect play, per coin bet
};

// A ranked list of holds: the player keeps the highest line the dealt hand contains. The order
// is found from the hands themselves: every dealt hand of the deck as dealt, each hold priced
// exactly, the lines ordered so that following them loses as little as possible.
struct StrategyCard {
    GameId game = 1;
    int coins = 5;
    std::vector<CardLine> lines;
    double perfect = 0;   // return of perfect play
    double card = 0;      // return when the card is followed on every dealt hand
    bool complete = true; // false when a stop request cut it short
    double cost() const { return perfect - card; }

    // The place of a hold's line on the card (its member's rank over the whole card), or -1.
    int rank_of(uint32_t line) const;
    std::vector<std::pair<uint32_t, int>> ranks;  // sorted by line id
};

// Whether the card can be written for a game: the draw games, one hand's draw decided by its holds.
bool has_strategy_card(GameId game);

// The lines a card may have for a game: 32 for a game without wild cards, 40 with them.
int default_card_lines(GameId game);

// Writes the card of a draw game's chart with at most `max_lines` lines (0: the default).
StrategyCard write_card(const PayRule& rule, int max_lines = 0, unsigned threads = 1, std::stop_token stop = {},
                        DeckModel model = DeckModel::AsDealt);

// The hold the card keeps for sorted dealt cards: its first line the hand contains, and where
// that line fits the hand more than one way, the better of them by `values`. `pat_row` is the
// chart row of the five cards. Returns the mask and the card line (-1 for none).
struct CardChoice {
    int line = -1;
    int mask = 0;
};
CardChoice card_hold(const StrategyCard& card, const LineContext& context, const CardIndex sorted[5],
                     const std::array<double, 32>& values, int pat_row);

// The card for a person: a header with both returns, the numbered lines with an example each,
// and the lines where most is lost.
std::string card_text(const StrategyCard& card);
// The example of a line: "KH QH JH TH 3C, hold KH QH JH TH".
std::string example_text(const CardLine& line);
// The lines where following the card loses most against perfect play, costliest first.
std::vector<int> costliest_lines(const StrategyCard& card, size_t count = 3);

}  // namespace dw::strategy
