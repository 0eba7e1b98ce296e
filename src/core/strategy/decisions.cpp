#include "strategy/decisions.h"

#include <algorithm>
#include <vector>

#include "cards/deck.h"
#include "games/catalogue.h"
#include "eval/evaluators.h"
#include "strategy/final_hands.h"

namespace dw::strategy {

namespace {

// The cards of the game's deck that are not among the first `shown` of the hand.
std::vector<CardCode> unseen(GameId game, const Hand& hand, int shown) {
    std::vector<CardCode> out;
    for (int c = 0; c < deck_size(game); ++c) {
        bool seen = false;
        for (int p = 0; p < shown; ++p) seen = seen || index_of(hand[static_cast<size_t>(p)]) == c;
        if (!seen) out.push_back(card_of(static_cast<CardIndex>(c)));
    }
    return out;
}

// The average pay of the hands the fifth card completes, for 1, 2 and 3 parts riding (index 0
// unused). Four cards of `hand` are known; `skip` is a card that is not in the deck either.
std::array<double, 4> fifth_card_pays(const PayRule& rule, Hand hand, const std::vector<CardCode>& deck,
                                      const CardCode* skip) {
    std::array<double, 4> sums{};
    int count = 0;
    for (const CardCode& c : deck) {
        if (skip && c == *skip) continue;
        hand[4] = c;
        HotHits hits{};
        const HandCode code = Check_Hand(rule.game, hand, &hits);
        for (int parts = 1; parts <= 3; ++parts) {
            PayRule r = rule;
            r.coins = rule.coins * parts;
            sums[static_cast<size_t>(parts)] += static_cast<double>(pay_final(r, code, hits).amount);
        }
        ++count;
    }
    for (auto& s : sums) s /= std::max(1, count);
    return sums;
}

}  // namespace

StudChoice double_down_choice(const PayRule& rule, const Hand& hand) {
    const auto pays = fifth_card_pays(rule, hand, unseen(rule.game, hand, 4), nullptr);
    // Doubling stakes the bet again: it is worth its pay less the coins it adds.
    return {pays[2] - rule.coins, pays[1]};
}

StudChoice let_it_ride_choice(const PayRule& rule, const Hand& hand, int shown, int parts) {
    const double part = rule.coins;
    const auto deck = unseen(rule.game, hand, shown);
    if (shown >= 4) {
        const auto pays = fifth_card_pays(rule, hand, deck, nullptr);
        return {pays[static_cast<size_t>(parts)], part + pays[static_cast<size_t>(parts - 1)]};
    }
    // After the third card: every fourth card, with the better choice after it.
    StudChoice out;
    Hand four = hand;
    for (const CardCode& c : deck) {
        four[3] = c;
        const auto pays = fifth_card_pays(rule, four, deck, &c);
        out.go_on += std::max(pays[3], part + pays[2]);
        out.hold_back += part + std::max(pays[2], part + pays[1]);
    }
    out.go_on /= static_cast<double>(deck.size());
    out.hold_back /= static_cast<double>(deck.size());
    return out;
}

}  // namespace dw::strategy
