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

// What the worker found: the return as a chart shows it, the facts of one hand and the risk
// table (both empty for a game whose pay is not one row's pay, see chart_facts).
struct ReturnReport {
    std::string figure;
    std::string facts;
    std::string risk;
};

// Works out the return of perfect play of a chart at its full bet (the progressive left out) on a
// thread of its own, so the window never waits. A new request stops the one before it; `figure`
// is called with the report's figure and facts on the worker's thread as soon as the return is
// known, and `risk`, when given, once the risk table is too; neither for a stopped request. Pick
// Five's figure is simulated over 100,000 hands.
class ReturnWorker {
public:
    ReturnWorker() = default;
    ReturnWorker(const ReturnWorker&) = delete;
    ReturnWorker& operator=(const ReturnWorker&) = delete;
    ~ReturnWorker();
    using Done = std::function<void(const ReturnReport&)>;
    void request(GameId game, const Pay_Table& chart, Done figure, Done risk = {});

private:
    struct Job {
        std::shared_ptr<std::atomic<bool>> finished;
        std::jthread thread;
    };
    Job current_;
    std::vector<Job> stopping_;  // stopped requests, let go once they have finished
};

}  // namespace dw::strategy
