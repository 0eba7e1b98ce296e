#include "trainer/trainer.h"

#include "files/file_io.h"

namespace dw {

std::string write_trainer(const TrainerOptions& o) {
    return std::string(o.show_best_hold ? "T" : "F") + "\r\n" + (o.mistake_alert ? "T" : "F") + "\r\n" +
           files::number_line(static_cast<int>(o.speed)) + (o.show_return ? "T" : "F") + "\r\n";
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
    if (!shown) return std::nullopt;
    return TrainerOptions{*best, *alert, static_cast<DealSpeed>(*speed), *shown};
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
    for (auto& w : workers_) w.join();
}

ThreadedAdvisor::Key ThreadedAdvisor::key_of(const PayRule& rule) const {
    Key k{rule.game, rule.coins, {}};
    for (int r = 0; r < kRows; ++r) k.pays[static_cast<size_t>(r)] = rule.table->pay(rule.game, r);
    return k;
}

void ThreadedAdvisor::start(const Key& key, const PayRule& rule) {
    // The worker prices with its own copy of the chart; the progressive is left out of hints.
    building_[key] = true;
    auto table = std::make_shared<Pay_Table>(*rule.table);
    PayRule copy{rule.game, nullptr, rule.coins, false, 0};
    workers_.emplace_back([this, key, table, copy]() mutable {
        copy.table = table.get();
        auto built = std::make_shared<const strategy::FinalHandTable>(copy, 1);
        std::lock_guard lock(mutex_);
        if (tables_.size() >= 4) tables_.erase(tables_.begin());
        tables_[key] = std::move(built);
        building_.erase(key);
        ready_.notify_all();
    });
}

std::optional<std::array<double, 32>> ThreadedAdvisor::holds(const PayRule& rule, const Hand& dealt,
                                                             std::span<const CardCode> dead) {
    std::shared_ptr<const strategy::FinalHandTable> table;
    {
        std::lock_guard lock(mutex_);
        const Key key = key_of(rule);
        const auto it = tables_.find(key);
        if (it == tables_.end()) {
            if (!building_.count(key)) start(key, rule);
            return std::nullopt;
        }
        table = it->second;
    }
    std::array<double, 32> out{};
    for (const auto& h : strategy::analyse_holds(*table, dealt, dead)) out[static_cast<size_t>(h.mask)] = h.ev;
    return out;
}

void ThreadedAdvisor::wait(const PayRule& rule) {
    std::unique_lock lock(mutex_);
    const Key key = key_of(rule);
    if (!tables_.count(key) && !building_.count(key)) start(key, rule);
    ready_.wait(lock, [&] { return tables_.count(key) != 0; });
}

}  // namespace dw
