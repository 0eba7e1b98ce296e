#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

#include "games/pay_table.h"
#include "types.h"

namespace dw::strategy {

// Whether the return of perfect play of a game is worked out exactly; Pick Five's is simulated,
// too slow and too rough to show beside a chart.
bool has_exact_return(GameId game);

// Works out the return of perfect play of a chart at its full bet (the progressive left out) on a
// thread of its own, so the window never waits. A new request stops the one before it; `done` is
// called on the worker's thread once a request completes, and never for a stopped one.
class ReturnWorker {
public:
    ReturnWorker() = default;
    ReturnWorker(const ReturnWorker&) = delete;
    ReturnWorker& operator=(const ReturnWorker&) = delete;
    ~ReturnWorker();
    void request(GameId game, const Pay_Table& chart, std::function<void(double)> done);

private:
    struct Job {
        std::shared_ptr<std::atomic<bool>> finished;
        std::jthread thread;
    };
    Job current_;
    std::vector<Job> stopping_;  // stopped requests, let go once they have finished
};

}  // namespace dw::strategy
