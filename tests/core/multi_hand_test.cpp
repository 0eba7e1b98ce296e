#include <set>

#include "machine_rig.h"
#include "round/multi_hand.h"
#include "round/draw_round.h"

namespace dw {
namespace {

using test::Rig;

std::string text_of(const Hand& h) {
    std::string out;
    for (const auto& c : h) out += (out.empty() ? "" : " ") + card_text(c);
    return out;
}

TEST(SeveralHands, TheHandsAboveKeepTheHoldsAndDrawOnlyUndealtCards) {
    const Hand dealt = test::H("AH KH QH 7C 2D");
    std::vector<CardCode> undealt;
    for (int v = 2; v <= 14; ++v)
        for (char s : {'H', 'D', 'C', 'S'}) {
            const CardCode c = make_card(static_cast<int16_t>(v), s);
            if (std::find(dealt.begin(), dealt.end(), c) == dealt.end()) undealt.push_back(c);
        }
    ASSERT_EQ(undealt.size(), 47u);
    ClockRng rng(5);
    struct Row {
        int held;
        int count;
    };
    for (const Row row : {Row{0b00111, 9}, Row{0, 4}, Row{0b11111, 2}, Row{0b10001, 9}}) {
        ExtraHands extra;
        extra.draw(dealt, row.held, undealt, row.count, rng);
        ASSERT_EQ(extra.cards.size(), static_cast<size_t>(row.count));
        std::set<std::string> different;
        for (const Hand& h : extra.cards) {
            std::set<int16_t> images;
            for (size_t p = 0; p < 5; ++p) {
                images.insert(h[p].Image);
                if (row.held & (1 << p)) EXPECT_EQ(h[p], dealt[p]) << text_of(h);  // the holds, copied
                else EXPECT_NE(std::find(undealt.begin(), undealt.end(), h[p]), undealt.end()) << text_of(h);
            }
            EXPECT_EQ(images.size(), 5u) << text_of(h);  // no card twice in a hand
            different.insert(text_of(h));
        }
        // Each hand has a deck of its own: with cards to draw, the hands differ.
        if (row.held != 0b11111) EXPECT_GT(different.size(), 1u);
        else EXPECT_EQ(different.size(), 1u);
    }
    for (GameId g = 1; g <= kGameCount; ++g) EXPECT_EQ(offers_several_hands(g), g <= 21) << g;
}

// Three hands of Jacks or Better: the bet on each, the holds copied, every hand paid and counted.
TEST(SeveralHands, ARoundOfThreeHands) {
    Rig rig;
    rig.goodies_off();
    rig.m.view().menu("Mnu_Double").checked = true;  // kept, but not offered with several hands
    rig.ready(1, 100);
    rig.m.Menu_Command("Mnu_Hands_3");
    EXPECT_EQ(rig.settings["hands"], "3");
    EXPECT_EQ(rig.m.hands(), 3);
    EXPECT_TRUE(rig.m.view().menu("Mnu_Hands_3").checked);
    EXPECT_FALSE(rig.m.view().menu("Mnu_Hands_1").checked);
    EXPECT_FALSE(rig.m.view().menu("Mnu_Double").enabled);
    EXPECT_FALSE(rig.m.view().menu("Mnu_Juicy_Jackpots").enabled);
    ASSERT_EQ(rig.m.view().Extra_Hands.size(), 2u);

    rig.m.Bet_One_Credit();  // one credit on each hand
    EXPECT_EQ(rig.m.wallet().Credits, 97);
    EXPECT_EQ(rig.m.view().Lbl_Played.caption, "3");
    EXPECT_FALSE(rig.m.view().menu("Mnu_Hands_5").enabled);  // not while a bet is on
    rig.m.Menu_Command("Mnu_Hands_5");
    EXPECT_EQ(rig.m.hands(), 3);
    rig.stack("JH JD 4C 7S 9D");  // a pair of jacks on the deal
    rig.m.Bet_Max();
    EXPECT_EQ(rig.m.wallet().Credits, 85);
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 5);
    EXPECT_EQ(rig.m.view().Lbl_Played.caption, "15");
    rig.finish_deal();
    ASSERT_TRUE(rig.m.in_hand());
    EXPECT_FALSE(rig.m.view().Extra_Hands[0].face_up);  // face down until the draw
    const Hand dealt = rig.m.table().cards.hand;
    rig.hold_and_draw("12345");  // everything held: every hand is the dealt hand
    ASSERT_FALSE(rig.m.in_hand());
    for (const auto& h : rig.m.view().Extra_Hands) {
        EXPECT_TRUE(h.face_up);
        for (size_t p = 0; p < 5; ++p) EXPECT_EQ(h.value[p], dealt[p].Value);
    }
    const auto& hands = rig.m.history().hands();
    ASSERT_EQ(hands.size(), 3u);
    int64_t paid = 0;
    for (const auto& h : hands) {
        EXPECT_EQ(h.final, dealt);
        EXPECT_EQ(h.bet, 5);
        paid += h.paid;
    }
    EXPECT_EQ(rig.m.wallet().Credits, 85 + paid);
    EXPECT_EQ(hands.back().credits, rig.m.wallet().Credits);
    const auto& slot = rig.m.player().stats.Game_Stats[1][Stats::kThisSession];
    EXPECT_EQ(slot[Stats::kPlayed], 15);
    EXPECT_EQ(slot[Stats::kWon], paid);
    const HandCode code = hands[0].row;
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[1][static_cast<size_t>(code)][Stats::kSessionCount], 3);
    EXPECT_EQ(paid, 15);  // a pair of jacks on each hand
    {
        EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "3 hands win " + std::to_string(paid) + " credits!");
        EXPECT_EQ(rig.m.view().Win_Rows.size(), 1u);
        EXPECT_EQ(rig.m.view().Win_Rows.begin()->second, 3);
        EXPECT_FALSE(rig.m.view().Extra_Hands[0].win.empty());
    }
    // A game without several hands plays one, and the choice stays for the draw games.
    rig.m.Menu_Command("Mnu_Stud");
    EXPECT_EQ(rig.m.hands(), 1);
    EXPECT_TRUE(rig.m.view().Extra_Hands.empty());
    EXPECT_FALSE(rig.m.view().menu("Mnu_Hands_3").enabled);
    rig.m.Menu_Command("Mnu_Jacks");
    EXPECT_EQ(rig.m.hands(), 3);
    EXPECT_TRUE(rig.m.view().menu("Mnu_Double").checked);  // the goody's mark as it was
    for (int row = 1; row <= 9; ++row) rig.m.pay_table().at(1, row).Pay = row == 9;  // only a royal pays, one credit
    rig.stack("TH JH QH KH 2C AH");
    rig.bet_and_deal(1);
    rig.hold_and_draw("1234");
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "1 hand wins 1 credit!");
}

// A royal flush in order on every hand at the maximum bet: each hand is paid the reversible
// royal, the first one the jackpot too, and the jackpot's display follows.
TEST(SeveralHands, EachHandIsPaidByTheMachinesRules) {
    Rig rig;
    rig.goodies_off();
    rig.m.view().menu("Mnu_Royals").checked = true;
    rig.m.view().menu("Mnu_Progressive").checked = true;
    rig.m.progressive().Jackpot = 1000;
    rig.ready(1, 1000);
    rig.m.Menu_Command("Mnu_Hands_3");
    rig.stack("TH JH QH KH AH");
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    const auto& hands = rig.m.history().hands();
    ASSERT_EQ(hands.size(), 3u);
    // Each hand feeds 2% of its 5 coins: the first royal takes the 1,000.1 credits' whole credits,
    // the next ones find the jackpot started again with a tenth of a credit.
    EXPECT_EQ(hands[0].paid, 51000);
    EXPECT_EQ(hands[1].paid, 50000);
    EXPECT_EQ(hands[2].paid, 50000);
    EXPECT_EQ(hands[0].row, hands[2].row);
    EXPECT_EQ(rig.m.wallet().Credits, 99999);  // the meter's cap
    EXPECT_EQ(rig.store.text("PROGRES1.VPK").substr(0, 8), " 2\r\n 0\r\n");  // the jackpot as it stands (the last royal took it), kept
    // The royal must lie in order to be reversible; a flush is a flush; a hand of nothing says so.
    struct Row {
        const char* cards;
        int64_t paid;
    };
    for (const Row row : {Row{"AH KH QH JH TH", 50000}, Row{"KH AH QH JH TH", 4000}, Row{"2H 5H 9H JH KH", 30},
                          Row{"2H 5D 9C JS 3H", 0}}) {
        rig.m.wallet().Credits = 1000;
        const size_t before = rig.m.history().hands().size();
        rig.stack(row.cards);
        rig.bet_and_deal(5);
        rig.hold_and_draw("12345");
        ASSERT_EQ(rig.m.history().hands().size(), before + 3);
        for (size_t k = before; k < before + 3; ++k) EXPECT_EQ(rig.m.history().hands()[k].paid, row.paid) << row.cards;
        if (row.paid == 0) EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, kDrawLook.no_win);
    }
    rig.stack("JH JD 4C 7S 9D");  // one coin on each: a credit a hand is a win too
    rig.bet_and_deal(1);
    rig.hold_and_draw("12345");
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "3 hands win 3 credits!");
    EXPECT_EQ(rig.m.view().Lbl_Winnings[0].caption, std::to_string(rig.m.player().stats.Winnings[0]) + " coins");  // the meter follows
    rig.stack("4C JH JD 7S 9D");  // the first card thrown away: no hand keeps it
    rig.bet_and_deal(1);
    rig.hold_and_draw("23");
    for (size_t k = hands.size() - 3; k < hands.size(); ++k) {
        EXPECT_NE(card_text(hands[k].final[0]), "4C") << k;
        EXPECT_EQ(card_text(hands[k].final[1]) + card_text(hands[k].final[2]), "JHJD") << k;
    }
    rig.m.Menu_Command("Mnu_Stud");  // a stud hand next has no holds: none of the last deal's either
    rig.stack("QH QD 3C 7S 8H");
    rig.bet_and_deal(5);
    rig.m.Btn_Stand_Click();
    rig.m.Btn_Show_Fifth_Click();
    for (int i = 0; i < 10 && rig.m.in_hand(); ++i) rig.m.Pause_Tick();
    ASSERT_FALSE(rig.m.in_hand());
    EXPECT_EQ(hands.back().game, 24);
    EXPECT_EQ(hands.back().held, -1);
    EXPECT_EQ(hands.back().dealt, hands.back().final);
    const std::string shown = rig.m.view().Pnl_Progressive_Display.caption;
    rig.m.Menu_Command("Mnu_Royals");  // shows the jackpot again: it was up to date
    rig.m.Menu_Command("Mnu_Royals");
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, shown);
}

// Hot Hands pays every line the hand makes, the bottom hand's as well as the others'.
TEST(SeveralHands, HotHandsPaysEveryLineOfEveryHand) {
    Rig rig;
    rig.goodies_off();
    rig.ready(21, 1000);
    rig.m.Menu_Command("Mnu_Hands_3");
    rig.stack("KH KD KC 7S 7D");  // a full house: three of a kind, two pairs and a pair as well
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    const auto& hands = rig.m.history().hands();
    ASSERT_EQ(hands.size(), 3u);
    EXPECT_GT(hands[0].paid, 0);
    EXPECT_EQ(hands[1].paid, hands[0].paid);
    EXPECT_EQ(hands[2].paid, hands[0].paid);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[21][6][Stats::kSessionCount], 3);  // each counted as a full house too
}

TEST(SeveralHands, TheChoiceComesBackFromTheSettingsFile) {
    for (const auto& [kept, hands] : std::vector<std::pair<std::string, int>>{{"10", 10}, {"5", 5}, {"7", 1}, {"", 1}}) {
        Rig rig;
        rig.settings["hands"] = kept;
        rig.m.Main_Initialisation(1);
        EXPECT_EQ(rig.m.hands(), hands) << kept;
        EXPECT_EQ(rig.m.view().Extra_Hands.size(), static_cast<size_t>(hands - 1)) << kept;
    }
}

}  // namespace
}  // namespace dw
