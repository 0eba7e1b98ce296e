#include "machine_rig.h"
#include "random_play.h"
#include "trainer/mistakes.h"
#include "trainer/progress.h"
#include "strategy/decisions.h"
#include "trainer/trainer_state.h"

namespace dw {
namespace {

using test::Rig;

TEST(Trainer, FileRoundTripAndDamage) {
    const TrainerOptions o{true, false, DealSpeed::Instant, true};
    EXPECT_EQ(write_trainer(o), "T\r\nF\r\n 2\r\nT\r\n");
    EXPECT_EQ(read_trainer("F\r\nT\r\n 1\r\n"), (TrainerOptions{false, true, DealSpeed::Fast, false}));
    EXPECT_EQ(read_trainer(write_trainer(o)), o);
    // Judging by the card is a fifth line, written only when it is on.
    const TrainerOptions by_card{false, false, DealSpeed::Normal, false, true};
    EXPECT_EQ(write_trainer(by_card), "F\r\nF\r\n 0\r\nF\r\nT\r\n");
    EXPECT_EQ(read_trainer(write_trainer(by_card)), by_card);
    EXPECT_FALSE(read_trainer("F\r\nF\r\n 0\r\nF\r\nperhaps\r\n"));
    for (const char* bad : {"", "T\r\nF\r\n", "T\r\nX\r\n 1\r\n", "T\r\nF\r\n 3\r\n", "\xEF\xBB\xBFT\r\nF\r\n 0\r\n",
                            "T\r\nF\r\n 0\r\nmaybe\r\n"})
        EXPECT_FALSE(read_trainer(bad)) << bad;
    EXPECT_EQ(animation_interval(DealSpeed::Normal), 180);
    Rig kept;  // a player's options come back with the menu's marks
    kept.store.files["TRAINER1.VPK"] = "T\r\nT\r\n 2\r\nT\r\n";
    kept.m.Main_Initialisation(1);
    for (const char* item : {"Mnu_Show_Best_Hold", "Mnu_Mistake_Alert", "Mnu_Show_Return", "Mnu_Speed_Instant"})
        EXPECT_TRUE(kept.m.view().menu(item).checked) << item;
    EXPECT_FALSE(kept.m.view().menu("Mnu_Speed_Normal").checked);
    Rig rig;
    rig.store.files["TRAINER1.VPK"] = "garbage";
    rig.m.Main_Initialisation(1);
    EXPECT_FALSE(rig.m.view().menu("Mnu_Show_Best_Hold").checked);
    EXPECT_TRUE(rig.m.view().menu("Mnu_Speed_Normal").checked);
    rig.m.Menu_Command("Mnu_Speed_Fast");
    EXPECT_EQ(rig.m.Deal_Interval(), 60);
    EXPECT_TRUE(rig.m.view().menu("Mnu_Speed_Fast").checked && !rig.m.view().menu("Mnu_Speed_Normal").checked);
    EXPECT_EQ(rig.store.text("TRAINER1.VPK"), "F\r\nF\r\n 1\r\nF\r\n");
}

// The trainer's values are those of the deck the game deals, from its lean tables too: two
// sevens of Double Jokers Wild are worth 3.815556 credits (3.751357 over all 54 cards).
TEST(Trainer, PricesTheJokerGamesAsDealt) {
    ThreadedAdvisor advisor;
    const Pay_Table table = test::default_pay_table();
    const PayRule rule{10, &table, 5, false, 0};
    const Hand dealt = test::H("7C 7D KS 9H 4C");
    advisor.holds(rule, dealt);
    advisor.wait(rule);
    const auto values = advisor.holds(rule, dealt);
    ASSERT_TRUE(values);
    EXPECT_NEAR((*values)[0b00011], 3.815556, 5e-7);
}

// Of holds worth the same, the first by position is the best; a hold worth less is a mistake.
TEST(Trainer, JudgingKeepsTheFirstOfEqualHolds) {
    std::array<double, 32> values{};
    values[1] = 1;
    values[3] = values[5] = 2;
    EXPECT_EQ(judge(values, 5).best_mask, 3);
    EXPECT_FALSE(judge(values, 5).mistake());
    EXPECT_TRUE(judge(values, 1).mistake());
    EXPECT_EQ(judge(values, 1).held_ev, 1);
}

TEST(Trainer, HintsMistakesAndAccuracy) {
    ThreadedAdvisor advisor;
    Rig rig(&advisor);
    rig.ready(1, 1000);
    const PayRule rule{1, &rig.m.pay_table(), 5, false, 0};
    EXPECT_FALSE(advisor.holds(rule, test::H("TH JH QH KH 2C")));
    advisor.wait(rule);
    auto caption = [&]() -> std::string& { return rig.m.view().Pnl_Show_Payoffs.caption; };
    auto yours = [&](int mask) {  // the hint's value of a hold of the hand on the table
        char text[32];
        std::snprintf(text, sizeof text, "; yours: %.2f credits", (*advisor.holds(rule, rig.m.table().cards.hand))[static_cast<size_t>(mask)]);
        return std::string(text);
    };

    // A hint asked for with the best hold off follows the holds as they change; nothing is judged.
    rig.stack("TH JH QH KH 2C 3D 4S 5C 6H 7D");
    rig.bet_and_deal(5);
    rig.m.Menu_Command("Mnu_Show_Best_Hold");  // turned on in the hand: the hint at once
    EXPECT_TRUE(caption().starts_with("Best: hold ")) << caption();
    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    caption().clear();
    rig.m.Menu_Command("Mnu_Mistake_Alert");  // another option says nothing
    EXPECT_EQ(caption(), "");
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.m.Menu_Command("Mnu_Hint");
    rig.m.Toggle_Hold(2);
    EXPECT_TRUE(caption().ends_with(yours(2))) << caption();
    rig.hold_and_draw("");

    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.stack("TH JH QH KH 2C 3D 4S 5C 6H 7D");
    rig.bet_and_deal(5);
    EXPECT_TRUE(caption().starts_with("Best: hold 10\u2665 J\u2665 Q\u2665 K\u2665 \u2014 ")) << caption();
    EXPECT_TRUE(caption().ends_with(yours(0))) << caption();  // nothing is held yet: yours is five new cards
    rig.m.Toggle_Hold(2);  // asked again with the jack held: yours is the jack's value
    rig.m.Menu_Command("Mnu_Hint");
    EXPECT_TRUE(caption().ends_with(yours(2))) << caption();
    rig.m.Toggle_Hold(2);
    EXPECT_TRUE(rig.m.view().Pnl_Hint[3].visible);
    EXPECT_FALSE(rig.m.view().Pnl_Hint[4].visible);

    // Holding only the pair of nothing (the 2): a mistake. Change Holds keeps the hand as dealt.
    rig.dialogs.change_holds = true;
    rig.m.Toggle_Hold(5);
    rig.m.Draw();
    ASSERT_EQ(rig.dialogs.mistakes.size(), 1u);
    EXPECT_EQ(rig.m.phase(), Phase::Dealt);
    EXPECT_TRUE(rig.m.held(5));
    const auto values = *advisor.holds(rule, rig.m.table().cards.hand);
    rig.dialogs.change_holds = false;
    rig.m.Draw();
    rig.finish_draw();
    rig.m.Menu_Command("Mnu_Accuracy");
    EXPECT_TRUE(rig.dialogs.shown.back().text.starts_with(
        "Hands judged while the trainer was on:\r\n\r\nJacks or Better:  1 decision, 1 mistake, "));

    // The best hold: no alert, no mistake.
    rig.stack("TH JH QH KH 2C 3D 4S 5C 6H 7D");
    rig.bet_and_deal(5);
    for (int p = 1; p <= 4; ++p) rig.m.Toggle_Hold(p);
    rig.m.Draw();
    rig.finish_draw();
    EXPECT_EQ(rig.dialogs.mistakes.size(), 2u);  // the first hand asked twice
    rig.stack("AS AC 3D 7H 9H 4S 5C 6H 8D TD");
    rig.bet_and_deal(5);
    EXPECT_TRUE(caption().find("Best: hold A\u2660 A\u2663 \u2014 ") != std::string::npos)
        << caption();
    for (int p = 1; p <= 2; ++p) rig.m.Toggle_Hold(p);
    rig.m.Draw();
    rig.finish_draw();
    rig.m.Menu_Command("Mnu_Accuracy");
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "Hands judged while the trainer was on:\r\n\r\nJacks or Better:  3 decisions, 1 mistake, %.2f "
                  "credits given up",
                  values[15] - values[16]);
    EXPECT_TRUE(rig.dialogs.shown.back().text.starts_with(expected)) << rig.dialogs.shown.back().text;

    // The session's line of the trainer's log: three holds judged, one mistake and its cost.
    char log[64];
    std::snprintf(log, sizeof log, "1765000000;3;1;%.6f\r\n", values[15] - values[16]);
    EXPECT_EQ(rig.store.text("TRAINLOG1.VPK"), log);
    rig.m.Menu_Command("Mnu_Trainer_Progress");
    ASSERT_EQ(rig.dialogs.progresses.size(), 1u);
    EXPECT_EQ(write_sessions(rig.dialogs.progresses[0]), log);
    // The session's history has what each judged hold gave up.
    ASSERT_EQ(rig.m.history().hands().size(), 4u);
    EXPECT_EQ(rig.m.history().hands()[0].loss, -1);  // not judged
    EXPECT_NEAR(rig.m.history().hands()[1].loss, values[15] - values[16], 1e-12);
    EXPECT_EQ(rig.m.history().hands()[2].loss, 0);
    // The mistake is kept in the player's record with its chart, its values and when it was made.
    char line[160];
    std::snprintf(line, sizeof line, "1;5;16;15;%.6f;%.6f;1765000000;TH JH QH KH 2C;1,2,3,4,6,9,25,50,250,0,0,0,0,0,0,0,0,0,0,0\r\n",
                  values[16], values[15]);
    EXPECT_EQ(rig.store.text("MISTAKES1.VPK"), line);
    // Analyze a Hand opens on the cards on the table (the last hand's, drawn); a mistake opens on its own.
    rig.m.Menu_Command("Mnu_Analyze");
    EXPECT_EQ(rig.dialogs.analyses.back(), "AS AC 4S 5C 6H");
    rig.dialogs.mistakes_script = [](MistakesModel& list) {
        ASSERT_EQ(list.shown().size(), 1u);
        EXPECT_EQ(list.summary(), "1 mistake, " + MistakesModel::columns(list.list()[0])[5] + " credits given up");
        list.Open(0);
        list.Clear_Click();  // asked, and cancelled
        EXPECT_EQ(list.list().size(), 1u);
        list.Clear_Click();
        EXPECT_TRUE(list.list().empty());
    };
    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.dialogs.analysis_script = [](AnalysisModel& a) { EXPECT_EQ(a.coins(), 5); };
    rig.m.Menu_Command("Mnu_Mistakes");
    ASSERT_EQ(rig.dialogs.analyses.size(), 2u);
    EXPECT_EQ(rig.dialogs.analyses.back(), "TH JH QH KH 2C");
    EXPECT_EQ(rig.dialogs.shown.back().text, "Clear every mistake the trainer has kept for Player 1?");
    EXPECT_EQ(rig.store.text("MISTAKES1.VPK"), "");
    rig.m.Menu_Command("Mnu_Accuracy");  // the accuracy starts again with the record
    EXPECT_TRUE(rig.dialogs.shown.back().text.starts_with("No hand judged this session yet.")) << rig.dialogs.shown.back().text;
    rig.m.Bet_One_Credit();  // a bet placed: the analysis is of that bet
    rig.dialogs.analysis_script = [](AnalysisModel& a) { EXPECT_EQ(a.coins(), 1); };
    rig.m.Menu_Command("Mnu_Analyze");
}

// The card judges holds: a hold that breaks it is named with the card's line; a hold the card
// keeps is no mistake even where perfect play keeps another.
TEST(Trainer, JudgingByTheStrategyCard) {
    ThreadedAdvisor advisor;
    Rig rig(&advisor);
    rig.ready(1, 1000);
    const PayRule rule{1, &rig.m.pay_table(), 5, false, 0};
    advisor.wait(rule);
    CardKeeper& keeper = rig.m.trainer_cards();
    EXPECT_FALSE(keeper.card(rule));  // written on a worker: not yet
    const auto card = keeper.wait(rule);
    ASSERT_TRUE(card);
    EXPECT_EQ(keeper.card(rule), card);
    struct Row {
        const char* dealt;
        int held;
        bool broken;
        int card_mask;
        const char* line;
    };
    const Row rows[] = {
        {"KD TH JH QH KH", 1 | 16, true, 30, "4 to a Royal Flush"},  // the high pair breaks it
        {"KD TH JH QH KH", 30, false, 30, "4 to a Royal Flush"},
        {"2C 5D 7H 9S KH", 16, false, 16, "1 high card"},
        {"2C 5D 7H 9S KH", 0, true, 16, "1 high card"},
        {"TH JH QH KH AH", 31, false, 31, ""},  // the card's first line, named below
    };
    for (const auto& row : rows) {
        const Hand hand = test::H(row.dealt);
        const auto values = advisor.holds(rule, hand);
        ASSERT_TRUE(values);
        const CardJudgement j = judge_by_card(*card, rule, hand, *values, row.held);
        EXPECT_EQ(j.broken, row.broken) << row.dealt << " " << row.held;
        EXPECT_EQ(j.card_mask, row.card_mask) << row.dealt;
        EXPECT_EQ(j.line, *row.line ? std::string(row.line) : card->lines.front().name) << row.dealt;
    }

    // Trainer > Strategy Card... shows the card of the game and bet; a stud game has none.
    rig.m.Menu_Command("Mnu_Strategy_Card");
    EXPECT_EQ(rig.dialogs.cards, (std::vector<std::pair<GameId, int>>{{1, 5}}));
    // With the alert on and judging by the card (once the card is written), breaking it is told.
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.m.Menu_Command("Mnu_Judge_By_Card");
    EXPECT_TRUE(rig.m.view().menu("Mnu_Judge_By_Card").checked);
    EXPECT_EQ(rig.store.text("TRAINER1.VPK"), "F\r\nT\r\n 0\r\nF\r\nT\r\n");
    rig.stack("KD TH JH QH KH 3D 4S 5C 6H 7D");
    rig.bet_and_deal(5);
    rig.hold_and_draw("12");
    ASSERT_FALSE(rig.dialogs.mistakes.empty());
    EXPECT_TRUE(rig.dialogs.mistakes.back().starts_with("The card says: 4 to a Royal Flush, hold ")) << rig.dialogs.mistakes.back();
    rig.dialogs.shown.clear();
    rig.m.Menu_Command("Mnu_Stud");
    rig.m.Menu_Command("Mnu_Strategy_Card");
    EXPECT_EQ(rig.dialogs.cards.size(), 1u);
    ASSERT_FALSE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.dialogs.shown.back().title, "Strategy Card");
}

// Where the card's line fits the dealt hand two ways, the hold's value chooses between them:
// a deuce with 9-J of diamonds or with 5-6 of clubs, both 3 to a straight flush three ways.
TEST(Trainer, TheCardBreaksATieBetweenTwoWaysOfALineByValue) {
    const Pay_Table table = test::default_pay_table();
    const PayRule rule{4, &table, 5, false, 0};
    const uint32_t line = strategy::HoldLine{strategy::Family::StraightFlushDraw3, 1, 3}.id();
    strategy::StrategyCard card;  // a card of that one line
    card.game = 4;
    card.lines = {{"1 Deuce: 3 to a Straight Flush, 3 ways", {line}}};
    card.ranks = {{line, 0}};
    const Hand hand = test::H("6C 9D 2C JD 5C");
    for (int best : {14, 21}) {
        std::array<double, 32> values{};
        values.fill(0.5);
        values[static_cast<size_t>(best)] = 1.0;
        const CardJudgement j = judge_by_card(card, rule, hand, values, best);
        EXPECT_EQ(j.card_mask, best);
        EXPECT_EQ(j.line, "1 Deuce: 3 to a Straight Flush, 3 ways");
        EXPECT_FALSE(j.broken);
        EXPECT_FALSE(judge_by_card(card, rule, hand, values, 35 - best).broken);  // the other way of the same line
    }
}

// The trainer's log of sessions: a line each, read back whole, a bad line left out; a new session
// (here after clearing the session's statistics) starts a new line.
TEST(Trainer, TheLogOfSessions) {
    const std::vector<SessionLog> sessions = {{1765000000, 40, 4, 12.5}, {1765090000, 0, 0, 0}};
    const std::string text = "1765000000;40;4;12.500000\r\n1765090000;0;0;0.000000\r\n";
    EXPECT_EQ(write_sessions(sessions), text);
    EXPECT_EQ(read_sessions(text), sessions);
    for (const char* bad : {"1;2;3", "1;2;3;4;5", "1;2;3;x", "1;2;3;-1", "1;2;5;1", "1;-2;0;0", "", "1;2;1;1 "})
        EXPECT_EQ(read_sessions(std::string(bad) + "\r\n" + text), sessions) << bad;
    EXPECT_NEAR(sessions[0].accuracy(), 90, 1e-12);
    EXPECT_NEAR(sessions[0].cost_per_100(), 31.25, 1e-12);
    EXPECT_EQ(sessions[1].accuracy(), 100);
    EXPECT_EQ(sessions[1].cost_per_100(), 0);
    std::string many;
    for (int i = 0; i < 1001; ++i) many += std::to_string(i) + ";1;0;0\r\n";
    const auto kept = read_sessions(many);
    ASSERT_EQ(kept.size(), kSessionsKept);
    EXPECT_EQ(kept.front().start, 1);

    ThreadedAdvisor advisor;
    Rig rig(&advisor);
    rig.store.files["TRAINLOG1.VPK"] = text;
    rig.m.Main_Initialisation(1);
    rig.ready(1, 1000);
    advisor.wait({1, &rig.m.pay_table(), 5, false, 0});
    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    for (int session = 0; session < 2; ++session) {
        rig.now += 3600;
        rig.stack("TH JH QH KH 2C 3D 4S 5C 6H 7D");
        rig.bet_and_deal(5);
        rig.hold_and_draw("");  // the autohold keeps nothing: the four to the royal are held below
        rig.m.Menu_Command("Mnu_Clear_Session_Stats");
    }
    const auto now = read_sessions(rig.store.text("TRAINLOG1.VPK"));
    ASSERT_EQ(now.size(), 4u);
    EXPECT_EQ(now[2].start, 1765003600);
    EXPECT_EQ(now[3].start, 1765007200);
    EXPECT_EQ(now[3].decisions, 1);
    EXPECT_EQ(now[3].mistakes, 1);  // drawing five new cards to four to a royal
}

// The record of mistakes: one line each, read back whole, a bad line left out, the newest 1,000.
TEST(Trainer, TheMistakesRecord) {
    Mistake m{10, 5, {}, test::H("JK JK TH 9H 2C"), 0b00111, 0b01111, 12.5, 40.25, 1765000000};
    m.pays[0] = 1;
    const std::string line = "10;5;7;15;12.500000;40.250000;1765000000;JK JK TH 9H 2C;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    EXPECT_EQ(write_mistakes({m}), line);
    EXPECT_EQ(read_mistakes(line), std::vector<Mistake>{m});
    // The smallest bet, Let It Ride's whole bet, nothing held, nothing the best hold.
    for (auto [coins, held, best] : {std::tuple{1, 7, 15}, {15, 7, 15}, {5, 0, 15}, {5, 7, 0}}) {
        Mistake one = m;
        std::tie(one.coins, one.held, one.best) = std::tie(coins, held, best);
        EXPECT_EQ(read_mistakes(write_mistakes({one})), std::vector<Mistake>{one}) << coins << " " << held << " " << best;
    }
    for (const char* bad : {"10;5;7;15;12.5;40.25;1;JK JK JK 9H 2C;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",  // three jokers
                            "1;5;7;15;12.5;40.25;1;JK AH KH QH JH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",   // no joker in game 1
                            "1;5;32;15;12.5;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",  // no such hold
                            "1;5;7;32;12.5;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",  // nor best
                            "1;0;7;15;12.5;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",   // no coins
                            "26;5;7;15;12.5;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",  // no such game
                            "1;5;7;15;x;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
                            "1;16;7;15;12.5;40.25;1;AH KH QH JH TH;1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",  // 16 coins
                            "1;5;7;15;12.5;40.25;1;AH KH QH JH TH;1,0,0", "1;5;7;15;12.5;40.25;1;AH KH QH JH TH;-1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", ""})
        EXPECT_EQ(read_mistakes(std::string(bad) + "\r\n" + line), std::vector<Mistake>{m}) << bad;

    std::vector<Mistake> list;
    for (int i = 0; i < 1002; ++i) {
        m.when = i;
        keep_mistake(list, m);
    }
    ASSERT_EQ(list.size(), kMistakesKept);
    EXPECT_EQ(list.front().when, 2);
    EXPECT_EQ(read_mistakes(write_mistakes(list) + line).front().when, 3);  // 1,001 lines: the oldest goes

    // Newest or costliest first, of one game or all.
    Mistake a = m, b = m, c = m;
    a.when = 1, b.when = 2, c.when = 3;
    b.game = 1;
    b.dealt = test::H("AH KH QH JH 2C");
    a.best_value = 100;
    MistakesModel model({a, b, c});
    EXPECT_EQ(model.shown(), (std::vector<size_t>{2, 1, 0}));
    model.order = MistakesModel::Order::Costliest;
    EXPECT_EQ(model.shown(), (std::vector<size_t>{0, 1, 2}));
    model.game = 10;
    EXPECT_EQ(model.shown(), (std::vector<size_t>{0, 2}));
    EXPECT_EQ(model.summary(), "2 mistakes, 115.25 credits given up");
    const auto columns = MistakesModel::columns(b);
    EXPECT_EQ(std::vector<std::string>(columns.begin() + 1, columns.end()),
              (std::vector<std::string>{"Jacks or Better", "AH KH QH JH 2C", "AH KH QH", "AH KH QH JH", "27.75"}));
    std::vector<GameId> opened;
    model.open = [&](const Mistake& x) { opened.push_back(x.game); };
    model.Open(1);
    model.Open(2);  // no such row
    EXPECT_EQ(opened, std::vector<GameId>{10});
    // The chart it was played on: its pays in its game's rows, the other rows and games as they are.
    Pay_Table base = test::default_pay_table();
    m.pays[0] = 7;
    const Pay_Table chart = chart_of(m, base);
    EXPECT_EQ(chart.pay(10, 1), 7);
    EXPECT_EQ(chart.pay(10, 2), 0);
    EXPECT_EQ(chart.pay(1, 1), base.pay(1, 1));

    // The machine reads the player's record with the others.
    Rig rig;
    rig.store.files["MISTAKES1.VPK"] = "junk\r\n" + line;
    rig.m.Main_Initialisation(1);
    size_t kept = 0;
    rig.dialogs.mistakes_script = [&](MistakesModel& l) { kept = l.list().size(); };
    rig.m.Menu_Command("Mnu_Mistakes");
    EXPECT_EQ(kept, 1u);
}

// With every option off the trainer costs nothing: no table is asked for, nothing is judged.
TEST(Trainer, NothingIsAskedWhileEveryOptionIsOff) {
    struct Counter : HoldAdvisor {
        int asked = 0;
        std::optional<std::array<double, 32>> holds(const PayRule&, const Hand&, std::span<const CardCode>) override {
            ++asked;
            return std::nullopt;
        }
        void prepare(const PayRule&) override { ++asked; }
    } counter;
    test::Rig rig(&counter);
    ClockRng choices(3);
    for (const auto& info : kGames) {
        rig.ready(info.id, 100);
        rig.m.Bet_Max();
        test::play_out(rig.m, choices);
        ASSERT_FALSE(rig.m.in_hand()) << info.id;
    }
    EXPECT_EQ(counter.asked, 0);
    rig.m.Menu_Command("Mnu_Accuracy");
    EXPECT_EQ(rig.dialogs.shown.back().text,
              "No hand judged this session yet.  Hands are judged while the best hold or the mistake alert is on.");
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.ready(1, 100);
    rig.bet_and_deal(5);
    rig.hold_and_draw("");
    EXPECT_GT(counter.asked, 0);
}

// The advisor keeps the tables used last within its budget, joins each worker once it is done,
// and its lean tables give the very values of a whole one.
TEST(Trainer, TheCacheKeepsTheMostRecentlyUsedTables) {
    Pay_Table pays;
    Set_Default_Payouts(pays, 0);
    const PayRule a{1, &pays, 5, false, 0}, b{1, &pays, 4, false, 0}, c{1, &pays, 3, false, 0};
    strategy::FinalHandTable whole(a);
    {
        // A lean table prices a final hand again as the whole one stored it.
        strategy::FinalHandTable lean_table(a);
        lean_table.keep_hold_values_only();
        EXPECT_LT(lean_table.bytes() * 10, whole.bytes());
        for (uint32_t i = 0; i < strategy::choose(52, 5); i += 997) {
            ASSERT_EQ(lean_table.pay_sum(5, i), whole.pay_sum(5, i)) << i;
            ASSERT_EQ(lean_table.final_row(i), whole.final_row(i)) << i;
        }
    }
    size_t lean = 0;  // a lean table keeps the pay sums of the sets of up to four cards
    for (int k = 0; k <= 4; ++k) lean += strategy::choose(52, k) * sizeof(double);
    ThreadedAdvisor advisor(lean * 5 / 2);  // room for two lean tables, not three
    advisor.wait(a);
    advisor.wait(b);
    advisor.wait(a);  // a table it has is not built again, however it is asked for
    advisor.prepare(b);
    EXPECT_EQ(advisor.workers(), 0u);
    for (const char* hand : {"TH JH QH KH 2C", "2C 7D 9H JS KC", "5H 6H 7H 8D 9C"}) {
        const Hand h = test::H(hand);
        const auto lean = advisor.holds(a, h);
        ASSERT_TRUE(lean);
        for (const auto& v : strategy::analyse_holds(whole, h)) EXPECT_EQ((*lean)[static_cast<size_t>(v.mask)], v.ev) << hand;
        // With cards out of the draw the lean table prices a few hundred final hands itself.
        const Hand out = test::H("3S 4S 8C AD AH");
        const auto lean_dead = advisor.holds(a, h, out);
        for (const auto& v : strategy::analyse_holds(whole, h, out))
            EXPECT_EQ((*lean_dead)[static_cast<size_t>(v.mask)], v.ev) << hand;
    }
    // The cards between hands are no hand of the deck: no holds, and nothing read out of bounds.
    Hand face_down = test::H("TH JH QH KH 2C");
    face_down[0].Value = kEmptyHandMarker;
    EXPECT_FALSE(advisor.holds(a, face_down));
    advisor.prepare(c);  // a table it has not: built on a worker
    EXPECT_EQ(advisor.workers(), 1u);
    advisor.wait(c);  // b was used least recently
    EXPECT_TRUE(advisor.has_table(a));
    EXPECT_FALSE(advisor.has_table(b));
    EXPECT_TRUE(advisor.has_table(c));
    EXPECT_LT(advisor.workers(), 2u);
    // An edited chart is another chart: its table is not the old one's.
    Pay_Table edited = pays;
    edited.at(1, 1).Pay = 2;
    EXPECT_FALSE(advisor.has_table({1, &edited, 3, false, 0}));
}

// A hint that waits for its table comes with the next half-second tick, after the machine's own
// words on the hand; going back from the mistake alert keeps the best hold outlined.
TEST(Trainer, TheHintComesOnceTheTableIsReadyBesideTheAnnouncement) {
    struct Later : HoldAdvisor {
        bool ready = false;
        std::optional<std::array<double, 32>> holds(const PayRule&, const Hand&, std::span<const CardCode>) override {
            if (!ready) return std::nullopt;
            std::array<double, 32> v{};
            v.fill(1.0);
            v[3] = 5.0;  // the two jacks
            return v;
        }
        void prepare(const PayRule&) override {}
    } later;
    test::Rig rig(&later);
    rig.ready(1, 100);
    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.stack("JH JD 2C 5S 9H 3D 4S 6C");
    rig.bet_and_deal(5);
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption,
              "  One Pair (Jacks or Better)  \u2014  The trainer is still working out this chart...");
    rig.m.Timer4_Tick();
    EXPECT_FALSE(rig.m.view().Pnl_Hint[0].visible);
    later.ready = true;
    rig.m.Timer4_Tick();
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption, "  One Pair (Jacks or Better)  \u2014  Best: hold J\u2665 J\u2666 "
                                                 "\u2014 5.00 credits; yours: 1.00 credits");
    EXPECT_TRUE(rig.m.view().Pnl_Hint[0].visible && rig.m.view().Pnl_Hint[1].visible && !rig.m.view().Pnl_Hint[2].visible);
    rig.dialogs.change_holds = true;
    rig.m.Draw();
    EXPECT_EQ(rig.m.phase(), Phase::Dealt);
    EXPECT_TRUE(rig.m.view().Pnl_Hint[0].visible);
    rig.m.Toggle_Hold(1);
    rig.m.Toggle_Hold(2);
    rig.dialogs.change_holds = false;
    rig.m.Draw();
    rig.finish_draw();
    EXPECT_FALSE(rig.m.view().Pnl_Hint[0].visible);
    // A draw before the table is there is not judged and not stopped.
    later.ready = false;
    rig.stack("2H 4D 6C 8S TS 3D 5C 7S 9D JC");
    rig.bet_and_deal(5);
    rig.m.Draw();
    EXPECT_EQ(rig.m.phase(), Phase::Drawing);
    rig.finish_draw();
    // A hint asked for with the options off stays with its hand.
    later.ready = true;
    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    rig.m.Menu_Command("Mnu_Mistake_Alert");
    rig.bet_and_deal(5);
    rig.m.Key_Press('h');  // the H key asks as the menu does
    EXPECT_TRUE(rig.m.view().Pnl_Show_Payoffs.caption.find("Best: hold") != std::string::npos);
    rig.hold_and_draw("");
    rig.bet_and_deal(5);
    EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption.find("Best: hold"), std::string::npos);
}

TEST(Trainer, StudAndRideDecisions) {
    struct Case { GameId game; const char* cards; const char* advice; } cases[] = {
        // The better choice first with its credits, then the other one's.
        {24, "6H 6D 2C KS 9H", "Trainer: Double Down! ("},
        {24, "2H 4D 7C 9S 3H", "Trainer: Stand Pat! ("},
        {25, "TH TD 4C 8S 2H", "Trainer: Let It Ride! ("},
        {25, "2H 4D 9C 8S 3H", "Trainer: Take Back 1/3 ("},
    };
    for (const auto& c : cases) {
        test::Rig rig;
        rig.ready(c.game, 100);
        rig.m.Menu_Command("Mnu_Show_Best_Hold");
        rig.stack(c.cards);
        rig.m.Bet_Max();
        rig.finish_deal();
        EXPECT_NE(rig.m.view().Pnl_Show_Payoffs.caption.find(c.advice), std::string::npos)
            << c.cards << ": " << rig.m.view().Pnl_Show_Payoffs.caption;
        // Priced per part riding: the stud bet of five, or a third of Let It Ride's fifteen.
        const PayRule rule{c.game, &rig.m.pay_table(), 5, true, rig.m.progressive().Jackpot};
        const Hand hand = rig.m.table().cards.hand;
        const auto choice = c.game == 24 ? strategy::double_down_choice(rule, hand)
                                         : strategy::let_it_ride_choice(rule, hand, 3, 3);
        char figure[40];
        std::snprintf(figure, sizeof figure, "(%.2f credits;", choice.goes_on() ? choice.go_on : choice.hold_back);
        EXPECT_NE(rig.m.view().Pnl_Show_Payoffs.caption.find(figure), std::string::npos)
            << c.cards << ": " << rig.m.view().Pnl_Show_Payoffs.caption << " against " << figure;
    }
}

// In Pick Five the hint knows the five refused cards are out of the draw; a game chosen with the
// trainer on has its table started at once.
TEST(Trainer, PickFiveHintsLeaveTheRefusedCardsOut) {
    struct Recorder : HoldAdvisor {
        std::vector<CardCode> dead;
        GameId asked = 0;
        std::optional<std::array<double, 32>> holds(const PayRule& rule, const Hand&, std::span<const CardCode> d) override {
            dead.assign(d.begin(), d.end());
            asked = rule.game;
            return std::nullopt;
        }
        void prepare(const PayRule& rule) override { asked = rule.game; }
    } recorder;
    test::Rig rig(&recorder);
    rig.m.Menu_Command("Mnu_Show_Best_Hold");
    rig.m.Select_Game(22);
    EXPECT_EQ(recorder.asked, GameId{22});
    rig.ready(22, 100);
    rig.dialogs.pick5_choices = {2, 2, 2, 2, 2};
    const auto deck = rig.m.table().cards.Deck;
    rig.bet_and_deal(5);
    ASSERT_EQ(recorder.dead.size(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(recorder.dead[i], deck[2 * i + 1]) << i;
}

}  // namespace
}  // namespace dw
