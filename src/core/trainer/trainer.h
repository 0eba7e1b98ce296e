#pragma once
#include <array>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <stop_token>
#include <thread>

#include "cards/card.h"
#include "games/pay_rule.h"
#include "strategy/hold_analysis.h"

namespace dw {

enum class DealSpeed : int8_t { Normal, Fast, Instant };

// The trainer's options, kept per player in TRAINERn.VPK beside the other records.
struct TrainerOptions {
    bool show_best_hold = false;
    bool mistake_alert = false;
    DealSpeed speed = DealSpeed::Normal;
    bool show_return = false;  // the return of perfect play in the chart's title line
    bool judge_by_card = false;  // holds judged by the chart's strategy card, not by perfect play
    bool operator==(const TrainerOptions&) const = default;
};
std::string write_trainer(const TrainerOptions& options);
// Nothing when the file is not a trainer file: the caller then turns everything off.
std::optional<TrainerOptions> read_trainer(std::string_view text);
// The interval of the deal and draw animations at a speed, in milliseconds.
int animation_interval(DealSpeed speed);

// How many holds were judged, per game this session (the mistakes among them are in the record).
struct Accuracy {
    int decisions = 0;
};

// The judgement of one hold: the best hold and what the player's hold gives up against it.
struct Judgement {
    int best_mask = 0;
    double best_ev = 0;
    double held_ev = 0;
    bool mistake() const { return held_ev < best_ev - 1e-9; }
};
Judgement judge(const std::array<double, 32>& by_position, int held_mask);

// The hold values of dealt hands, worked out away from the window's thread: the tables of a pay
// rule are built by a worker when the rule is first asked for; until then there is no answer.
class HoldAdvisor {
public:
    virtual ~HoldAdvisor() = default;
    // The 32 hold values by position mask (bit p - 1 holds position p), once ready; `dead` are
    // cards seen and out of the draw (Pick Five's refused cards).
    virtual std::optional<std::array<double, 32>> holds(const PayRule& rule, const Hand& dealt,
                                                        std::span<const CardCode> dead = {}) = 0;
    // The table of `rule` starts building now, if it is not there yet (no hand is looked at).
    virtual void prepare(const PayRule& rule) = 0;
};

// Builds one table at a time on a worker thread of low priority and keeps the tables used most
// recently, within a memory budget. Only the pay sums a hold's value needs are kept (about 3 MB a
// chart). A build for a chart the player has left is stopped when another chart is asked for; a
// finished worker is joined at the next call.
class ThreadedAdvisor : public HoldAdvisor {
public:
    explicit ThreadedAdvisor(size_t budget_bytes = 24u << 20) : budget_(budget_bytes) {}
    ~ThreadedAdvisor() override;
    std::optional<std::array<double, 32>> holds(const PayRule& rule, const Hand& dealt,
                                                std::span<const CardCode> dead = {}) override;
    void prepare(const PayRule& rule) override;
    // Blocks until the table of `rule` is ready (for tests and tools).
    void wait(const PayRule& rule);
    // Whether the table of `rule` is kept now, and how many workers are still held (for tests).
    bool has_table(const PayRule& rule);
    size_t workers();

private:
    struct Key {
        int game, coins;
        std::array<int32_t, 21> pays;
        bool operator<(const Key& o) const { return std::tie(game, coins, pays) < std::tie(o.game, o.coins, o.pays); }
        bool operator==(const Key& o) const = default;
    };
    struct Kept {
        std::shared_ptr<const strategy::FinalHandTable> table;
        uint64_t used = 0;  // the tick of the last use
    };
    Key key_of(const PayRule& rule) const;
    void start(const Key& key, const PayRule& rule);  // with the mutex held
    void reap();                                      // joins finished workers; with the mutex held
    void evict();                                     // the least recently used, down to the budget
    size_t budget_;
    uint64_t tick_ = 0;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::map<Key, Kept> tables_;
    std::optional<Key> building_;
    std::stop_source stop_;
    std::thread worker_;
    bool worker_done_ = false;
};

}  // namespace dw
