#include "trainer/trainer.h"

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "files/file_io.h"

namespace dw {

std::string write_trainer(const TrainerOptions& o) {
    // Judging by the card adds a fifth line, only when it is on: files of players who never
    // turned it on stay as they were.
    return std::string(o.show_best_hold ? "T" : "F") + "\r\n" + (o.mistake_alert ? "T" : "F") + "\r\n" +
           files::number_line(static_cast<int>(o.speed)) + (o.show_return ? "T" : "F") + "\r\n" +
           (o.judge_by_card ? "T\r\n" : "");
}

std::optional<TrainerOptions> read_trainer(std::string_view text) {
    const auto lines = files::split_lines(text);
    if (lines.size() < 3) return std::nullopt;
    auto flag = [](std::string_view line) -> std::optional<bool> {
        if (line == "T") return true;
        if (line == "F") return false;
        return std::nullopt;
    };
    const auto best = flag(lines[0]), alert = flag(lines[1]);
    const auto speed = files::parse_int(lines[2]);
    if (!best || !alert || !speed || *speed < 0 || *speed > 2) return std::nullopt;
    const auto shown = lines.size() >= 4 ? flag(lines[3]) : std::optional<bool>(false);
    const auto by_card = lines.size() >= 5 ? flag(lines[4]) : std::optional<bool>(false);
    if (!shown || !by_card) return std::nullopt;
    return TrainerOptions{*best, *alert, static_cast<DealSpeed>(*speed), *shown, *by_card};
}

int animation_interval(DealSpeed speed) {
    switch (speed) {
    case DealSpeed::Fast: return 60;
    case DealSpeed::Instant: return 1;
    case DealSpeed::Normal: break;
    }
    return 180;
}

Judgement judge(const std::array<double, 32>& by_position, int held_mask) {
    Judgement j;
    for (int m = 0; m < 32; ++m)
        if (by_position[static_cast<size_t>(m)] > by_position[static_cast<size_t>(j.best_mask)] + 1e-12) j.best_mask = m;
    j.best_ev = by_position[static_cast<size_t>(j.best_mask)];
    j.held_ev = by_position[static_cast<size_t>(held_mask & 31)];
    return j;
}

ThreadedAdvisor::~ThreadedAdvisor() {
    stop_.request_stop();
    if (worker_.joinable()) worker_.join();
}

ThreadedAdvisor::Key ThreadedAdvisor::key_of(const PayRule& rule) const {
    Key k{rule.game, rule.coins, {}};
    for (int r = 0; r < kRows; ++r) k.pays[static_cast<size_t>(r)] = rule.table->pay(rule.game, r);
    return k;
}

void ThreadedAdvisor::reap() {
    if (worker_done_ && worker_.joinable()) {
        // The worker has handed its table over and is leaving: the join returns at once.
        worker_.join();
        worker_done_ = false;
    }
}

void ThreadedAdvisor::evict() {
    auto total = [this] {
        size_t bytes = 0;
        for (const auto& [key, kept] : tables_) bytes += kept.table->bytes();
        return bytes;
    };
    while (tables_.size() > 1 && total() > budget_) {
        auto oldest = tables_.begin();
        for (auto it = tables_.begin(); it != tables_.end(); ++it)
            if (it->second.used < oldest->second.used) oldest = it;
        tables_.erase(oldest);
    }
}

void ThreadedAdvisor::start(const Key& key, const PayRule& rule) {
    if (building_) {
        // The player has moved on: the build under way is stopped, and its worker joined.
        stop_.request_stop();
        mutex_.unlock();
        if (worker_.joinable()) worker_.join();
        mutex_.lock();
        worker_done_ = false;
    }
    reap();
    building_ = key;
    stop_ = std::stop_source();
    // The worker prices with its own copy of the chart; the progressive is left out of hints.
    auto table = std::make_shared<Pay_Table>(*rule.table);
    PayRule copy{rule.game, nullptr, rule.coins, false, 0};
    worker_ = std::thread([this, key, table, copy, stop = stop_.get_token()]() mutable {
        // A background job: the window's thread comes first.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
        copy.table = table.get();
        auto built = std::make_shared<strategy::FinalHandTable>(copy, 1, stop);
        if (!built->stopped()) built->keep_hold_values_only();
        // What the build needed for a moment goes back to the system, not to the worker's arena.
        ::malloc_trim(0);
        std::lock_guard lock(mutex_);
        if (!built->stopped()) tables_[key] = {std::move(built), ++tick_};
        if (building_ == key) building_.reset();
        worker_done_ = true;
        evict();
        ready_.notify_all();
    });
}

std::optional<std::array<double, 32>> ThreadedAdvisor::holds(const PayRule& rule, const Hand& dealt,
                                                             std::span<const CardCode> dead) {
    std::shared_ptr<const strategy::FinalHandTable> table;
    {
        std::lock_guard lock(mutex_);
        reap();
        const Key key = key_of(rule);
        const auto it = tables_.find(key);
        if (it == tables_.end()) {
            if (building_ != key) start(key, rule);
            return std::nullopt;
        }
        it->second.used = ++tick_;
        table = it->second.table;
    }
    // A hand that is not one of the deck's (the face-down cards between hands) has no holds.
    if (strategy::cards_problem(table->deck(), dealt, dead)) return std::nullopt;
    std::array<double, 32> out{};
    for (const auto& h : strategy::analyse_holds(*table, dealt, dead)) out[static_cast<size_t>(h.mask)] = h.ev;
    return out;
}

void ThreadedAdvisor::prepare(const PayRule& rule) {
    std::lock_guard lock(mutex_);
    reap();
    const Key key = key_of(rule);
    if (!tables_.count(key) && building_ != key) start(key, rule);
}

void ThreadedAdvisor::wait(const PayRule& rule) {
    std::unique_lock lock(mutex_);
    const Key key = key_of(rule);
    if (!tables_.count(key) && building_ != key) start(key, rule);
    ready_.wait(lock, [&] { return tables_.count(key) != 0; });
    tables_[key].used = ++tick_;
    reap();
}

bool ThreadedAdvisor::has_table(const PayRule& rule) {
    std::lock_guard lock(mutex_);
    return tables_.count(key_of(rule)) != 0;
}

size_t ThreadedAdvisor::workers() {
    std::lock_guard lock(mutex_);
    reap();
    return worker_.joinable() ? 1 : 0;
}

}  // namespace dw
