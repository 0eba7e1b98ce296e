#pragma once
#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "games/pay_rule.h"
#include "strategy/strategy_card.h"

namespace dw {

// The strategy card the trainer judges holds by, written on a worker the first time a chart is
// asked for (about a second); until then there is no card. Asking for another chart stops the
// card being written and starts that chart's.
class CardKeeper {
public:
    std::shared_ptr<const strategy::StrategyCard> card(const PayRule& rule);
    // Blocks until the card of `rule` is written (for tests).
    std::shared_ptr<const strategy::StrategyCard> wait(const PayRule& rule);

private:
    struct Key {
        int game = 0, coins = 0;
        std::array<int32_t, 21> pays{};
        bool operator==(const Key&) const = default;
    };
    static Key key_of(const PayRule& rule);
    std::mutex mutex_;
    std::optional<Key> key_;
    std::shared_ptr<const strategy::StrategyCard> card_;
    std::jthread writer_;  // declared last: stopped and joined first
};

// The judgement of a hold by the card: the card's own hold, and whether the player's hold is
// another line (a different hold of the same line, two kings of one rank, is no mistake).
struct CardJudgement {
    int card_mask = 0;
    std::string line;  // the card line the hand should be held by
    bool broken = false;
};
CardJudgement judge_by_card(const strategy::StrategyCard& card, const PayRule& rule, const Hand& dealt,
                            const std::array<double, 32>& by_position, int held_mask);

}  // namespace dw
