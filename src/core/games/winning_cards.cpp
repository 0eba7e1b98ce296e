#include "games/winning_cards.h"

#include <algorithm>

#include "cards/deck.h"
#include "games/catalogue.h"
#include "eval/evaluators.h"

namespace dw {

namespace {
int64_t price(const PayRule& rule, const Hand& hand) {
    HotHits hits{};
    return pay_final(rule, Check_Hand(rule.game, hand, &hits), hits).amount;
}
}  // namespace

int winning_cards(const PayRule& rule, const Hand& hand) {
    const int64_t paid = price(rule, hand);
    if (paid <= 0) return 0;
    std::vector<CardCode> others;
    for (int16_t value = 2; value <= 14; ++value)
        for (char suit : {'H', 'D', 'C', 'S'}) others.push_back(make_card(value, suit));
    if (deck_size(rule.game) >= 53) others.push_back(make_joker(kFirstJokerImage));
    if (deck_size(rule.game) >= 54) others.push_back(make_joker(kSecondJokerImage));
    auto same = [](const CardCode& a, const CardCode& b) {
        return a.Value == 1 ? b.Value == 1 && a.Image == b.Image : a.Value == b.Value && a.Suit == b.Suit;
    };
    std::erase_if(others, [&](const CardCode& c) {
        return std::any_of(hand.begin(), hand.end(), [&](const CardCode& h) { return same(h, c); });
    });
    int mask = 0;
    for (size_t p = 0; p < 5; ++p) {
        Hand changed = hand;
        for (const CardCode& c : others) {
            changed[p] = c;
            if (price(rule, changed) < paid) {
                mask |= 1 << p;
                break;
            }
        }
    }
    return mask;
}

int chart_text_line(GameId game, HandCode code) {
    const auto& rows = default_chart(game);
    const int count = static_cast<int>(rows.size());
    if (code < 1 || code > count) return 0;
    int line = 0;
    for (int j = 0; j <= count - code; ++j)
        if (!rows[static_cast<size_t>(j)].chart_line.empty()) ++line;
    return line;
}

}  // namespace dw
