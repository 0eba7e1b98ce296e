#include "strategy/variant_returns.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <random>
#include <thread>

#include "games/catalogue.h"

namespace dw::strategy {

namespace {

// The chance of each row over every five cards of the deck: a stud hand ends in it whatever the
// player decides.
std::vector<double> stud_rows(const FinalHandTable& table) {
    std::vector<double> rows(static_cast<size_t>(table.rows()));
    const double hands = static_cast<double>(choose(table.deck(), 5));
    for (int r = 0; r < table.rows(); ++r) rows[static_cast<size_t>(r)] = table.row_counts(0, 0)[r] / hands;
    return rows;
}

PayRule with_coins(const PayRule& rule, int coins) {
    PayRule r = rule;
    r.coins = coins;
    return r;
}

ChartReturn double_down_stud(const PayRule& rule, unsigned threads, std::stop_token stop) {
    const int bet = rule.coins;
    const FinalHandTable stand(rule, threads, stop);
    const FinalHandTable doubled(with_coins(rule, 2 * bet), threads, stop);
    if (stand.stopped() || doubled.stopped()) return {0, {}, false, 0, 0};
    // Every four cards shown are as likely; the fifth is any of the others.
    const double fifths = stand.deck() - 4;
    double win = 0, staked = 0;
    for (uint32_t i = 0; i < choose(stand.deck(), 4); ++i) {
        const double keep = stand.pay_sum(4, i) / fifths, twice = doubled.pay_sum(4, i) / fifths;
        const bool doubles = twice - 2.0 * bet > keep - bet;
        win += doubles ? twice : keep;
        staked += doubles ? 2.0 * bet : bet;
    }
    return {win / staked, stud_rows(stand), true, 0, 0};
}

ChartReturn let_it_ride(const PayRule& rule, unsigned threads, std::stop_token stop) {
    const int part = std::max(1, rule.coins / 3);
    const FinalHandTable one(with_coins(rule, part), threads, stop);
    const FinalHandTable two(with_coins(rule, 2 * part), threads, stop);
    const FinalHandTable three(with_coins(rule, 3 * part), threads, stop);
    if (one.stopped() || two.stopped() || three.stopped()) return {0, {}, false, 0, 0};
    const int n = one.deck();
    const double fifths = n - 4;
    // After the fourth card, with three or two parts riding: let them ride, or take one back.
    std::vector<double> from_three(choose(n, 4)), from_two(choose(n, 4));
    for (uint32_t i = 0; i < from_three.size(); ++i) {
        const double v1 = one.pay_sum(4, i) / fifths, v2 = two.pay_sum(4, i) / fifths, v3 = three.pay_sum(4, i) / fifths;
        from_three[i] = std::max(v3, part + v2);
        from_two[i] = std::max(v2, part + v1);
    }
    // After the third card: the same choice, each fourth card as likely.
    double back = 0;
    CardIndex s[3], f[4];
    for (s[2] = 2; s[2] < n; ++s[2])
        for (s[1] = 1; s[1] < s[2]; ++s[1])
            for (s[0] = 0; s[0] < s[1]; ++s[0]) {
                double ride = 0, pull = 0;
                for (int c = 0; c < n; ++c) {
                    if (c == s[0] || c == s[1] || c == s[2]) continue;
                    int k = 0, j = 0;
                    for (; j < 3 && s[j] < c; ++j) f[k++] = s[j];
                    f[k++] = static_cast<CardIndex>(c);
                    for (; j < 3; ++j) f[k++] = s[j];
                    const uint32_t four = FinalHandTable::set_index(f, 4);
                    ride += from_three[four];
                    pull += from_two[four];
                }
                back += std::max(ride, part * (n - 3.0) + pull) / (n - 3.0);
            }
    return {back / static_cast<double>(choose(n, 3)) / (3.0 * part), stud_rows(one), true, 0, 0};
}

}  // namespace

ChartReturn pick_five_return(const PayRule& rule, uint64_t hands, unsigned threads, std::stop_token stop) {
    const FinalHandTable table(rule, threads, stop);
    if (table.stopped()) return {0, {}, false, 0, 0};
    const int n = table.deck();
    constexpr uint64_t kBlock = 1000;  // hands per seed, so that the figure is the same on any number of threads
    const uint64_t blocks = std::max<uint64_t>(1, (hands + kBlock - 1) / kBlock);
    struct Block {
        double sum = 0, squares = 0;
        std::vector<double> rows;
    };
    std::vector<Block> results(blocks);
    std::atomic<uint64_t> next{0};
    auto work = [&] {
        for (uint64_t b; (b = next++) < blocks && !stop.stop_requested();) {
            Block& out = results[b];
            out.rows.assign(static_cast<size_t>(table.rows()), 0.0);
            std::mt19937_64 rng(0x9e3779b97f4a7c15ULL * (b + 1));
            std::array<CardIndex, 54> deck;
            for (int c = 0; c < n; ++c) deck[static_cast<size_t>(c)] = static_cast<CardIndex>(c);
            for (uint64_t h = 0; h < kBlock; ++h) {
                for (int i = 0; i < 10; ++i)
                    std::swap(deck[static_cast<size_t>(i)],
                              deck[static_cast<size_t>(i) + std::uniform_int_distribution<size_t>(0, static_cast<size_t>(n - 1 - i))(rng)]);
                CardIndex held[5], refused[5];
                for (int p = 0; p < 5; ++p) {
                    const CardIndex offered[2] = {deck[static_cast<size_t>(2 * p)], deck[static_cast<size_t>(2 * p + 1)]};
                    double score[2];
                    for (int o = 0; o < 2; ++o) {
                        CardIndex with[5];
                        std::copy(held, held + p, with);
                        with[p] = offered[o];
                        sort_cards(with, p + 1);
                        if (p < 4) {
                            score[o] = table.pay_sum(p + 1, FinalHandTable::set_index(with, p + 1));
                        } else {
                            const auto v = hold_values(table, with);
                            score[o] = *std::max_element(v.begin(), v.end());
                        }
                    }
                    const int take = score[1] > score[0] ? 1 : 0;
                    held[p] = offered[take];
                    refused[p] = offered[1 - take];
                    sort_cards(held, p + 1);
                }
                const auto v = hold_values(table, held, refused);
                const int best = static_cast<int>(std::max_element(v.begin(), v.end()) - v.begin());
                out.sum += v[static_cast<size_t>(best)];
                out.squares += v[static_cast<size_t>(best)] * v[static_cast<size_t>(best)];
                const auto rows = hold_rows(table, held, best, refused);
                for (size_t r = 0; r < rows.size(); ++r) out.rows[r] += rows[r];
            }
        }
    };
    on_threads(threads, [&](unsigned) { work(); });
    if (stop.stop_requested()) return {0, {}, false, 0, 0};
    ChartReturn out;
    out.rows.assign(static_cast<size_t>(table.rows()), 0.0);
    double sum = 0, squares = 0;
    for (const auto& b : results) {
        sum += b.sum;
        squares += b.squares;
        for (size_t r = 0; r < b.rows.size(); ++r) out.rows[r] += b.rows[r];
    }
    const double count = static_cast<double>(blocks * kBlock);
    for (auto& r : out.rows) r /= count;
    const double mean = sum / count, variance = std::max(0.0, squares / count - mean * mean);
    out.value = mean / rule.coins;
    out.margin = 1.96 * std::sqrt(variance / count) / rule.coins;
    out.samples = blocks * kBlock;
    return out;
}

ChartReturn game_return(const PayRule& rule, unsigned threads, std::stop_token stop, const Progress& progress,
                        uint64_t pick_five_hands, DeckModel model) {
    switch (game_info(rule.game).flow) {
    case Flow::Draw: return chart_return(rule, threads, stop, progress, model);
    case Flow::Stud: return double_down_stud(rule, threads, stop);
    case Flow::Ride: return let_it_ride(rule, threads, stop);
    case Flow::PickFive: break;
    }
    return pick_five_return(rule, pick_five_hands, threads, stop);
}

}  // namespace dw::strategy
