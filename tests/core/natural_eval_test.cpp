#include "errors.h"
#include "eval/evaluators.h"
#include "test_support.h"

namespace dw {
namespace {

using test::H;

using test::expect_codes;

TEST(NaturalEval, JacksAndTensOrBetter) {
    expect_codes({
        {1, "2C 3D 4H 5S AC", 4},   // ace-low straight
        {1, "2H 3H 4H 5H AH", 8},   // ace-low straight flush, not royal
        {1, "TH JH QH KH AH", 9},  {1, "AH KH QH JH TH", 9},  // order on the table does not matter
        {1, "TH JD QH KH AH", 4},  {1, "JC QD KH AS 2C", 0},  // no wrap-around straight
        {1, "TC TD 4H 7S 9C", 0},  {3, "TC TD 4H 7S 9C", 1},
        {1, "JC JD 4H 7S 9C", 1},  {3, "JC JD 4H 7S 9C", 1},
        {1, "3C 3D 4H 4S 9C", 2},  {3, "3C 3D 4H 4S 9C", 2},
        {1, "9C 9D 9H 4S 2C", 3},  {1, "9C 9D 9H 4S 4C", 6},  {1, "4S 4C 9C 9D 9H", 6},
        {1, "2D 7D 9D JD KD", 5},  {1, "6C 7D 8H 9S TC", 4},  {1, "9C 9D 9H 9S 2C", 7},
        {1, "AC AD 5H 5S 5C", 6},  {1, "9S TS JS QS KS", 8},  {1, "AC AD KH QS 2C", 1},
        {2, "TH JH QH KH AH", 9},  {22, "TH JH QH KH AH", 9}, {23, "TH JH QH KH AH", 9},
        {25, "TC TD 4H 7S 9C", 1}, {25, "9C 9D 4H 7S 3C", 0}, {3, "TH JH QH KH AH", 9},
    });
}

TEST(NaturalEval, BonusFamilyQuadSplits) {
    expect_codes({
        {11, "TH JH QH KH AH", 11}, {12, "9S TS JS QS KS", 10}, {13, "2C 2D 2H 2S AC", 8},
        {11, "5C 5D 5H 5S 9C", 7},  {11, "KC KD KH KS 2C", 7},  {11, "AC AD AH AS 9C", 9},
        {11, "4C 4D 4H 4S KC", 8},  {11, "3C 3D 4H 4S 9C", 2},
        {14, "3C 3D 3H 3S 2C", 10}, {14, "3C 3D 3H 3S KC", 8},  {14, "3C 3D 3H 3S AC", 10},
        {14, "AC AD AH AS 4C", 11}, {14, "AC AD AH AS 5C", 9},  {14, "AC AD AH AS 2C", 11},
        {14, "2C 2D 2H 2S 4C", 10}, {14, "4C 4D 4H 4S 5C", 8},  {14, "9C 9D 9H 9S 2C", 7},
        {14, "TH JH QH KH AH", 13}, {14, "9H TH JH QH KH", 12}, {14, "3C 3D 4H 4S 9C", 2},
        {15, "QC QD QH QS 2C", 8},  {15, "KC KD KH KS 2C", 9},  {15, "AC AD AH AS 2C", 10},
        {15, "JC JD JH JS 2C", 7},  {15, "TH JH QH KH AH", 12}, {15, "9H TH JH QH KH", 11},
        {16, "7C 7D 7H 7S 2C", 8},  {16, "8C 8D 8H 8S 2C", 9},  {16, "AC AD AH AS 2C", 10},
        {16, "9C 9D 9H 9S 2C", 7},  {16, "TH JH QH KH AH", 12}, {16, "3C 3D 4H 4S 9C", 2},
        {17, "TC TD TH TS 2C", 7},  {17, "JC JD JH JS 2C", 8},  {17, "QC QD QH QS 2C", 9},
        {17, "KC KD KH KS 2C", 10}, {17, "AC AD AH AS 2C", 11}, {17, "TH JH QH KH AH", 13},
        {19, "7C 7D 7H 7S 2C", 8},  {19, "8C 8D 8H 8S 2C", 7},  {19, "TH JH QH KH AH", 10},
        {19, "9H TH JH QH KH", 9},  {19, "3C 3D 4H 4S 9C", 2},
    });
}

TEST(NaturalEval, HiFives) {
    expect_codes({
        {18, "5C 5D 5H KS KC", 7},  {18, "5C 5D 5H KS 2C", 4},  {18, "5C 5D 5H 5S 2C", 9},
        {18, "9C 9D 9H KS 2C", 3},  {18, "2C 2D 5H 5S 5D", 7},  {18, "3C 4D 5H 6S 7C", 5},
        {18, "3C 8C 5C 6C 7C", 6},  {18, "9C 9D 9H 9S 2C", 8},  {18, "3C 4C 5C 6C 7C", 10},
        {18, "TH JH QH KH AH", 11}, {18, "3C 3D 4H 4S 9C", 2},  {18, "QC QD 4H 7S 9C", 1},
        {18, "5C 5D 5H 7S 9C", 4},  {18, "5C 5D 5H 2S 3C", 4},  {18, "2C 2D 2H 9S KC", 3},  // trips lowest or highest
        {18, "AC AD AH 9S KC", 3},  {18, "JC JD 4H 7S 9C", 1},  {18, "TC TD 4H 7S 9C", 0},
    });
}

TEST(NaturalEval, RankNaturalClasses) {
    struct NC {
        const char* hand;
        int cls;
    } cases[] = {{"9S TS JS QS KS", 5}, {"9C 9D 9H 9S 2C", 3}, {"3C 3D 7H 8S 9C", 0},
                 {"QC QD 7H 8S 9C", 1}, {"JC JD 7H 8S 9C", 1}, {"QC QD 7H 7S 9C", 2}, {"QC QD QH 7S 7C", 6}};
    for (const auto& c : cases) EXPECT_EQ(Rank_Natural(H(c.hand)), c.cls) << c.hand;
}

TEST(CheckHand, UnknownGameIsAnInternalError) {
    for (GameId game : {GameId{0}, GameId{26}, GameId{-1}, GameId{99}}) {
        try {
            Check_Hand(game, H("2C 3D 4H 5S 7C"));
            ADD_FAILURE() << "game " << game << " did not fail";
        } catch (const FatalError& e) {
            EXPECT_EQ(e.title, "Internal Error");
            EXPECT_EQ(e.text, "Error in Check_Hand!");
        }
    }
}

}  // namespace
}  // namespace dw
