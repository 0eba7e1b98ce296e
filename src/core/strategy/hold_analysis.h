#pragma once
#include <array>
#include <atomic>
#include <functional>
#include <memory>
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

// The tables a draw game's deals are priced with: the chart's, and in Double Down Draw the
// chart's at twice the coins, on which a winning deal is played.
class DealTables {
public:
    DealTables(const PayRule& rule, unsigned threads, std::stop_token stop);
    bool stopped() const { return table_.stopped() || (doubled_ && doubled_->stopped()); }
    const FinalHandTable& table() const { return table_; }
    // How a dealt hand (sorted cards) is played: its table and bet, and the Crazy Eights bonus
    // paid on the deal whatever is held, with its row (0: none).
    struct Deal {
        const FinalHandTable* table;
        double bet = 0, bonus = 0;
        int bonus_row = 0;
    };
    Deal deal(const CardIndex c[5]) const;

private:
    PayRule rule_;
    FinalHandTable table_;
    std::unique_ptr<FinalHandTable> doubled_;
};

// One hand of each way the suits of a game's deck can fall: visit(thread, cards, weight) for the
// hand whose suits' rank patterns are in falling order, `weight` the number of dealt hands it
// stands for (as dealt, a hand with jokers is less likely than one without: its naturals must all
// have escaped the replacement, in proportion to C(52 - naturals, jokers)). Work is shared over
// `threads`; thread 0 reports the share of hands gone through, and the whole at the end.
template <typename Visit>
bool each_dealt_class(int deck, DeckModel model, unsigned threads, std::stop_token stop, Visit&& visit,
                      const Progress& progress = {}) {
    const int n = deck;
    const uint64_t total = choose(n, 5);
    const int jokers = model == DeckModel::AsDealt ? n - 52 : 0;
    const unsigned t = std::max(1u, threads);
    std::atomic<uint64_t> done{0};
    on_threads(t, [&](unsigned id) {
        CardIndex c[5];
        uint64_t local = 0;
        for (c[0] = static_cast<CardIndex>(id); c[0] < n; c[0] = static_cast<CardIndex>(c[0] + t)) {
            if (stop.stop_requested()) return;
            for (c[1] = static_cast<CardIndex>(c[0] + 1); c[1] < n; ++c[1])
                for (c[2] = static_cast<CardIndex>(c[1] + 1); c[2] < n; ++c[2])
                    for (c[3] = static_cast<CardIndex>(c[2] + 1); c[3] < n; ++c[3])
                        for (c[4] = static_cast<CardIndex>(c[3] + 1); c[4] < n; ++c[4]) {
                            ++local;
                            uint32_t sig[4] = {0, 0, 0, 0};
                            int naturals = 0;
                            for (int i = 0; i < 5; ++i)
                                if (c[i] < 52) {
                                    sig[c[i] % 4] |= 1u << (c[i] / 4);
                                    ++naturals;
                                }
                            if (sig[0] < sig[1] || sig[1] < sig[2] || sig[2] < sig[3]) continue;
                            double weight = 24.0 * (jokers == 0 ? 1.0 : static_cast<double>(choose(52 - naturals, jokers)));
                            for (int a = 0, run = 1; a < 4; ++a) {
                                if (a + 1 < 4 && sig[a + 1] == sig[a]) {
                                    ++run;
                                    weight /= run;
                                } else {
                                    run = 1;
                                }
                            }
                            visit(id, static_cast<const CardIndex*>(c), weight);
                        }
            done += local;
            local = 0;
            if (id == 0 && progress) progress(static_cast<double>(done.load()) / static_cast<double>(total));
        }
    });
    // Thread 0 may finish before the others: the whole is reported once all are done.
    if (progress && !stop.stop_requested()) progress(1.0);
    return !stop.stop_requested();
}

// Written as text, the cards a hold keeps: "TH JH QH KH", or "(nothing)".
std::string hold_text(const Hand& dealt, int mask);

}  // namespace dw::strategy
