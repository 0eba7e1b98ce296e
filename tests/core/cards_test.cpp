#include <random>
#include <set>

#include "cards/deck.h"
#include "games/catalogue.h"
#include "test_support.h"

namespace dw {
namespace {

using test::RecordingCardLibrary;
using test::ScriptedRng;

// A card's picture number follows the library's numbering, its name reads as a person says it,
// and a hand's text takes blanks but no typo.
TEST(Cards, PicturesNamesAndText) {
    const std::pair<const char*, int> images[] = {{"AC", 1}, {"2C", 2}, {"KC", 13}, {"AD", 14}, {"2D", 15}, {"KD", 26},
                                                  {"AH", 27}, {"TH", 36}, {"AS", 40}, {"QS", 51}, {"KS", 52}};
    for (const auto& [card, image] : images) EXPECT_EQ(parse_card(card)->Image, image) << card;
    const std::pair<CardCode, const char*> names[] = {
        {make_card(10, 'S'), "10 of Spades"},  {make_card(12, 'H'), "Queen of Hearts"}, {make_card(2, 'D'), "2 of Diamonds"},
        {make_card(14, 'C'), "Ace of Clubs"},  {make_card(11, 'C'), "Jack of Clubs"},   {make_card(13, 'D'), "King of Diamonds"},
        {make_joker(110, 'H'), "Joker"},       {make_joker(111, 'C'), "Joker"}};
    for (const auto& [card, name] : names) EXPECT_EQ(Card_Name(card), name);
    for (const char* typo : {"TH JH QH KH", "TH JH QH KH 1H", "TH JH QH KH AX", "TH JH QH KH AH 2C"}) EXPECT_FALSE(parse_hand(typo)) << typo;
    ASSERT_TRUE(parse_hand("TH JH QH KH AH"));
    EXPECT_EQ(parse_hand("  TH JH  QH KH AH  "), parse_hand("TH JH QH KH AH"));  // blanks around and between
    const auto two_jokers = parse_hand("JK JK 2C 3D 4S");
    ASSERT_TRUE(two_jokers);
    EXPECT_EQ(std::pair((*two_jokers)[0].Image, (*two_jokers)[1].Image), std::pair(int16_t{110}, int16_t{111}));
}

// Whatever the random numbers, positions 1..52 hold the 52 dealable cards once each: the
// naturals, with the game's jokers in place of the cards moved to 53 and 54.
TEST(Shuffle, EveryGameDealsAPermutationWithItsJokers) {
    ClockRng rng(12345);
    for (GameId game = 1; game <= 25; ++game) {
        for (int round = 0; round < 20; ++round) {
            CardState cards;
            cards.Deck[53] = cards.Deck[54] = CardCode{77, 'X', 77};
            cards.Next_Card = 9;
            Shuffle_Deck(cards, joker_count(game), rng);
            EXPECT_EQ(cards.Next_Card, 1);
            std::set<int> naturals, jokers;
            for (int p = 1; p <= 52; ++p) {
                const auto& c = cards.Deck[static_cast<size_t>(p)];
                if (c.Value == 1) jokers.insert(c.Image);
                else {
                    EXPECT_EQ(c.Image, image_of(c.Value, c.Suit));
                    EXPECT_TRUE(naturals.insert(c.Image).second) << "card twice in game " << game;
                }
            }
            const int expected_jokers = game == 10 ? 2 : (game >= 6 && game <= 9 ? 1 : 0);
            ASSERT_EQ(jokers, (expected_jokers == 2 ? std::set<int>{110, 111} : expected_jokers ? std::set<int>{110} : std::set<int>{}))
                << "game " << game;
            // The displaced naturals lie below the dealable cards, and no natural is lost.
            for (int p = 53; p < 53 + expected_jokers; ++p)
                EXPECT_TRUE(naturals.insert(cards.Deck[static_cast<size_t>(p)].Image).second);
            EXPECT_EQ(naturals.size(), 52u);
            for (int p = 53 + expected_jokers; p <= 54; ++p) EXPECT_EQ(cards.Deck[static_cast<size_t>(p)].Value, 77);
        }
    }
}

// With Rnd always just below 1, every draw takes the last card left, so the deck keeps the
// build order: hearts 2..A, diamonds, clubs, spades. With Rnd 0 every draw takes the first card
// left, which fills the deck from the back and so reverses the order.
TEST(Shuffle, BuildOrderAndFillFromTheBack) {
    CardState high, low;
    ScriptedRng almost_one({}, 0.999999), zero({}, 0.0);
    Shuffle_Deck(high, 0, almost_one);
    Shuffle_Deck(low, 0, zero);
    const char suits[] = {'H', 'D', 'C', 'S'};
    for (int s = 0; s < 4; ++s)
        for (int rank = 2; rank <= 14; ++rank) {
            const int pos = s * 13 + rank - 1;
            const CardCode expected = make_card(static_cast<int16_t>(rank), suits[s]);
            EXPECT_EQ(high.Deck[static_cast<size_t>(pos)], expected) << pos;
            EXPECT_EQ(low.Deck[static_cast<size_t>(53 - pos)], expected) << pos;
        }
    EXPECT_EQ(almost_one.calls, 51);
}

// The first random number picks the card the joker replaces; the second joker draws again
// until it picks another place.
TEST(Shuffle, JokersDisplaceTheCardsTheyReplace) {
    // r1 = Int(0.5 * 52 + 1) = 27: the 2 of clubs. Then the second joker draws 27 again
    // (rejected) and then Int(0.0 * 52 + 1) = 1: the 2 of hearts.
    ScriptedRng rng({0.5, 0.5, 0.0}, 0.999999);
    CardState cards;
    Shuffle_Deck(cards, 2, rng);
    EXPECT_EQ(cards.Deck[53], make_card(2, 'C'));
    EXPECT_EQ(cards.Deck[54], make_card(2, 'H'));
    // With the fill keeping build order, the jokers stand where their cards were built.
    EXPECT_EQ(cards.Deck[27], (CardCode{1, 'C', 110}));
    EXPECT_EQ(cards.Deck[1], (CardCode{1, 'H', 111}));

    ScriptedRng one_joker({0.0}, 0.999999);
    CardState seven;
    Shuffle_Deck(seven, 1, one_joker);
    EXPECT_EQ(seven.Deck[53], make_card(2, 'H'));
    EXPECT_EQ(seven.Deck[1], (CardCode{1, 'H', 110}));
}

TEST(PrepareHand, NewBackOnlyAfterAHandWasDealt) {
    RecordingCardLibrary library;
    ScriptedRng rng({0.5}, 0.0);
    CardState cards;
    cards.hand[0].Value = kEmptyHandMarker;
    Prepare_Hand_Cards(cards, 0, rng, library);
    EXPECT_TRUE(library.backs.empty());
    EXPECT_EQ(cards.Next_Card, 1);

    cards.hand[0] = make_card(5, 'H');
    cards.Next_Card = 11;
    ScriptedRng rng2({0.99}, 0.0);
    Prepare_Hand_Cards(cards, 0, rng2, library);
    ASSERT_EQ(library.backs.size(), 1u);
    EXPECT_EQ(library.backs[0], 6);  // Int(0.99 * 6 + 1)
    EXPECT_EQ(cards.Next_Card, 1);
}

// The standard's 64-bit Mersenne Twister, written out (past its first twists), as a double of 53
// bits in [0, 1); and rolls of a die come out even.
TEST(Rng, ClockGeneratorIsTheStandardMersenneTwister) {
    for (uint64_t seed : {7ULL, 5489ULL}) {
        ClockRng rng(seed);
        std::mt19937_64 reference(seed);
        for (int i = 0; i < 2000; ++i)
            ASSERT_EQ(rng.next(), static_cast<double>(reference() >> 11) / 9007199254740992.0) << seed << " " << i;
    }
    ClockRng rng(7);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) ++counts[rnd_1_to(rng, 6) - 1];
    for (int c : counts) EXPECT_NEAR(c, 10000, 600);
}

}  // namespace
}  // namespace dw
