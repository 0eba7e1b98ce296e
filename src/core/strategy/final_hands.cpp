#include "strategy/final_hands.h"

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
    std::map<std::pair<int, int>, std::pair<double, int>> prices;
    std::mutex prices_mutex;
    auto price = [&](HandCode code, const HotHits& hits) {
        int mask = 0;
        for (size_t i = 0; i < hits.size(); ++i) mask |= hits[i] ? 1 << i : 0;
        std::lock_guard lock(prices_mutex);
        auto [it, fresh] = prices.try_emplace({code, mask});
        if (fresh) {
            const FinalPay p = pay_final(rule_, code, hits);
            it->second = {static_cast<double>(p.amount), std::min<int>(p.code, rows_ - 1)};
        }
        return it->second;
    };

    // Every final hand, by its first card, shared among the threads.
    auto work = [&](int first_card, int step) {
        std::vector<std::pair<double, int>> local;
        CardIndex c[5];
        Hand hand;
        HotHits hits{};
        std::map<std::pair<int, int>, std::pair<double, int>> cache;
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
                            auto it = cache.find({code, mask});
                            if (it == cache.end()) it = cache.emplace(std::pair{code, mask}, price(code, hits)).first;
                            const uint32_t index = set_index(c, 5);
                            pay_[5][index] = it->second.first;
                            row5_[index] = static_cast<uint8_t>(it->second.second);
                        }
    };
    {
        const unsigned t = std::max(1u, threads);
        std::vector<std::thread> pool;
        for (unsigned i = 1; i < t; ++i) pool.emplace_back(work, static_cast<int>(i), static_cast<int>(t));
        work(0, static_cast<int>(t));
        for (auto& th : pool) th.join();
    }

    // The sums over every subset of every final hand. Each pass adds the subsets of some sizes
    // only, so two threads never write the same array.
    auto sums = [&](std::array<bool, 5> sizes) {
        CardIndex c[5];
        for (c[0] = 0; c[0] < n; ++c[0])
            for (c[1] = static_cast<CardIndex>(c[0] + 1); c[1] < n; ++c[1])
                for (c[2] = static_cast<CardIndex>(c[1] + 1); c[2] < n; ++c[2])
                    for (c[3] = static_cast<CardIndex>(c[2] + 1); c[3] < n; ++c[3])
                        for (c[4] = static_cast<CardIndex>(c[3] + 1); c[4] < n; ++c[4]) {
                            const uint32_t full = set_index(c, 5);
                            const double pay = pay_[5][full];
                            const size_t row = row5_[full];
                            for (int mask = 0; mask < 31; ++mask) {
                                const int k = __builtin_popcount(static_cast<unsigned>(mask));
                                if (!sizes[static_cast<size_t>(k)]) continue;
                                CardIndex sub[5];
                                int m = 0;
                                for (int i = 0; i < 5; ++i)
                                    if (mask & (1 << i)) sub[m++] = c[i];
                                const uint32_t index = set_index(sub, k);
                                pay_[static_cast<size_t>(k)][index] += pay;
                                ++counts_[static_cast<size_t>(k)][static_cast<size_t>(index) * static_cast<size_t>(rows_) + row];
                            }
                        }
    };
    if (stop.stop_requested()) {
        stopped_ = true;
        return;
    }
    if (threads > 1) {
        std::thread other(sums, std::array<bool, 5>{false, false, true, false, true});
        sums({true, true, false, true, false});
        other.join();
    } else {
        sums({true, true, true, true, true});
    }
}

}  // namespace dw::strategy
