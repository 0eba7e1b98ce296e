#include "records/stats.h"

#include <algorithm>
#include <limits>

#include "files/file_io.h"
#include "types.h"

namespace dw {

int32_t add_saturated(int32_t a, int64_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void Stats::clear_session() {
    for (auto& slot : Game_Stats) slot[kThisSession] = {0, 0};
    for (auto& slot : Hand_Stats)
        for (auto& row : slot) row[kSessionCount] = 0;
}

void Stats::clear_all() {
    Game_Stats = {};
    Hand_Stats = {};
}

void Stats::record(int slot, int row, int32_t played, int32_t won) {
    for (int scope : {kAllSessions, kThisSession}) {
        auto& g = Game_Stats[static_cast<size_t>(slot)][static_cast<size_t>(scope)];
        g[kPlayed] = add_saturated(g[kPlayed], played);
        g[kWon] = add_saturated(g[kWon], won);
    }
    count(slot, row);
}

void Stats::count(int slot, int row) {
    for (auto& c : Hand_Stats[static_cast<size_t>(slot)][static_cast<size_t>(row)]) c = add_saturated(c, 1);
}

void Stats::add_won(int slot, int32_t won) {
    for (int scope : {kAllSessions, kThisSession}) {
        auto& g = Game_Stats[static_cast<size_t>(slot)][static_cast<size_t>(scope)];
        g[kWon] = add_saturated(g[kWon], won);
    }
}

bool Stats::add_winnings(int64_t delta) {
    for (auto w : Winnings)
        if (!fits32(static_cast<int64_t>(w) + delta)) return false;
    for (auto& w : Winnings) w = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(w) + delta, 99999));
    return true;
}

std::string write_stats(const Stats& s) {
    std::string out;
    for (int slot = 1; slot <= kSideBetSlot; ++slot) {
        out += files::number_line(s.Game_Stats[static_cast<size_t>(slot)][Stats::kAllSessions][Stats::kPlayed]);
        out += files::number_line(s.Game_Stats[static_cast<size_t>(slot)][Stats::kAllSessions][Stats::kWon]);
    }
    for (int slot = 1; slot <= kSideBetSlot; ++slot)
        for (int row = 0; row <= 20; ++row)
            out += files::number_line(s.Hand_Stats[static_cast<size_t>(slot)][static_cast<size_t>(row)][Stats::kAllCount]);
    return out;
}

std::optional<Stats> read_stats(std::string_view text) {
    const auto lines = files::split_lines(text);
    if (lines.size() < 598) return std::nullopt;
    Stats s;
    size_t i = 0;
    for (int slot = 1; slot <= kSideBetSlot; ++slot)
        for (int field : {Stats::kPlayed, Stats::kWon}) {
            const auto v = files::parse_int(lines[i++]);
            if (!v) return std::nullopt;
            s.Game_Stats[static_cast<size_t>(slot)][Stats::kAllSessions][static_cast<size_t>(field)] = *v;
        }
    for (int slot = 1; slot <= kSideBetSlot; ++slot)
        for (int row = 0; row <= 20; ++row) {
            const auto v = files::parse_int(lines[i++]);
            if (!v) return std::nullopt;
            s.Hand_Stats[static_cast<size_t>(slot)][static_cast<size_t>(row)][Stats::kAllCount] = *v;
        }
    return s;
}

}  // namespace dw
