#pragma once
#include <array>

#include "cards/card.h"
#include "cards/card_library.h"
#include "cards/rng.h"
#include "types.h"

namespace dw {

// The card state of the machine. Deck and Fresh_Deck are indexed from 1 as the dealer counts;
// element 0 is unused. Deck positions 53 and 54 hold the natural cards that jokers displaced.
struct CardState {
    std::array<CardCode, 55> Deck{};
    std::array<CardCode, 53> Fresh_Deck{};
    int16_t Next_Card = 1;
    Hand hand{};  // position p is hand[p - 1]

    CardCode& Hand_At(int p) { return hand[static_cast<size_t>(p - 1)]; }
    const CardCode& Hand_At(int p) const { return hand[static_cast<size_t>(p - 1)]; }
    bool no_hand_yet() const { return hand[0].Value == kEmptyHandMarker; }
    // Takes the next card of the deck into hand position p.
    void take_card(int p) { Hand_At(p) = Deck[static_cast<size_t>(Next_Card++)]; }
};

// Builds the ordered deck, puts `jokers` (0, 1 or 2) in for natural cards chosen at random,
// shuffles by drawing without replacement from the back, and sets Next_Card to 1.
void Shuffle_Deck(CardState& cards, int jokers, Rng& rng);

// The card steps of preparing a hand: a new random back (unless no hand was dealt yet), then
// a fresh shuffle.
void Prepare_Hand_Cards(CardState& cards, int jokers, Rng& rng, CardLibrary& library);

}  // namespace dw
