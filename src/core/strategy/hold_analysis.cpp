#include "strategy/hold_analysis.h"

#include <algorithm>
#include <atomic>
#include <span>
#include <thread>

#include "eval/evaluators.h"
#include "games/catalogue.h"

namespace dw::strategy {

namespace {

// The sets of up to five cards among the dealt cards and the dead ones, by bit mask (the dealt
// cards are bits 0 to 4): their indices and sizes. `Sets` is 32 without dead cards, else 1024.
template <size_t Sets>
struct Subsets {
    int bits;
    std::array<uint32_t, Sets> index;
    std::array<int8_t, Sets> size;
    Subsets(const CardIndex c[5], std::span<const CardIndex> dead) : bits(5 + static_cast<int>(dead.size())) {
        CardIndex all[10];
        for (int i = 0; i < 5; ++i) all[i] = c[i];
        for (size_t i = 0; i < dead.size(); ++i) all[5 + i] = dead[i];
        for (int mask = 0; mask < (1 << bits); ++mask) {
            const int k = __builtin_popcount(static_cast<unsigned>(mask));
            size[static_cast<size_t>(mask)] = static_cast<int8_t>(k);
            if (k > 5) continue;
            CardIndex sub[5];
            int n = 0;
            for (int i = 0; i < bits; ++i)
                if (mask & (1 << i)) sub[n++] = all[i];
            if (!dead.empty()) sort_cards(sub, n);  // the dealt cards alone come sorted
            index[static_cast<size_t>(mask)] = FinalHandTable::set_index(sub, k);
        }
    }
};

template <size_t Sets>
std::array<double, 32> values(const FinalHandTable& table, const CardIndex c[5], std::span<const CardIndex> dead) {
    const Subsets<Sets> s(c, dead);
    const int sets = 1 << s.bits;
    // Sum of pays of the final hands holding exactly the held cards and none of the discards or
    // dead cards: by inclusion and exclusion over the cards that come back (a superset transform).
    std::array<double, Sets> f;
    for (int m = 0; m < sets; ++m) {
        const int k = s.size[static_cast<size_t>(m)];
        f[static_cast<size_t>(m)] = k <= 5 ? table.pay_sum(k, s.index[static_cast<size_t>(m)]) : 0.0;
    }
    for (int bit = 0; bit < s.bits; ++bit)
        for (int m = 0; m < sets; ++m)
            if (!(m & (1 << bit))) f[static_cast<size_t>(m)] -= f[static_cast<size_t>(m | (1 << bit))];
    const int unseen = table.deck() - s.bits;
    std::array<double, 32> out;
    for (int m = 0; m < 32; ++m)
        out[static_cast<size_t>(m)] = f[static_cast<size_t>(m)] / static_cast<double>(choose(unseen, 5 - s.size[static_cast<size_t>(m)]));
    return out;
}

}  // namespace

std::array<double, 32> hold_values(const FinalHandTable& table, const CardIndex c[5], std::span<const CardIndex> dead) {
    return dead.empty() ? values<32>(table, c, dead) : values<1024>(table, c, dead);
}

std::vector<double> hold_rows(const FinalHandTable& table, const CardIndex c[5], int mask, std::span<const CardIndex> dead) {
    const Subsets<1024> s(c, dead);
    std::vector<double> rows(static_cast<size_t>(table.rows()), 0.0);
    for (int m = 0; m < (1 << s.bits); ++m) {
        const int k = s.size[static_cast<size_t>(m)];
        if ((m & mask) != mask || k > 5) continue;
        const int extra = k - __builtin_popcount(static_cast<unsigned>(mask));
        const double sign = extra % 2 == 0 ? 1.0 : -1.0;
        if (k == 5) {
            rows[table.final_row(s.index[static_cast<size_t>(m)])] += sign;
        } else {
            const uint32_t* counts = table.row_counts(k, s.index[static_cast<size_t>(m)]);
            for (int r = 0; r < table.rows(); ++r) rows[static_cast<size_t>(r)] += sign * counts[r];
        }
    }
    const double draws = static_cast<double>(choose(table.deck() - s.bits, 5 - __builtin_popcount(static_cast<unsigned>(mask))));
    for (auto& r : rows) r /= draws;
    return rows;
}

std::optional<std::string> cards_problem(int deck, const Hand& dealt, std::span<const CardCode> dead) {
    std::vector<CardCode> cards(dealt.begin(), dealt.end());
    cards.insert(cards.end(), dead.begin(), dead.end());
    std::vector<bool> seen(54, false);
    for (const CardCode& c : cards) {
        const CardIndex i = index_of(c);
        if (i >= deck) return deck == 52 ? "this game has no jokers" : deck == 53 ? "this game has one joker" : "a card is not in the deck";
        if (seen[i]) return card_text(c) + " is there twice";
        seen[i] = true;
    }
    return std::nullopt;
}

std::array<HoldValue, 32> analyse_holds(const FinalHandTable& table, const Hand& dealt, std::span<const CardCode> dead) {
    // The engine works on sorted cards; masks are given back by position.
    std::array<std::pair<CardIndex, int>, 5> cards;
    for (int p = 0; p < 5; ++p) cards[static_cast<size_t>(p)] = {index_of(dealt[static_cast<size_t>(p)]), p};
    std::sort(cards.begin(), cards.end());
    CardIndex c[5];
    for (int i = 0; i < 5; ++i) c[i] = cards[static_cast<size_t>(i)].first;
    CardIndex out_of_draw[5];
    const size_t dead_count = std::min<size_t>(dead.size(), 5);
    for (size_t i = 0; i < dead_count; ++i) out_of_draw[i] = index_of(dead[i]);
    const auto values = hold_values(table, c, std::span<const CardIndex>(out_of_draw, dead_count));
    std::array<HoldValue, 32> out;
    for (int m = 0; m < 32; ++m) {
        int by_position = 0;
        for (int i = 0; i < 5; ++i)
            if (m & (1 << i)) by_position |= 1 << cards[static_cast<size_t>(i)].second;
        out[static_cast<size_t>(m)] = {by_position, values[static_cast<size_t>(m)], false};
    }
    std::stable_sort(out.begin(), out.end(), [](const HoldValue& a, const HoldValue& b) {
        if (a.ev != b.ev) return a.ev > b.ev;
        return a.mask < b.mask;
    });
    for (size_t i = 1; i < out.size(); ++i) out[i].tied = std::abs(out[i].ev - out[i - 1].ev) < 1e-12;
    return out;
}

ChartReturn chart_return(const PayRule& rule, unsigned threads, std::stop_token stop, const Progress& progress) {
    const GameInfo& info = game_info(rule.game);
    const FinalHandTable table(rule, threads, stop);
    if (table.stopped()) return {0, {}, false, 0, 0};
    // Double Down Draw: a winning deal is played on twice the coins.
    std::unique_ptr<FinalHandTable> doubled;
    if (info.doubles_winning_deal) {
        PayRule twice = rule;
        twice.coins = rule.coins * 2;
        doubled = std::make_unique<FinalHandTable>(twice, threads, stop);
    }
    const int n = table.deck();
    const uint64_t total = choose(n, 5);
    const unsigned t = std::max(1u, threads);
    struct Part {
        double win = 0, bet = 0;
        std::vector<double> rows;
    };
    std::vector<Part> parts(t);
    std::atomic<uint64_t> done{0};
    auto work = [&](unsigned id) {
        Part& part = parts[id];
        part.rows.assign(static_cast<size_t>(table.rows()), 0.0);
        CardIndex c[5];
        Hand hand;
        uint64_t local = 0;
        for (c[0] = static_cast<CardIndex>(id); c[0] < n; c[0] = static_cast<CardIndex>(c[0] + t)) {
            if (stop.stop_requested()) return;
            for (c[1] = static_cast<CardIndex>(c[0] + 1); c[1] < n; ++c[1])
                for (c[2] = static_cast<CardIndex>(c[1] + 1); c[2] < n; ++c[2])
                    for (c[3] = static_cast<CardIndex>(c[2] + 1); c[3] < n; ++c[3])
                        for (c[4] = static_cast<CardIndex>(c[3] + 1); c[4] < n; ++c[4]) {
                            // Suits are interchangeable: a hand stands for every hand its suits
                            // can be relabelled into, and only the one with its suits' rank
                            // patterns in falling order is worked out.
                            ++local;
                            uint32_t sig[4] = {0, 0, 0, 0};
                            for (int i = 0; i < 5; ++i)
                                if (c[i] < 52) sig[c[i] % 4] |= 1u << (c[i] / 4);
                            if (sig[0] < sig[1] || sig[1] < sig[2] || sig[2] < sig[3]) continue;
                            double weight = 24;
                            for (int a = 0, run = 1; a < 4; ++a) {
                                if (a + 1 < 4 && sig[a + 1] == sig[a]) {
                                    ++run;
                                    weight /= run;
                                } else {
                                    run = 1;
                                }
                            }
                            const FinalHandTable* used = &table;
                            double bet = rule.coins, bonus = 0;
                            if (doubled || info.eights_bonus) {
                                for (int i = 0; i < 5; ++i) hand[static_cast<size_t>(i)] = card_of(c[i]);
                                const HandCode dealt = Check_Hand(rule.game, hand);
                                if (doubled && dealt != 0) {
                                    used = doubled.get();
                                    bet = 2.0 * rule.coins;
                                }
                                if (info.eights_bonus && (dealt == 3 || dealt == 8))
                                    bonus = static_cast<double>(rule.table->pay(rule.game, dealt)) * rule.coins;
                            }
                            const auto values = hold_values(*used, c);
                            int best = 0;
                            for (int m = 1; m < 32; ++m)
                                if (values[static_cast<size_t>(m)] > values[static_cast<size_t>(best)]) best = m;
                            part.win += weight * (values[static_cast<size_t>(best)] + bonus);
                            part.bet += weight * bet;
                            const auto rows = hold_rows(*used, c, best);
                            for (size_t r = 0; r < rows.size() && r < part.rows.size(); ++r)
                                part.rows[r] += weight * rows[r];
                        }
            done += local;
            local = 0;
            if (id == 0 && progress) progress(static_cast<double>(done.load()) / static_cast<double>(total));
        }
    };
    on_threads(t, work);
    ChartReturn out;
    out.rows.assign(static_cast<size_t>(table.rows()), 0.0);
    double win = 0, bet = 0;
    for (const auto& p : parts) {
        win += p.win;
        bet += p.bet;
        for (size_t r = 0; r < p.rows.size(); ++r) out.rows[r] += p.rows[r];
    }
    for (auto& r : out.rows) r /= static_cast<double>(total);
    out.value = bet > 0 ? win / bet : 0;
    out.complete = !stop.stop_requested();
    return out;
}

std::string hold_text(const Hand& dealt, int mask) {
    std::string out;
    for (int p = 0; p < 5; ++p)
        if (mask & (1 << p)) out += (out.empty() ? "" : " ") + card_text(dealt[static_cast<size_t>(p)]);
    return out.empty() ? "(nothing)" : out;
}

}  // namespace dw::strategy
