#include "strategy/return_worker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "games/catalogue.h"
#include "strategy/chart_facts.h"
#include "strategy/variant_returns.h"

namespace dw::strategy {

std::string return_figure(double value, double margin) {
    char text[64];
    if (margin <= 0) {
        std::snprintf(text, sizeof text, "%.2f%%", value * 100);
        return text;
    }
    // Down to the first digit of the margin, in percent.
    const int places = std::clamp(static_cast<int>(std::ceil(-std::log10(margin * 100))), 0, 2);
    std::snprintf(text, sizeof text, "%.*f%% \u00b1 %.*f%%, simulated", places, value * 100, places, margin * 100);
    return text;
}

ReturnWorker::~ReturnWorker() {
    current_.thread.request_stop();
    for (auto& job : stopping_) job.thread.request_stop();
}

void ReturnWorker::request(GameId game, const Pay_Table& chart, Done figure, Done risk) {
    if (current_.thread.joinable()) {
        current_.thread.request_stop();
        stopping_.push_back(std::move(current_));
    }
    // A stopped build ends within a few milliseconds; those that have are joined (at once) here.
    std::erase_if(stopping_, [](const Job& job) { return job.finished->load(); });
    auto copy = std::make_shared<Pay_Table>(chart);
    const int coins = game_info(game).full_bet;
    current_.finished = std::make_shared<std::atomic<bool>>(false);
    current_.thread = std::jthread([copy, game, coins, figure = std::move(figure), risk = std::move(risk),
                                    finished = current_.finished](std::stop_token stop) {
        const PayRule rule{game, copy.get(), coins, false, 0};
        const auto r = game_return(rule, 1, stop);
        if (r.complete && !stop.stop_requested()) {
            ReturnReport report{return_figure(r.value, r.margin), {}, {}};
            const auto facts = chart_facts(rule, r);
            if (facts) report.facts = facts_line(*facts);
            figure(report);
            if (facts && risk) {
                const auto table = risk_of_ruin(facts->outcomes, kRiskBankrolls, kRiskHands, stop);
                report.risk = risk_text(table);
                if (table.complete && !stop.stop_requested()) risk(report);
            }
        }
        *finished = true;
    });
}

}  // namespace dw::strategy
