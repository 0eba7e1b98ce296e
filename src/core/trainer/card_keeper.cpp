#include "trainer/card_keeper.h"

#include "eval/evaluators.h"

namespace dw {

CardKeeper::Key CardKeeper::key_of(const PayRule& rule) {
    Key k{rule.game, rule.coins, {}};
    for (int row = 1; row <= 20 && rule.table; ++row) k.pays[static_cast<size_t>(row)] = rule.table->pay(rule.game, row);
    return k;
}

std::shared_ptr<const strategy::StrategyCard> CardKeeper::card(const PayRule& rule) {
    const Key key = key_of(rule);
    std::lock_guard lock(mutex_);
    if (key_ == key) return card_;
    key_ = key;
    card_.reset();
    auto chart = std::make_shared<Pay_Table>(*rule.table);
    PayRule own = rule;
    own.table = chart.get();
    // The worker before is asked to stop and joined when the new one takes its place.
    writer_ = std::jthread([this, chart, own, key](std::stop_token stop) {
        auto written = std::make_shared<const strategy::StrategyCard>(strategy::write_card(own, 0, 1, stop));
        if (stop.stop_requested() || !written->complete) return;
        std::lock_guard done(mutex_);
        if (key_ == key) card_ = written;
    });
    return nullptr;
}

std::shared_ptr<const strategy::StrategyCard> CardKeeper::wait(const PayRule& rule) {
    if (auto c = card(rule)) return c;
    if (writer_.joinable()) writer_.join();
    return card(rule);
}

CardJudgement judge_by_card(const strategy::StrategyCard& card, const PayRule& rule, const Hand& dealt,
                            const std::array<double, 32>& by_position, int held_mask) {
    // The engine's cards are sorted; masks go between the two orders.
    std::array<std::pair<strategy::CardIndex, int>, 5> order;
    for (int p = 0; p < 5; ++p) order[static_cast<size_t>(p)] = {strategy::index_of(dealt[static_cast<size_t>(p)]), p};
    std::sort(order.begin(), order.end());
    strategy::CardIndex sorted[5];
    std::array<double, 32> values{};
    auto to_position = [&](int sorted_mask) {
        int mask = 0;
        for (int i = 0; i < 5; ++i)
            if (sorted_mask & (1 << i)) mask |= 1 << order[static_cast<size_t>(i)].second;
        return mask;
    };
    for (int i = 0; i < 5; ++i) sorted[i] = order[static_cast<size_t>(i)].first;
    for (int m = 0; m < 32; ++m) values[static_cast<size_t>(m)] = by_position[static_cast<size_t>(to_position(m))];
    Hand hand = dealt;
    const int pat_row = Check_Hand(rule.game, hand);
    const auto context = strategy::line_context(rule);
    const auto choice = strategy::card_hold(card, context, sorted, values, pat_row);
    CardJudgement j;
    j.card_mask = to_position(choice.mask);
    if (choice.line >= 0) j.line = card.lines[static_cast<size_t>(choice.line)].name;
    int held_sorted = 0;
    for (int i = 0; i < 5; ++i)
        if (held_mask & (1 << order[static_cast<size_t>(i)].second)) held_sorted |= 1 << i;
    const auto mine = strategy::classify_hold(context, sorted, held_sorted, pat_row);
    const auto theirs = strategy::classify_hold(context, sorted, choice.mask, pat_row);
    j.broken = held_mask != j.card_mask && !(mine && theirs && *mine == *theirs);
    return j;
}

}  // namespace dw
