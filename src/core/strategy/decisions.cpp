#include "strategy/decisions.h"

#include <vector>

#include "cards/deck.h"
#include "eval/evaluators.h"
#include "strategy/final_hands.h"

namespace dw::strategy {

double stud_expectation(const PayRule& rule, const Hand& hand, int shown) {
    PayRule one = rule;
    one.coins = 1;  // per coin: the chart's pay, no fixed prize
    one.progressive = false;
    std::vector<CardIndex> unseen;
    for (int c = 0; c < deck_size(rule.game); ++c) {
        bool seen = false;
        for (int p = 0; p < shown; ++p) seen = seen || index_of(hand[static_cast<size_t>(p)]) == c;
        if (!seen) unseen.push_back(static_cast<CardIndex>(c));
    }
    Hand h = hand;
    double total = 0;
    long count = 0;
    auto price = [&] {
        HotHits hits{};
        total += static_cast<double>(pay_final(one, Check_Hand(rule.game, h, &hits), hits).amount);
        ++count;
    };
    if (shown == 4) {
        for (CardIndex c : unseen) {
            h[4] = card_of(c);
            price();
        }
    } else if (shown == 3) {
        for (size_t i = 0; i < unseen.size(); ++i)
            for (size_t j = i + 1; j < unseen.size(); ++j) {
                h[3] = card_of(unseen[i]);
                h[4] = card_of(unseen[j]);
                price();
            }
    }
    return count ? total / static_cast<double>(count) : 0;
}

}  // namespace dw::strategy
