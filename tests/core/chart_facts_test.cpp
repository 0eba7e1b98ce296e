#include <random>

#include "strategy/chart_facts.h"
#include "strategy/variant_returns.h"
#include "test_support.h"

namespace dw {
namespace {

using strategy::Outcome;

TEST(ChartFacts, OfNineSixJacksOrBetterAndWhichGamesHaveThem) {
    Pay_Table table = test::default_pay_table();
    const PayRule rule{1, &table, 5, false, 0};
    const auto facts = strategy::chart_facts(rule, strategy::chart_return(rule, 2));
    ASSERT_TRUE(facts);
    EXPECT_NEAR(facts->value, 0.9954390437, 1e-9);
    EXPECT_NEAR(facts->deviation, 4.4175, 1e-4);  // the square root of 20.505 - 0.9954²
    EXPECT_NEAR(facts->win_chance, 1 - 0.545434669233, 1e-11);
    EXPECT_NEAR(facts->royal_every, 1 / 0.000024758268, 0.01);
    std::vector<double> pays;
    double total = 0;
    for (const auto& o : facts->outcomes) {
        pays.push_back(o.pays);
        total += o.chance;
    }
    // The royal's fixed prize at the maximum bet is 4000 credits: 800 bets.
    EXPECT_EQ(pays, (std::vector<double>{0, 1, 2, 3, 4, 6, 9, 25, 50, 800}));
    EXPECT_NEAR(total, 1, 1e-12);

    // Rows that pay alike are one outcome; a chart without the royal's chance has no cycle.
    strategy::ChartReturn rows;
    rows.rows = {0.5, 0.25, 0.25};
    table.at(1, 2).Pay = 1;
    const auto merged = strategy::chart_facts({1, &table, 1, false, 0}, rows);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->outcomes, (std::vector<Outcome>{{0, 0.5}, {1, 0.5}}));
    EXPECT_EQ(merged->royal_every, 0);
    EXPECT_NEAR(merged->deviation, 0.5, 1e-12);
    EXPECT_NEAR(merged->win_chance, 0.5, 1e-12);

    // A hand whose pay is more than its row's (every line, the deal bonus, a doubled bet, stud bets).
    for (GameId g : {20, 21, 23, 24, 25}) EXPECT_FALSE(strategy::chart_facts({g, &table, 5, false, 0}, rows)) << g;
    for (GameId g : {4, 10, 22}) EXPECT_TRUE(strategy::chart_facts({g, &table, 5, false, 0}, rows)) << g;
    // Nothing to work from: no chart, no coins, no rows.
    EXPECT_FALSE(strategy::chart_facts({1, nullptr, 5, false, 0}, rows));
    EXPECT_FALSE(strategy::chart_facts({1, &table, 0, false, 0}, rows));
    EXPECT_FALSE(strategy::chart_facts({1, &table, 5, false, 0}, strategy::ChartReturn{}));
}

// Walks whose ruin can be counted by hand.
TEST(RiskOfRuin, WalksCountedByHand) {
    const std::vector<Outcome> always_lost = {{0, 1.0}};
    const int bankrolls[] = {0, 1, 3, 10};
    const int hands[] = {5, 0, 3, 1, 10};
    const auto lost = strategy::risk_of_ruin(always_lost, bankrolls, hands);
    for (size_t b = 0; b < 4; ++b)
        for (size_t h = 0; h < 5; ++h)
            EXPECT_EQ(lost.ruin[b][h], hands[h] >= bankrolls[b] ? 1.0 : 0.0) << bankrolls[b] << " " << hands[h];

    // Double or nothing, a fair coin: ruin from 1 bet within 1 and 3 hands, from 2 within 2 and 4.
    const std::vector<Outcome> coin = {{2, 0.5}, {0, 0.5}};
    const int two[] = {1, 2};
    const int steps[] = {1, 2, 3, 4};
    const auto r = strategy::risk_of_ruin(coin, two, steps);
    EXPECT_EQ(r.ruin[0], (std::vector<double>{0.5, 0.5, 0.625, 0.625}));
    EXPECT_EQ(r.ruin[1], (std::vector<double>{0, 0.25, 0.25, 0.375}));
    EXPECT_EQ(strategy::risk_text(r), "Bankroll (bets)          1 hands          2 hands          3 hands          4 hands\n"
                                      "              1            50.0%            50.0%            62.5%            62.5%\n"
                                      "              2             0.0%            25.0%            25.0%            37.5%\n");
}

// The table agrees with sessions played out at random from the same outcomes.
TEST(RiskOfRuin, AgreesWithSessionsPlayedOut) {
    const std::vector<Outcome> jacks = {{0, 0.545434669233}, {1, 0.214585031126}, {2, 0.129278902480},
                                        {3, 0.074448698571}, {4, 0.011229367241}, {6, 0.011014510968},
                                        {9, 0.011512207336}, {25, 0.002362545686}, {50, 0.000109309090},
                                        {800, 0.000024758268}};
    const int bankrolls[] = {30, 100};
    const int hands[] = {300, 1000};
    const auto table = strategy::risk_of_ruin(jacks, bankrolls, hands);
    std::mt19937_64 gen(7);
    std::discrete_distribution<int> pick({0.545434669233, 0.214585031126, 0.129278902480, 0.074448698571, 0.011229367241,
                                          0.011014510968, 0.011512207336, 0.002362545686, 0.000109309090, 0.000024758268});
    const int sessions = 4000;
    for (size_t b = 0; b < 2; ++b) {
        int lost[2] = {0, 0};
        for (int s = 0; s < sessions; ++s) {
            int64_t bankroll = bankrolls[b];
            for (int n = 1; n <= 1000 && bankroll >= 1; ++n) {
                bankroll += static_cast<int64_t>(jacks[static_cast<size_t>(pick(gen))].pays) - 1;
                if (bankroll < 1) lost[n <= 300 ? 0 : 1]++;
            }
        }
        EXPECT_NEAR(table.ruin[b][0], double(lost[0]) / sessions, 0.025) << bankrolls[b];
        EXPECT_NEAR(table.ruin[b][1], double(lost[0] + lost[1]) / sessions, 0.025) << bankrolls[b];
    }
    EXPECT_GT(table.ruin[0][1], table.ruin[1][1]);
}

}  // namespace
}  // namespace dw
