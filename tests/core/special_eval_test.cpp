#include "eval/evaluators.h"
#include "test_support.h"

namespace dw {
namespace {

using test::H;

TEST(SpecialEval, CrazyEightsAndStud) {
    struct Case { int game; const char* hand; int code; } cases[] = {
        {20, "8C 8D 8H KS 3C", 3},  {20, "9C 9D 9H KS 3C", 4},  {20, "8C 8D 8H 8S KC", 8},
        {20, "8C 8D 8H KS KC", 7},  {20, "9C 9D 9H 9S KC", 9},  {20, "JC JD 4H 7S 9C", 1},
        {20, "4C 5D 6H 7S 8C", 5},  {20, "4C 9C 6C 7C 8C", 6},  {20, "4C 5C 6C 7C 8C", 10},
        {20, "TH JH QH KH AH", 11}, {20, "3C 3D 4H 4S 9C", 2},
        {24, "6C 6D 2H 9S KC", 1},  {24, "5C 5D 2H 9S KC", 0},  {24, "JC JD 2H 9S KC", 2},
        {24, "TC TD 2H 9S KC", 1},  {24, "3C 3D 4H 4S 9C", 3},  {24, "3C 3D 3H 4S 9C", 4},
        {24, "2C 3D 4H 5S AC", 5},  {24, "2C 7C 4C 5C AC", 6},  {24, "3C 3D 3H 4S 4C", 7},
        {24, "3C 3D 3H 3S 4C", 8},  {24, "2C 3C 4C 5C AC", 9},  {24, "TH JH QH KH AH", 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Hand(static_cast<GameId>(c.game), H(c.hand)), c.code) << c.game << ": " << c.hand;
}

TEST(SpecialEval, HotHandsFlagsEveryPassingCategory) {
    struct Case {
        const char* hand;
        int code;
        std::vector<int> flags;  // categories 1..9
    } cases[] = {
        {"QC QD QH 5S 5C", 6, {1, 2, 3, 6}},
        {"KC KD KH 5S 5C", 6, {1, 2, 3, 6}},
        {"2C 3D 4H 5S 6C", 4, {4}},
        {"JC JD JH JS 2C", 7, {1, 2, 3, 7}},
        {"6C 6D 6H 6S 2C", 7, {2, 3, 7}},
        {"TH JH QH KH AH", 9, {4, 5, 8, 9}},
        {"9H TH JH QH KH", 8, {4, 5, 8}},
        {"4C 4D 4H 8S 9C", 3, {3}},
        {"9C 9D 4H 8S 2C", 0, {}},
        {"AC AD 4H 4S 2C", 2, {1, 2}},
        {"2H 7H 9H JH KH", 5, {5}},
    };
    for (const auto& c : cases) {
        HotHits hits;
        hits.fill(7);
        EXPECT_EQ(Check_Hand(21, H(c.hand), &hits), c.code) << c.hand;
        HotHits expected{};
        for (int k : c.flags) expected[static_cast<size_t>(k - 1)] = 1;
        EXPECT_EQ(hits, expected) << c.hand;
    }
}

TEST(SpecialEval, PartialHandsLookAtTheFirstCardsOnly) {
    struct Case { const char* hand; int ride3, ride4, stud4; } cases[] = {
        {"3C 8D 3H 8S AC", 0, 2, 3},  {"9C 9D 4H KS 9H", 0, 0, 1},  {"TC TD 4H KS 2C", 1, 1, 1},
        {"7C 7D 4H KS 7H", 0, 0, 1},  {"QC QD 4H KS 2C", 1, 1, 2},  {"QC 4D QH KS 2C", 1, 1, 2},
        {"5C 5D 5H KS 2C", 2, 3, 4},  {"5C 5D 5H 5S 2C", 2, 4, 8},  {"KC 5D 5H 5S 2C", 0, 3, 4},
        {"4C 5D 6H 7S 8C", 0, 0, 0},  {"TC 9D 9H TS 2C", 0, 2, 3},  {"AC KD QH JS TC", 0, 0, 0},
        {"TC TD KH 4S 2C", 1, 1, 1},  {"JC JD QH KS 2C", 1, 1, 2},  // the pair is the lowest cards
        {"2C 5D 5H 5S 9C", 0, 3, 4},  // three of a kind at the top of four, not four
    };
    for (const auto& c : cases) {
        const Hand h = H(c.hand);
        EXPECT_EQ(Check_Ride_Three(h), c.ride3) << c.hand;
        EXPECT_EQ(Check_Ride_Four(h), c.ride4) << c.hand;
        EXPECT_EQ(Check_Stud_Four(h), c.stud4) << c.hand;
    }
}

}  // namespace
}  // namespace dw
