#include "games/catalogue.h"
#include "games/pay_rule.h"
#include "games/winning_cards.h"
#include "eval/evaluators.h"
#include "machine_rig.h"

namespace dw {
namespace {

using test::Rig;

TEST(PayFinal, ChartTopPrizesLinesAndJackpot) {
    const Pay_Table table = test::default_pay_table();
    Pay_Table edited = table;
    edited.at(1, 8).Pay = 800;  // a straight flush worth a royal's 4000 at five coins
    struct Case {
        const char* what;
        GameId game;
        const char* hand;
        int coins;
        bool progressive;
        double jackpot;
        const Pay_Table* table;
        int64_t amount;
        const char* name;
        bool jackpot_won;
    } cases[] = {
        {"royal, max bet", 1, "TS JS QS KS AS", 5, false, 0, &table, 4000, "** SUPER PAYOFF! ** Royal Flush", false},
        {"royal, 4 coins", 1, "TS JS QS KS AS", 4, true, 99, &table, 1000, "** BIG PAYOFF! **  Royal Flush", false},
        {"royal and jackpot", 1, "TS JS QS KS AS", 5, true, 12.9, &table, 4012, "** SUPER PAYOFF! ** Royal Flush", true},
        {"any 4000 wins the jackpot", 1, "9S TS JS QS KS", 5, true, 7, &edited, 4007, "Great!  Straight Flush", true},
        {"nothing", 1, "2H 4D 6C 8S TH", 5, true, 50, &table, 0, "Sorry, try again!", false},
        {"four deuces and joker", 6, "JK 2C 2D 2H 2S", 5, true, 3, &table, 10003, "* SUPER PAYOFF! * 4 Deuces and Joker",
         true},
        {"deuces jokers natural royal", 6, "TH JH QH KH AH", 5, true, 3, &table, 4003,
         "* SUPER PAYOFF! * Natural Royal Flush", true},
        {"crazy eights: three eights pay as three of a kind", 20, "8H 8D 8C 2S 5H", 5, false, 0, &table, 15,
         "Three of a Kind", false},
        {"hot hands: every line", 21, "9H TH JH QH KH", 5, false, 0, &table, 295,
         "Wow!  Multiple Combination", false},
        {"hot hands: one line, a pair of jacks", 21, "JH JD 2C 5S 9H", 5, false, 0, &table, 5,
         "One Pair (Jacks or Better)", false},
        {"hot hands royal", 21, "TH JH QH KH AH", 5, true, 1.5, &table, 4296, "** SUPER PAYOFF! ** Royal Flush", true},
        {"double down draw at ten coins", 23, "TS JS QS KS AS", 10, false, 0, &table, 5000,
         "** SUPER PAYOFF! ** Royal Flush", false},
        {"let it ride at fifteen", 25, "TS JS QS KS AS", 15, false, 0, &table, 15000,
         "** SUPER PAYOFF! **  Royal Flush", false},
    };
    for (const auto& c : cases) {
        HotHits hits{};
        const HandCode code = Check_Hand(c.game, test::H(c.hand), &hits);
        const FinalPay pay = pay_final({c.game, c.table, c.coins, c.progressive, c.jackpot}, code, hits);
        EXPECT_EQ(pay.amount, c.amount) << c.what;
        EXPECT_EQ(pay.name, c.name) << c.what;
        EXPECT_EQ(pay.jackpot_won, c.jackpot_won) << c.what;
    }
}


// The marks of a paid hand: the cards that made it and its line of the chart, kept until the
// next bet.
TEST(WinMarks, TheCardsThatMadeTheHandAndItsRow) {
    const Pay_Table table = test::default_pay_table();
    struct Case {
        GameId game;
        const char* hand;
        int cards;  // bit p - 1 for position p
        int line;   // the row's line of the chart's text
    } cases[] = {
        {1, "JH 4C JD 8S 2H", 0b00101, 9},   // a pair of jacks, not the three others
        {1, "4C JH JD 8S 2H", 0b00110, 9},   // the first card need not count
        {1, "JH 4C JD 4S 2H", 0b01111, 8},   // two pairs
        {1, "5H 6C 7D 8S 9H", 0b11111, 6},   // every card of a straight
        {1, "TH JH QH KH AH", 0b11111, 1},   // the top row is the first line
        {1, "2H 4C JD 8S 9H", 0, 0},         // nothing paid
        {4, "2H 2C 7D 8S KH", 0b00011, 10},  // deuces wild: the two deuces make three of a kind
        {14, "AH AC AD AS 3H", 0b11111, 3},  // four aces with a kicker of 2-4: the kicker counts
        {14, "AH AC AD AS KH", 0b01111, 5},  // four aces with a king: the king does not
        {6, "JK 2H 7S 7D KC", 0b01111, 7},   // a joker and a deuce make four sevens
    };
    for (const auto& c : cases) {
        const Hand hand = test::H(c.hand);
        EXPECT_EQ(winning_cards({c.game, &table, 5, false, 0}, hand), c.cards) << c.game << ": " << c.hand;
        HotHits hits{};
        const HandCode code = Check_Hand(c.game, hand, &hits);
        EXPECT_EQ(chart_text_line(c.game, code), c.line) << c.game << ": " << c.hand;
    }

    Rig rig;
    rig.ready(1, 100);
    rig.stack("JH 4C JD 8S 2H 9C 5D 3S");
    rig.bet_and_deal(5);
    rig.hold_and_draw("13");
    for (int p = 0; p < 5; ++p) EXPECT_EQ(rig.m.view().Pnl_Win_Card[static_cast<size_t>(p)].visible, p == 0 || p == 2) << p;
    EXPECT_TRUE(rig.m.view().Pnl_Win_Row.visible);
    EXPECT_EQ(rig.m.view().Pnl_Win_Row.picture, 9);
    rig.m.Bet_One_Credit();
    EXPECT_FALSE(rig.m.view().Pnl_Win_Row.visible);
    EXPECT_FALSE(rig.m.view().Pnl_Win_Card[0].visible);
    // A win of a single credit is marked too.
    rig.stack("JH 4C JD 8S 2H 9C 5D 3S");
    rig.m.Start_Hand();
    rig.finish_deal();
    rig.hold_and_draw("13");
    EXPECT_TRUE(rig.m.view().Pnl_Win_Row.visible);
    EXPECT_TRUE(rig.m.view().Pnl_Win_Card[0].visible);
}

}  // namespace
}  // namespace dw
