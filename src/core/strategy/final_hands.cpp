#include "strategy/final_hands.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>

#include "cards/deck.h"
#include "games/catalogue.h"
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

namespace {

// The set of k cards with a given index among the sets of its size (the inverse of set_index).
void set_of(uint64_t index, int k, CardIndex* out) {
    for (int i = k - 1; i >= 0; --i) {
        int c = i;
        while (kBinomials.c[c + 1][i + 1] <= index) ++c;
        out[i] = static_cast<CardIndex>(c);
        index -= kBinomials.c[c][i + 1];
    }
}

// The next set of the same size in colexicographic order, which is the order of the indices.
void next_set(CardIndex* set, int k) {
    int i = 0;
    while (i + 1 < k && set[i] + 1 == set[i + 1]) {
        set[i] = static_cast<CardIndex>(i);
        ++i;
    }
    if (k > 0) ++set[i];
}

}  // namespace

int FinalHandTable::row_of(HandCode made, HandCode paid) const {
    return game_info(rule_.game).every_line ? made : paid;
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
            it->second = {static_cast<double>(p.amount), std::min<int>(row_of(code, p.code), rows_ - 1)};
        }
        return it->second;
    };
    std::array<CardCode, 54> codes;
    for (int c = 0; c < 54; ++c) codes[static_cast<size_t>(c)] = card_of(static_cast<CardIndex>(c));

    // Every final hand priced, in index order, each thread a stretch of the indices.
    const uint64_t finals = choose(n, 5);
    auto work = [&](uint64_t from, uint64_t to) {
        struct Price {
            double pay = 0;
            int row = 0;
            bool known = false;
        };
        std::vector<Price> cache(static_cast<size_t>(kRows + 2) * kMasks);
        CardIndex c[5];
        set_of(from, 5, c);
        Hand hand;
        HotHits hits{};
        for (uint64_t index = from; index < to; ++index, next_set(c, 5)) {
            if ((index & 0xffff) == 0 && stop.stop_requested()) return;
            for (size_t i = 0; i < 5; ++i) hand[i] = codes[c[i]];
            hits = {};
            const HandCode code = Check_Hand(rule_.game, hand, &hits);
            int mask = 0;
            for (size_t i = 0; i < hits.size(); ++i) mask |= hits[i] ? 1 << i : 0;
            Price& p = cache[static_cast<size_t>(std::clamp<int>(code, 0, kRows + 1)) * kMasks + static_cast<size_t>(mask)];
            if (!p.known) {
                const auto [pay, row] = price(code, hits, mask);
                p = {pay, row, true};
            }
            pay_[5][index] = p.pay;
            row5_[index] = static_cast<uint8_t>(p.row);
        }
    };
    {
        const unsigned t = std::max(1u, threads);
        on_threads(t, [&](unsigned i) { work(finals * i / t, finals * (i + 1) / t); });
    }
    if (stop.stop_requested()) {
        stopped_ = true;
        return;
    }

    // Each set of k cards sums the final hands over it. Every set hands its sums down to the sets
    // one card smaller, in index order; a final hand over a set of k cards arrives through
    // 5 - k of the sets between them, so the smaller sums are divided by that at the end.
    const size_t rows = static_cast<size_t>(rows_);
    for (int k = 4; k >= 0; --k) {
        const size_t up = static_cast<size_t>(k + 1);
        const int size = k + 1;
        auto& pay = pay_[static_cast<size_t>(k)];
        auto& counts = counts_[static_cast<size_t>(k)];
        CardIndex s[5];
        for (int i = 0; i < size; ++i) s[i] = static_cast<CardIndex>(i);
        const uint64_t sets = choose(n, size);
        for (uint64_t index = 0; index < sets; ++index, next_set(s, size)) {
            if ((index & 0xffff) == 0 && stop.stop_requested()) {
                stopped_ = true;
                return;
            }
            // The index of the set without card i: the cards below it keep their place, the
            // cards above it move one place down.
            uint64_t below[6], above[6];
            below[0] = 0;
            for (int i = 0; i < size; ++i) below[i + 1] = below[i] + kBinomials.c[s[i]][i + 1];
            above[size] = 0;
            for (int i = size - 1; i >= 0; --i) above[i] = above[i + 1] + (i > 0 ? kBinomials.c[s[i]][i] : 0);
            const double p = pay_[up][index];
            for (int i = 0; i < size; ++i) {
                const size_t sub = below[i] + above[i + 1];
                pay[sub] += p;
                uint32_t* into = &counts[sub * rows];
                if (k == 4) {
                    ++into[row5_[index]];
                } else {
                    const uint32_t* from = &counts_[up][index * rows];
                    for (size_t r = 0; r < rows; ++r) into[r] += from[r];
                }
            }
        }
        if (k < 4) {
            for (auto& v : pay) v /= 5 - k;
            for (auto& v : counts) v /= static_cast<uint32_t>(5 - k);
        }
    }
}

std::pair<double, uint8_t> FinalHandTable::final_price(uint32_t index) const {
    CardIndex c[5];
    set_of(index, 5, c);
    Hand hand;
    for (size_t i = 0; i < 5; ++i) hand[i] = card_of(c[i]);
    HotHits hits{};
    const HandCode code = Check_Hand(rule_.game, hand, &hits);
    const FinalPay p = pay_final(rule_, code, hits);
    return {static_cast<double>(p.amount), static_cast<uint8_t>(std::min<int>(row_of(code, p.code), rows_ - 1))};
}

void FinalHandTable::keep_hold_values_only() {
    lean_ = true;
    std::vector<double>().swap(pay_[5]);
    std::vector<uint8_t>().swap(row5_);
    for (auto& counts : counts_) std::vector<uint32_t>().swap(counts);
}

size_t FinalHandTable::bytes() const {
    size_t total = row5_.capacity();
    for (const auto& p : pay_) total += p.capacity() * sizeof(double);
    for (const auto& c : counts_) total += c.capacity() * sizeof(uint32_t);
    return total;
}

}  // namespace dw::strategy
