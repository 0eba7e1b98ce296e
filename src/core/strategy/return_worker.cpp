#include "strategy/return_worker.h"

#include <memory>

#include "games/catalogue.h"
#include "strategy/variant_returns.h"

namespace dw::strategy {

bool has_exact_return(GameId game) { return is_game(game) && game_info(game).flow != Flow::PickFive; }

ReturnWorker::~ReturnWorker() {
    current_.thread.request_stop();
    for (auto& job : stopping_) job.thread.request_stop();
}

void ReturnWorker::request(GameId game, const Pay_Table& chart, std::function<void(double)> done) {
    if (current_.thread.joinable()) {
        current_.thread.request_stop();
        stopping_.push_back(std::move(current_));
    }
    // A stopped build ends within a few milliseconds; those that have are joined (at once) here.
    std::erase_if(stopping_, [](const Job& job) { return job.finished->load(); });
    auto copy = std::make_shared<Pay_Table>(chart);
    const int coins = game_info(game).full_bet;
    current_.finished = std::make_shared<std::atomic<bool>>(false);
    current_.thread = std::jthread([copy, game, coins, done = std::move(done), finished = current_.finished](
                                       std::stop_token stop) {
        const auto r = game_return({game, copy.get(), coins, false, 0}, 1, stop);
        if (r.complete && !stop.stop_requested()) done(r.value);
        *finished = true;
    });
}

}  // namespace dw::strategy
