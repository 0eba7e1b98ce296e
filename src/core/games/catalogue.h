#pragma once
#include <array>
#include <string_view>

#include "types.h"

namespace dw {

// Everything that differs per game at selection time.
struct GameInfo {
    GameId id;
    std::string_view menu_item;     // Mnu_ name of the game's menu entry
    std::string_view menu_caption;  // with its accelerator
    std::string_view list_text;     // Lst_Games entry
    std::string_view chart_title;   // after "Winning Hands for "
    bool side_bet;                  // Juicy Jackpots may run with the game
    int16_t top_award;
    int16_t max_bet;
};

extern const std::array<GameInfo, kGameCount> kGames;

// The catalogue row of a game 1..25.
const GameInfo& game_info(GameId game);
bool is_game(GameId game);

// Menu entries of the game menu that select nothing.
inline constexpr std::string_view kJokerSubmenu = "Mnu_Joker";
inline constexpr std::string_view kBonusSubmenu = "Mnu_Bonus_Header";
inline constexpr std::string_view kDoubleDownDeuces = "Mnu_Double_Down_Deuces";

}  // namespace dw
