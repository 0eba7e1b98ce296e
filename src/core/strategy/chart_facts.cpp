#include "strategy/chart_facts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "games/catalogue.h"

namespace dw::strategy {

namespace {

bool row_determines_pay(GameId game) {
    const auto& info = game_info(game);
    return (info.flow == Flow::Draw || info.flow == Flow::PickFive) && !info.every_line && !info.eights_bonus &&
           !info.doubles_winning_deal;
}

}  // namespace

std::optional<ChartFacts> chart_facts(const PayRule& rule, const ChartReturn& rows) {
    if (!row_determines_pay(rule.game) || rule.table == nullptr || rule.coins < 1 || rows.rows.empty()) return {};
    const auto& chart = default_chart(rule.game);
    const int count = static_cast<int>(chart.size());
    std::map<double, double> by_pay;
    ChartFacts f;
    for (size_t row = 0; row < rows.rows.size(); ++row) {
        const double chance = rows.rows[row];
        const double pays = static_cast<double>(pay_final(rule, static_cast<HandCode>(row)).amount) / rule.coins;
        by_pay[pays] += chance;
        const int at = count - static_cast<int>(row);  // the row's place in the chart, top first
        if (row >= 1 && at >= 0 && at < count) {
            const auto label = chart[static_cast<size_t>(at)].label;
            if ((label == "Royal Flush" || label == "Natural Royal Flush") && chance > 0) f.royal_every = 1 / chance;
        }
    }
    double mean = 0, square = 0;
    for (const auto& [pays, chance] : by_pay) {
        f.outcomes.push_back({pays, chance});
        mean += pays * chance;
        square += pays * pays * chance;
        if (pays > 0) f.win_chance += chance;
    }
    f.value = mean;
    f.deviation = std::sqrt(std::max(0.0, square - mean * mean));
    return f;
}

RiskTable risk_of_ruin(std::span<const Outcome> outcomes, std::span<const int> bankrolls, std::span<const int> hands,
                       std::stop_token stop) {
    RiskTable t{{bankrolls.begin(), bankrolls.end()}, {hands.begin(), hands.end()}, {}};
    t.ruin.assign(bankrolls.size(), std::vector<double>(hands.size(), 0.0));
    if (bankrolls.empty() || hands.empty()) return t;
    // Each hand costs one bet and pays back `pays` bets: the bankroll moves by pays - 1.
    struct Step {
        int move;
        double chance;
    };
    std::vector<Step> steps;
    double mean = 0, square = 0;
    for (const auto& o : outcomes) {
        if (o.chance <= 0) continue;
        const int move = static_cast<int>(std::lround(o.pays)) - 1;
        steps.push_back({move, o.chance});
        mean += move * o.chance;
        square += static_cast<double>(move) * move * o.chance;
    }
    const int most_hands = *std::max_element(hands.begin(), hands.end());
    const int most_bankroll = *std::max_element(bankrolls.begin(), bankrolls.end());
    // Above `top` the bankroll cannot be lost within the hands but with a chance below a millionth
    // (five standard deviations and the drift): those bankrolls count as safe.
    const double sd = std::sqrt(std::max(0.0, square - mean * mean));
    const int top = std::max(most_bankroll,
                             static_cast<int>(std::ceil(std::max(0.0, -mean) * most_hands + 5 * sd * std::sqrt(most_hands)))) + 1;
    // risk[x]: the chance of losing a bankroll of x bets within the hands played so far; below one
    // bet it is lost. Bankrolls of x bets cannot be lost within fewer than x hands. Above `top` the
    // array runs on with risk[top] so that every move reads inside it.
    int highest_move = 0;
    for (const auto& s : steps) highest_move = std::max(highest_move, s.move);
    const size_t size = static_cast<size_t>(top) + static_cast<size_t>(highest_move) + 1;
    std::vector<double> risk(size, 0.0), next(size, 0.0);
    risk[0] = 1.0;
    size_t column = 0;
    std::vector<std::pair<int, size_t>> wanted;
    for (size_t h = 0; h < hands.size(); ++h) wanted.push_back({hands[h], h});
    std::sort(wanted.begin(), wanted.end());
    auto record = [&](int played) {
        while (column < wanted.size() && wanted[column].first == played) {
            for (size_t b = 0; b < bankrolls.size(); ++b)
                t.ruin[b][wanted[column].second] = bankrolls[b] < 1 ? 1.0 : risk[static_cast<size_t>(std::min(bankrolls[b], top))];
            ++column;
        }
    };
    record(0);
    for (int n = 1; n <= most_hands; ++n) {
        if (n % 1024 == 0 && stop.stop_requested()) {
            t.complete = false;
            return t;
        }
        const size_t reach = static_cast<size_t>(std::min(top, n));  // bankrolls above n bets are still whole
        // Every move is at least -1, so x + move never falls below 0. Four moves a pass.
        double* to = next.data() + 1;
        std::fill(to, to + reach, 0.0);
        for (size_t k = 0; k < steps.size(); k += 4) {
            const double* f[4];
            double c[4];
            for (size_t j = 0; j < 4; ++j) {
                const bool real = k + j < steps.size();
                f[j] = risk.data() + 1 + (real ? steps[k + j].move : 0);
                c[j] = real ? steps[k + j].chance : 0.0;
            }
            for (size_t i = 0; i < reach; ++i) to[i] += c[0] * f[0][i] + c[1] * f[1][i] + c[2] * f[2][i] + c[3] * f[3][i];
        }
        std::copy(next.begin() + 1, next.begin() + static_cast<std::ptrdiff_t>(reach) + 1, risk.begin() + 1);
        if (reach == static_cast<size_t>(top)) std::fill(risk.begin() + top + 1, risk.end(), risk[static_cast<size_t>(top)]);
        record(n);
    }
    return t;
}

std::string risk_text(const RiskTable& table) {
    std::string out = "Bankroll (bets)";
    char cell[64];
    for (int h : table.hands) {
        std::snprintf(cell, sizeof cell, "  %9d hands", h);
        out += cell;
    }
    out += "\n";
    for (size_t b = 0; b < table.bankrolls.size(); ++b) {
        std::snprintf(cell, sizeof cell, "%15d", table.bankrolls[b]);
        out += cell;
        for (double r : table.ruin[b]) {
            std::snprintf(cell, sizeof cell, "  %14.1f%%", 100 * r);
            out += cell;
        }
        out += "\n";
    }
    return out;
}

std::string facts_line(const ChartFacts& f) {
    char line[200];
    std::snprintf(line, sizeof line, "standard deviation %.2f bets, a win %.1f%% of the time", f.deviation, 100 * f.win_chance);
    std::string out = line;
    if (f.royal_every > 0) {
        std::snprintf(line, sizeof line, ", a royal flush every %.0f hands", f.royal_every);
        out += line;
    }
    return out;
}

}  // namespace dw::strategy
