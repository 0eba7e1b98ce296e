#include <set>

#include "games/catalogue.h"
#include "round/multi_hand.h"
#include "machine_rig.h"
#include "random_play.h"

namespace dw {
namespace {

using test::Rig;

struct HandCase {
    const char* what;
    GameId game;
    const char* cards;  // five dealt, then the draw
    int coins;
    const char* holds;
    bool progressive, royals;
    double jackpot;
    int64_t paid;        // credits gained after the bet was taken
    const char* result;  // the message line after the payoff
};

TEST(PlayHand, PayoffsOfWholeHands) {
    const HandCase cases[] = {
        {"dealt royal, 5 coins", 1, "TS JS QS KS AS", 5, "12345", false, false, 0, 4000,
         "** SUPER PAYOFF! ** Royal Flush pays 4000 credits"},
        {"dealt royal, 4 coins", 1, "TS JS QS KS AS", 4, "12345", false, false, 0, 1000,
         "** BIG PAYOFF! **  Royal Flush pays 1000 credits"},
        {"royal with the progressive", 1, "TS JS QS KS AS", 5, "12345", true, false, 123.75, 4123,
         "** SUPER PAYOFF! ** Royal Flush pays 4123 credits"},
        {"royal in order, reversible", 1, "TH JH QH KH AH", 5, "12345", false, true, 0, 50000,
         "* WOW! *  Reversible Royal Flush pays 50000 credits"},
        {"reversible with the progressive", 1, "AH KH QH JH TH", 5, "12345", true, true, 10, 50010,
         "* WOW! *  Reversible Royal Flush pays 50010 credits"},
        {"royal out of order", 1, "JH TH QH KH AH", 5, "12345", false, true, 0, 4000,
         "** SUPER PAYOFF! ** Royal Flush pays 4000 credits"},
        {"a straight in a royal's order", 1, "TH JS QH KH AH", 5, "12345", false, true, 0, 20, "Straight pays 20 credits"},
        {"pair of jacks, one coin", 1, "JH JD 2C 5S 9H 3D 4C 7S", 1, "12", false, false, 0, 1,
         "One Pair (Jacks or Better) pays 1 credit"},
        {"nothing", 1, "2H 4D 6C 8S TH 3D 5C 7S 9D JC", 5, "", false, false, 0, 0, "Sorry, try again!"},
        {"two pair drawn", 1, "3H 3D 6C 6S TH KD", 3, "1234", false, false, 0, 6, "Two Pairs pays 6 credits"},
        {"hot hands full house", 21, "QH QD QC 5S 5H", 5, "12345", false, false, 0, 65,
         "Wow!  Multiple Combination pays 65 credits"},
        {"hot hands straight flush", 21, "9H TH JH QH KH", 5, "12345", false, false, 0, 295,
         "Wow!  Multiple Combination pays 295 credits"},
        {"hot hands royal", 21, "TH JH QH KH AH", 5, "12345", true, false, 7.5, 4295 + 7,
         "** SUPER PAYOFF! ** Royal Flush pays 4302 credits"},
        {"hot hands single row", 21, "2H 3D 4C 5S 6H", 5, "12345", false, false, 0, 20, "Straight pays 20 credits"},
        {"deuces wild natural royal", 4, "TH JH QH KH AH", 5, "12345", false, false, 0, 4000,
         "* SUPER PAYOFF! * Natural Royal Flush pays 4000 credits"},
        {"deuces jokers: the four deuces and joker", 6, "JK 2C 2D 2H 2S", 5, "", true, false, 0, 10000,
         "* SUPER PAYOFF! * 4 Deuces and Joker pays 10000 credits"},
        {"deuces jokers: natural royal wins the jackpot", 6, "TH JH QH KH AH", 5, "12345", true, false, 40.5, 4040,
         "* SUPER PAYOFF! * Natural Royal Flush pays 4040 credits"},
        {"jokers wild kings (joker held by itself)", 8, "JK KC 7D 5H 3S 9C 8D 4H", 2, "2", false, false, 0, 2,
         "One Pair (Kings or Better) pays 2 credits"},
        {"double double aces with a 3", 14, "AC AD AH AS 3C", 5, "12345", false, false, 0, 2000,
         "Great!  Four Aces plus 2-4 pays 2000 credits"},
        {"double down draw: queens doubled, a royal drawn at ten coins", 23, "QH QD JH 7S 9H KH AH TH", 5, "13", false,
         false, 0, 5000 - 5, "** SUPER PAYOFF! ** Royal Flush pays 5000 credits"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.m.Select_Game(c.game);
        rig.m.view().menu("Mnu_Progressive").checked = c.progressive;
        rig.m.view().menu("Mnu_Royals").checked = c.royals;
        rig.m.progressive().Jackpot = c.jackpot;
        rig.m.wallet().Credits = 1000;
        rig.m.Prepare_Hand();
        rig.stack(c.cards);
        rig.bet_and_deal(c.coins);
        ASSERT_TRUE(rig.m.in_hand()) << c.what;
        rig.hold_and_draw(c.holds);
        EXPECT_EQ(rig.m.wallet().Credits, 1000 - c.coins + c.paid) << c.what;
        EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, c.result) << c.what;
        EXPECT_EQ(rig.m.phase(), Phase::Idle) << c.what;
        EXPECT_EQ(rig.m.table().Round_State, 1);
        EXPECT_EQ(rig.m.wallet().Coins_Bet, 0);
        // The bet's column is no longer lit.
        for (size_t col = 2; col <= 6; ++col) EXPECT_FALSE(rig.m.view().Lbl_Pay[col].bold) << c.what << " " << col;
        if (c.progressive && c.paid >= 4000) EXPECT_EQ(rig.m.progressive().Jackpot, 0.0) << c.what;
    }
}

TEST(PlayHand, ProgressiveGrowsByThePercentOfEachBet) {
    Rig rig;
    rig.ready(1, 100);
    for (int hand = 0; hand < 3; ++hand) {
        rig.stack("2H 4D 6C 8S TH 3D 5C 7S 9D JC");
        rig.bet_and_deal(5);
        rig.hold_and_draw("");
    }
    EXPECT_NEAR(rig.m.progressive().Jackpot, 0.3, 1e-12);
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $1,000.07!");
    rig.m.view().menu("Mnu_Progressive").checked = false;
    rig.stack("2H 4D 6C 8S TH 3D 5C 7S 9D JC");
    rig.bet_and_deal(5);
    rig.hold_and_draw("");
    EXPECT_NEAR(rig.m.progressive().Jackpot, 0.3, 1e-12);
}

TEST(PlayHand, HotHandsShowsEveryCombinationAndCountsTheHighest) {
    Rig rig;
    rig.ready(21, 100);
    rig.stack("QH QD QC 5S 5H");
    rig.bet_and_deal(5);
    EXPECT_EQ(rig.m.view().Lbl_Multi_Payout.caption,
              "***  Jacks or Better,  Two Pairs,  Three of a Kind,  Full House   ***");
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "  ** Hot!  Multiple Combinations! **");
    rig.hold_and_draw("12345");
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[21][6][Stats::kSessionCount], 1);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[21][10][Stats::kSessionCount], 1);
    EXPECT_EQ(rig.m.player().stats.Game_Stats[21][Stats::kThisSession][Stats::kWon], 65);
    EXPECT_EQ(rig.m.view().Lbl_Multi_Payout.caption, "All Winning Combinations Paid: One Payout Per Pay Line!");
    EXPECT_EQ(rig.m.chart_panel().Top_Award, 4000);
    rig.stack("KH KD 7C 7S 2D");  // two lines, two pairs and a high pair: counted as two pairs too
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[21][2][Stats::kSessionCount], 1);
}

TEST(PlayHand, CrazyEightsPaysTheDealBonusAndAgainAsThreeOfAKind) {
    Rig rig;
    rig.ready(20, 100);
    rig.stack("8C 8D 8H KS 3C 9D 4S");
    rig.bet_and_deal(5);
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "BONUS!  3 Eights on Deal pays 15 credits!");
    EXPECT_EQ(rig.m.wallet().Credits, 100 - 5 + 15);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[20][3][Stats::kAllCount], 1);
    EXPECT_EQ(rig.sound.names().back(), "threeknd.wav");
    rig.hold_and_draw("123");
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "Three of a Kind pays 15 credits");
    EXPECT_EQ(rig.m.wallet().Credits, 100 - 5 + 15 + 15);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[20][4][Stats::kAllCount], 1);
    EXPECT_EQ(rig.m.player().stats.Game_Stats[20][Stats::kAllSessions][Stats::kWon], 30);
    EXPECT_EQ(rig.sound.names().back(), "youwin1.wav");
    EXPECT_EQ(rig.m.player().stats.Winnings[Stats::kSessionWinnings], 25);
    rig.stack("8C 8D 8H 8S 3C");  // four eights: their own bonus, on the record at once
    rig.bet_and_deal(5);
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "BONUS!  4 Eights on Deal pays 125 credits!");
    EXPECT_EQ(rig.m.wallet().Credits, 125 - 5 + 125);
    EXPECT_NE(rig.store.text("PROGRES1.VPK").find("\r\n 150\r\n"), std::string::npos);  // the winnings: 25 + 125
}

TEST(PlayHand, AutoholdHoldsTheWildCards) {
    struct Case {
        GameId game;
        const char* cards;
        std::string held;
        bool autohold;
    } cases[] = {{4, "2C 5H 2D 9S KC", "13", true}, {6, "2C JK 7D 2S KC", "124", true},
                 {8, "2C JK 7D 9S KC", "2", true},  {1, "2C 5H 2D 9S KC", "", true},
                 {4, "2C 5H 2D 9S KC", "", false},  {10, "JK 5H 7D JK KC", "14", true}};
    for (const auto& c : cases) {
        Rig rig;
        rig.m.Select_Game(c.game);
        if (!c.autohold) rig.m.Menu_Command("Mnu_Autohold");
        rig.m.wallet().Credits = 100;
        rig.m.Prepare_Hand();
        rig.stack(c.cards);
        rig.bet_and_deal(5);
        std::string held;
        for (int p = 1; p <= 5; ++p)
            if (rig.m.held(p)) held += static_cast<char>('0' + p);
        EXPECT_EQ(held, c.held) << c.game << " " << c.cards;
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(rig.m.view().Btn_Hold[static_cast<size_t>(p - 1)].fore_colour,
                      rig.m.held(p) ? colour::kRed : colour::kBlack);
    }
}

TEST(PlayHand, HoldingAllFiveDrawsNothingAndPlaysNoDealSound) {
    Rig rig;
    rig.ready(1, 100);
    rig.stack("JH JD 2C 5S 9H 3D 4C 7S");
    rig.bet_and_deal(5);
    const Hand dealt = rig.m.table().cards.hand;
    const size_t sounds = rig.sound.played.size();
    for (int p = 1; p <= 5; ++p) rig.m.Toggle_Hold(p);
    rig.m.Draw();
    rig.m.Timer2_Tick();
    EXPECT_FALSE(rig.m.timers().Timer2_Enabled);
    EXPECT_EQ(rig.m.table().cards.hand, dealt);
    const auto names = rig.sound.names();
    EXPECT_EQ(std::count(names.begin() + static_cast<long>(sounds), names.end(), "deal.wav"), 0);
    // The pair kept through the draw is announced again with the "you win" sound.
    EXPECT_EQ(names.back(), "youwin1.wav");
}

TEST(PlayHand, CreditsStopAtTheBank) {
    Rig rig;
    rig.ready(1, 99990);
    rig.stack("TS JS QS KS AS");
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    EXPECT_EQ(rig.m.wallet().Credits, 99999);
    EXPECT_EQ(rig.m.view().Lbl_Credits.caption, "99999");
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.dialogs.asked().back(), "Message: You broke the bank!  You cannot have more than 99,999 credits!");
    EXPECT_EQ(rig.dialogs.shown.back().icon, MsgIcon::Information);
}

TEST(PlayHand, DoubleDownDrawDoublesAWinningDeal) {
    Rig rig;
    rig.m.Select_Game(23);
    rig.m.wallet().Credits = 7;
    rig.m.wallet().Coin_Bucket = 0;
    rig.m.Prepare_Hand();
    rig.stack("QH QD 3C 7S 9H 2S 4D 8C");
    rig.bet_and_deal(5);
    ASSERT_EQ(rig.m.phase(), Phase::AwaitDouble);
    EXPECT_EQ(rig.m.view().Btn_Show_Fifth.caption, "&Double Your Bet!");
    EXPECT_FALSE(rig.m.view().Btn_Hold[0].visible);
    rig.m.view().Btn_Show_Fifth.visible = false;  // a button not shown does nothing
    rig.m.Btn_Show_Fifth_Click();
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 5);
    rig.m.view().Btn_Show_Fifth.visible = true;
    rig.m.Btn_Show_Fifth_Click();
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 10);
    EXPECT_EQ(rig.m.wallet().Credits, 0);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, -3);
    EXPECT_EQ(rig.dialogs.shown.back().text, "You didn't have enough credits, so you had to play 3 additional coins.");
    EXPECT_EQ(rig.dialogs.shown.back().title, "Double Down Draw");
    EXPECT_EQ(rig.m.view().Lbl_Pay[6].caption.substr(0, 9), "10 Crdts.");
    for (size_t c = 2; c <= 6; ++c) EXPECT_EQ(rig.m.view().Lbl_Pay[c].bold, c == 6) << c;  // the doubled bet's column
    EXPECT_EQ(rig.m.view().Btn_Show_Fifth.caption, "&Show Fifth Card!");
    EXPECT_FALSE(rig.m.view().Btn_Show_Fifth.visible);  // doubled once: the button goes
    EXPECT_TRUE(rig.m.view().Btn_Hold[0].visible);
    rig.hold_and_draw("12");
    EXPECT_EQ(rig.m.wallet().Credits, 10);  // a pair of queens at 10 coins
    EXPECT_EQ(rig.m.view().Lbl_Pay[6].caption.substr(0, 9), "5 Credits");

    Rig lose;
    lose.ready(23, 100);
    lose.stack("2H 4D 6C 8S TH");
    lose.bet_and_deal(5);
    EXPECT_EQ(lose.m.phase(), Phase::Dealt);
    EXPECT_FALSE(lose.m.view().Btn_Show_Fifth.visible);
    lose.m.view().Btn_Show_Fifth.visible = true;  // nor does one shown out of its time
    lose.m.Btn_Show_Fifth_Click();
    EXPECT_EQ(lose.m.wallet().Coins_Bet, 5);

    // A bucket that cannot count the missing coins: the bet is not doubled.
    Rig full;
    full.ready(23, 5);
    full.m.wallet().Coin_Bucket = INT32_MIN + 2;
    full.stack("QH QD 3C 7S 9H 2S 4D 8C");
    full.bet_and_deal(5);
    ASSERT_EQ(full.m.phase(), Phase::AwaitDouble);
    full.m.Btn_Show_Fifth_Click();
    EXPECT_EQ(full.m.wallet().Coins_Bet, 5);
    EXPECT_EQ(full.m.wallet().Coin_Bucket, INT32_MIN + 2);
    EXPECT_EQ(full.m.view().Lbl_Pay[6].caption.substr(0, 9), "5 Credits");  // the chart stays the single one
}

TEST(PlayHand, CardClicksHoldOnlyWhileTheHoldButtonsWork) {
    Rig rig;
    rig.ready(1, 100);
    rig.m.Toggle_Hold(2);
    EXPECT_FALSE(rig.m.held(2));
    rig.stack("2H 4D 6C 8S TH");
    rig.bet_and_deal(5);
    rig.m.Toggle_Hold(2);
    EXPECT_TRUE(rig.m.held(2));
    rig.hold_and_draw("2");  // a second click lets go
    rig.m.Toggle_Hold(2);
    EXPECT_FALSE(rig.m.held(2));
}

// Over 200,000 random hands of every open game, with the side bet on and the double up taken or
// declined at random, and every fourth deal of a draw game played on 3, 5 or 10 hands: credits
// plus bucket move by exactly what the statistics say the hands and the side bet paid less what
// they cost, each hand adds its count to the statistics rows, and no card comes out twice.
TEST(LongRun, MoneyStatisticsAndCardsStayTrue) {
    Rig rig;
    ClockRng choices(77);
    rig.m.view().menu("Mnu_Double").checked = true;
    rig.m.view().menu("Mnu_Juicy_Jackpots").checked = true;
    rig.dialogs.cashier_script = [](CashierModel& c) { c.Btn_Ok_Click(); };
    std::vector<GameId> games;
    for (const auto& info : kGames) {
        rig.ready(info.id, 100);
        rig.m.Bet_Max();
        if (rig.m.in_hand()) games.push_back(info.id);
        test::play_out(rig.m, choices);
    }
    ASSERT_EQ(games.size(), 25u);
    const int64_t start = static_cast<int64_t>(rig.m.wallet().Credits) + rig.m.wallet().Coin_Bucket;
    int64_t net = 0, side_bets = 0, doubled = 0;
    const auto& side = rig.m.player().stats.Game_Stats[kSideBetSlot][Stats::kThisSession];
    for (int hand = 0; hand < 200000; ++hand) {
        const GameId g = games[static_cast<size_t>(hand) % games.size()];
        if (rig.m.game() != g) rig.m.Select_Game(g);
        const int hands = g <= 21 && hand % 4 == 3 ? kHandChoices[1 + hand / 4 % 3] : 1;
        if (rig.m.hands() != hands) rig.m.Menu_Command("Mnu_Hands_" + std::to_string(hands));
        ASSERT_EQ(rig.m.hands(), hands);
        if (rig.m.wallet().Credits < 60) rig.m.Insert_Coin();
        if (rig.m.wallet().Credits > 50000) rig.m.Menu_Command("Mnu_Cash_Out");
        const auto& slot = rig.m.player().stats.Game_Stats[static_cast<size_t>(g)][Stats::kThisSession];
        const auto played = slot[Stats::kPlayed], won = slot[Stats::kWon];
        const auto side_played = side[Stats::kPlayed], side_won = side[Stats::kWon];
        int64_t counts = 0;
        for (const auto& row : rig.m.player().stats.Hand_Stats[static_cast<size_t>(g)]) counts += row[Stats::kSessionCount];
        rig.dialogs.double_answers.clear();
        rig.dialogs.picks.clear();
        for (int k = 0; k < 5; ++k) {
            rig.dialogs.double_answers.push_back(choices.next() < 0.5 ? 1 : 0);
            rig.dialogs.picks.push_back(2 + static_cast<int>(choices.next() * 4));
        }
        rig.dialogs.offers.clear();
        // Play Max now and then, so the side coin goes on where the game takes it.
        if (choices.next() < 0.3) {
            rig.m.Bet_Max();
        } else {
            const int coins = 1 + static_cast<int>(choices.next() * 5);
            for (int c = 0; c < coins && !rig.m.in_hand(); ++c) rig.m.Bet_One_Credit();
        }
        rig.m.Start_Hand();
        test::play_out(rig.m, choices);
        ASSERT_FALSE(rig.m.in_hand()) << "game " << g << ", hand " << hand;
        doubled += rig.dialogs.offers.empty() ? 0 : 1;
        side_bets += side[Stats::kPlayed] - side_played;

        std::set<int> seen;
        for (int i = 1; i < rig.m.table().cards.Next_Card; ++i)
            ASSERT_TRUE(seen.insert(rig.m.table().cards.Deck[static_cast<size_t>(i)].Image).second) << "hand " << hand;
        const auto& history = rig.m.history().hands();
        for (size_t k = history.size() - static_cast<size_t>(hands); k < history.size(); ++k) {
            std::set<int16_t> images;
            for (const auto& c : history[k].final) images.insert(c.Image);
            ASSERT_EQ(images.size(), 5u) << "hand " << hand;  // each of several hands draws from its own deck
        }
        net += (slot[Stats::kWon] - won) - (slot[Stats::kPlayed] - played);
        net += (side[Stats::kWon] - side_won) - (side[Stats::kPlayed] - side_played);
        ASSERT_EQ(static_cast<int64_t>(rig.m.wallet().Credits) + rig.m.wallet().Coin_Bucket - start, net) << "game " << g << ", hand " << hand;
        int64_t now = 0;
        for (const auto& row : rig.m.player().stats.Hand_Stats[static_cast<size_t>(g)]) now += row[Stats::kSessionCount];
        // Hot Hands counts a multiple win twice, Crazy Eights a deal bonus as well.
        ASSERT_GE(now - counts, hands) << "game " << g << ", hand " << hand;
        ASSERT_LE(now - counts, 2 * hands) << "game " << g << ", hand " << hand;
    }
    // Both goodies were really in play.
    EXPECT_GT(side_bets, 10000);
    EXPECT_GT(doubled, 10000);
}

}  // namespace
}  // namespace dw
