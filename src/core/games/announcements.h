#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "types.h"

namespace dw {

// The message line of a dealt hand that wins nothing (draw games; Let It Ride shows nothing).
inline constexpr std::string_view kHoldAndDraw = "Hold and Draw Cards";

// The announcement of a hand in the message line (without its two leading blanks), by game
// and HandCode 1..n; nothing when the game has no such code.
std::optional<std::string_view> announcement(GameId game, HandCode code);

// The name the payoff gives a hand (code 0 "Sorry, try again!"); nothing outside the tables.
// Game 20 has no name for the dealt-only codes 3 and 8.
std::optional<std::string_view> payoff_name(GameId game, HandCode code);

// The key sound of an announcement: "jacks1.wav", "fourkind.wav", ...
std::string_view announcement_key(std::string_view text);

}  // namespace dw
