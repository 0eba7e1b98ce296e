#pragma once
#include <array>

#include "cards/card.h"
#include "types.h"

namespace dw {

// One flag per Hot Hands category (index 0 = pair of Jacks or better ... 8 = royal flush).
using HotHits = std::array<int16_t, 9>;

// Natural hands (no wild cards). Each returns the HandCode numbering of its games.
int16_t Rank_Natural(const Hand& hand);  // basic class 0..6 (pair of Jacks+ .. full house)
HandCode Check_Jacks(const Hand& hand);
HandCode Check_Tens(const Hand& hand);
HandCode Check_Bonus(const Hand& hand);
HandCode Check_Double_Double(const Hand& hand);
HandCode Check_Four_Plus_Four(const Hand& hand);
HandCode Check_Aces_Eights(const Hand& hand);
HandCode Check_Aces_Faces(const Hand& hand);
HandCode Check_Hi_Fives(const Hand& hand);
HandCode Check_Same_Four(const Hand& hand);

// Wild-card hands.
HandCode Check_Deuces(const Hand& hand);
HandCode Check_Deuces_Bonus(const Hand& hand);
HandCode Check_Deuces_Jokers(const Hand& hand);
HandCode Check_Jokers_Jacks(const Hand& hand);
HandCode Check_Jokers_Kings(const Hand& hand);
HandCode Check_Double_Jokers(const Hand& hand);

// Games with rules of their own.
HandCode Check_Crazy_Eights(const Hand& hand);
HandCode Check_Hot_Hands(const Hand& hand, HotHits& hits);
HandCode Check_Stud(const Hand& hand);

// Partial hands while only three or four cards are face up (suits are not looked at).
int16_t Check_Ride_Three(const Hand& hand);
int16_t Check_Ride_Four(const Hand& hand);
int16_t Check_Stud_Four(const Hand& hand);

// The single entry of the play machine: the evaluator of the game. Hot Hands writes `hits`
// when given. A game outside 1..25 throws FatalError ("Error in Check_Hand!").
HandCode Check_Hand(GameId game, const Hand& hand, HotHits* hits = nullptr);

// Number of chart rows (largest HandCode) of a game.
int16_t row_count_of(GameId game);

}  // namespace dw
