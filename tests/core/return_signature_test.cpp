// The engine's signature: the return of every game's default chart at its full bet, to ten
// decimals, and the joker games over their full 53/54-card decks. Any change to the engine, the
// evaluators or a default chart that moves a return shows here; when the move is meant, the new
// figures go in with the change that makes it, and the commit says why.
#include "test_support.h"
#include "games/catalogue.h"
#include "strategy/variant_returns.h"

namespace dw {
namespace {

TEST(Strategy, EveryDefaultChartKeepsItsReturn) {
    const Pay_Table table = test::default_pay_table();
    const struct {
        GameId game;
        int coins;
        double dealt;  // the deck the game deals (Pick Five: 100,000 simulated hands from the fixed seed)
        double full;   // the joker games over every card of their deck; 0 for the others
    } signature[] = {
        {1, 5, 0.9954390437, 0},  {2, 5, 1.0072207684, 0},  {3, 5, 1.0028861371, 0},  {4, 5, 0.9891308790, 0},
        {5, 5, 1.0861811659, 0},  {6, 5, 0.9940529612, 0.9906753751},                 {7, 5, 0.9875926111, 0.9817968981},
        {8, 5, 1.0134845731, 1.0064629663},                 {9, 5, 0.9975240344, 0.9907530320},
        {10, 5, 1.0027930795, 0.9810054850},                {11, 5, 0.9916597319, 0}, {12, 5, 0.9910647185, 0},
        {13, 5, 1.0443078869, 0}, {14, 5, 0.9678613884, 0}, {15, 5, 0.9956108525, 0}, {16, 5, 0.9978176165, 0},
        {17, 5, 0.9925545154, 0}, {18, 5, 0.9650329772, 0}, {19, 5, 0.9883225608, 0}, {20, 5, 0.9783218571, 0},
        {21, 5, 1.1339814062, 0}, {22, 5, 1.5237075933, 0}, {23, 5, 1.0753964357, 0}, {24, 5, 0.9757527426, 0},
        {25, 15, 0.9880908261, 0},
    };
    ASSERT_EQ(std::size(signature), kGames.size());
    for (const auto& s : signature) {
        const PayRule rule{s.game, &table, s.coins, false, 0};
        EXPECT_NEAR(strategy::game_return(rule, 2).value, s.dealt, 6e-11) << "game " << s.game;
        if (s.full != 0)
            EXPECT_NEAR(strategy::game_return(rule, 2, {}, {}, 100000, strategy::DeckModel::Full).value, s.full, 6e-11)
                << "game " << s.game << " over the full deck";
    }
}

}  // namespace
}  // namespace dw
