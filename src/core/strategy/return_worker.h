#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "games/pay_table.h"
#include "types.h"

namespace dw::strategy {

// The return of perfect play as a chart shows it: "99.54%" when it is exact; a simulated one
// (Pick Five's) with its 95% margin, to the digits the margin supports: "152% \u00b1 4%, simulated".
std::string return_figure(double value, double margin);

// Works out the return of perfect play of a chart at its full bet (the progressive left out) on a
// thread of its own, so the window never waits. A new request stops the one before it; `done` is
// called with the figure (return_figure) on the worker's thread once a request completes, and
// never for a stopped one. Pick Five's figure is simulated over 100,000 hands.
class ReturnWorker {
public:
    ReturnWorker() = default;
    ReturnWorker(const ReturnWorker&) = delete;
    ReturnWorker& operator=(const ReturnWorker&) = delete;
    ~ReturnWorker();
    void request(GameId game, const Pay_Table& chart, std::function<void(const std::string&)> done);

private:
    struct Job {
        std::shared_ptr<std::atomic<bool>> finished;
        std::jthread thread;
    };
    Job current_;
    std::vector<Job> stopping_;  // stopped requests, let go once they have finished
};

}  // namespace dw::strategy
