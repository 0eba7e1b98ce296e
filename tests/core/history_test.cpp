#include "files/file_io.h"
#include "machine_rig.h"
#include "records/hand_history.h"
#include "records/luck.h"
#include "records/session_series.h"

namespace dw {
namespace {

using test::Rig;

// A scripted session: each hand kept as it was dealt, held, drawn and paid, and written as CSV.
TEST(HandHistory, ASessionAsPlayedAndItsCsv) {
    Rig rig;
    rig.goodies_off();
    rig.ready(1, 100);
    rig.stack("JH JD 2C 5S 9H QS 3D 8C");
    rig.bet_and_deal(5);
    rig.hold_and_draw("12");  // the jacks: QS 3D 8C come
    rig.stack("2H 4D 6C 8S TH 3D 5C 7S 9D JC");
    rig.bet_and_deal(1);
    rig.hold_and_draw("");
    rig.ready(24, rig.m.wallet().Credits);  // Double Down Stud: no draw
    rig.stack("AH AD 7C 2S 9H");
    rig.bet_and_deal(5);
    rig.m.Btn_Stand_Click();
    rig.m.Btn_Show_Fifth_Click();
    rig.m.Pause_Tick();

    const auto& hands = rig.m.history().hands();
    ASSERT_EQ(hands.size(), 3u);
    EXPECT_EQ(hands[0].held, 0b00011);
    EXPECT_EQ(hands[0].paid, 5);
    EXPECT_EQ(hands[0].row, 1);
    EXPECT_EQ(hands[0].credits, 100);
    EXPECT_EQ(hands[2].held, -1);
    EXPECT_EQ(hands[2].dealt, hands[2].final);
    EXPECT_EQ(rig.m.history().csv(),
              "hand,game,bet,dealt,held,final,paid,loss,credits\r\n"
              "1,Jacks or Better,5,JH JD 2C 5S 9H,JH JD,JH JD QS 3D 8C,5,,100\r\n"
              "2,Jacks or Better,1,2H 4D 6C 8S TH,,3D 5C 7S 9D JC,0,,99\r\n"
              "3,Double Down Stud,5,AH AD 7C 2S 9H,,AH AD 7C 2S 9H," + std::to_string(hands[2].paid) + ",," +
                  std::to_string(hands[2].credits) + "\r\n");
    for (auto [field, written] : {std::pair{"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                 {"two\nlines", "\"two\nlines\""}, {"", ""}})
        EXPECT_EQ(csv_field(field), written);
}

TEST(HandHistory, ExportWritesTheFileChosenOrSaysWhyNot) {
    Rig rig;
    rig.m.Menu_Command("Mnu_Export_History");  // nothing played yet
    EXPECT_EQ(rig.dialogs.asked().back(), "Export Hand History: No hand has been played this session yet.");
    rig.ready(1, 100);
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    test::TempDir dir;
    const auto path = dir.path / "hands.csv";
    rig.dialogs.save_path = path.string();
    rig.m.Menu_Command("Mnu_Export_History");
    EXPECT_EQ(files::read_text(path, 1 << 20), rig.m.history().csv());
    const size_t asked = rig.dialogs.shown.size();
    rig.dialogs.save_path = (dir.path / "no such folder" / "hands.csv").string();
    rig.m.Menu_Command("Mnu_Export_History");
    ASSERT_EQ(rig.dialogs.shown.size(), asked + 1);
    EXPECT_EQ(rig.dialogs.shown.back().title, "File Error");
    rig.dialogs.save_path.reset();  // Cancel: nothing is written, nothing asked
    rig.m.Menu_Command("Mnu_Export_History");
    EXPECT_EQ(rig.dialogs.shown.size(), asked + 1);
}


HandRecord hand(GameId game, int bet, int64_t paid, int32_t credits, HandCode row = 0) {
    HandRecord h;
    h.game = game, h.bet = bet, h.paid = paid, h.credits = credits, h.row = row;
    return h;
}

// The credits after each hand, and the line perfect play's return draws for the same bets.
TEST(SessionGraph, CreditsExpectedLineAndBigWins) {
    const std::vector<HandRecord> hands = {
        hand(1, 5, 0, 95),         // from 100
        hand(1, 5, 125, 215, 7),   // four of a kind
        hand(1, 5, 45, 255, 6),    // a full house: not big
        hand(4, 1, 0, 294),        // the cashier put 40 in before it
    };
    const auto points = session_series(hands, [](GameId game, int coins) { return game == 1 ? 0.9 + coins / 100.0 : 1.0; });
    ASSERT_EQ(points.size(), 4u);
    // 100 less 5 x 0.05 a hand of Jacks or Better at five coins; Deuces Wild at 1.0 costs nothing.
    const std::vector<SessionPoint> expected = {
        {1, 95, 99.75, false}, {2, 215, 99.5, true}, {3, 255, 99.25, false}, {4, 294, 139.25, false}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].hand, expected[i].hand);
        EXPECT_EQ(points[i].credits, expected[i].credits);
        EXPECT_NEAR(points[i].expected, expected[i].expected, 1e-9) << i;
        EXPECT_EQ(points[i].big_win, expected[i].big_win) << i;
    }
    for (auto [game, row, big] : {std::tuple{1, 7, true}, {1, 9, true}, {1, 6, false}, {1, 0, false}, {1, 10, false},
                                  {4, 4, false}, {4, 5, true}, {14, 7, true}, {14, 6, false}, {26, 9, false}})
        EXPECT_EQ(big_win_row(static_cast<GameId>(game), static_cast<HandCode>(row)), big) << game << " row " << row;

    // Thinned to at most so many points: each the last of its stretch, the big wins and the end kept.
    std::vector<SessionPoint> many;
    for (int i = 1; i <= 1000; ++i) many.push_back({i, double(i), double(i), i == 333});
    const auto thin = thin_out(many, 100);
    EXPECT_EQ(thin.size(), 101u);
    EXPECT_EQ(thin.front().hand, 10);
    EXPECT_EQ(thin.back().hand, 1000);
    EXPECT_TRUE(std::any_of(thin.begin(), thin.end(), [](const SessionPoint& p) { return p.hand == 333; }));
    EXPECT_EQ(thin_out(many, 2000).size(), 1000u);
    EXPECT_EQ(return_bet(23, 10), 5);  // Double Down Draw's doubled bet: the deal's
    EXPECT_EQ(return_bet(1, 3), 3);
    EXPECT_EQ(return_bet(25, 15), 15);

    Rig rig;
    rig.ready(1, 100);
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    rig.m.Menu_Command("Mnu_Session_Graph");
    EXPECT_EQ(rig.dialogs.graphs, std::vector<size_t>{1});
    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.m.Menu_Command("Mnu_New_Game");
    EXPECT_EQ(rig.m.history().hands().size(), 1u);
    rig.m.Menu_Command("Mnu_New_Game");  // a new session starts with no hand
    EXPECT_TRUE(rig.m.history().hands().empty());
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    rig.dialogs.player_choices = {2};
    rig.m.Menu_Command("Mnu_Player");  // so does the next player's
    EXPECT_TRUE(rig.m.history().hands().empty());
}


// Each row's count against perfect play's from as many hands, and the sentence that says so.
TEST(Luck, RowsAgainstTheOddsAndTheirSentences) {
    Stats stats;
    auto set = [&](int game, int row, int32_t session, int32_t all) {
        stats.Hand_Stats[static_cast<size_t>(game)][static_cast<size_t>(row)] = {session, all};
    };
    set(1, 0, 50, 500);
    set(1, 1, 30, 200);
    set(1, 7, 1, 3);
    const std::vector<double> chances = {0.545434669233, 0.214585031126, 0.129278902480, 0.074448698571, 0.011229367241,
                                         0.011014510968, 0.011512207336, 0.002362545686, 0.000109309090, 0.000024758268};
    const Luck luck = luck_of(1, stats, chances);
    EXPECT_EQ(luck.hands_session, 81);
    EXPECT_EQ(luck.hands_all, 703);
    ASSERT_EQ(luck.rows.size(), 9u);
    EXPECT_EQ(luck.rows[0].label, "Royal Flush");
    const LuckRow& quads = luck.rows[2];
    EXPECT_EQ(quads.label, "4 of a Kind");
    EXPECT_EQ(quads.row, 7);
    EXPECT_EQ(quads.session, 1);
    EXPECT_EQ(quads.all, 3);
    EXPECT_NEAR(quads.expected_session, 81 * 0.002362545686, 1e-12);
    EXPECT_NEAR(quads.expected_all, 703 * 0.002362545686, 1e-12);
    EXPECT_EQ(luck.rows[8].label, "Jacks or Better");
    // The deal bonuses of Crazy Eights are not hands of their own.
    set(20, 0, 10, 10);
    set(20, 3, 4, 4);
    set(20, 1, 5, 5);
    set(20, 8, 2, 2);
    EXPECT_EQ(luck_of(20, stats, {}).hands_session, 15);
    set(21, 1, 6, 6);  // nor is a Hot Hands multiple combination
    set(21, 10, 3, 3);
    EXPECT_EQ(luck_of(21, stats, {}).hands_session, 6);
    EXPECT_TRUE(luck_of(0, stats, chances).rows.empty());

    struct { int64_t count; double expected; const char* said; } cases[] = {
        {12, 7.1, "Four of a Kind: 12 against 7.1 expected \u2014 lucky"},
        {5, 7.1, "Four of a Kind: 5 against 7.1 expected \u2014 as expected"},
        {2, 7.1, "Four of a Kind: 2 against 7.1 expected \u2014 unlucky"},
        {0, 0.3, "Four of a Kind: 0 against 0.3 expected \u2014 as expected"},
        {1, 0.19, "Four of a Kind: 1 against 0.2 expected \u2014 lucky"},
    };
    for (const auto& c : cases) EXPECT_EQ(luck_sentence("Four of a Kind", c.count, c.expected), c.said);

    Rig rig;
    rig.m.Select_Game(4);
    rig.m.Menu_Command("Mnu_Luck");
    EXPECT_EQ(rig.dialogs.lucks, std::vector<GameId>{4});
}

}  // namespace
}  // namespace dw
