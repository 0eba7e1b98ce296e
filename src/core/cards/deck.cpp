#include "cards/deck.h"

namespace dw {

void Shuffle_Deck(CardState& cards, int jokers, Rng& rng) {
    static constexpr char kSuits[4] = {'H', 'D', 'C', 'S'};
    auto& fresh = cards.Fresh_Deck;
    for (int s = 1; s <= 4; ++s)
        for (int16_t rank = 2; rank <= 14; ++rank)
            fresh[static_cast<size_t>((s - 1) * 13 + (rank - 1))] = make_card(rank, kSuits[s - 1]);

    int r1 = 0;
    if (jokers >= 1) {
        r1 = rnd_1_to(rng, 52);
        cards.Deck[53] = fresh[static_cast<size_t>(r1)];
        fresh[static_cast<size_t>(r1)].Value = 1;
        fresh[static_cast<size_t>(r1)].Image = kFirstJokerImage;
    }
    if (jokers == 2) {
        int r2;
        do r2 = rnd_1_to(rng, 52);
        while (r2 == r1);
        cards.Deck[54] = fresh[static_cast<size_t>(r2)];
        fresh[static_cast<size_t>(r2)].Value = 1;
        fresh[static_cast<size_t>(r2)].Image = kSecondJokerImage;
    }

    for (int n = 52; n >= 2; --n) {
        const int r = rnd_1_to(rng, n);
        cards.Deck[static_cast<size_t>(n)] = fresh[static_cast<size_t>(r)];
        for (int i = r; i < n; ++i) fresh[static_cast<size_t>(i)] = fresh[static_cast<size_t>(i + 1)];
    }
    cards.Deck[1] = fresh[1];
    cards.Next_Card = 1;
}

void Prepare_Hand_Cards(CardState& cards, int jokers, Rng& rng, CardLibrary& library) {
    if (!cards.no_hand_yet()) library.SetCurrentBack(rnd_1_to(rng, 6));
    Shuffle_Deck(cards, jokers, rng);
}

}  // namespace dw
