#include "strategy/final_hands.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>

#include "cards/deck.h"
#include "eval/evaluators.h"

namespace dw::strategy {

namespace {
struct Binomials {
    uint64_t c[56][6]{};
    Binomials() {
        for (int n = 0; n < 56; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 6 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
    }
};
const Binomials kBinomials;
}  // namespace

uint64_t choose(int n, int k) { return n < 0 || k < 0 || k > 5 || k > n ? 0 : kBinomials.c[n][k]; }

CardCode card_of(CardIndex index) {
    if (index >= 52) return make_joker(index == 52 ? kFirstJokerImage : kSecondJokerImage);
    static constexpr char kSuits[] = {'H', 'D', 'C', 'S'};
    return make_card(static_cast<int16_t>(index / 4 + 2), kSuits[index % 4]);
}

CardIndex index_of(const CardCode& card) {
    if (card.Value == 1) return card.Image == kSecondJokerImage ? 53 : 52;
    const int suit = card.Suit == 'H' ? 0 : card.Suit == 'D' ? 1 : card.Suit == 'C' ? 2 : 3;
    return static_cast<CardIndex>((card.Value - 2) * 4 + suit);
}

uint32_t FinalHandTable::set_index(const CardIndex* sorted, int size) {
    uint64_t index = 0;
    for (int i = 0; i < size; ++i) index += kBinomials.c[sorted[i]][i + 1];
    return static_cast<uint32_t>(index);
}

FinalHandTable::FinalHandTable(const PayRule& rule, unsigned threads, std::stop_token stop)
    : rule_(rule), table_(*rule.table), deck_(deck_size(rule.game)) {
    rule_.table = &table_;
    rows_ = table_.row_count(rule.game) + 2;  // row 0, the chart rows, and Hot Hands' multiple win
    const int n = deck_;
    for (int k = 0; k <= 5; ++k) pay_[static_cast<size_t>(k)].assign(choose(n, k), 0.0);
    for (int k = 0; k <= 4; ++k) counts_[static_cast<size_t>(k)].assign(choose(n, k) * static_cast<size_t>(rows_), 0);
    row5_.assign(choose(n, 5), 0);

    // Pays depend on the hand only through its code (and in Hot Hands its lines): price each
    // once through the machine's rule.
    constexpr size_t kMasks = 512;
    std::mutex prices_mutex;
    std::map<std::pair<int, int>, std::pair<double, int>> prices;
    auto price = [&](HandCode code, const HotHits& hits, int mask) {
        std::lock_guard lock(prices_mutex);
        auto [it, fresh] = prices.try_emplace({code, mask});
        if (fresh) {
            const FinalPay p = pay_final(rule_, code, hits);
            it->second = {static_cast<double>(p.amount), std::min<int>(p.code, rows_ - 1)};
        }
        return it->second;
    };
    const unsigned t = std::max(1u, threads);

    // Every final hand priced, by its first card, shared among the threads.
    auto work = [&](int first_card, int step) {
        struct Price {
            double pay = 0;
            int row = 0;
            bool known = false;
        };
        std::vector<Price> cache(static_cast<size_t>(kRows + 2) * kMasks);
        CardIndex c[5];
        Hand hand;
        HotHits hits{};
        for (c[0] = static_cast<CardIndex>(first_card); c[0] < n && !stop.stop_requested();
             c[0] = static_cast<CardIndex>(c[0] + step))
            for (c[1] = static_cast<CardIndex>(c[0] + 1); c[1] < n; ++c[1])
                for (c[2] = static_cast<CardIndex>(c[1] + 1); c[2] < n; ++c[2])
                    for (c[3] = static_cast<CardIndex>(c[2] + 1); c[3] < n; ++c[3])
                        for (c[4] = static_cast<CardIndex>(c[3] + 1); c[4] < n; ++c[4]) {
                            for (int i = 0; i < 5; ++i) hand[static_cast<size_t>(i)] = card_of(c[i]);
                            hits = {};
                            const HandCode code = Check_Hand(rule_.game, hand, &hits);
                            int mask = 0;
                            for (size_t i = 0; i < hits.size(); ++i) mask |= hits[i] ? 1 << i : 0;
                            Price& p = cache[static_cast<size_t>(std::clamp<int>(code, 0, kRows + 1)) * kMasks +
                                             static_cast<size_t>(mask)];
                            if (!p.known) {
                                const auto [pay, row] = price(code, hits, mask);
                                p = {pay, row, true};
                            }
                            const uint32_t index = set_index(c, 5);
                            pay_[5][index] = p.pay;
                            row5_[index] = static_cast<uint8_t>(p.row);
                        }
    };
    {
        std::vector<std::thread> pool;
        for (unsigned i = 1; i < t; ++i) pool.emplace_back(work, static_cast<int>(i), static_cast<int>(t));
        work(0, static_cast<int>(t));
        for (auto& th : pool) th.join();
    }
    if (stop.stop_requested()) {
        stopped_ = true;
        return;
    }

    // The sums of the sets of four: every card that completes a final hand, looked up.
    const size_t rows = static_cast<size_t>(rows_);
    auto fours = [&](int first, int step) {
        CardIndex s4[4];
        for (s4[0] = static_cast<CardIndex>(first); s4[0] < n; s4[0] = static_cast<CardIndex>(s4[0] + step))
            for (s4[1] = static_cast<CardIndex>(s4[0] + 1); s4[1] < n; ++s4[1])
                for (s4[2] = static_cast<CardIndex>(s4[1] + 1); s4[2] < n; ++s4[2])
                    for (s4[3] = static_cast<CardIndex>(s4[2] + 1); s4[3] < n; ++s4[3]) {
                        const uint32_t index = set_index(s4, 4);
                        double sum = 0;
                        uint32_t* counts = &counts_[4][index * rows];
                        CardIndex f[5];
                        for (int c = 0; c < n; ++c) {
                            // Insert c in order; skip the cards already in the set.
                            int k = 0, j = 0;
                            bool inside = false;
                            for (; j < 4 && s4[j] < c; ++j) f[k++] = s4[j];
                            if (j < 4 && s4[j] == c) inside = true;
                            if (inside) continue;
                            f[k++] = static_cast<CardIndex>(c);
                            for (; j < 4; ++j) f[k++] = s4[j];
                            const uint32_t full = set_index(f, 5);
                            sum += pay_[5][full];
                            ++counts[row5_[full]];
                        }
                        pay_[4][index] = sum;
                    }
    };
    {
        std::vector<std::thread> pool;
        for (unsigned i = 1; i < t; ++i) pool.emplace_back(fours, static_cast<int>(i), static_cast<int>(t));
        fours(0, static_cast<int>(t));
        for (auto& th : pool) th.join();
    }

    // Smaller sets from the next size up: each final hand over a set of k cards is reached
    // through 5 - k of its sets of k + 1.
    for (int k = 3; k >= 0; --k) {
        std::vector<CardIndex> set(static_cast<size_t>(k));
        const size_t count = choose(n, k);
        // Walk the sets of size k in index order by generating them in colexicographic order.
        for (int i = 0; i < k; ++i) set[static_cast<size_t>(i)] = static_cast<CardIndex>(i);
        for (size_t done = 0; done < count; ++done) {
            const uint32_t index = set_index(set.data(), k);
            double sum = 0;
            std::vector<uint64_t> counts(rows, 0);
            CardIndex f[5];
            for (int c = 0; c < n; ++c) {
                int m = 0, j = 0;
                for (; j < k && set[static_cast<size_t>(j)] < c; ++j) f[m++] = set[static_cast<size_t>(j)];
                if (j < k && set[static_cast<size_t>(j)] == c) continue;
                f[m++] = static_cast<CardIndex>(c);
                for (; j < k; ++j) f[m++] = set[static_cast<size_t>(j)];
                const uint32_t up = set_index(f, k + 1);
                sum += pay_[static_cast<size_t>(k + 1)][up];
                const uint32_t* up_counts = &counts_[static_cast<size_t>(k + 1)][up * rows];
                for (size_t r = 0; r < rows; ++r) counts[r] += up_counts[r];
            }
            pay_[static_cast<size_t>(k)][index] = sum / (5 - k);
            for (size_t r = 0; r < rows; ++r)
                counts_[static_cast<size_t>(k)][index * rows + r] = static_cast<uint32_t>(counts[r] / static_cast<uint64_t>(5 - k));
            // Next set in colex order.
            int i = 0;
            while (i + 1 < k && set[static_cast<size_t>(i)] + 1 == set[static_cast<size_t>(i + 1)]) {
                set[static_cast<size_t>(i)] = static_cast<CardIndex>(i);
                ++i;
            }
            if (k > 0) ++set[static_cast<size_t>(i)];
        }
    }
}

}  // namespace dw::strategy
