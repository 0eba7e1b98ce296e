#include "round/multi_hand.h"

#include "games/catalogue.h"

namespace dw {

bool offers_several_hands(GameId game) {
    return is_game(game) && game <= 21 && game_info(game).flow == Flow::Draw;
}

void ExtraHands::draw(const Hand& dealt, int held_mask, std::span<const CardCode> undealt, int count, Rng& rng) {
    cards.assign(static_cast<size_t>(std::max(0, count)), dealt);
    std::vector<CardCode> deck(undealt.begin(), undealt.end());
    for (Hand& hand : cards) {
        // A fresh shuffle of the undealt cards for each hand: the last place takes a card at
        // random from those before it, and so on down.
        for (size_t i = deck.size(); i > 1; --i) std::swap(deck[i - 1], deck[static_cast<size_t>(rnd_1_to(rng, static_cast<int>(i)) - 1)]);
        size_t next = 0;
        for (size_t p = 0; p < 5; ++p)
            if (!(held_mask & (1 << p)) && next < deck.size()) hand[p] = deck[next++];
    }
}

}  // namespace dw
