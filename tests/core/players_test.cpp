#include "machine_rig.h"
#include "records/player_model.h"
#include "records/stats_screens.h"

namespace dw {
namespace {

using test::Rig;

TEST(StatisticsScreens, FiguresPagesAndErasing) {
    struct Case {
        int64_t won, played;
        const char* percent;
    } cases[] = {{1234, 1000, "123.4"}, {2, 3, "66.6"}, {0, 0, "0"}, {987, 1000, "98.7"}, {1, 200, "0.5"},
                 {1000, 1000, "100"},   {INT32_MAX, 7, "30678337814.2"}};
    for (const auto& c : cases) EXPECT_EQ(payout_percent(c.won, c.played), c.percent) << c.won << "/" << c.played;

    Stats stats;
    stats.Game_Stats[7][Stats::kThisSession] = {1000, 1234};
    stats.Game_Stats[26][Stats::kThisSession] = {3, 2};
    stats.Game_Stats[7][Stats::kAllSessions] = {50, 40};
    int saves = 0;
    StatisticsModel screen(stats, "Ann");
    screen.save = [&] { return ++saves > 0; };
    EXPECT_EQ(screen.Lbl_PlayerName.caption, "Ann");
    EXPECT_EQ(screen.Lbl_Percent_P[7].caption, "123.4%");  // this session's figures from the start
    screen.Btn_Total_Click();
    EXPECT_EQ(screen.Lbl_Percent_P[7].caption, "80%");  // all sessions: 40 won of 50 played
    screen.Btn_This_Click();
    EXPECT_FALSE(screen.all_sessions);
    EXPECT_EQ(screen.Lbl_Percent_P[7].caption, "123.4%");
    EXPECT_EQ(screen.Lbl_Played[1].caption, "0 coins");
    EXPECT_EQ(screen.Lbl_Percent_P[1].fore_colour, 0x808080);
    EXPECT_EQ(screen.Lbl_Percent_P[7].fore_colour, 0xFF0000);
    EXPECT_EQ(screen.Lbl_Played[0].caption, "1003 coins");  // slot 26 is off this page but in the totals
    screen.Btn_View_Click();
    EXPECT_EQ(screen.Pnl_Name[20].caption, "Juicy Jackpots:");
    EXPECT_EQ(screen.Lbl_Game_Number[1].caption, "7:");
    screen.Btn_Erase_Click(1);
    EXPECT_EQ(stats.Game_Stats[7][Stats::kThisSession], (std::array<int32_t, 2>{0, 0}));
    EXPECT_EQ(stats.Game_Stats[7][Stats::kAllSessions], (std::array<int32_t, 2>{50, 40}));
    EXPECT_EQ(saves, 0);
    screen.Btn_Total_Click();
    screen.Btn_Erase_Click(0);
    EXPECT_EQ(stats.Game_Stats[7][Stats::kAllSessions], (std::array<int32_t, 2>{0, 0}));
    EXPECT_EQ(saves, 1);
    int opened = 0;
    screen.open_detail = [&](int slot, bool) { opened = slot; };
    screen.Btn_Detail_Click(20);
    EXPECT_EQ(opened, 26);
}

TEST(StatisticsScreens, DetailsLeaveTheBonusRowsOutOfTheBase) {
    Stats stats;
    auto& rows = stats.Hand_Stats[20];
    rows[0][Stats::kSessionCount] = 6;
    rows[1][Stats::kSessionCount] = 3;
    rows[3][Stats::kSessionCount] = 1;  // three eights on the deal
    rows[4][Stats::kSessionCount] = 1;
    StatsDetailModel detail(stats, 20, false);
    EXPECT_EQ(detail.Lbl_Game, "Crazy Eights Double Payout Poker");
    EXPECT_TRUE(detail.Lbl_Hands.caption.starts_with("Royal Flush\r\nStraight Flush\r\n4 of a Kind\r\n4 Eights on Deal"));
    EXPECT_TRUE(detail.Lbl_Hands.caption.ends_with("Jacks or Better\r\nNo Payout"));
    // Rows 11 down to 0: the deal rows 8 and 3 show "-----"; 10 hands make the base.
    EXPECT_EQ(detail.Lbl_Pct.caption,
              "0%\r\n0%\r\n0%\r\n-----\r\n0%\r\n0%\r\n0%\r\n10%\r\n-----\r\n0%\r\n30%\r\n60%\r\n");
    EXPECT_EQ(detail.Lbl_How_Many.caption.substr(0, 6), "0\r\n0\r\n");
    rows[0][Stats::kAllCount] = 9;  // all sessions, and back to this session
    detail.Btn_Total_Click();
    EXPECT_TRUE(detail.Lbl_How_Many.caption.ends_with("\r\n9\r\n"));
    detail.Btn_This_Click();
    EXPECT_TRUE(detail.Lbl_How_Many.caption.ends_with("\r\n6\r\n"));

    detail.Btn_Exit_Click();
    EXPECT_TRUE(detail.done);
    StatsDetailModel hot(stats, 21, false);
    EXPECT_TRUE(hot.Lbl_Hands.caption.starts_with("Multi-Payout Hand\r\n"));
    EXPECT_TRUE(hot.Lbl_Hands.caption.ends_with("No Payout\r\n\r\n\r\nFor multi-payout hands,\r\nonly top hand is shown."));
    EXPECT_EQ(hot.Lbl_Hands.font_size, 8.25);
    for (auto [slot, size] : {std::pair{14, 8.25}, {13, 9.75}, {17, 8.25}, {18, 9.75}})
        EXPECT_EQ(StatsDetailModel(stats, slot, false).Lbl_How_Many.font_size, size) << slot;

    bool asked = false;
    detail.confirm = [&] { return asked = true, false; };
    detail.Btn_Erase_Click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(rows[0][Stats::kSessionCount], 6);
    detail.confirm = [] { return true; };
    detail.Btn_Erase_Click();
    EXPECT_EQ(rows[0][Stats::kSessionCount], 0);
    detail.Lst_Games_Click(25);
    EXPECT_EQ(detail.Lbl_Game, "Juicy Jackpots");
    stats.Hand_Stats[1][0][Stats::kSessionCount] = 4;  // the first game's counts erase too
    StatsDetailModel first(stats, 1, false);
    first.Btn_Erase_Click();
    EXPECT_EQ(stats.Hand_Stats[1][0][Stats::kSessionCount], 0);
}

TEST(Players, ChoosingAndRenamingCutAtTwentyCharacters) {
    PlayerModel players({"A", "B", "C", "D"}, 3);
    EXPECT_EQ(players.selected, 2);
    for (int index : {-1, 4}) players.Btn_Player_Click(index);  // no such player
    EXPECT_EQ(players.selected, 2);
    players.Btn_Player_Click(3);
    EXPECT_EQ(players.selected, 3);
    int saved = 0;
    players.renamed = [&] { ++saved; };
    EXPECT_FALSE(players.Btn_Rename_Click(0, std::string(20, 'x')));
    EXPECT_EQ(players.names[0], std::string(20, 'x'));
    EXPECT_TRUE(players.Btn_Rename_Click(1, std::string(21, 'y')));
    EXPECT_EQ(players.names[1], std::string(20, 'y'));
    EXPECT_FALSE(players.Btn_Rename_Click(2, std::nullopt));
    EXPECT_FALSE(players.Btn_Rename_Click(2, std::string()));
    EXPECT_EQ(players.names[2], "C");
    EXPECT_EQ(saved, 2);
}

// The statistics window's details of one game: erasing all sessions' counts asks first and saves.
TEST(StatisticsScreens, TheDetailsEraseAfterAskingAndSave) {
    Rig rig;
    rig.m.player().stats.record(3, 2, 5, 10);
    bool busy = true;
    rig.dialogs.statistics_script = [&](StatisticsModel& s) {
        busy = rig.m.view().hourglass;  // the window is up: no hourglass
        s.open_detail(3, true);
    };
    rig.dialogs.detail_script = [](StatsDetailModel& d) { d.Btn_Erase_Click(); };
    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.m.Menu_Command("Mnu_Show_Stats");
    EXPECT_FALSE(busy);
    EXPECT_EQ(rig.dialogs.shown.back().text, "Confirm:  Clear these statistics?");
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[3][2][Stats::kAllCount], 1);
    EXPECT_FALSE(rig.store.has("STATS1.VPK"));
    std::string before, after;
    rig.dialogs.detail_script = [&](StatsDetailModel& d) {
        before = d.Lbl_How_Many.caption;
        d.Btn_Erase_Click();
        after = d.Lbl_How_Many.caption;
    };
    rig.m.Menu_Command("Mnu_Show_Stats");  // now OK
    EXPECT_NE(before, after);  // the counts shown again
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[3][2][Stats::kAllCount], 0);
    ASSERT_TRUE(rig.store.has("STATS1.VPK"));
    EXPECT_EQ(read_stats(rig.store.text("STATS1.VPK"))->Hand_Stats[3][2][Stats::kAllCount], 0);
    rig.m.voice().Asset_Directory = DAZZLEWICK_BUILD_DIR;  // the window's Help opens its topic
    rig.dialogs.statistics_script = [](StatisticsModel& s) { s.help(); };
    rig.m.Menu_Command("Mnu_Show_Stats");
    ASSERT_FALSE(rig.dialogs.helps.empty());
    EXPECT_EQ(rig.dialogs.helps.back(), "Statistics");
}

TEST(Players, SwitchingKeepsAndRestoresEachPlayersRecords) {
    Rig rig;
    rig.m.player().stats.record(1, 1, 5, 5);
    rig.m.player().stats.Winnings = {7, 70};
    rig.m.wallet().Credits = 123;
    auto choose = [&](int player) {
        rig.dialogs.player_choices.push_back(player);
        rig.m.Menu_Command("Mnu_Player");
    };
    rig.m.voice().Asset_Directory = DAZZLEWICK_BUILD_DIR;  // the help file beside the tests
    rig.dialogs.player_help = true;
    choose(1);  // the same player: everything stays
    rig.dialogs.player_help = false;
    ASSERT_FALSE(rig.dialogs.helps.empty());
    EXPECT_EQ(rig.dialogs.helps.back(), "Player Selection");
    EXPECT_EQ(rig.m.wallet().Credits, 123);
    EXPECT_EQ(rig.m.player().stats.Winnings[Stats::kSessionWinnings], 7);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[1][1][Stats::kSessionCount], 1);
    rig.store.files["PROGRES2.VPK"] = " 5\r\n 250.5\r\n 0\r\n-1\r\n";
    rig.m.view().Btn_Play_Credit.enabled = rig.m.view().Btn_Play_5.enabled = false;  // they follow the 80 credits
    choose(2);
    EXPECT_TRUE(rig.m.view().Btn_Play_Credit.enabled);
    EXPECT_TRUE(rig.m.view().Btn_Play_5.enabled);
    EXPECT_EQ(rig.m.player().Player_Number, 2);
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $1,062.62!");  // player 2's jackpot
    EXPECT_EQ(rig.m.wallet().Credits, 80);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, -80);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[1][1][Stats::kAllCount], 0);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{0, 0}));
    EXPECT_TRUE(rig.store.has("STATS1.VPK"));
    rig.m.player().stats.record(3, 2, 5, 10);
    choose(1);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[1][1][Stats::kAllCount], 1);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[1][1][Stats::kSessionCount], 0);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{0, 70}));
    EXPECT_EQ(read_stats(rig.store.text("STATS2.VPK"))->Hand_Stats[3][2][Stats::kAllCount], 1);

    // While a coin drops the menus are locked, though no hand is under way: no player is chosen.
    rig.m.Coin_Slot_Click();
    ASSERT_FALSE(rig.m.in_hand());
    choose(2);
    EXPECT_EQ(rig.m.player().Player_Number, 1);
    EXPECT_EQ(rig.dialogs.player_choices.size(), 1u);  // the dialog never opened
}

}  // namespace
}  // namespace dw
