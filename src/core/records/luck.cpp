#include "records/luck.h"

#include <cmath>
#include <cstdio>

#include "games/pay_table.h"

namespace dw {

namespace {

bool beside_a_hand(GameId game, int row) { return (game == 20 && (row == 3 || row == 8)) || (game == 21 && row == 10); }

}  // namespace

Luck luck_of(GameId game, const Stats& stats, const std::vector<double>& chances) {
    Luck luck;
    if (game < 1 || game > kGameCount) return luck;
    const auto& counts = stats.Hand_Stats[static_cast<size_t>(game)];
    const auto& chart = default_chart(game);
    const int top = static_cast<int>(chart.size());
    for (int row = 0; row <= top && row < static_cast<int>(counts.size()); ++row) {
        if (beside_a_hand(game, row)) continue;
        luck.hands_session += counts[static_cast<size_t>(row)][Stats::kSessionCount];
        luck.hands_all += counts[static_cast<size_t>(row)][Stats::kAllCount];
    }
    for (int row = top; row >= 1; --row) {
        const double chance = static_cast<size_t>(row) < chances.size() ? chances[static_cast<size_t>(row)] : 0.0;
        LuckRow r;
        r.row = static_cast<HandCode>(row);
        r.label = label_text(chart[static_cast<size_t>(top - row)].label);
        r.session = counts[static_cast<size_t>(row)][Stats::kSessionCount];
        r.all = counts[static_cast<size_t>(row)][Stats::kAllCount];
        r.expected_session = chance * static_cast<double>(luck.hands_session);
        r.expected_all = chance * static_cast<double>(luck.hands_all);
        luck.rows.push_back(r);
    }
    return luck;
}

std::string luck_sentence(const std::string& label, int64_t count, double expected) {
    const double spread = std::sqrt(expected);
    const double off = static_cast<double>(count) - expected;
    const char* verdict = off > spread && off > 0.5 ? "lucky" : -off > spread && -off > 0.5 ? "unlucky" : "as expected";
    char text[160];
    std::snprintf(text, sizeof text, "%s: %lld against %.1f expected \u2014 %s", label.c_str(), static_cast<long long>(count),
                  expected, verdict);
    return text;
}

}  // namespace dw
