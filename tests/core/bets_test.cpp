#include <map>
#include <set>

#include "machine_rig.h"

namespace dw {
namespace {

using test::Rig;

// Play 1 steps the bet and its lit column, and the fifth coin deals; Play Max bets what the full
// bet still lacks and deals, and short of credits it beeps and does nothing.
TEST(Bets, PlayOneStepsPlayMaxBetsTheRestAndBothDeal) {
    Rig rig;
    rig.ready(1, 10);
    rig.m.Start_Hand();  // Deal with nothing bet deals nothing
    EXPECT_FALSE(rig.m.timers().Timer1_Enabled);
    for (int i = 1; i <= 4; ++i) {
        rig.m.Bet_One_Credit();
        const auto& vm = rig.m.view();
        EXPECT_EQ(std::tuple(rig.m.wallet().Coins_Bet, vm.Lbl_Played.caption, vm.Lbl_Pay[static_cast<size_t>(i + 1)].back_colour),
                  std::tuple(int16_t(i), std::to_string(i), colour::kRed));
        EXPECT_TRUE(vm.Lbl_Pay[static_cast<size_t>(i + 1)].bold && vm.Btn_Deal.enabled);
        if (i > 1) EXPECT_EQ(vm.Lbl_Pay[static_cast<size_t>(i)].back_colour, colour::kCyan);
        EXPECT_FALSE(vm.menu("Mnu_Jacks").enabled || vm.Lst_Games.enabled);
        EXPECT_EQ(rig.m.phase(), Phase::Idle);
    }
    rig.m.Bet_One_Credit();
    EXPECT_EQ(rig.m.phase(), Phase::Dealing);
    rig.m.Timer1_Tick();
    EXPECT_TRUE(rig.m.view().hourglass);  // while the cards come
    EXPECT_FALSE(rig.m.view().Btn_Play_5.enabled || rig.m.view().Btn_Play_Credit.enabled || rig.m.view().Btn_Deal.enabled);
    EXPECT_EQ(rig.m.view().Lbl_Credits.caption, "5");
    rig.finish_deal();
    EXPECT_FALSE(rig.m.view().hourglass);  // the cards are out

    Rig max;
    max.ready(1, 4);
    const ViewModel before = max.m.view();
    max.m.Bet_Max();
    EXPECT_EQ(std::tuple(max.dialogs.beeps, max.m.wallet().Credits, max.m.wallet().Coins_Bet), std::tuple(1, 4, int16_t{0}));
    EXPECT_TRUE(max.m.view().menu("Mnu_Jacks").enabled);
    EXPECT_EQ(max.m.view().Lbl_Pay[6].back_colour, before.Lbl_Pay[6].back_colour);
    max.ready(1, 7);
    max.m.Bet_One_Credit();
    max.m.Bet_One_Credit();
    max.m.Bet_Max();
    EXPECT_EQ(std::tuple(max.m.wallet().Coins_Bet, max.m.wallet().Credits, max.m.phase()), std::tuple(int16_t{5}, 2, Phase::Dealing));
    EXPECT_EQ(std::pair(max.m.view().Lbl_Pay[6].back_colour, max.m.view().Lbl_Pay[3].back_colour), std::pair(colour::kRed, colour::kCyan));
    EXPECT_FALSE(max.m.view().Btn_Play_Credit.enabled || max.m.view().Btn_Deal.enabled);
}

// The chart column of a bet: Let It Ride's per part, Double Down Stud's four columns of 4 to 10.
TEST(Bets, TheColumnOfEachBet) {
    const int cases[][3] = {{1, 1, 2}, {1, 5, 6}, {23, 10, 11}, {25, 3, 2}, {25, 9, 4}, {25, 15, 6},
                            {24, 1, 2}, {24, 3, 4}, {24, 4, 2}, {24, 5, 3}, {24, 8, 6}};
    for (const auto& c : cases) EXPECT_EQ(bet_column(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(Bets, CoinSlotTakesFromTheBucketEvenWithoutCredits) {
    Rig rig;
    rig.m.wallet().Credits = 0;
    rig.m.wallet().Coin_Bucket = 0;
    rig.m.Prepare_Hand();
    for (int coin = 1; coin <= 5; ++coin) {
        rig.m.Coin_Slot_Click();
        ASSERT_TRUE(rig.m.wallet().coin_slot_busy);
        rig.m.Coin_Slot_Click();  // ignored while the coin goes in
        std::vector<int> frames;
        while (rig.m.wallet().coin_slot_busy) {
            rig.m.Coin_Slot_Tick();
            frames.push_back(rig.m.view().Coin_Slot.picture);
        }
        EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 1}));
        EXPECT_EQ(rig.m.wallet().Coin_Bucket, -coin);
        EXPECT_EQ(rig.m.view().Lbl_Coins.caption, std::to_string(-coin));
    }
    EXPECT_EQ(rig.m.wallet().Credits, 0);
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 5);
    EXPECT_EQ(rig.m.phase(), Phase::Dealing);
}

TEST(Cashier, BoxRulesAndPurchase) {
    Rig rig;
    rig.m.wallet().Credits = 99990;
    rig.m.wallet().Coin_Bucket = 0;
    std::string first_text;
    rig.dialogs.cashier_script = [&](CashierModel& c) {
        first_text = c.text;
        EXPECT_TRUE(rig.m.view().hourglass);  // until the cashier's window is up
        c.Activate();
        EXPECT_FALSE(rig.m.view().hourglass);
        EXPECT_TRUE(c.select_all);
        EXPECT_FALSE(c.Key_Press('a'));
        EXPECT_FALSE(c.Key_Press('-'));
        EXPECT_TRUE(c.Key_Press('7'));
        EXPECT_TRUE(c.Key_Press('\b'));
        c.Text_Changed("9");
        EXPECT_EQ(c.amount(), 9);
        c.Text_Changed("5");
        EXPECT_EQ(c.text, "5");
        c.Text_Changed("50");
        EXPECT_EQ(c.text, "9");
        c.Text_Changed("");
        c.Lost_Focus();
        EXPECT_EQ(c.text, "0");
        c.Text_Changed("4");
        c.Btn_Ok_Click();
        EXPECT_TRUE(c.done);  // the window closes
    };
    rig.m.Insert_Coin();
    EXPECT_EQ(first_text, "9");
    EXPECT_EQ(rig.dialogs.beeps, 3);  // two refused keys and the cap
    EXPECT_EQ(rig.m.wallet().Credits, 99994);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, -4);
    EXPECT_EQ(rig.m.view().Lbl_Credits.caption, "99994");
    EXPECT_EQ(rig.sound.names().back(), "cashier.wav");
    EXPECT_FALSE(rig.m.view().hourglass);
}

TEST(Cashier, DefaultPurchaseCancelAndTheCreditCap) {
    Rig rig;
    rig.m.wallet().Credits = 0;
    rig.m.wallet().Coin_Bucket = 0;
    rig.m.Prepare_Hand();
    rig.dialogs.cashier_script = [](CashierModel& c) { c.Btn_Ok_Click(); };
    EXPECT_FALSE(rig.m.view().Btn_Play_Credit.enabled);
    rig.m.Insert_Coin();
    EXPECT_EQ(rig.m.wallet().Credits, 40);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, -40);
    EXPECT_TRUE(rig.m.view().Btn_Play_Credit.enabled);
    EXPECT_TRUE(rig.m.view().Btn_Play_5.enabled);
    EXPECT_EQ(rig.m.view().focus, "Btn_Play_5");
    rig.dialogs.cashier_script = [](CashierModel& c) {
        c.Text_Changed("300");
        c.Btn_Cancel_Click();
        EXPECT_TRUE(c.done);
    };
    rig.m.Insert_Coin();
    EXPECT_EQ(rig.m.wallet().Credits, 40);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, -40);

    rig.m.wallet().Credits = 99999;
    const int visits = rig.dialogs.cashier_visits;
    rig.m.Insert_Coin();
    EXPECT_EQ(rig.dialogs.cashier_visits, visits);
    EXPECT_EQ(rig.dialogs.shown.back().text,
              "You can't have more than 99,999 credits!  Who do you think you are, Moneybaggins?");
    EXPECT_EQ(rig.dialogs.shown.back().icon, MsgIcon::Exclamation);

    rig.m.wallet().Credits = 50;
    rig.m.view().hourglass = true;  // the deal animation is running
    rig.m.Insert_Coin();
    EXPECT_EQ(rig.dialogs.cashier_visits, visits);
}

TEST(Cashier, CashOutAndTheBucketReset) {
    Rig rig;
    rig.m.wallet().Credits = 0;
    rig.m.wallet().Coin_Bucket = -80;
    rig.m.Menu_Command("Mnu_Cash_Out");
    EXPECT_EQ(rig.dialogs.shown.back().text, "Player 1 Paid: 0 coins     \r\nCredits: 0   ");
    EXPECT_EQ(rig.dialogs.shown.back().title, "Cash Out!");
    rig.m.wallet().Credits = 123;
    rig.m.Menu_Command("Mnu_Cash_Out");
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, 43);
    EXPECT_EQ(rig.m.wallet().Credits, 0);
    EXPECT_FALSE(rig.m.view().Btn_Play_5.enabled);
    EXPECT_EQ(rig.dialogs.shown.back().text, "Player 1 Paid: 123 coins     \r\nCredits: 0   ");

    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.m.Btn_Clear_Coins_Click();
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, 43);
    EXPECT_EQ(rig.dialogs.shown.back().title, "Reset Coin Counter");
    EXPECT_EQ(rig.m.view().focus, "Btn_Insert_Coin");
    rig.m.Btn_Clear_Coins_Click();
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, 0);
    EXPECT_EQ(rig.m.view().Lbl_Coins.caption, "0");
}

TEST(Keys, EachKeyActsOnlyThroughItsButton) {
    Rig rig;
    rig.ready(1, 100);
    rig.m.Key_Press('d');
    rig.m.Key_Press('e');
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 0);
    rig.m.Key_Press('1');
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 1);
    EXPECT_TRUE(rig.m.view().Lbl_Pay[2].bold);  // the one-coin column lit
    rig.m.Key_Press('p');
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 2);
    rig.m.Key_Press('x');
    rig.m.Key_Press('E');
    EXPECT_EQ(rig.m.phase(), Phase::Dealing);
    rig.finish_deal();
    rig.m.view().focus = "Btn_Insert_Coin";
    rig.m.Key_Press('1');
    EXPECT_TRUE(rig.m.held(1));
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 2);
    EXPECT_EQ(rig.m.view().focus, "Btn_Insert_Coin");
    rig.m.view().Btn_Hold[1].visible = false;  // a hidden button does not act, nor take the focus
    rig.m.Key_Press('2');
    EXPECT_FALSE(rig.m.held(2));
    EXPECT_EQ(rig.m.view().focus, "Btn_Insert_Coin");
    rig.m.view().Btn_Hold[1].visible = true;
    rig.m.Key_Press('3');
    EXPECT_TRUE(rig.m.held(3));
    EXPECT_EQ(rig.m.view().focus, "Btn_Redeal");
    rig.m.Key_Press('5');
    EXPECT_TRUE(rig.m.held(5));
    rig.m.Key_Press('e');
    rig.m.Key_Press('m');
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 2);
    rig.m.Key_Press('D');
    EXPECT_EQ(rig.m.phase(), Phase::Drawing);
    rig.finish_draw();
    rig.m.Key_Press('5');
    EXPECT_EQ(rig.m.wallet().Coins_Bet, 5);
    EXPECT_EQ(rig.m.phase(), Phase::Dealing);
    // Play Max after one coin: only the full bet's column stays lit.
    Rig partial;
    partial.ready(1, 100);
    partial.m.Bet_One_Credit();
    partial.m.Bet_Max();
    for (size_t c = 2; c <= 6; ++c) EXPECT_EQ(partial.m.view().Lbl_Pay[c].bold, c == 6) << c;
}

// Between hands: "Game Over" blinks and alternates with the bet to play, the banner scrolls, the
// award line cycles its colours and the enabled button of Deal and Draw blinks.
TEST(IdleDisplay, GameOverBlinksTheBannerScrollsAndTheButtonsBlink) {
    Rig rig;
    std::map<std::string, int> texts;
    int visible = 0;
    std::vector<int32_t> colours;
    for (int tick = 0; tick < 72; ++tick) {
        rig.m.Timer3_Tick();
        ++texts[rig.m.view().Pnl_Game_Over.caption];
        visible += rig.m.view().Pnl_Game_Over.visible;
        if (tick % 4 == 3 && tick < 20) colours.push_back(rig.m.view().Pnl_Progressive_Display.fore_colour);
    }
    EXPECT_EQ(texts, (std::map<std::string, int>{{" \u00B7 Game Over \u00B7", 36}, {" \u00B7 Play 5 Coins \u00B7", 36}}));
    EXPECT_EQ(visible, 48);  // 0.8 s of every 1.2 s
    EXPECT_EQ(colours, (std::vector<int32_t>{0x0000FF, 0xFF00FF, 0xFFFFFF, 0xFFFF00, 0x00FFFF}));
    rig.m.Select_Game(25);
    for (int tick = 0; tick < 40; ++tick) rig.m.Timer3_Tick();
    EXPECT_EQ(rig.m.view().Pnl_Game_Over.caption, " \u00B7 Play 15 Coins \u00B7");
    rig.m.table().Round_State = 2;
    rig.m.Timer3_Tick();
    EXPECT_FALSE(rig.m.view().Pnl_Game_Over.visible);
    // The banner scrolls the text, doubled, fifteen characters at a time, and wraps.
    Rig marquee;
    marquee.m.chart_panel().Marquee_Text = "ABCDEFGHIJKLMNOP";
    std::vector<std::string> banners;
    for (int tick = 1; tick <= 17; ++tick) {
        marquee.m.Timer3_Tick();
        if (tick == 1 || tick == 3 || tick == 16 || tick == 17) banners.push_back(marquee.m.view().Pnl_Banner.caption);
    }
    EXPECT_EQ(banners, (std::vector<std::string>{"ABCDEFGHIJKLMNO ", "CDEFGHIJKLMNOPA ", "PABCDEFGHIJKLMN ", "ABCDEFGHIJKLMNO "}));
    rig.m.view().Btn_Deal.enabled = true;
    rig.m.view().Btn_Redeal.enabled = false;
    rig.m.view().Btn_Redeal.fore_colour = 128;
    rig.m.Timer4_Tick();
    EXPECT_EQ(std::pair(rig.m.view().Btn_Deal.fore_colour, rig.m.view().Btn_Redeal.fore_colour), std::pair(128, 0));
    rig.m.Timer4_Tick();
    EXPECT_EQ(rig.m.view().Btn_Deal.fore_colour, 0);
}

TEST(SoundRule, TheSoundMenuTurnsTheMachineSoundsOffAndOn) {
    Rig rig;
    rig.ready(1, 100);
    rig.m.Menu_Command("Mnu_Sound");
    EXPECT_EQ(rig.m.view().menu("Mnu_Sound").caption, "Turn Sound &On");
    rig.bet_and_deal(5);
    EXPECT_TRUE(rig.sound.played.empty());
    rig.hold_and_draw("12345");
    rig.m.Menu_Command("Mnu_Sound");
    EXPECT_EQ(rig.m.view().menu("Mnu_Sound").caption, "Turn Sound &Off");
    rig.bet_and_deal(5);
    EXPECT_EQ(std::count(rig.sound.played.begin(), rig.sound.played.end(), rig.m.voice().sound_path("deal.wav")), 5);
}

TEST(CardDisplay, TheCardStyleChangesBetweenHandsAndRepaints) {
    Rig rig;
    rig.ready(4, 100);
    rig.stack("2H QS 2C TD 5S");
    rig.bet_and_deal(5);
    // Deuces are wild in this game: the fancy cards get the wild marks.
    EXPECT_TRUE(rig.m.view().Pnl_Wild[0].visible);
    EXPECT_FALSE(rig.m.view().Pnl_Wild[1].visible);
    rig.m.Menu_Command("Mnu_Plain_Cards");  // locked during a hand
    EXPECT_TRUE(rig.m.table().Fancy_Cards);
    rig.hold_and_draw("245");  // the deuces hold themselves
    rig.m.Menu_Command("Mnu_Plain_Cards");
    EXPECT_FALSE(rig.m.table().Fancy_Cards);
    EXPECT_FALSE(rig.m.view().menu("Mnu_Fancy_Cards").checked);
    EXPECT_TRUE(rig.m.view().menu("Mnu_Plain_Cards").checked);
    const auto& vm = rig.m.view();
    EXPECT_EQ(vm.Pnl_Card[1].caption, "Q");
    EXPECT_TRUE(vm.Pnl_Plain_Wild[0].visible);
    for (const auto& card : vm.Pnl_Card) EXPECT_TRUE(card.visible);
    // A repaint asked for while the deal draws a card is dropped.
    rig.m.table().Repaint_Busy = 2;
    rig.library.draws.clear();
    rig.m.Repaint_Hand();
    EXPECT_TRUE(rig.library.draws.empty());
    rig.m.table().Repaint_Busy = 0;
    rig.m.Menu_Command("Mnu_Fancy_Cards");
    EXPECT_EQ(rig.library.draws.size(), 5u);
    EXPECT_FALSE(vm.Pnl_Card[0].visible);
}


// The wallet alone, without a machine: each rule that moves money.
TEST(Wallet, EveryRuleThatMovesMoney) {
    Wallet w;
    EXPECT_EQ(std::tie(w.Credits, w.Coin_Bucket, w.Coins_Bet, w.Side_Bet_Placed, w.coin_frames_left),
              std::make_tuple(0, 0, int16_t{0}, int16_t{0}, 0));
    EXPECT_FALSE(w.coin_slot_busy);
    w.start_session();
    EXPECT_EQ(w.Credits, 80);
    EXPECT_EQ(w.Coin_Bucket, -80);

    // Doubling: from the credits while they last, the rest from the bucket.
    const struct {
        int32_t credits;
        int16_t bet;
        int32_t shortfall, credits_after, bucket_after;
    } doubles[] = {{10, 5, 0, 5, -80}, {5, 5, 0, 0, -80}, {3, 5, 2, 0, -82}, {0, 5, 5, 0, -85}};
    for (const auto& d : doubles) {
        Wallet x;
        x.start_session();
        x.Credits = d.credits;
        x.Coins_Bet = d.bet;
        EXPECT_EQ(x.double_bet(), d.shortfall) << d.credits;
        EXPECT_EQ(x.Coins_Bet, 2 * d.bet);
        EXPECT_EQ(x.Credits, d.credits_after) << d.credits;
        EXPECT_EQ(x.Coin_Bucket, d.bucket_after) << d.credits;
    }

    // The cap: a win that passes 99,999 stops there and says so.
    const struct {
        int32_t credits;
        int64_t win;
        bool capped;
        int32_t after;
    } wins[] = {{99990, 9, false, 99999}, {99990, 10, true, 99999}, {0, 5000000000, true, 99999}, {7, 0, false, 7}};
    for (const auto& c : wins) {
        Wallet x;
        x.Credits = c.credits;
        EXPECT_EQ(x.add_capped(c.win), c.capped) << c.credits << "+" << c.win;
        EXPECT_EQ(x.Credits, c.after);
    }
    Wallet full;
    full.Credits = 99998;
    EXPECT_FALSE(full.full());
    full.Credits = 99999;
    EXPECT_TRUE(full.full());

    // The cashier and the cash out move coins between the bucket and the credits.
    w.buy(20);
    EXPECT_EQ(w.Credits, 100);
    EXPECT_EQ(w.Coin_Bucket, -100);
    EXPECT_EQ(w.cash_out(), 100);
    EXPECT_EQ(w.Credits, 0);
    EXPECT_EQ(w.Coin_Bucket, 0);
    w.Coins_Bet = 15;
    w.take_back(10, 5);
    EXPECT_EQ(w.Coins_Bet, 10);
    EXPECT_EQ(w.Credits, 5);

    // The bucket counts within 32 bits.
    w.Coin_Bucket = INT32_MAX - 5;
    EXPECT_TRUE(w.bucket_fits(5));
    EXPECT_FALSE(w.bucket_fits(6));
    w.Coin_Bucket = INT32_MIN + 5;
    EXPECT_TRUE(w.bucket_fits(-5));
    EXPECT_FALSE(w.bucket_fits(-6));
}

// The jackpot alone: each bet feeds its percent; a win pays its whole credits and starts again.
TEST(Progressive, FeedsClaimsAndClears) {
    Progressive p;
    p.Jackpot_Percent = 2;
    for (int i = 0; i < 3; ++i) p.feed(5);
    EXPECT_DOUBLE_EQ(p.Jackpot, 0.3);
    p.Jackpot_Percent = 20;
    p.feed(10);
    EXPECT_DOUBLE_EQ(p.Jackpot, 2.3);
    EXPECT_EQ(p.claim(), 2);  // whole credits only
    EXPECT_EQ(p.Jackpot, 0);
    p.Jackpot = 7.9;
    p.clear();
    EXPECT_EQ(p.Jackpot, 0);
}

// The voice alone: which file each announcement plays, and the hold-back of the side bet.
TEST(Voice, AnnouncementsVariantsAndTheHoldBack) {
    test::RecordingSound speaker;
    test::ScriptedRng rng({0.0, 0.0, 0.5, 0.9}, 0.0);  // 1; 1 again, then 2; then three2
    Voice v(speaker, rng);
    v.Asset_Directory = "/a";
    v.announce("jacks1.wav", false, true);       // jacks1
    v.announce("jacks1.wav", false, true);       // the same hand twice: "You win!"
    v.Last_Sound.clear();
    v.announce("jacks1.wav", false, true);       // 1 again is skipped: jacks2
    v.announce("threeknd.wav", false, true);     // no variant without wild cards
    v.announce("threeknd.wav", true, true);      // the same key: "You win!" comes first
    v.Last_Sound.clear();
    v.announce("threeknd.wav", true, true);      // wild: three2 or threeknd by the draw (three2)
    v.announce("", false, true);                 // no key, no sound
    const std::vector<std::string> expected = {"/a/jacks1.wav", "/a/youwin1.wav", "/a/jacks2.wav", "/a/threeknd.wav",
                                               "/a/youwin1.wav", "/a/three2.wav"};
    EXPECT_EQ(speaker.played, expected);

    // Held back while the side bet's win shows; the side bet's own jingle still plays; the
    // announcement comes when the window is left; with sound off nothing plays.
    speaker.played.clear();
    v.hold_back();
    v.Play_Sound("/a/fullhous.wav", true);
    EXPECT_TRUE(speaker.played.empty());
    v.Play_Sound("/a/Juicy.wav", true);
    EXPECT_EQ(v.pending_sound, "/a/fullhous.wav");
    v.play_held_back(true);
    EXPECT_EQ(speaker.played, (std::vector<std::string>{"/a/Juicy.wav", "/a/fullhous.wav"}));
    EXPECT_EQ(v.pending_sound, "");
    v.hold_back();
    v.release_unused_hold();
    EXPECT_EQ(v.pending_sound, "");
    v.Play_Sound("/a/flush.wav", false);
    v.Last_Sound.clear();
    v.announce_once("threeknd.wav", true);
    v.announce_once("threeknd.wav", true);  // the same bonus twice running: once
    EXPECT_EQ(speaker.played, (std::vector<std::string>{"/a/Juicy.wav", "/a/fullhous.wav", "/a/threeknd.wav"}));
}


// The table alone, without a machine: what a repaint draws for each state of the round.
TEST(Table, ARepaintDrawsWhatTheRoundShows) {
    struct Case {
        const char* what;
        bool dealt;
        int hidden;
        bool double_up;
        size_t backs, faces;  // backs first, then the faces from the left
    };
    const Case cases[] = {
        {"before the first hand", false, 0, false, 5, 0},
        {"a whole hand", true, 0, false, 0, 5},
        {"the fifth card down", true, 1, false, 5, 4},
        {"the last two down", true, 2, false, 5, 3},
        {"the double up's dealer card", true, 0, true, 5, 1},
    };
    for (const auto& c : cases) {
        ViewModel vm;
        test::RecordingCardLibrary library;
        Table table(vm, library);
        table.cards.hand = test::H("2H QS JC TD 5S");
        if (!c.dealt) table.cards.hand[0].Value = kEmptyHandMarker;
        table.set_hidden_last(c.hidden);
        EXPECT_EQ(table.hidden_last(), c.hidden) << c.what;
        table.Double_Up_Mode = c.double_up;
        table.Repaint_Hand(false);
        ASSERT_EQ(library.draws.size(), c.backs + c.faces) << c.what;
        for (size_t i = 0; i < library.draws.size(); ++i) {
            const size_t p = i < c.backs ? i : i - c.backs;
            EXPECT_EQ(library.draws[i].picture, i < c.backs ? kBackImage : table.cards.hand[p].Image) << c.what << " " << i;
            EXPECT_EQ(library.draws[i].x, 21 + 88 * static_cast<int32_t>(p)) << c.what << " " << i;
            EXPECT_EQ(library.draws[i].y, 266);
        }
        EXPECT_EQ(table.Repaint_Busy, 0) << c.what;
        for (const auto& wild : vm.Pnl_Wild) EXPECT_FALSE(wild.visible) << c.what;  // a deuce, but not wild here
    }
}

TEST(Table, PlainCardsShowRankSuitAndColour) {
    struct Case {
        const char* card;
        const char* caption;
        int font_size;
        int32_t suit_picture, colour;
        bool wild;  // a deuce in a deuces-wild game
    };
    const Case cases[] = {
        {"AH", "A", 24, kHeart, colour::kRed, false},  {"KD", "K", 24, kDiamond, colour::kRed, false},
        {"QC", "Q", 24, kClub, colour::kBlack, false}, {"JS", "J", 24, kSpade, colour::kBlack, false},
        {"TD", "10", 24, kDiamond, colour::kRed, false}, {"2C", "2", 24, kClub, colour::kBlack, true},
        {"2H", "2", 24, kHeart, colour::kRed, true},   {"JK", "Joker", 18, kNothing, colour::kBlack, false},
    };
    std::set<int32_t> suits;  // four suits, four pictures
    for (const auto& c : cases) suits.insert(c.suit_picture);
    EXPECT_EQ(suits.size(), 5u);  // the joker has none
    for (bool deuces_wild : {false, true})
        for (const auto& c : cases) {
            ViewModel vm;
            test::RecordingCardLibrary library;
            Table table(vm, library);
            table.Fancy_Cards = false;
            table.cards.hand = test::H(std::string(c.card) + " 3C 4C 5C 6C");
            table.Draw_One_Card(1, deuces_wild);
            EXPECT_TRUE(library.draws.empty()) << c.card;
            EXPECT_EQ(vm.Pnl_Card[0].caption, c.caption) << c.card;
            EXPECT_EQ(vm.Pnl_Card[0].font_size, c.font_size) << c.card;
            EXPECT_EQ(vm.Img_Card[0].picture, c.suit_picture) << c.card;
            EXPECT_EQ(vm.Pnl_Card[0].fore_colour, c.colour) << c.card;
            EXPECT_TRUE(vm.Pnl_Card[0].visible) << c.card;
            EXPECT_EQ(vm.Pnl_Plain_Wild[0].visible, deuces_wild && c.wild) << c.card;
            EXPECT_FALSE(vm.Pnl_Wild[0].visible) << c.card;
            if (deuces_wild && c.wild) EXPECT_EQ(vm.Pnl_Plain_Wild[0].fore_colour, c.colour) << c.card;
            table.Show_Backs();  // backs: no face, no wild mark
            EXPECT_FALSE(vm.Pnl_Card[0].visible || vm.Pnl_Plain_Wild[0].visible) << c.card;
        }
}


// The deal animation: a card face and the deal sound at each tick, the face-down cards of the
// stud games never shown.
TEST(DealAnimation, EachTickShowsTheNextCard) {
    for (GameId game : {GameId{1}, GameId{24}, GameId{25}}) {
        Rig rig;
        rig.goodies_off();
        rig.ready(game, 100);
        rig.stack("9C 8D 7H 6S 4C");
        rig.m.Bet_Max();
        const int shown = game == 1 ? 5 : (game == 24 ? 4 : 3);
        const auto& hand = rig.m.table().cards.hand;
        for (int tick = 1; tick <= 6 && rig.m.timers().Timer1_Enabled; ++tick) {
            rig.library.draws.clear();
            rig.sound.played.clear();
            rig.m.Timer1_Tick();
            const bool face = tick <= shown;
            ASSERT_EQ(rig.library.draws.size(), face ? 1u : 0u) << game << " tick " << tick;
            ASSERT_EQ(rig.sound.played.size(), face ? 1u : 0u) << game << " tick " << tick;
            if (!face) continue;
            EXPECT_EQ(rig.library.draws[0].picture, hand[static_cast<size_t>(tick - 1)].Image) << game << " tick " << tick;
            EXPECT_EQ(rig.library.draws[0].x, 21 + 88 * (tick - 1)) << game << " tick " << tick;
        }
    }
}

// The draw: each position not held takes the next card of the deck, from the left.
TEST(DealAnimation, TheDrawFillsThePositionsNotHeldInOrder) {
    Rig rig;
    rig.goodies_off();
    rig.m.Menu_Command("Mnu_Autohold");  // off
    rig.ready(1, 100);
    rig.stack("2H 4D 6C 8S TH 3D 5C 7S");
    rig.bet_and_deal(5);
    rig.hold_and_draw("13");
    EXPECT_EQ(rig.m.table().cards.hand, test::H("2H 3D 6C 5C 7S"));
}

}  // namespace
}  // namespace dw
