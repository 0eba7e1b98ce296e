#pragma once
#include <cstdint>

namespace dw {

using GameId = int16_t;    // 1..25; 26 names the side-bet chart slot
using HandCode = int16_t;  // 0 no win, 1..n the chart rows of the game

constexpr int kGameCount = 25;
constexpr int kSideBetSlot = 26;

}  // namespace dw
