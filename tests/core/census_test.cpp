// Whole-deck counts of the evaluators against counts derived here by combinatorics.
#include <map>

#include "games/census.h"
#include "test_support.h"

namespace dw {
namespace {

using test::choose;

// Counts of the natural categories, derived from first principles.
struct Natural {
    int64_t royal = 4;                                   // one per suit
    int64_t straight_flush = 10 * 4 - 4;                 // ten straights per suit, less the royals
    int64_t quads_per_rank = 48;                         // any of the 48 other cards as kicker
    int64_t full_house = 13 * choose(4, 3) * 12 * choose(4, 2);
    int64_t flush = 4 * choose(13, 5) - 40;              // less the straight flushes
    int64_t straight = 10 * 1024 - 40;                   // 4^5 suit choices per straight
    int64_t trips_per_rank = choose(4, 3) * choose(12, 2) * 16;
    int64_t two_pair = choose(13, 2) * 36 * 44;
    int64_t pair_per_rank = choose(4, 2) * choose(12, 3) * 64;
    int64_t total = choose(52, 5);
};

void expect_rows(GameId game, const std::map<int, int64_t>& expected) {
    const DealCensus c = count_deal(game, 2);
    EXPECT_EQ(c.deck, 52);
    EXPECT_EQ(c.hands, choose(52, 5));
    int64_t paying = 0;
    for (const auto& [row, count] : expected) {
        ASSERT_LT(static_cast<size_t>(row), c.rows.size());
        EXPECT_EQ(c.rows[static_cast<size_t>(row)], count) << "game " << game << " row " << row;
        paying += count;
    }
    EXPECT_EQ(c.rows[0], c.hands - paying) << "game " << game << " losing hands";
}

// The textbook counts of the 2,598,960 deals, in one fast pass (the other games are long tests).
TEST(Census, JacksOrBetterCountsTheTextbookHands) {
    expect_rows(1, {{1, 337920}, {2, 123552}, {3, 54912}, {4, 10200}, {5, 5108}, {6, 3744}, {7, 624}, {8, 36}, {9, 4}});
}

TEST(DealCensus, JacksTensHotHandsPickFiveAndDoubleDownDraw) {
    const Natural n;
    const std::map<int, int64_t> jacks = {
        {1, 4 * n.pair_per_rank}, {2, n.two_pair}, {3, 13 * n.trips_per_rank}, {4, n.straight},
        {5, n.flush}, {6, n.full_house}, {7, 13 * n.quads_per_rank}, {8, n.straight_flush}, {9, n.royal}};
    EXPECT_EQ(jacks.at(1), 337920);
    EXPECT_EQ(jacks.at(7), 624);
    EXPECT_EQ(jacks.at(5), 5108);
    EXPECT_EQ(jacks.at(4), 10200);
    for (GameId g : {1, 2, 21, 22, 23}) expect_rows(g, jacks);
    auto tens = jacks;
    tens[1] = 5 * n.pair_per_rank;
    for (GameId g : {3, 25}) expect_rows(g, tens);
}

TEST(DealCensus, QuadSplitsOfTheBonusGames) {
    const Natural n;
    const int64_t q = n.quads_per_rank;
    const std::map<int, int64_t> low = {{1, 4 * n.pair_per_rank}, {2, n.two_pair}, {3, 13 * n.trips_per_rank},
                                        {4, n.straight}, {5, n.flush}, {6, n.full_house}};
    auto with = [&](std::map<int, int64_t> extra) {
        auto m = low;
        for (auto& [k, v] : extra) m[k] = v;
        return m;
    };
    for (GameId g : {11, 12, 13})
        expect_rows(g, with({{7, 9 * q}, {8, 3 * q}, {9, q}, {10, n.straight_flush}, {11, n.royal}}));
    // Double Double Bonus: the kicker of four 2s-4s is an Ace or one of the other low ranks
    // (4 + 8 cards) or a 5..King (36 cards); four Aces take a 2..4 (12) or a 5..King (36).
    expect_rows(14, with({{7, 9 * q}, {8, 3 * 36}, {9, 36}, {10, 3 * 12}, {11, 12},
                          {12, n.straight_flush}, {13, n.royal}}));
    expect_rows(15, with({{7, 10 * q}, {8, q}, {9, q}, {10, q}, {11, n.straight_flush}, {12, n.royal}}));
    expect_rows(16, with({{7, 10 * q}, {8, q}, {9, q}, {10, q}, {11, n.straight_flush}, {12, n.royal}}));
    expect_rows(17, with({{7, 9 * q}, {8, q}, {9, q}, {10, q}, {11, q}, {12, n.straight_flush}, {13, n.royal}}));
    expect_rows(19, with({{7, 12 * q}, {8, q}, {9, n.straight_flush}, {10, n.royal}}));
}

TEST(DealCensus, HiFivesCrazyEightsAndStud) {
    const Natural n;
    const int64_t q = n.quads_per_rank, t = n.trips_per_rank;
    expect_rows(18, {{1, 4 * n.pair_per_rank}, {2, n.two_pair}, {3, 12 * t}, {4, t}, {5, n.straight},
                     {6, n.flush}, {7, n.full_house}, {8, 12 * q}, {9, q}, {10, n.straight_flush}, {11, n.royal}});
    expect_rows(20, {{1, 4 * n.pair_per_rank}, {2, n.two_pair}, {3, t}, {4, 12 * t}, {5, n.straight},
                     {6, n.flush}, {7, n.full_house}, {8, q}, {9, 12 * q}, {10, n.straight_flush}, {11, n.royal}});
    expect_rows(24, {{1, 5 * n.pair_per_rank}, {2, 4 * n.pair_per_rank}, {3, n.two_pair}, {4, 13 * t},
                     {5, n.straight}, {6, n.flush}, {7, n.full_house}, {8, 13 * q}, {9, n.straight_flush},
                     {10, n.royal}});
}

// The wild games: deck sizes, and the rows that can be counted by hand.
TEST(DealCensus, WildGamesDeckAndCountableRows) {
    struct Case { GameId game; int deck; } cases[] = {{4, 52}, {5, 52}, {6, 53}, {7, 53}, {8, 53}, {9, 53}, {10, 54}};
    for (const auto& c : cases) {
        const DealCensus census = count_deal(c.game, 2);
        EXPECT_EQ(census.deck, c.deck);
        EXPECT_EQ(census.hands, choose(c.deck, 5));
        EXPECT_EQ(census.rows.size(), static_cast<size_t>(c.game == 5 ? 14 : (c.game == 4 || c.game >= 9 ? 11 : 12)));
    }
    const auto deuces = count_deal(4, 2);
    EXPECT_EQ(deuces.rows[10], 4);         // natural royal: no deuce can be in it
    EXPECT_EQ(deuces.rows[9], 48);         // four deuces and any other card
    // Five of a kind: for each of the 12 other ranks, k deuces and 5-k of that rank.
    int64_t five = 0;
    for (int k = 1; k <= 3; ++k) five += 12 * choose(4, k) * choose(4, 5 - k);
    EXPECT_EQ(deuces.rows[7], five);
    // The remaining Deuces Wild rows, against the published whole-deck analysis of the game.
    const std::vector<int64_t> published = {2119728, 355080, 62232, 14472, 12672, 31552, 2068, 624, 480, 48, 4};
    EXPECT_EQ(deuces.rows, published);
    const auto bonus = count_deal(5, 2);
    EXPECT_EQ(bonus.rows[12], 4);          // four deuces and an Ace
    EXPECT_EQ(bonus.rows[11], 44);         // four deuces and a 3..King
    EXPECT_EQ(bonus.rows[10], five / 12);  // five Aces
    EXPECT_EQ(bonus.rows[9], 3 * five / 12);
    EXPECT_EQ(bonus.rows[8], 8 * five / 12);
    const auto dj = count_deal(6, 2);
    EXPECT_EQ(dj.rows[11], 1);             // the four deuces and the joker
    EXPECT_EQ(dj.rows[9], 48);
    const auto double_jokers = count_deal(10, 2);
    EXPECT_EQ(double_jokers.rows[10], 4);
    // Five of a kind with both jokers: three of one rank; with one joker: four of a rank.
    EXPECT_EQ(double_jokers.rows[8], 13 * choose(4, 3) + 2 * 13);
}

}  // namespace
}  // namespace dw
