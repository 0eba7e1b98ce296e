#pragma once
#include <array>
#include <cstdint>
#include <algorithm>
#include <stop_token>
#include <thread>
#include <vector>

#include "cards/card.h"
#include "games/pay_rule.h"

namespace dw::strategy {

// Cards inside the engine: 0..51 the naturals (rank - 2) * 4 + suit, 52 and 53 the jokers.
using CardIndex = uint8_t;
CardCode card_of(CardIndex index);
// The engine's index of a card of the machine (a joker by its picture, 110 or 111).
CardIndex index_of(const CardCode& card);

// C(n, k) for n up to 54.
uint64_t choose(int n, int k);

// Sorts a few cards in place (five at most: a plain insertion).
inline void sort_cards(CardIndex* cards, int count) {
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && cards[j - 1] > cards[j]; --j) std::swap(cards[j - 1], cards[j]);
}

// Runs work(i) for i = 0 .. threads - 1, work(0) on the calling thread, and waits for all.
template <typename Work>
void on_threads(unsigned threads, Work&& work) {
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < std::max(1u, threads); ++i) pool.emplace_back([&work, i] { work(i); });
    work(0u);
    for (auto& th : pool) th.join();
}

// Every final hand of a game's deck priced once by the machine's own rule (Check_Hand and
// pay_final), and for every set of up to five cards the sum of the pays, and the count per chart
// row, of the final hands that contain it. Any hold's expected win then comes from a handful of
// these sums by inclusion and exclusion, with no evaluation at all.
class FinalHandTable {
public:
    // A stop request leaves the table incomplete (stopped() then says so).
    FinalHandTable(const PayRule& rule, unsigned threads = 1, std::stop_token stop = {});
    bool stopped() const { return stopped_; }

    int deck() const { return deck_; }
    int rows() const { return rows_; }

    // Index of a sorted set of cards among the sets of its size.
    static uint32_t set_index(const CardIndex* sorted, int size);
    double pay_sum(int size, uint32_t index) const {
        return size == 5 && lean_ ? final_price(index).first : pay_[static_cast<size_t>(size)][index];
    }
    // Counts per row of the final hands containing a set of size 0..4; a set of five is one final
    // hand, whose row is final_row (in a game that pays every line, the row of the hand made).
    const uint32_t* row_counts(int size, uint32_t index) const {
        return &counts_[static_cast<size_t>(size)][static_cast<size_t>(index) * static_cast<size_t>(rows_)];
    }
    uint8_t final_row(uint32_t index) const { return lean_ ? final_price(index).second : row5_[index]; }

    // Keeps only the pay sums of the sets of up to four cards, about a sixteenth of the table: the
    // final hands are priced again when asked for (a hold's value asks for one, with dead cards a
    // few hundred), and the row counts are gone, so row_counts must not be called afterwards.
    void keep_hold_values_only();
    bool lean() const { return lean_; }
    // The memory the table holds now.
    size_t bytes() const;
private:
    PayRule rule_;
    Pay_Table table_;
    int deck_;
    int rows_;
    std::array<std::vector<double>, 6> pay_;
    std::array<std::vector<uint32_t>, 5> counts_;
    std::vector<uint8_t> row5_;
    bool stopped_ = false;
    bool lean_ = false;
    // A final hand's row: the row it is paid by, but in a game that pays every line the hand made
    // (its top line), so that a full house paid on three lines still counts as a full house.
    int row_of(HandCode made, HandCode paid) const;
    // The pay and row of the final hand with this index, priced by the machine's rule.
    std::pair<double, uint8_t> final_price(uint32_t index) const;
};

}  // namespace dw::strategy
