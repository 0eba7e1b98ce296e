#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dw {

// Per-player statistics: credits played and won per game (slot 26 is the side bet), hands
// made per chart row, and the two net winnings totals.
struct Stats {
    enum Scope { kAllSessions = 0, kThisSession = 1 };
    enum Field { kPlayed = 0, kWon = 1 };
    enum Count { kSessionCount = 0, kAllCount = 1 };
    enum WinningsScope { kSessionWinnings = 0, kAllWinnings = 1 };

    // Game_Stats[slot][scope][field]
    std::array<std::array<std::array<int32_t, 2>, 2>, 27> Game_Stats{};
    // Hand_Stats[slot][row][count]
    std::array<std::array<std::array<int32_t, 2>, 21>, 27> Hand_Stats{};
    std::array<int32_t, 2> Winnings{};

    void clear_session();
    void clear_all();
    // A hand: its bet and win in the game's row, one count in the hand's row.
    void record(int slot, int row, int32_t played, int32_t won);
    // A count in a row without money (the extra Hot Hands count, the Crazy Eights bonus row).
    void count(int slot, int row);
    void add_won(int slot, int32_t won);
    // Adds to both totals, each capped at 99,999 above; false (and nothing changed) when one would fall
    // below what its field can hold.
    bool add_winnings(int64_t delta);
};

// STATSn.VPK: 598 lines, the all-sessions values.
std::string write_stats(const Stats& stats);
// Reads the all-sessions values into a table whose session values are zero; nothing when the
// file is short or a line is not a 32-bit number.
std::optional<Stats> read_stats(std::string_view text);

// Saturating 32-bit addition for counters that must never wrap.
int32_t add_saturated(int32_t a, int64_t b);
// Whether a result fits a 32-bit money or statistics field.
constexpr bool fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

}  // namespace dw
