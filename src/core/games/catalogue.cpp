#include "games/catalogue.h"

namespace dw {

namespace {
constexpr TopPrize royal(HandCode code, int32_t amount = 4000) { return {code, amount, kSuperRoyal}; }
constexpr TopPrize natural(HandCode code, int32_t amount = 4000) { return {code, amount, kSuperNatural}; }
}  // namespace

const std::array<GameInfo, kGameCount> kGames = {{
    {1, "Mnu_Jacks", "&Jacks or Better", "Jacks or Better", "Jacks or Better Draw Poker", true, 4000, 5, royal(9)},
    {2, "Mnu_All_American", "All Ameri&can Jacks or Better", "All American Poker",
     "All American Jacks or Better Poker", true, 4000, 5, royal(9)},
    {3, "Mnu_Tens", "&Tens or Better", "Tens or Better", "Tens or Better Draw Poker", true, 4000, 5, royal(9)},
    {4, "Mnu_Deuces", "&Deuces Wild", "Deuces Wild", "Deuces Wild", false, 4000, 5, natural(10), 0, true},
    {5, "Mnu_Deuces_Bonus", "Deuces Wild Bo&nus", "Deuces Wild Bonus", "Deuces Wild Bonus Poker", false, 4000, 5, natural(13), 0, true},
    {6, "Mnu_Deuces_and_Jokers", "Deuces Jo&kers Wild Poker", "Deuces Jokers Wild", "Deuces Jokers Wild Poker",
     false, 10000, 5, natural(10), 1, true, Flow::Draw, 1, 5, {11, 10000, "* SUPER PAYOFF! * 4 Deuces and Joker"}},
    {7, "Mnu_Jokers_Jacks", "Jokers Wild (J&acks or Better)", "Jokers Wild (Jacks+)",
     "Jokers Wild  (Jacks or better)", false, 5000, 5, natural(11, 5000), 1},
    {8, "Mnu_Jokers", "Jokers &Wild (Aces-Kings)", "Jokers Wild (Ace-King)", "Jokers Wild  (Kings or better)",
     false, 4000, 5, natural(11), 1},
    {9, "Mnu_Jokers_2", "Jokers Wild (2 &Pair)", "Jokers Wild (2 pair)", "Jokers Wild  (2 pair or better)", false,
     5000, 5, natural(10, 5000), 1},
    {10, "Mnu_Double_Joker", "D&ouble Jokers Wild Poker", "Double Jokers Wild", "Double Jokers Wild Poker", false,
     4000, 5, natural(10), 2},
    {11, "Mnu_Bonus", "4-of-a-Kind Bo&nus Poker", "Bonus Poker", "4-of-a-Kind Bonus Poker", true, 4000, 5, royal(11)},
    {12, "Mnu_Dbl", "4-of-a-Kind Double &Bonus Poker", "Double Bonus Poker", "4-of-a-Kind Double Bonus Poker", true,
     4000, 5, royal(11)},
    {13, "Mnu_Triple_Bonus", "4-of-a-Kind T&riple Bonus Poker", "Triple Bonus Poker",
     "4-of-a-Kind Triple Bonus Poker", true, 4000, 5, royal(11)},
    {14, "Mnu_Dbl_Dbl", "4-of-a-&Kind Double Double Bonus Poker", "Double Double Bonus",
     "4-of-a-Kind Double Double Bonus Poker", true, 4000, 5, royal(13)},
    {15, "Mnu_Four_plus_Four", "Fo&ur plus Four Bonus Poker", "Four plus Four", "Four plus Four Bonus Poker", true,
     4000, 5, royal(12)},
    {16, "Mnu_Aces", "Aces and Ei&ghts Bonus Poker", "Aces and Eights", "Aces and Eights Bonus Poker", true, 4000,
     5, royal(12)},
    {17, "Mnu_Aces_and_Faces", "Aces and &Faces Bonus Poker", "Aces and Faces", "Aces and Faces Bonus Poker", true,
     4000, 5, royal(13)},
    {18, "Mnu_Hi_5", "Hi-Fi&ves Bonus Poker", "Hi-Fives Bonus Poker", "Hi-Fives Bonus Poker", true, 4000, 5, royal(11)},
    {19, "Mnu_Same_4", "Same 4 Wins &More Bonus Poker", "Same 4 Wins More", "Same 4 Wins More Bonus Poker", true,
     4000, 5, royal(10)},
    {20, "Mnu_Crazy_Eights", "Cra&zy Eights Double Payout Poker", "Crazy Eights", "Crazy Eights Double Payout Poker",
     true, 4000, 5, royal(11), 0, false, Flow::Draw, 1, 5, {}, false, true, false,
     "Three or Four 8's on the Deal is a Winner!"},
    {21, "Mnu_Multi_Payout", "&Hot Hands Multi-Payout Poker", "Multi-Payout Poker", "Hot Hands Multi-Payout Poker",
     true, 4000, 5, royal(9), 0, false, Flow::Draw, 1, 5, {}, true, false, false,
     kMultiPayoutLine},
    {22, "Mnu_Pick_5", "Pick &5 Poker", "Pick Five Poker", "Pick Five Poker", false, 4000, 5, royal(9), 0, false, Flow::PickFive},
    {23, "Mnu_Draw", "Double Down Dr&aw", "Double Down Draw", "Double Down Draw", true, 5000, 10, royal(9, 5000), 0, false, Flow::Draw, 1, 5, {}, false, false, true,
     "Double Your Bet on a Winning Deal!"},
    {24, "Mnu_Stud", "Double Down &Stud", "Double Down Stud", "Double Down Stud", false, 10000, 10, royal(10, 10000), 0, false, Flow::Stud},
    {25, "Mnu_Ride", "&Let It Ride", "Let It Ride", "Let It Ride", false, 15000, 15, {9, 15000, "** SUPER PAYOFF! **  Royal Flush"}, 0, false, Flow::Ride, 3, 15},
}};

bool is_game(GameId game) { return game >= 1 && game <= kGameCount; }

const GameInfo& game_info(GameId game) { return kGames[static_cast<size_t>(game - 1)]; }

}  // namespace dw
