#pragma once
#include <span>
#include <vector>

#include "cards/card.h"
#include "cards/rng.h"
#include "eval/evaluators.h"
#include "types.h"

namespace dw {

// The choices of hands per deal, and the setting that keeps the player's choice.
inline constexpr int kHandChoices[] = {1, 3, 5, 10};
inline constexpr const char* kHandsSetting = "hands";

// Several hands from one deal are played in the draw games 1 to 21 (not Pick Five, Double Down
// Draw or the stud games).
bool offers_several_hands(GameId game);

// The hands above the main one in a round of several hands: the held cards copied to each, the
// rest drawn from its own deck (the undealt cards of the deal, shuffled anew for each hand).
struct ExtraHands {
    std::vector<Hand> cards;  // lowest first, as dealt and drawn
    void draw(const Hand& dealt, int held_mask, std::span<const CardCode> undealt, int count, Rng& rng);
    void clear() { cards.clear(); }
};

}  // namespace dw
