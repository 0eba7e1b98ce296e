#include "records/session_series.h"

#include <algorithm>

#include "games/catalogue.h"

namespace dw {

int return_bet(GameId game, int bet) { return std::clamp(bet, 1, static_cast<int>(game_info(game).full_bet)); }

bool big_win_row(GameId game, HandCode row) {
    if (row < 1 || game < 1 || game > kGameCount) return false;
    const auto& chart = default_chart(game);
    const int count = static_cast<int>(chart.size());
    int lowest = 0;  // the lowest row of four of a kind
    for (int r = 1; r <= count && lowest == 0; ++r) {
        const auto label = chart[static_cast<size_t>(count - r)].label;
        if (label.starts_with("4 ") || label.starts_with("Four")) lowest = r;
    }
    return lowest != 0 && row >= lowest && row <= count;
}

std::vector<SessionPoint> session_series(const std::vector<HandRecord>& hands, const ReturnOf& return_of) {
    std::vector<SessionPoint> out;
    out.reserve(hands.size());
    double expected = 0;
    int64_t before = 0;  // the meter before the hand
    for (size_t i = 0; i < hands.size(); ++i) {
        const HandRecord& h = hands[i];
        const int64_t pay_less_bet = h.paid - h.bet;
        // The meter's other moves (the cashier) count in both lines.
        const int64_t other = i == 0 ? 0 : static_cast<int64_t>(h.credits) - before - pay_less_bet;
        if (i == 0) expected = static_cast<double>(static_cast<int64_t>(h.credits) - pay_less_bet);
        expected += static_cast<double>(other) + h.bet * (return_of(h.game, h.bet) - 1.0);
        out.push_back({static_cast<int>(i + 1), static_cast<double>(h.credits), expected, big_win_row(h.game, h.row)});
        before = h.credits;
    }
    return out;
}

std::vector<SessionPoint> thin_out(const std::vector<SessionPoint>& points, size_t most) {
    if (most == 0 || points.size() <= most) return points;
    std::vector<SessionPoint> out;
    const size_t stretch = (points.size() + most - 1) / most;
    for (size_t i = 0; i < points.size(); ++i)
        if (points[i].big_win || (i + 1) % stretch == 0 || i + 1 == points.size()) out.push_back(points[i]);
    return out;
}

}  // namespace dw
