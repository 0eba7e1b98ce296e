#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dw {

// One session of the trainer: the holds it judged, the mistakes among them and their cost.
struct SessionLog {
    int64_t start = 0;  // seconds since 1970
    int decisions = 0;
    int mistakes = 0;
    double cost = 0;    // credits given up
    double accuracy() const { return decisions ? 100.0 * (decisions - mistakes) / decisions : 100.0; }
    double cost_per_100() const { return decisions ? 100.0 * cost / decisions : 0.0; }
    bool operator==(const SessionLog&) const = default;
};

// The player's sessions, TRAINLOGn.VPK: a line each ("start;decisions;mistakes;cost"), oldest
// first, the newest 1,000 kept; a line that cannot be read is left out.
inline constexpr size_t kSessionsKept = 1000;
std::string write_sessions(const std::vector<SessionLog>& sessions);
std::vector<SessionLog> read_sessions(std::string_view text);

// What the progress window shows.
struct ProgressModel {
    const std::vector<SessionLog>& sessions;
};

}  // namespace dw
