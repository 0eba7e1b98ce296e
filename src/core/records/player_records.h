#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/stats.h"

namespace dw {

// Who is playing: the four players' names, the number of the one at the machine and that
// player's statistics, with the names of the player's own record files.
struct PlayerRecords {
    int16_t Player_Number = 1;
    std::array<std::string, 4> player_names{"Player 1", "Player 2", "Player 3", "Player 4"};
    Stats stats;

    const std::string& name() const { return player_names[static_cast<size_t>(Player_Number - 1)]; }
    // The player's record file of `stem`: "STATS" -> "STATS1.VPK".
    std::string file(std::string_view stem) const { return std::string(stem) + std::to_string(Player_Number) + ".VPK"; }
};

}  // namespace dw
