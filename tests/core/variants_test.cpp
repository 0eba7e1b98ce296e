#include <algorithm>

#include "machine_rig.h"
#include "eval/juicy.h"
#include "variants/double_down.h"
#include "variants/juicy_jackpots.h"
#include "variants/let_it_ride.h"

namespace dw {
namespace {

using test::H;
using test::Rig;

TEST(DoubleUp, DealerAgainstChosenCard) {
    struct Case {
        bool deuces_wild;
        const char* cards;  // dealer, chosen
        DoubleResult result;
    } cases[] = {
        {false, "KH KS", DoubleResult::Push}, {false, "QH KS", DoubleResult::Win},  {false, "AH 2S", DoubleResult::Loss},
        {true, "2C AH", DoubleResult::Loss},  {true, "2C 2D", DoubleResult::Push},  {true, "AH 2D", DoubleResult::Win},
        {false, "JK AH", DoubleResult::Loss}, {false, "JK JK", DoubleResult::Push}, {false, "2C 3C", DoubleResult::Win},
    };
    for (const auto& c : cases) {
        const auto cards = test::words(c.cards);
        EXPECT_EQ(double_up_outcome(c.deuces_wild, *parse_card(cards[0]), *parse_card(cards[1])), c.result) << c.cards;
    }
    EXPECT_EQ(double_up_question(1), "You've won 1 credit!\r\n\r\nDouble up to 2 credits?");
    for (char key : {'2', '3', '4', '5'}) {
        DoublePickModel pick;
        EXPECT_TRUE(pick.Key_Press(key));
        EXPECT_EQ(pick.choice, key - '0');
    }
    DoublePickModel none;
    EXPECT_FALSE(none.Key_Press('1'));
    EXPECT_FALSE(none.Key_Press('6'));
    EXPECT_FALSE(none.done());
    EXPECT_EQ(double_up_question(40), "You've won 40 credits!\r\n\r\nDouble up to 80 credits?");
}

// A hand of Jacks or Better that wins `win` credits at one coin, played with the double up on.
struct DoubleUpRig {
    Rig rig;
    explicit DoubleUpRig(int32_t win, GameId game = 1, int row = 1) {
        for (const char* goody : {"Mnu_Progressive", "Mnu_Royals"}) rig.m.view().menu(goody).checked = false;
        rig.m.view().menu("Mnu_Double").checked = true;
        rig.ready(game, 100);
        rig.m.pay_table().at(game, row).Pay = win;
    }
    // The dealer shows `dealer`; position 2 holds `chosen`, and the player takes it.
    void deal_double_up(const char* dealer, const char* chosen) {
        rig.dialogs.pick_script = [this, dealer, chosen](DoublePickModel& pick) {
            rig.m.table().cards.Hand_At(1) = *parse_card(dealer);
            rig.m.table().cards.Hand_At(2) = *parse_card(chosen);
            pick.Key_Press('2');
        };
    }
    void play_hand(const char* cards) {
        rig.stack(cards);
        rig.bet_and_deal(1);
        rig.hold_and_draw("12345");
        for (int i = 0; i < 10 && rig.m.timers().Pause_Enabled; ++i) rig.m.Pause_Tick();
    }
};

TEST(DoubleUp, FiveOffersAtMostAndNoneOnceOverFourThousandNineHundredNinetyNine) {
    struct Case {
        const char* what;
        int32_t win;
        const char* dealer;
        const char* chosen;
        size_t offers;
        int32_t credited;
        const char* message;
    } cases[] = {
        {"5 doubled five times", 5, "3C", "KH", 5, 160, "You've won 160 credits!"},
        {"9999 offered once", 9999, "3C", "KH", 1, 19998, "You've won 19998 credits!"},
        {"10000 never", 10000, "3C", "KH", 0, 10000, "One Pair (Jacks or Better) pays 10000 credits"},
        {"kings push, and the offers go on", 5, "KC", "KH", 5, 5, "You've won 5 credits!"},
        {"a loss ends it", 5, "AC", "KH", 1, 0, "Too bad, better luck next time!"},
        {"2499 doubled to 4998 is offered again", 2499, "3C", "KH", 2, 9996, "You've won 9996 credits!"},
        {"2500 doubled to 5000 is not", 2500, "3C", "KH", 1, 5000, "You've won 5000 credits!"},
        {"4999 pushed is offered again", 4999, "KC", "KH", 5, 4999, "You've won 4999 credits!"},
        {"5000 pushed is not", 5000, "KC", "KH", 1, 5000, "You've won 5000 credits!"},
        {"a single credit is offered too", 1, "3C", "KH", 5, 32, "You've won 32 credits!"},
    };
    for (const auto& c : cases) {
        DoubleUpRig d(c.win);
        d.rig.dialogs.double_answers = {1, 1, 1, 1, 1, 1, 1};
        d.deal_double_up(c.dealer, c.chosen);
        d.play_hand("JH JD 2C 5S 9H");
        EXPECT_EQ(d.rig.dialogs.offers.size(), c.offers) << c.what;
        EXPECT_EQ(d.rig.m.wallet().Credits, 99 + c.credited) << c.what;
        EXPECT_EQ(d.rig.m.view().Pnl_Show_Payoffs.caption, c.message) << c.what;
        EXPECT_FALSE(d.rig.m.in_hand()) << c.what;
        EXPECT_EQ(d.rig.m.player().stats.Game_Stats[1][Stats::kThisSession][Stats::kWon], c.credited) << c.what;
        // The history keeps the poker hand, not the double up's cards, with what the round paid.
        ASSERT_EQ(d.rig.m.history().hands().size(), 1u) << c.what;
        EXPECT_EQ(card_text(d.rig.m.history().hands()[0].final[1]), "JD") << c.what;
        EXPECT_EQ(d.rig.m.history().hands()[0].paid, c.credited) << c.what;
    }
    DoubleUpRig lost(5);  // a hand that wins nothing is offered nothing
    lost.rig.dialogs.double_answers = {1};
    lost.play_hand("2H 4D 6C 8S TH");
    EXPECT_TRUE(lost.rig.dialogs.offers.empty());
}

TEST(DoubleUp, DeclinedOrWonTheRoundShowsItsLinesAndPauses) {
    DoubleUpRig d(5);
    d.rig.dialogs.double_answers = {1, 0};
    d.deal_double_up("3C", "KH");
    d.rig.stack("JH JD 2C 5S 9H");
    d.rig.bet_and_deal(1);
    d.rig.hold_and_draw("12345");
    ASSERT_EQ(d.rig.dialogs.offers.size(), 1u);
    EXPECT_EQ(d.rig.dialogs.offers[0], "You've won 5 credits!\r\n\r\nDouble up to 10 credits?");
    // The chosen card is up; the others wait for the half-second pause. The hold buttons are plain.
    EXPECT_EQ(d.rig.m.phase(), Phase::Paying);
    for (const auto& b : d.rig.m.view().Btn_Hold) EXPECT_EQ(b.fore_colour, colour::kBlack);
    // The paid hand's marks are gone; the card taken is marked.
    EXPECT_FALSE(d.rig.m.view().Pnl_Win_Row.visible);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(d.rig.m.view().Pnl_Win_Card[i].visible, i == 1) << i;
    EXPECT_TRUE(d.rig.m.timers().Pause_Enabled);
    EXPECT_EQ(d.rig.m.timers().Pause_Ms, 500);
    EXPECT_TRUE(d.rig.m.in_hand());
    d.rig.m.Bet_Max();
    EXPECT_EQ(d.rig.m.wallet().Credits, 99);
    d.rig.library.draws.clear();
    d.rig.m.Pause_Tick();
    // After the pause the four player's cards are up, left to right.
    std::vector<int32_t> xs;
    for (const auto& draw : d.rig.library.draws) xs.push_back(draw.x);
    EXPECT_EQ(xs, (std::vector<int32_t>{21 + 88, 21 + 176, 21 + 264, 21 + 352}));
    EXPECT_EQ(d.rig.dialogs.offers.size(), 2u);
    EXPECT_EQ(d.rig.m.wallet().Credits, 109);
    EXPECT_EQ(d.rig.m.view().Pnl_Show_Payoffs.caption, "You've won 10 credits!");
    EXPECT_EQ(d.rig.sound.names().back(), "deal.wav");
    // The double up is over: the next hand's pauses are its own (a hand of Double Down Stud).
    d.rig.ready(24, 100);
    d.rig.stack("2H 4D 7C 9S 3H");
    d.rig.m.Bet_Max();
    d.rig.finish_deal();
    d.rig.m.Btn_Stand_Click();
    d.rig.m.Btn_Show_Fifth_Click();
    d.rig.m.Pause_Tick();
    EXPECT_FALSE(d.rig.m.in_hand());
    EXPECT_EQ(d.rig.m.wallet().Credits, 95);  // nothing for a nine high, and nothing paid twice
    EXPECT_EQ(d.rig.m.view().Pnl_Show_Payoffs.caption, "Sorry, try again!");
}


struct StudCase {
    const char* what;
    const char* cards;
    int32_t credits;
    bool double_down;
    const char* message;  // after the four cards
    const char* focus;
    int coins;            // on the table after the decision
    int32_t credits_after;
    int32_t bucket_after;
};

TEST(DoubleDownStud, WholeHands) {
    const StudCase cases[] = {
        {"6-6-2-K doubled, pair of sixes", "6H 6D 2C KS 9H", 100, true, "  One Pair (Sixes-Tens)!  Double Down or Stand?",
         "Btn_Double", 10, 100 - 10 + 10, -80},
        {"royal at ten coins", "TS JS QS KS AS", 100, true, "Double Down or Stand?", "Btn_Stand", 10, 100 - 10 + 10000,
         -80},
        {"four low cards, stand", "2H 4D 7C 9S 3H", 100, false, "Double Down or Stand?", "Btn_Stand", 5, 95, -80},
        {"short of credits", "QH QD 3C 7S 8H", 8, true, "  One Pair (Jacks or Better)! Double Down or Stand?",
         "Btn_Double", 10, 0 + 20, -82},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.goodies_off();
        rig.ready(24, c.credits);
        rig.stack(c.cards);
        rig.bet_and_deal(5);
        ASSERT_EQ(rig.m.phase(), Phase::Deciding) << c.what;
        EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, c.message) << c.what;
        EXPECT_EQ(rig.m.view().focus, c.focus) << c.what;
        for (const auto& d : rig.library.draws)
            EXPECT_NE(d.picture, rig.m.table().cards.Hand_At(5).Image) << c.what << ": the fifth card lies face down";
        if (c.double_down) rig.m.Btn_Double_Click();
        else rig.m.Btn_Stand_Click();
        EXPECT_EQ(rig.m.wallet().Coins_Bet, c.coins) << c.what;
        EXPECT_EQ(rig.m.view().focus, "Btn_Show_Fifth") << c.what;
        EXPECT_FALSE(rig.m.view().Btn_Double.visible || rig.m.view().Btn_Stand.visible) << c.what;
        EXPECT_TRUE(rig.m.view().Btn_Show_Fifth.visible && rig.m.view().Btn_Show_Fifth.enabled) << c.what;
        EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "") << c.what;  // the decision's question goes
        rig.m.Btn_Show_Fifth_Click();
        ASSERT_TRUE(rig.m.timers().Pause_Enabled) << c.what;
        rig.m.Pause_Tick();
        EXPECT_FALSE(rig.m.in_hand()) << c.what;
        EXPECT_EQ(rig.m.wallet().Credits, c.credits_after) << c.what;
        EXPECT_EQ(rig.m.wallet().Coin_Bucket, c.bucket_after) << c.what;
    }
}

// Doubling moves the highlight to the doubled bet's column: 2 -> 4 on the regular chart, 3 -> 6 and
// 5 -> 10 on the doubled one; short of credits, the bucket pays the rest with its message.
TEST(DoubleDownStud, ShortOfCreditsTheBucketPaysWithItsMessageAndTheChartFollows) {
    struct Case {
        int32_t credits;
        int coins, doubled;
        size_t red, cyan;  // the bet column after doubling, and the one before
        const char* last_header;
    } cases[] = {{9, 5, 10, 6, 3, "10 Crdts."}, {100, 2, 4, 5, 3, "5 Credits"}, {100, 3, 6, 4, 6, "10 Crdts."},
                 {100, 4, 8, 5, 6, "10 Crdts."}};
    for (const auto& c : cases) {
        Rig rig;
        rig.ready(24, c.credits);
        rig.stack("QH QD 3C 7S 8H");
        rig.bet_and_deal(c.coins);
        const size_t messages = rig.dialogs.shown.size();
        rig.m.Btn_Double_Click();
        EXPECT_EQ(rig.m.wallet().Coins_Bet, c.doubled) << c.coins;
        EXPECT_EQ(rig.m.view().Lbl_Credits.caption, std::to_string(rig.m.wallet().Credits)) << c.coins;
        EXPECT_EQ(rig.m.view().Lbl_Played.caption, std::to_string(c.doubled)) << c.coins;
        EXPECT_EQ(rig.m.view().Lbl_Pay[c.red].back_colour, colour::kRed) << c.coins;
        EXPECT_EQ(rig.m.view().Lbl_Pay[c.cyan].back_colour, colour::kCyan) << c.coins;
        EXPECT_TRUE(rig.m.view().Lbl_Pay[6].caption.starts_with(c.last_header)) << c.coins;
        if (c.credits >= c.coins * 2) {
            EXPECT_EQ(rig.dialogs.shown.size(), messages) << c.coins;
            continue;
        }
        EXPECT_EQ(rig.dialogs.shown.back().text, "You didn't have enough credits, so you had to play one additional coin.");
        EXPECT_EQ(rig.m.view().Lbl_Coins.caption, "-81");
        EXPECT_EQ(rig.dialogs.shown.back().title, "Double Down Stud");
    }
    EXPECT_EQ(stud_four_call(5), nullptr);
    EXPECT_EQ(std::string(stud_four_call(8)->sound), "fourkind.wav");
}

TEST(PickFive, TheSecondCardEveryTimeTakesTheEvenDeckCards) {
    Rig rig;
    rig.ready(22, 100);
    rig.dialogs.pick5_choices = {2, 2, 2, 2, 2};
    const auto deck = rig.m.table().cards.Deck;
    rig.bet_and_deal(5);
    ASSERT_EQ(rig.dialogs.pick5_offers.size(), 5u);
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(rig.m.table().cards.Hand_At(p), deck[static_cast<size_t>(2 * p)]) << p;
    EXPECT_EQ(rig.m.table().cards.Next_Card, 11);
    const auto& third = rig.dialogs.pick5_offers[2];
    EXPECT_EQ(third.lblCount, "The third card in your hand can be either of these two cards:");
    EXPECT_EQ(third.Card1Value, deck[5].Value);
    EXPECT_EQ(third.Card2Suit, deck[6].Suit);
    rig.hold_and_draw("2345");
    EXPECT_EQ(rig.m.table().cards.Hand_At(1), deck[11]);
}

TEST(LetItRide, TheFourthCardAndTheSecondTakeBack) {
    Rig rig;
    rig.ready(25, 100);
    rig.stack("TH 4D 8C TS 2H");
    rig.m.Bet_One_Credit();
    rig.m.Bet_One_Credit();
    rig.m.Start_Hand();
    rig.finish_deal();
    rig.m.Btn_Double_Click();  // 6 coins: two parts of 2 left
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 4);
    EXPECT_EQ(rig.m.view().Lbl_Played.caption, "4");
    EXPECT_EQ(rig.m.wallet().Credits, 96);
    EXPECT_EQ(rig.m.view().Btn_Show_Fifth.caption, "&Show Fourth Card!");
    rig.m.Btn_Show_Fifth_Click();
    EXPECT_EQ(rig.m.view().Btn_Show_Fifth.caption, "&Show Fifth Card!");
    EXPECT_EQ(rig.m.table().hidden_last(), 1);  // only the fifth card is down now
    EXPECT_FALSE(rig.m.view().Btn_Double.enabled);
    rig.m.Pause_Tick();
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "  One Pair (Tens or Better)!  Take back 1/3 of bet?");
    EXPECT_EQ(rig.m.view().focus, "Btn_Stand");
    rig.m.Btn_Double_Click();
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 2);
    EXPECT_EQ(rig.m.wallet().Credits, 98);
    EXPECT_FALSE(rig.m.view().Btn_Double.visible || rig.m.view().Btn_Stand.visible);  // the last decision is made
    EXPECT_EQ(rig.m.view().Btn_Show_Fifth.caption, "&Show Fifth Card!");
    EXPECT_EQ(take_back(7, true), std::nullopt);
    EXPECT_EQ(take_back(18, true), std::nullopt);
}

// Whole hands, step by step: the question and focus after three cards, then at each decision the
// chart on the table, the sounds Velmora says and the message after the next card; the credits at
// the end (the top prize only when all three parts ride). A null entry is not checked.
TEST(LetItRide, ChartsSoundsAndMessagesAtEachStep) {
    struct Step {
        char decision;        // 'b' take back, 'r' ride
        const char* chart;    // the last column's header once decided
        const char* sounds;   // said after the card that follows is up, besides the deal sound
        const char* message;  // after that card
    };
    struct Case {
        const char* what;
        const char* cards;
        const char* first_message;
        const char* first_focus;
        const char* dealt_sounds;
        std::array<Step, 2> steps;
        int32_t credits;
    } cases[] = {
        // The hand said again at the end is "you win"; a tens or two-pair sound is one of its variants.
        {"tens at three cards are not said again at four", "TH TD 4C 8S 2H",
         "  One Pair (Tens or Better)!  Take back 1/3 of bet?", "Btn_Stand", "tens",
         {{{'b', "10 Crdts.", "", "  One Pair (Tens or Better)!  Take back 1/3 of bet?"},
           {'b', "5 Credits", "youwin", "One Pair (Tens or Better) pays 10 credits"}}},
         100 - 15 + 5 + 5 + 10},
        {"tens made at four cards are said", "TH 4D 8C TS 2H", "Take back 1/3 of bet?", "Btn_Double", "",
         {{{'r', "15 Crdts.", "tens", "  One Pair (Tens or Better)!  Take back 1/3 of bet?"},
           {'b', "10 Crdts.", "youwin", nullptr}}},
         100 - 15 + 5 + 20},
        {"two pairs at four cards", "9H 9D 4C 4S 2H", "Take back 1/3 of bet?", "Btn_Double", "",
         {{{'r', "15 Crdts.", "twopair", "  Two Pairs!  Take back 1/3 of bet?"},
           {'b', "10 Crdts.", "youwin", "Two Pairs pays 30 credits"}}},
         100 - 15 + 5 + 30},
        {"trips at three cards are not said again at four", "7H 7D 7C 4S 2H", nullptr, nullptr, "threeknd",
         {{{'r', "15 Crdts.", "", nullptr}, {'r', "15 Crdts.", nullptr, nullptr}}}, 100 - 15 + 15 * 4},
        {"trips made at four cards are said", "7H 7D 4C 7S 2H", "Take back 1/3 of bet?", nullptr, "",
         {{{'r', "15 Crdts.", "threeknd", "  Three of a Kind!  Take back 1/3 of bet?"}, {'r', "15 Crdts.", nullptr, nullptr}}},
         100 - 15 + 15 * 4},
        {"a loss says nothing of holding and drawing", "2H 5D 9C JS 7H", "Take back 1/3 of bet?", "Btn_Double", "",
         {{{'r', "15 Crdts.", "", "Take back 1/3 of bet?"}, {'r', "15 Crdts.", "", "Sorry, try again!"}}}, 100 - 15},
        {"royal, both thirds back", "TS JS QS KS AS", "Take back 1/3 of bet?", "Btn_Double", nullptr,
         {{{'b', "10 Crdts.", nullptr, nullptr}, {'b', "5 Credits", nullptr, nullptr}}}, 100 - 5 + 5 * 500},
        {"royal, all riding", "TS JS QS KS AS", "Take back 1/3 of bet?", "Btn_Double", nullptr,
         {{{'r', "15 Crdts.", nullptr, nullptr}, {'r', "15 Crdts.", nullptr, nullptr}}}, 100 - 15 + 15000},
        {"pair of tens, all riding", "TH TD 4C 8S 2H", nullptr, nullptr, nullptr,
         {{{'r', "15 Crdts.", nullptr, nullptr}, {'r', "15 Crdts.", nullptr, nullptr}}}, 100 - 15 + 15 * 2},
        {"pair of nines: one third back", "9H 9D 4C 8S 2H", "Take back 1/3 of bet?", "Btn_Double", nullptr,
         {{{'b', "10 Crdts.", nullptr, nullptr}, {'r', "10 Crdts.", nullptr, nullptr}}}, 90},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.goodies_off();
        rig.ready(25, 100);
        rig.stack(c.cards);
        rig.m.Bet_Max();
        rig.finish_deal();
        auto said = [&rig] {
            std::string out;
            for (const auto& name : rig.sound.names()) {
                if (name == "deal.wav") continue;
                const size_t stem = name.find_last_not_of("0123456789", name.rfind('.') - 1) + 1;
                out += (out.empty() ? "" : " ") + name.substr(0, stem);
            }
            rig.sound.played.clear();
            return out;
        };
        ASSERT_EQ(rig.m.phase(), Phase::Deciding) << c.what;
        if (c.first_message) EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, c.first_message) << c.what;
        if (c.first_focus) EXPECT_EQ(rig.m.view().focus, c.first_focus) << c.what;
        const std::string dealt = said();
        if (c.dealt_sounds) EXPECT_EQ(dealt, c.dealt_sounds) << c.what;
        for (const Step& step : c.steps) {
            if (step.decision == 'b') rig.m.Btn_Double_Click();
            else rig.m.Btn_Stand_Click();
            EXPECT_TRUE(rig.m.view().Lbl_Pay[6].caption.starts_with(step.chart)) << c.what << ": " << rig.m.view().Lbl_Pay[6].caption;
            // Decided: the two buttons give way to the one that turns the next card up.
            EXPECT_FALSE(rig.m.view().Btn_Double.visible || rig.m.view().Btn_Stand.visible) << c.what;
            EXPECT_TRUE(rig.m.view().Btn_Show_Fifth.visible && rig.m.view().Btn_Show_Fifth.enabled) << c.what;
            EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "") << c.what;  // the question goes
            const size_t up = &step - c.steps.data() + 3;  // the card the button turns up, from 0
            rig.library.draws.clear();
            rig.m.Btn_Show_Fifth_Click();
            if (up == 3) EXPECT_TRUE(rig.m.view().Btn_Double.visible && rig.m.view().Btn_Stand.visible) << c.what;  // greyed, for the next
            rig.m.Pause_Tick();
            ASSERT_FALSE(rig.library.draws.empty()) << c.what;
            EXPECT_EQ(rig.library.draws.front().picture, rig.m.table().cards.hand[up].Image) << c.what;
            EXPECT_EQ(rig.library.draws.front().x, 21 + 88 * static_cast<int32_t>(up)) << c.what;
            const auto names = rig.sound.names();
            EXPECT_EQ(std::count(names.begin(), names.end(), "deal.wav"), 1) << c.what;  // the card's snap
            const std::string sounds = said();
            if (step.sounds) EXPECT_EQ(sounds, step.sounds) << c.what;
            if (step.message) EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, step.message) << c.what;
        }
        EXPECT_FALSE(rig.m.in_hand()) << c.what;
        EXPECT_EQ(rig.m.wallet().Credits, c.credits) << c.what;
        // The hand is over: the decision buttons stay in their place, greyed.
        EXPECT_TRUE(rig.m.view().Btn_Double.visible && rig.m.view().Btn_Stand.visible) << c.what;
        EXPECT_FALSE(rig.m.view().Btn_Double.enabled || rig.m.view().Btn_Stand.enabled) << c.what;
    }
}

// New juicy cards come up one per tick, from the left.
TEST(JuicyJackpots, TheCardsComeUpOnePerTick) {
    JuicyJackpots juicy;
    test::ScriptedRng rng({}, -1);
    juicy.new_cards(rng);
    juicy.start_showing();
    for (int tick = 1; tick <= 5; ++tick) {
        EXPECT_EQ(juicy.Show_Tick(), tick < 5) << tick;
        for (size_t j = 0; j < 5; ++j) EXPECT_EQ(juicy.view.Pnl_Card[j].visible, static_cast<int>(j) < tick) << tick;
    }
    EXPECT_FALSE(juicy.Show_Tick());
    // Each card names its rank, as its card reads.
    std::vector<std::string> ranks, expected;
    for (const auto& p : juicy.view.Pnl_Card) ranks.push_back(p.caption);
    for (const auto& c : juicy.cards()) {
        const std::string text = card_text(c);
        expected.push_back(c.Value == 1 ? "Joker" : c.Value == 10 ? "10" : text.substr(0, 1));
    }
    EXPECT_EQ(ranks, expected);
    // The window's deck runs from the two of hearts to the ace of spades, each drawn card taken out.
    // Hearts and diamonds are red, each card with its suit's picture.
    test::ScriptedRng ends({0.999, 0.0, 0.999, 0.3, 0.6}, 0.0);
    juicy.new_cards(ends);
    juicy.start_showing();
    while (juicy.Show_Tick()) {}
    std::vector<std::string> drawn;
    for (size_t j = 0; j < 5; ++j) {
        const Control& face = juicy.view.Pnl_Card[j];
        drawn.push_back(card_text(juicy.cards()[j]) + " " + face.caption + (face.fore_colour == colour::kRed ? " red " : " black ") +
                        std::to_string(juicy.view.Img_Card[j].picture));
    }
    EXPECT_EQ(drawn, (std::vector<std::string>{"AS A black 4", "2H 2 red 1", "KS K black 4", "4D 4 red 2", "6C 6 black 3"}));
}

// The side bet's chart: each row's pay, and the top one's in words, its thousands grouped.
TEST(JuicyJackpots, TheChartsPays) {
    Pay_Table table;
    Set_Default_Payouts(table, 0);
    JuicyJackpots juicy;
    for (const auto& [top, words] : {std::pair{50000, "50,000 Coins!"}, {1234567, "1,234,567 Coins!"}, {999, "999 Coins!"}}) {
        table.at(kSideBetSlot, 11).Pay = top;
        juicy.show_pays(table);
        EXPECT_EQ(juicy.view.Pnl_50000.caption, words);
        EXPECT_EQ(juicy.view.Hand_Value[10].caption, std::to_string(top) + " Coins");
    }
    EXPECT_EQ(juicy.view.Hand_Value[0].caption, "6 Coins");
}

// A win lights its row; the next hand puts every row back in black, as a new window starts.
TEST(JuicyJackpots, TheNextHandPutsTheLitRowBack) {
    const JuicyJackpots fresh;
    EXPECT_EQ(fresh.view.Pnl_Info.caption, kJuicyInvite);
    EXPECT_TRUE(fresh.view.Btn_Customize.visible && fresh.view.Btn_Reset.visible && !fresh.view.Btn_Continue.visible);
    for (int16_t row : {int16_t{1}, int16_t{11}}) {
        JuicyJackpots juicy;
        juicy.show_win(row);
        EXPECT_EQ(juicy.view.Hand_Name[static_cast<size_t>(row - 1)].fore_colour, colour::kRed) << row;
        juicy.reset_for_hand();
        for (size_t k = 0; k < 11; ++k)
            EXPECT_EQ(std::pair(juicy.view.Hand_Name[k].fore_colour, juicy.view.Hand_Value[k].fore_colour), std::pair(colour::kBlack, colour::kBlack)) << k;
    }
}

TEST(JuicyJackpots, EvaluateByTheRulesExamples) {
    const auto juicy = [](const char* text) {
        const Hand h = H(text);
        return JuicyCards{h[0], h[1], h[2], h[3], h[4]};
    };
    const JuicyCards none = juicy("2C 3C 4C 5C 6C");
    struct Case { const char* hand; JuicyCards cards; int row; } cases[] = {
        {"9H 9D KS KC 2H", none, 4},
        {"9H 9S KS KC 2H", none, 2},
        {"9H 9D 9S KS KC", none, 4},
        {"9H 9S 9C KS KC", none, 6},
        {"QH QD QC QS 2H", juicy("QH QD QC QS AH"), 7},
        {"JH JD 2C 5S 7D", juicy("2C 5S 7D AH AS"), 9},
        {"JH JD JC 5S 7D", juicy("JC 5S 7D AH AS"), 3},
        {"9H 9D 2C 5S 7D", juicy("2C 5S AH AS KD"), 1},
        {"3H 4D 2C 5S 7D", juicy("2C 5S AH AS KD"), 8},
        {"3H 4D 2C 5S 7D", juicy("3H 4D 2C 5S 7D"), 11},
        {"8H 8D 2C 5S 7D", none, 0},
        {"AH AD AS 5S 7D", juicy("AH AD AS 5S 2D"), 10},
    };
    for (const auto& c : cases) EXPECT_EQ(Evaluate_Juicy(H(c.hand), c.cards).row, c.row) << c.hand;
    const auto r = Evaluate_Juicy(H("3H 4D 2C 5S 7D"), juicy("2C 5S AH AS KD"));
    EXPECT_EQ(r.matched, (std::array<bool, 5>{true, true, false, false, false}));
    // A pair row with one juicy card dealt lights no card: matches count from two.
    const auto pair = Evaluate_Juicy(H("9H 9D 2C 5S 7D"), juicy("2C KS AH AS KD"));
    EXPECT_EQ(pair.row, 1);
    EXPECT_EQ(pair.matched, (std::array<bool, 5>{}));
}

TEST(JuicyJackpots, TheSideCoinPlaysWithPlayMaxAndPaysAfterTheDeal) {
    Rig rig;
    rig.m.view().menu("Mnu_Juicy_Jackpots").checked = true;
    rig.ready(1, 5);
    EXPECT_TRUE(rig.m.juicy_view().visible);
    const JuicyModel& captions = rig.m.juicy_view();
    EXPECT_EQ(captions.Btn_New_Cards.caption, "New Cards!");
    EXPECT_EQ(captions.Btn_Continue.caption, "Continue!");
    EXPECT_FALSE(rig.m.view().Btn_Play_5.enabled);
    rig.ready(1, 6);
    EXPECT_TRUE(rig.m.view().Btn_Play_5.enabled);
    rig.stack("2H 4D 6C 8S TH");
    rig.m.Bet_Max();
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 5);
    EXPECT_EQ(rig.m.wallet().Side_Bet_Placed, 1);
    EXPECT_EQ(rig.m.wallet().Credits, 0);
    rig.finish_deal();
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{-1, -1}));
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[26][0][Stats::kSessionCount], 1);
    EXPECT_FALSE(rig.m.juicy_view().Btn_Continue.visible);

    // A winning deal: the window comes forward, the row turns red, the announcement waits.
    rig.m.wallet().Credits = 100;
    rig.hold_and_draw("");
    const CardCode first = rig.m.juicy_cards()[0], second = rig.m.juicy_cards()[1];
    rig.stack(card_text(first) + " " + card_text(second) + " JH JD 3C");
    rig.m.Bet_Max();
    rig.finish_deal();
    const JuicyModel& w = rig.m.juicy_view();
    EXPECT_EQ(w.Pnl_Info.caption, "   Wowee!!  You win a juicy jackpot!");
    EXPECT_TRUE(w.Btn_Continue.visible);
    EXPECT_FALSE(w.Btn_Reset.visible);
    EXPECT_TRUE(w.activate);
    EXPECT_EQ(rig.sound.names().back(), "Juicy.wav");
    const int row = Evaluate_Juicy(rig.m.table().cards.hand, rig.m.juicy_cards()).row;
    ASSERT_GE(row, 1);
    EXPECT_EQ(w.Hand_Name[static_cast<size_t>(row - 1)].fore_colour, colour::kRed);
    rig.m.Juicy_Continue_Click();
    EXPECT_TRUE(rig.sound.names().back().starts_with("jacks"));
    EXPECT_TRUE(rig.m.view().activate);
}

// A side-bet win: paid at once, its row lit at the pay it showed, the matched cards lit, and the
// hand's own announcement held back until Continue.
TEST(JuicyJackpots, AWinIsPaidLitAndHoldsTheAnnouncementBack) {
    struct Case {
        const char* what;
        int juicy_in_hand;  // the first N juicy cards are dealt
        const char* others; // the rest of the hand, from these (juicy cards left out)
        int row;
        const char* announcement;  // the held-back sound's start, or "" for none
    } cases[] = {
        {"red jacks", 0, "JH JD 2C 3D 4S 5C 6D 7S", 1, "jacks"},
        {"two juicy cards", 2, "2C 3D 4S 5C 6D 7S 8C", 8, ""},
        {"all five", 5, "", 11, nullptr},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.goodies_off();
        rig.m.view().menu("Mnu_Juicy_Jackpots").checked = true;
        rig.ready(1, 100);
        for (int row = 1; row <= 11; ++row) rig.m.pay_table().at(kSideBetSlot, row).Pay = 100 * row + 7;
        rig.m.Juicy_Activate();
        const JuicyModel& w = rig.m.juicy_view();
        for (int k = 0; k < 11; ++k)
            EXPECT_EQ(w.Hand_Value[static_cast<size_t>(k)].caption, std::to_string(100 * (k + 1) + 7) + " Coins");
        const JuicyCards juicy = rig.m.juicy_cards();
        std::string hand;
        for (int k = 0; k < c.juicy_in_hand; ++k) hand += card_text(juicy[static_cast<size_t>(k)]) + " ";
        int count = c.juicy_in_hand;
        for (const auto& word : test::words(c.others)) {
            const CardCode card = *parse_card(word);
            if (count == 5 || std::find(juicy.begin(), juicy.end(), card) != juicy.end()) continue;
            hand += word + " ";
            ++count;
        }
        ASSERT_EQ(count, 5) << c.what;
        rig.stack(hand);
        rig.sound.played.clear();
        rig.m.Bet_Max();
        rig.finish_deal();
        const int32_t pay = 100 * c.row + 7;
        EXPECT_EQ(rig.m.wallet().Credits, 100 - 6 + pay) << c.what;
        EXPECT_FALSE(rig.m.view().hourglass) << c.what;
        EXPECT_EQ(rig.m.player().stats.Game_Stats[kSideBetSlot][Stats::kThisSession][Stats::kWon], pay) << c.what;
        for (int k = 0; k < 11; ++k) {
            const int32_t colour = k == c.row - 1 ? colour::kRed : colour::kBlack;
            EXPECT_EQ(w.Hand_Name[static_cast<size_t>(k)].fore_colour, colour) << c.what << " row " << k + 1;
            EXPECT_EQ(w.Hand_Value[static_cast<size_t>(k)].fore_colour, colour) << c.what << " row " << k + 1;
            EXPECT_EQ(w.Hand_Name[static_cast<size_t>(k)].back_colour, colour::kWhite) << c.what << " row " << k + 1;
            EXPECT_EQ(w.Hand_Value[static_cast<size_t>(k)].back_colour, colour::kWhite) << c.what << " row " << k + 1;
        }
        for (size_t j = 0; j < 5; ++j) {
            const bool dealt = std::find(rig.m.table().cards.hand.begin(), rig.m.table().cards.hand.end(), juicy[j]) != rig.m.table().cards.hand.end();
            EXPECT_EQ(w.Pnl_Card[j].back_colour, dealt ? kLightYellow : colour::kWhite) << c.what << " card " << j;
        }
        // Only the deal and the side bet's own sound so far.
        for (const auto& name : rig.sound.names()) EXPECT_TRUE(name == "deal.wav" || name == "Juicy.wav") << c.what << ": " << name;
        EXPECT_EQ(rig.sound.names().back(), "Juicy.wav") << c.what;
        rig.sound.played.clear();
        rig.m.Juicy_Continue_Click();
        if (c.announcement && *c.announcement) {
            ASSERT_EQ(rig.sound.names().size(), 1u) << c.what;
            EXPECT_TRUE(rig.sound.names()[0].starts_with(c.announcement)) << c.what << ": " << rig.sound.names()[0];
        } else if (c.announcement) {
            EXPECT_TRUE(rig.sound.names().empty()) << c.what;
        }  // the five juicy cards may or may not make a hand of their own
        // The end of the hand clears the win from the window.
        rig.hold_and_draw("");
        EXPECT_TRUE(w.Btn_Reset.visible && w.Btn_Customize.visible && !w.Btn_Continue.visible) << c.what;
        EXPECT_EQ(w.Pnl_Info.caption, kJuicyInvite) << c.what;
    }
}

}  // namespace
}  // namespace dw
