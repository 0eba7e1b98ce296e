#include "eval/evaluators.h"
#include "test_support.h"

namespace dw {
namespace {

using test::H;

using test::expect_codes;

TEST(WildEval, DeucesWild) {
    expect_codes({
        {4, "2C 2D 2H 2S KC", 9},  {4, "2C 2D 2H QH KH", 8},  {4, "2C 2D 2H 9H KH", 6},
        {4, "2C 2D 2H KS KH", 7},  {4, "2C 2D 2H 7S KH", 5},  {4, "2C 9H TH QH KH", 6},
        {4, "2C TH JH QH KH", 8},  {4, "2C 3D 4H 5S AC", 2},  {4, "3C 3D 7H 7S 9C", 0},
        {4, "2C 3D 3H 7S 7C", 4},  {4, "TH JH QH KH AH", 10}, {4, "9H TH JH QH KH", 6},
        {4, "2C 2D 5H 5S 9C", 5},  {4, "2C 2D 5H 5S 5C", 7},  {4, "2C 2D 5H 8S TC", 1},
        {4, "2C 2D 5H 7H 9H", 6},  {4, "2C 2D 5H 7S 9H", 2},  {4, "2C 2D 5H 7H KH", 3},
        {4, "2C 2D QH KH AH", 8},  {4, "2C 5D 5H 5S 9C", 5},  {4, "2C 5D 5H 9S 9C", 4},
        {4, "2C 5D 5H 5S 5C", 7},  {4, "2C 5D 5H 8S 9C", 1},  {4, "2C 5H 8H 9H JH", 3},
        {4, "5C 5D 5H 8S 9C", 1},  {4, "5C 6D 7H 8S 9C", 2},  {4, "5C 5D 5H 5S 9C", 5},
        {4, "5C 5D 5H 9S 9C", 4},  {4, "3H 5H 8H 9H JH", 3},  {4, "3C 3D 5H 8S 9C", 0},
        {4, "2C 2D 2H AS KS", 8},  {4, "2C 2D 2H 3S 9S", 5},  {4, "2C AH 3D 4S 6H", 0},  // a six is no wheel
        {4, "2C AH 3D 4S 5H", 2},  {4, "2C 3D 4H 9S AC", 0},  {4, "2C 2D 2H 9H AH", 5},  // an ace with a nine: no wheel
    });
}

TEST(WildEval, DeucesWildBonus) {
    expect_codes({
        {5, "2C 2D 5H 5S 5C", 9},  {5, "2C 2D 2H AS AC", 10}, {5, "2C 2D 2H 2S AC", 12},
        {5, "2C 2D 2H 2S KC", 11}, {5, "TH JH QH KH AH", 13}, {5, "2C 2D 2H KS KC", 8},
        {5, "2C 2D 6H 6S 6C", 8},  {5, "2C 3D 3H 3S 3C", 9},  {5, "2C TH JH QH KH", 7},
        {5, "2C 9H TH QH KH", 6},  {5, "2C 3D 4H 5S AC", 2},  {5, "2C 2D 5H 8S TC", 1},
    });
}

TEST(WildEval, DeucesAndJoker) {
    expect_codes({
        {6, "JK 2C 2D 2H 2S", 11}, {6, "JK 2C 2D 2H QS", 8},  {6, "JK 2C 2D 2H 9S", 7},
        {6, "2C 2D 2H 2S 9S", 9},  {6, "JK 2C 2D 9H 9S", 7},  {6, "JK 2C 2D 9H KS", 5},
        {6, "JK 2C 2D QH KH", 8},  {6, "JK 5C 6D 8H 9S", 2},  {6, "JK 5C 5D 9H 9S", 4},
        {6, "JK 5C 8D 9H KS", 0},  {6, "TH JH QH KH AH", 10}, {6, "3C 3D 7H 7S 9C", 0},
        {6, "JK TH JH QH KH", 8},  {6, "JK 9H JH QH KH", 6},  {6, "JK 2C 5D 5H 5S", 7},
    });
}

TEST(WildEval, JokersWild) {
    expect_codes({
        {8, "JK KC 7D 5H 3S", 1},  {8, "JK QC 7D 5H 3S", 0},  {8, "JK AC 2D 3H 4S", 4},
        {8, "JK TS JS QS KS", 9},  {8, "JK 9S JS QS KS", 8},  {7, "JK JC 7D 5H 3S", 1},
        {7, "JK TC 7D 5H 3S", 0},  {8, "JK 5C 5D 9H 3S", 3},  {8, "JK 5C 5D 9H 9S", 6},
        {8, "JK 5C 5D 5H 9S", 7},  {8, "JK 5C 5D 5H 5S", 10}, {8, "JK 3C 7C 9C KC", 5},
        {8, "TH JH QH KH AH", 11}, {8, "KC KD 4H 7S 9C", 1},  {8, "QC QD 4H 7S 9C", 0},
        {8, "QC QD 4H 4S 9C", 2},  {8, "9H TH JH QH KH", 8},  {7, "JC JD 4H 7S 9C", 1},
        {7, "JK 3S 4S 5S 7S", 8},  {7, "TH JH QH KH AH", 11}, {7, "JK JS QS KS AS", 9},
        // Jokers Wild (2 pair): the Kings-or-better row is dropped, the rest move down one.
        {9, "KC KD 4H 7S 9C", 0},  {9, "KC KD 4H 4S 9C", 1},  {9, "TH JH QH KH AH", 10},
        {9, "JK KC 7D 5H 3S", 0},  {9, "JK 5C 5D 9H 3S", 2},  {9, "JK 5C 5D 5H 5S", 9},
        {9, "JK TS JS QS KS", 8},  {9, "JK AC 2D 3H 4S", 3},
    });
}

TEST(WildEval, DoubleJokers) {
    expect_codes({
        {10, "JK JK AC 2D 5H", 3},  {10, "JK JK 7C 7D KH", 6},  {10, "JK 4C 4D 9H 9S", 5},
        {10, "QC QD 3H 3S 8C", 1},  {10, "KC KD 3H 8S 9C", 0},  {10, "JK JK 7C 7D 7H", 8},
        {10, "JK JK QH KH AH", 9},  {10, "JK JK 8H 9H JH", 7},  {10, "JK JK 3H 9H KH", 4},
        {10, "JK JK 3C 9H KH", 2},  {10, "JK 5C 5D 9H 3S", 2},  {10, "JK 5C 5D 5H 5S", 8},
        {10, "JK 5C 5D 8H 9S", 2},  {10, "JK 3C 4D 9H 9S", 2},  {10, "JK TS JS QS KS", 9},  {10, "JK 9S JS QS KS", 7},  {10, "TH JH QH KH AH", 10},
        {10, "9C 9D 9H 9S 2C", 6},  {10, "2C 2D 2H KS 5C", 2},  {10, "JK 2C 3D 4H 5S", 3},
    });
}

// The joker keeps the suit letter of the card it replaced; a flush never depends on it.
TEST(WildEval, JokerSuitNeverDecidesAFlush) {
    for (char suit : {'H', 'D', 'C', 'S'}) {
        Hand h = H("JK 3C 7C 9C QC");
        h[0].Suit = suit;
        EXPECT_EQ(Check_Hand(8, h), 5);
        Hand off = H("JK 3C 7C 9C QD");
        off[0].Suit = 'C';
        EXPECT_EQ(Check_Hand(8, off), 0);
        EXPECT_EQ(Check_Hand(6, off), 0);
    }
}

}  // namespace
}  // namespace dw
