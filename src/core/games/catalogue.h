#pragma once
#include <array>
#include <string_view>

#include "types.h"

namespace dw {

// How a hand of the game runs from the bet to the payoff.
enum class Flow : int8_t { Draw, PickFive, Stud, Ride };

// A fixed prize paid instead of the chart at the game's maximum bet.
struct TopPrize {
    HandCode code = 0;  // 0: none; in Hot Hands the pay line (9, the royal flush)
    int32_t amount = 0;
    std::string_view name;
};

inline constexpr std::string_view kSuperRoyal = "** SUPER PAYOFF! ** Royal Flush";
inline constexpr std::string_view kMultiPayoutLine = "All Winning Combinations Paid: One Payout Per Pay Line!";
inline constexpr std::string_view kSuperNatural = "* SUPER PAYOFF! * Natural Royal Flush";

// Everything that differs per game.
struct GameInfo {
    GameId id;
    std::string_view menu_item;     // Mnu_ name of the game's menu entry
    std::string_view menu_caption;  // with its accelerator
    std::string_view list_text;     // Lst_Games entry
    std::string_view chart_title;   // after "Winning Hands for "
    bool side_bet;                  // Juicy Jackpots may run with the game
    int16_t top_award;
    int16_t max_bet;                // also the bet that pays the fixed top prize
    TopPrize top;
    int16_t jokers = 0;             // jokers added to the deck
    bool deuces_wild = false;       // deuces are wild: autohold, wild markers, double-up comparison
    Flow flow = Flow::Draw;
    int16_t bet_step = 1;           // coins of one Play 1
    int16_t full_bet = 5;           // the bet that deals by itself
    TopPrize second_top{};          // a second fixed prize (Deuces Jokers Wild's four deuces and joker)
    bool every_line = false;        // Hot Hands: every winning pay line pays
    bool eights_bonus = false;      // Crazy Eights: three or four eights pay on the deal
    bool doubles_winning_deal = false;  // Double Down Draw: a winning deal doubles the bet
    std::string_view selection_line{};  // Lbl_Multi_Payout while the game is chosen
    bool wild() const { return jokers > 0 || deuces_wild; }
};

extern const std::array<GameInfo, kGameCount> kGames;

// The catalogue row of a game 1..25.
const GameInfo& game_info(GameId game);

// The jokers of a game's deck, and its size: 52, 53 with one joker (games 6..9), 54 with two (game 10).
inline int joker_count(GameId game) { return game_info(game).jokers; }
inline int deck_size(GameId game) { return 52 + joker_count(game); }
bool is_game(GameId game);

// Menu entries of the game menu that select nothing.
inline constexpr std::string_view kJokerSubmenu = "Mnu_Joker";
inline constexpr std::string_view kBonusSubmenu = "Mnu_Bonus_Header";
inline constexpr std::string_view kDoubleDownDeuces = "Mnu_Double_Down_Deuces";

}  // namespace dw
