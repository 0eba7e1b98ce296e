#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>

#include "errors.h"
#include "files/file_io.h"
#include "help/help_file.h"
#include "machine_rig.h"
#include "records/config_file.h"
#include "records/player_model.h"
#include "records/progressive_file.h"
#include "variants/juicy_jackpots.h"

namespace dw {
namespace {

using test::Rig;
namespace fs = std::filesystem;

std::vector<std::string_view> lines_of(Rig& rig, const char* file) {
    static std::string keep;  // split_lines views into the text
    keep = rig.store.text(file);
    return files::split_lines(keep);
}
int64_t all_count(Machine& m, int slot, int row) { return m.player().stats.Hand_Stats[slot][row][Stats::kAllCount]; }
const char* const kNames = "Player 1\r\nPlayer 2\r\nPlayer 3\r\nPlayer 4\r\n";

// A machine on records in a directory of the disk.
struct DiskRig {
    explicit DiskRig(DiskStore& store) : m({rng, dialogs, cards, sound, store, format_us_currency, '.', nullptr, {}, {}, {}}) {}
    test::ScriptedRng rng{{}, -1};
    test::ScriptedDialogs dialogs;
    test::RecordingCardLibrary cards;
    test::RecordingSound sound;
    Machine m;
};


TEST(ConfigFile, RoundTripOnlyACapitalTIsOnAndANameStaysOnOneLine) {
    const std::string file = "T\r\nF\r\nT\r\nF\r\nAnn\r\nBob the Great\r\n\r\nPlayer 4\r\n";
    Config c;
    ASSERT_TRUE(read_config(file, c));
    EXPECT_EQ(c.goodies, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_EQ(c.names[2], "");
    EXPECT_EQ(write_config(c), file);
    for (auto [line, on] : {std::pair{"T", true}, {"t", false}, {"T ", false}, {" T", false}, {"", false}, {"TRUE", false}}) {
        Config config;
        read_config(std::string(line) + "\r\nT\r\nT\r\nT\r\na\r\nb\r\nc\r\nd\r\n", config);
        EXPECT_EQ(config.goodies[0], on) << "'" << line << "'";
    }
    for (int number : {0, 5}) EXPECT_EQ(PlayerModel({"a", "b", "c", "d"}, number).selected, 0) << number;  // no such player: the first
    // A name pasted with a line break stays one name on one line: the file keeps its eight lines.
    for (auto [typed, kept] : {std::pair{"Bob\nSmith", "Bob Smith"}, {"Ann\r\nLee", "Ann  Lee"}, {"Tab\tbed", "Tab bed"}, {"\n", " "}}) {
        PlayerModel players({"Player 1", "Player 2", "Player 3", "Player 4"}, 1);
        players.Btn_Rename_Click(3, std::string(typed));
        EXPECT_EQ(players.names[3], kept) << typed;
        Config config, again;
        config.names[1] = typed;  // however a name got in, it is written on one line
        config.names[3] = players.names[3];
        ASSERT_TRUE(read_config(write_config(config), again));
        EXPECT_EQ(files::split_lines(write_config(config)).size(), 8u) << typed;
        EXPECT_EQ(again.names[3], kept);
        EXPECT_EQ(again.names[2], "Player 3");
    }
}

TEST(Config, AMissingOrShortFileShowsTheGoodiesDialog) {
    Rig missing;
    missing.dialogs.goodies_script = [](GoodiesModel& g) {
        EXPECT_EQ(g.boxes, (std::array<bool, 4>{true, true, true, true}));
        g.boxes[1] = false;
        for (int box : {3, 1, -1, 4}) g.help(box);  // a goody's "?" says what it is; no such goody: nothing
    };
    missing.m.view().hourglass = true;
    EXPECT_FALSE(missing.m.Load_Config());
    EXPECT_FALSE(missing.m.view().hourglass);
    EXPECT_EQ(missing.dialogs.goodies_shown, 1);
    ASSERT_EQ(missing.dialogs.shown.size(), 2u);
    EXPECT_TRUE(missing.dialogs.shown[0].text.starts_with("An all-new twist to Video Poker"));
    EXPECT_EQ(missing.dialogs.shown[1].title, "Goodies Info!");
    EXPECT_EQ(missing.dialogs.shown[1].icon, MsgIcon::Information);
    EXPECT_EQ(missing.dialogs.shown[1].text,
              "Hit a Reversible Royal and win the SUPER PAYOUT:  50,000 Coins!\r\n\r\nA Reversible Royal is a Natural "
              "Royal Flush dealt in order:  10-J-Q-K-A or A-K-Q-J-10.  C'mon... you can do it!");
    EXPECT_FALSE(missing.m.view().menu("Mnu_Royals").checked);
    EXPECT_TRUE(missing.m.view().menu("Mnu_Double").checked);
    EXPECT_FALSE(missing.store.has("CONFIG.VPK"));

    Rig shorter;
    shorter.store.files["CONFIG.VPK"] = "F\r\nF\r\nF\r\nF\r\nAnn\r\n";
    EXPECT_FALSE(shorter.m.Load_Config());
    EXPECT_EQ(shorter.dialogs.goodies_shown, 1);
    EXPECT_EQ(shorter.m.player().player_names[0], "Ann");
    EXPECT_EQ(shorter.m.player().player_names[1], "Player 2");
    EXPECT_TRUE(shorter.m.view().menu("Mnu_Progressive").checked);  // the boxes start ticked
    EXPECT_TRUE(shorter.m.view().menu("Mnu_Juicy_Jackpots").checked);

    Rig whole;
    whole.store.files["CONFIG.VPK"] = "F\nT\nt\nT\nA\nB\nC\nD\n";
    EXPECT_TRUE(whole.m.Load_Config());
    EXPECT_EQ(whole.dialogs.goodies_shown, 0);
    const auto& vm = whole.m.view();
    EXPECT_EQ((std::array{vm.menu("Mnu_Progressive").checked, vm.menu("Mnu_Royals").checked, vm.menu("Mnu_Double").checked}),
              (std::array{false, true, false}));
    EXPECT_EQ(whole.m.player().player_names[3], "D");
}

TEST(Config, GoodyMenusToggleRedrawAndSave) {
    Rig rig;
    rig.m.view().menu("Mnu_Juicy_Jackpots").checked = true;
    rig.m.Menu_Command("Mnu_Progressive");
    EXPECT_EQ(rig.store.text("CONFIG.VPK"), std::string("F\r\nT\r\nT\r\nT\r\n") + kNames);
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win 4000 Credits!");
    rig.m.Menu_Command("Mnu_Royals");
    EXPECT_FALSE(rig.m.chart_panel().Marquee_Text.ends_with("50,000 Coins!!"));
    rig.m.Menu_Command("Mnu_Double");
    rig.m.Menu_Command("Mnu_Juicy_Jackpots");
    EXPECT_EQ(rig.store.text("CONFIG.VPK"), std::string("F\r\nF\r\nF\r\nF\r\n") + kNames);
    rig.m.Menu_Command("Mnu_Autohold");
    EXPECT_FALSE(rig.m.auto_hold_on());
    rig.m.Menu_Command("Mnu_Autohold");
    EXPECT_TRUE(rig.m.auto_hold_on());
    rig.m.Menu_Command("Mnu_Juicy_Jackpots");
    ASSERT_TRUE(rig.m.juicy_view().visible);
    rig.m.juicy_view().activate = true;  // a side-bet win shows
    rig.store.files.erase("CONFIG.VPK");
    EXPECT_TRUE(rig.m.Exit_Requested());
    EXPECT_EQ(rig.store.text("CONFIG.VPK"), std::string("F\r\nF\r\nF\r\nT\r\n") + kNames);  // saved on the way out
    EXPECT_FALSE(rig.m.juicy_view().visible || rig.m.juicy_view().activate);  // the window goes with the machine
    EXPECT_EQ(rig.sound.names().back(), "exit.wav");
    EXPECT_EQ(rig.dialogs.shown.back().text, "Do you REALLY want to exit?");
    EXPECT_EQ(rig.dialogs.shown.back().buttons, MsgButtons::YesNo);
    rig.dialogs.answers = {MsgAnswer::No};
    rig.store.files.erase("CONFIG.VPK");
    EXPECT_FALSE(rig.m.Exit_Requested());
    EXPECT_FALSE(rig.store.has("CONFIG.VPK"));
    rig.m.juicy_view().visible = true;
    rig.m.Menu_Command("Mnu_Juicy_Jackpots");  // the side bet off: its window goes
    EXPECT_FALSE(rig.m.view().menu("Mnu_Juicy_Jackpots").checked);
    EXPECT_FALSE(rig.m.juicy_view().visible);
}


std::string leading_blank_lines(const std::vector<int64_t>& values) {
    std::string out;
    char line[32];
    for (auto v : values) {
        std::snprintf(line, sizeof line, "% lld\r\n", static_cast<long long>(v));
        out += line;
    }
    return out;
}

TEST(StatsFile, RoundTripIsByteExactAndAnyFaultGivesAllZeros) {
    std::vector<int64_t> values(598);
    for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int64_t>(i * 37 % 1000) - 200;
    values[52] = 2147483647;
    const auto stats = read_stats(leading_blank_lines(values));
    ASSERT_TRUE(stats);
    EXPECT_EQ(write_stats(*stats), leading_blank_lines(values));
    // Slot s, row r at line 53 + 21 (s - 1) + r; slot s played and won at lines 2s - 1 and 2s.
    for (int s : {1, 14, 26})
        for (int r : {0, 7, 20})
            EXPECT_EQ(stats->Hand_Stats[static_cast<size_t>(s)][static_cast<size_t>(r)][Stats::kAllCount],
                      values[static_cast<size_t>(53 + 21 * (s - 1) + r - 1)]);
    EXPECT_EQ(stats->Game_Stats[26][Stats::kAllSessions][Stats::kWon], values[51]);
    EXPECT_EQ(stats->Hand_Stats[1][0][Stats::kSessionCount], 0);

    const std::string good = leading_blank_lines(std::vector<int64_t>(598, 5));
    auto replaced = [&](size_t i, std::string_view with) {
        std::string s;
        auto lines = files::split_lines(good);
        lines[i] = with;
        for (auto l : lines) s += std::string(l) + "\r\n";
        return s;
    };
    for (const auto& text : {good.substr(0, good.size() - 4), replaced(300, " x"), replaced(10, ""),
                             replaced(597, " 2147483648"), std::string()}) {
        Rig rig;
        rig.m.player().stats.Game_Stats[3][Stats::kThisSession][Stats::kPlayed] = 9;
        rig.store.files["STATS1.VPK"] = text;
        EXPECT_FALSE(rig.m.Load_Stats());
        EXPECT_EQ(rig.m.player().stats.Game_Stats, Stats{}.Game_Stats);
        EXPECT_EQ(rig.m.player().stats.Hand_Stats, Stats{}.Hand_Stats);
        EXPECT_TRUE(rig.dialogs.shown.empty());
    }
    Rig ok;
    ok.store.files["STATS1.VPK"] = good;
    EXPECT_TRUE(ok.m.Load_Stats());
    EXPECT_EQ(all_count(ok.m, 9, 9), 5);
    EXPECT_EQ(ok.m.player().stats.Hand_Stats[9][9][Stats::kSessionCount], 0);
}

TEST(Stats, APlayedHandIsOnDiskAsANewStartWouldReadIt) {
    Rig rig;
    rig.ready(3, 100);
    rig.stack("TH TD 2C 5S 9H");
    rig.bet_and_deal(5);
    rig.hold_and_draw("12345");
    rig.stack("2H 4D 6C 8S TH 3D 5C 7S 9D JC");
    rig.bet_and_deal(2);
    rig.hold_and_draw("");

    Rig fresh;
    fresh.store.files = rig.store.files;
    ASSERT_TRUE(fresh.m.Load_Stats() && fresh.m.Load_Progressive());
    const auto& stats = fresh.m.player().stats;
    EXPECT_EQ(stats.Game_Stats[3][Stats::kAllSessions], (std::array<int32_t, 2>{7, 5}));
    EXPECT_EQ(stats.Game_Stats[3][Stats::kThisSession][Stats::kPlayed], 0);
    EXPECT_EQ(all_count(fresh.m, 3, 1), 1);
    EXPECT_EQ(all_count(fresh.m, 3, 0), 1);
    EXPECT_NEAR(fresh.m.progressive().Jackpot, 0.14, 1e-12);
    EXPECT_EQ(stats.Winnings[Stats::kAllWinnings], -2);
    const auto lines = lines_of(rig, "STATS1.VPK");
    ASSERT_EQ(lines.size(), 598u);
    EXPECT_EQ(lines[4], " 7");                    // slot 3 played
    EXPECT_EQ(lines[53 + 21 * 2 + 1 - 1], " 1");  // slot 3, row 1
    EXPECT_EQ(rig.m.view().Lbl_Winnings[0].caption, "-2 coins");
    EXPECT_EQ(rig.m.view().Lbl_Winnings[0].fore_colour, colour::kDarkRed);
}

TEST(Stats, ASideBetCountsInItsOwnSlotAndWinningsCap) {
    Rig rig;
    rig.m.Record_Side_Bet(3, 14);
    rig.m.Record_Side_Bet(0, 0);
    const auto& g = rig.m.player().stats.Game_Stats[26];
    EXPECT_EQ(g[Stats::kAllSessions][Stats::kPlayed], 2);
    EXPECT_EQ(g[Stats::kThisSession][Stats::kWon], 14);
    EXPECT_EQ(all_count(rig.m, 26, 3), 1);
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[26][0][Stats::kSessionCount], 1);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{12, 12}));
    EXPECT_EQ(lines_of(rig, "STATS1.VPK")[50], " 2");
    EXPECT_EQ(lines_of(rig, "STATS1.VPK")[51], " 14");
    EXPECT_EQ(lines_of(rig, "PROGRES1.VPK")[2], " 12");

    Stats s;
    EXPECT_TRUE(s.add_winnings(99998));
    s.add_winnings(5);
    EXPECT_EQ(s.Winnings, (std::array<int32_t, 2>{99999, 99999}));
    s.add_winnings(-200000);
    EXPECT_EQ(s.Winnings[0], -100001);
    struct { int32_t value; const char* caption; int32_t colour; } cases[] = {
        {1, "1 coin", colour::kDarkBlue}, {-1, "-1 coin", colour::kDarkRed}, {0, "0 coins", colour::kDarkBlue},
        {2, "2 coins", colour::kDarkBlue}, {-7, "-7 coins", colour::kDarkRed}};
    for (const auto& c : cases) {
        rig.m.player().stats.Winnings = {c.value, c.value};
        rig.m.Show_Winnings();
        EXPECT_EQ(rig.m.view().Lbl_Winnings[1].caption, c.caption);
        EXPECT_EQ(rig.m.view().Lbl_Winnings[1].fore_colour, c.colour);
    }
}

TEST(Stats, MenuCommands) {
    Rig rig;
    rig.m.player().stats.record(4, 3, 5, 15);
    rig.m.player().stats.Winnings = {10, 20};
    ASSERT_TRUE(rig.m.Save_Stats());
    const std::string on_disk = rig.store.text("STATS1.VPK");
    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.m.Menu_Command("Mnu_Clear_All_Stats");
    EXPECT_EQ(all_count(rig.m, 4, 3), 1);

    rig.m.Menu_Command("Mnu_Clear_Session_Stats");
    EXPECT_EQ(rig.dialogs.shown.back().text,
              "Clear this session's statistics:   Confirm you want to do this by clicking the OK button.");
    EXPECT_EQ(rig.m.player().stats.Hand_Stats[4][3][Stats::kSessionCount], 0);
    EXPECT_EQ(rig.m.player().stats.Game_Stats[4][Stats::kThisSession], (std::array<int32_t, 2>{0, 0}));
    EXPECT_EQ(all_count(rig.m, 4, 3), 1);
    EXPECT_EQ(rig.store.text("STATS1.VPK"), on_disk);

    rig.m.Menu_Command("Mnu_Reset_Winnings");
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{0, 20}));
    EXPECT_EQ(rig.m.view().Lbl_Winnings[0].caption, "0 coins");
    EXPECT_EQ(rig.m.view().Lbl_Winnings[1].caption, "20 coins");
    EXPECT_FALSE(rig.store.has("PROGRES1.VPK"));
    rig.m.Menu_Command("Mnu_Reset_All_Winnings");
    EXPECT_EQ(rig.dialogs.shown.back().title, "Clear All Winnings");
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{0, 0}));
    EXPECT_EQ(rig.m.view().Lbl_Winnings[1].caption, "0 coins");
    EXPECT_EQ(lines_of(rig, "PROGRES1.VPK")[2], " 0");
    rig.m.Menu_Command("Mnu_Clear_All_Stats");
    EXPECT_EQ(rig.store.text("STATS1.VPK"), leading_blank_lines(std::vector<int64_t>(598, 0)));
}

TEST(Stats, NewGameOnlyAfterOk) {
    for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Ok}) {
        Rig rig;
        rig.ready(1, 0);  // no credits: the bet buttons are off
        rig.m.wallet().Credits = 500;
        rig.m.wallet().Coin_Bucket = 7;
        rig.m.player().stats.record(1, 1, 5, 5);
        rig.m.player().stats.Winnings = {3, 4};
        rig.dialogs.answers = {answer};
        rig.m.Menu_Command("Mnu_New_Game");
        EXPECT_EQ(rig.dialogs.shown.back().text,
                  "New Game erases all Winnings totals, and clears all the statistics, both session and global.   "
                  "Confirm you want to do this by clicking the OK button.");
        const bool ok = answer == MsgAnswer::Ok;
        EXPECT_EQ(rig.m.wallet().Credits, ok ? 80 : 500);
        EXPECT_EQ(rig.m.wallet().Coin_Bucket, ok ? -80 : 7);
        EXPECT_EQ(rig.m.player().stats.Winnings[1], ok ? 0 : 4);
        EXPECT_EQ(all_count(rig.m, 1, 1), ok ? 0 : 1);
        EXPECT_EQ(rig.store.has("STATS1.VPK"), ok);
        EXPECT_EQ(rig.store.has("PROGRES1.VPK"), ok);
        if (ok) EXPECT_EQ(rig.m.view().Lbl_Credits.caption, "80");
        EXPECT_EQ(rig.m.view().Btn_Play_5.enabled, ok);  // they follow the new credits
    }
}


TEST(ProgressiveFile, RoundTripAndCorrections) {
    const std::string file = " 7\r\n 123.25\r\n-15\r\n 0\r\n";
    const auto r = read_progressive(file, '.');
    EXPECT_EQ((std::tuple{r.percent, r.jackpot, r.all_winnings, r.fancy_cards}), (std::tuple{7, 123.25, -15, 0}));
    EXPECT_EQ(write_progressive(r, '.'), file);
    // A jackpot below one credit keeps the blank of a number that is not negative.
    EXPECT_EQ(write_progressive({2, 0.25, 0, 1}, '.'), " 2\r\n 0.25\r\n 0\r\n 1\r\n");
    struct { const char* text; int percent; double jackpot; int32_t winnings; int fancy; } cases[] = {
        {" 0\r\n 5\r\n 1\r\n-1\r\n", 2, 5, 1, -1},        {" 21\r\n 5\r\n 1\r\n 0\r\n", 2, 5, 1, 0},
        {" 20\r\n 5\r\n 1\r\n 0\r\n", 20, 5, 1, 0},       {" 1\r\n-3\r\n 1\r\n 0\r\n", 1, 1.0, 1, 0},
        {" 3\r\n 40000.5\r\n 1\r\n 0\r\n", 3, 40000, 1, 0}, {" 3\r\n 12,75\r\n 9\r\n", 3, 12.75, 9, -1},
        {" 3\r\n 12.5\r\n 9\r\n x\r\n", 3, 12.5, 9, -1},  {" 3\r\n 12.5\r\n", 2, 0, 0, -1},
        {" 3\r\n abc\r\n 9\r\n 0\r\n", 2, 0, 0, -1},      {"", 2, 0, 0, -1},
        {" 40000\r\n 5\r\n 1\r\n 0\r\n", 2, 0, 0, -1},   {"-40000\r\n 5\r\n 1\r\n 0\r\n", 2, 0, 0, -1},
        {" 3\r\n 5\r\n y\r\n 0\r\n", 2, 0, 0, -1},       {" 3\r\n +5.5\r\n 9\r\n 0\r\n", 3, 5.5, 9, 0},
        {" 3\r\n ++5\r\n 9\r\n 0\r\n", 2, 0, 0, -1},     {"x\r\n 5\r\n 1\r\n 0\r\n", 2, 0, 0, -1},
        {" 3\r\n 5\r\n 1\r\n-32768\r\n", 3, 5, 1, -32768}, {" 3\r\n 5\r\n 1\r\n 32767\r\n", 3, 5, 1, 32767},
        {" 3\r\n 5\r\n 1\r\n-32769\r\n", 3, 5, 1, -1},
        {" 32767\r\n 5\r\n 1\r\n 0\r\n", 2, 5, 1, 0},  {"-32768\r\n 5\r\n 1\r\n 0\r\n", 2, 5, 1, 0},
    };
    for (const auto& c : cases) {
        const auto got = read_progressive(c.text, ',');
        EXPECT_EQ((std::tuple{got.percent, got.jackpot, got.all_winnings, got.fancy_cards}),
                  (std::tuple{c.percent, c.jackpot, c.winnings, c.fancy})) << c.text;
    }
    // Numbers take blanks around them but not inside.
    struct { const char* line; std::optional<int32_t> value; } numbers[] = {
        {" 5", 5}, {"+5", 5}, {"-5 ", -5}, {"\t12\t", 12}, {"+-5", std::nullopt}, {"--5", std::nullopt},
        {"++5", std::nullopt}, {"1 2", std::nullopt}, {"- 5", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : numbers) EXPECT_EQ(files::parse_int(c.line), c.value) << "'" << c.line << "'";
    for (const char* jackpot : {" 1 2", "+-5", "--5", "1,2.5", "1.2.3"})
        EXPECT_EQ(read_progressive(std::string(" 3\r\n") + jackpot + "\r\n 9\r\n 0\r\n", '.').jackpot, 0) << jackpot;
    EXPECT_EQ(read_progressive(" 3\r\n -0,5 \r\n 9\r\n 0\r\n", '.').jackpot, 1.0);  // below zero: 1
}

// A record written under a German locale reads back under "C" and the other way round.
TEST(ProgressiveFile, JackpotReadsBackExactlyUnderAnyLocale) {
    ClockRng rng(5);
    for (int i = 0; i < 1000; ++i) {
        ProgressiveRecord r;
        r.jackpot = rng.next() * 40000;
        // A locale whose separator is not Latin-1 hands over a NUL: the file still says '.'.
        for (char written : {'.', ',', '\0', '\xd9'})
            for (char reading : {'.', ',', '\0'}) {
                const std::string text = write_progressive(r, written);
                EXPECT_EQ(text.find('\0'), std::string::npos);
                RecordRead how;
                EXPECT_EQ(read_progressive(text, reading, &how).jackpot, r.jackpot);
                EXPECT_EQ(how, RecordRead::Whole);
            }
    }
}

TEST(Progressive, PercentDialogAndClearingTheJackpot) {
    Rig rig;
    rig.m.progressive().Jackpot_Percent = 4;
    rig.dialogs.percent_script = [&](PercentModel& p) {
        EXPECT_EQ(p.text, "4");
        EXPECT_TRUE(p.Key_Press('7') && p.Key_Press('\b'));
        EXPECT_FALSE(p.Key_Press('x'));
        const int beeps = rig.dialogs.beeps;
        p.Text_Changed("20");  // the highest percent is taken without a beep
        EXPECT_EQ(rig.dialogs.beeps, beeps);
        std::vector<std::string> shown;
        for (const char* typed : {"25", "0", ""}) {
            p.Text_Changed(typed);
            shown.push_back(p.text);
        }
        p.Lost_Focus();
        shown.push_back(p.text);
        EXPECT_EQ(shown, (std::vector<std::string>{"20", "1", "", "2"}));
        p.Text_Changed("15");
        p.Btn_Ok_Click();
    };
    rig.m.view().hourglass = true;
    rig.m.Menu_Command("Mnu_Progressive_Set");
    EXPECT_FALSE(rig.m.view().hourglass);
    EXPECT_EQ(rig.dialogs.beeps, 3);
    EXPECT_EQ(rig.m.progressive().Jackpot_Percent, 15);
    EXPECT_EQ(lines_of(rig, "PROGRES1.VPK")[0], " 15");
    rig.dialogs.percent_script = [](PercentModel& p) {
        p.Text_Changed("9");
        p.Btn_Cancel_Click();
    };
    rig.m.Menu_Command("Mnu_Progressive_Set");
    EXPECT_EQ(rig.m.progressive().Jackpot_Percent, 15);
    rig.dialogs.percent_script = [](PercentModel& p) {
        p.Text_Changed("");  // OK straight from an empty box: the default
        p.Btn_Ok_Click();
    };
    rig.m.Menu_Command("Mnu_Progressive_Set");
    EXPECT_EQ(rig.m.progressive().Jackpot_Percent, 2);

    rig.m.progressive().Jackpot = 55.5;
    for (int i = 0; i < 2; ++i) rig.m.Menu_Command("Mnu_Progressive");  // off and on: the award line shows it
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $1,013.87!");
    rig.dialogs.answers = {MsgAnswer::Cancel};
    rig.m.Menu_Command("Mnu_Reset_Progressive");
    EXPECT_EQ(rig.m.progressive().Jackpot, 55.5);
    EXPECT_EQ(rig.dialogs.shown.back().title, "Clear Progressive Jackpot");
    rig.m.Menu_Command("Mnu_Reset_Progressive");
    EXPECT_EQ(rig.m.progressive().Jackpot, 0);
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $1,000.00!");
}


TEST(RecordWrites, FailuresKeepMemoryAndTheNextSaveWorks) {
    struct { const char* file; std::function<bool(Machine&)> save; const char* message; } cases[] = {
        {"STATS1.VPK", [](Machine& m) { return m.Save_Stats(); },
         "Error saving statistics file.  Your hard drive may be full, or file STATS.VPK in the game directory may be "
         "write-protected.  Exit the program and delete some files, or remove write protection on the statistics "
         "file."},
        {"PROGRES1.VPK", [](Machine& m) { return m.Save_Progressive(); },
         "Error saving Progressive Jackpot Data File.  Your hard drive may be full, or file PROGRESS.VPK in the game "
         "directory may be write-protected.  Exit the program and delete some files, or remove write protection on the "
         "data file."},
        {"CONFIG.VPK", [](Machine& m) { return m.Save_Config(); },
         "Error saving Configuration file.  Your hard drive may be full, or you may be running this game off a "
         "non-writable device like a CD-ROM, or file CONFIG.VPK in the game directory may be write-protected.  Exit "
         "the program and delete some files, or remove write protection on the configuration file."},
        {"PAYOUTS.VPK", [](Machine& m) { return m.Save_Payouts(); },
         "Error saving PAYOUTS file.  Your hard drive may be full, or you may be running this game off a non-writable "
         "device like a CD-ROM, or file PAYOUTS.VPK in the game directory may be write-protected.  Exit the program "
         "and delete some files, or remove write protection on the statistics file."},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.store.files[c.file] = "old";
        rig.store.failing.insert(c.file);
        rig.m.progressive().Jackpot = 77;
        rig.m.player().stats.record(2, 2, 5, 10);
        rig.m.pay_table().at(2, 9).Pay = 1234;
        EXPECT_FALSE(c.save(rig.m)) << c.file;
        ASSERT_EQ(rig.dialogs.shown.size(), 1u) << c.file;
        EXPECT_EQ(rig.dialogs.shown[0].text, c.message);
        EXPECT_EQ(rig.dialogs.shown[0].title, "File Error");
        EXPECT_EQ(rig.dialogs.shown[0].icon, MsgIcon::Critical);
        EXPECT_FALSE(rig.m.view().hourglass);
        EXPECT_EQ(rig.store.text(c.file), "old");
        EXPECT_EQ(rig.m.progressive().Jackpot, 77);
        EXPECT_EQ(all_count(rig.m, 2, 2), 1);
        EXPECT_EQ(rig.m.pay_table().pay(2, 9), 1234);
        rig.store.failing.clear();
        EXPECT_TRUE(c.save(rig.m)) << c.file;
        EXPECT_NE(rig.store.text(c.file), "old");
        EXPECT_EQ(rig.dialogs.shown.size(), 1u);
    }
}

// Whole records, atomic replacement, and a crash, a failure or a disk that takes no more (here a
// file size limit) leaves the old record whole.
TEST(DiskStore, WritesWholeRecordsAndKeepsTheOldOneOnAnyFailure) {
    test::TempDir dir;
    DiskStore store(dir.path);
    EXPECT_FALSE(store.read("STATS1.VPK"));
    ASSERT_TRUE(store.write("STATS1.VPK", "first\r\n"));
    EXPECT_EQ(store.read("STATS1.VPK"), "first\r\n");
    ASSERT_TRUE(store.write("CONFIG.VPK", "T"));  // down to the last byte
    EXPECT_EQ(store.read("CONFIG.VPK"), "T");

    files::before_rename = [](const fs::path&) { return false; };  // a crash before the rename
    EXPECT_FALSE(store.write("STATS1.VPK", "second\r\n"));        // a failure is never reported as saved
    files::before_rename = nullptr;
    EXPECT_EQ(store.read("STATS1.VPK"), "first\r\n");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = store.write("STATS1.VPK", std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(store.read("STATS1.VPK"), "first\r\n");

    // A directory no one can write to, root included: its path runs through a plain file.
    std::ofstream(dir.path / "blocker") << "x";
    DiskStore blocked(dir.path / "blocker" / "game");
    EXPECT_FALSE(blocked.write("STATS1.VPK", "x"));
    EXPECT_FALSE(blocked.read("STATS1.VPK"));

    ASSERT_TRUE(store.write("STATS1.VPK", "third\r\n"));
    EXPECT_EQ(store.read("STATS1.VPK"), "third\r\n");
    // Nothing but the records is left behind: no temporary files aside from the crash's.
    int others = 0;
    for (const auto& e : fs::directory_iterator(dir.path)) {
        const auto name = e.path().filename().string();
        others += name != "STATS1.VPK" && name != "CONFIG.VPK" && name != "blocker" && !name.starts_with(".STATS1.VPK.");
    }
    EXPECT_EQ(others, 0);
}


// An unreadable record (an editor's BOM, a blank line) is moved aside before anything can be
// saved over it, and the message line says so; a missing one is a fresh start.
TEST(HostileRecords, AnUnreadableRecordIsKeptAsBad) {
    Stats s;
    s.Game_Stats[1][Stats::kAllSessions] = {50, 40};
    const std::string good = write_stats(s);
    auto stats = [](Machine& m) { return m.Load_Stats(); };
    struct { const char* name; std::string text; std::function<bool(Machine&)> load; } cases[] = {
        {"STATS1.VPK", "\xEF\xBB\xBF" + good, stats},
        {"STATS1.VPK", "\r\n" + good, stats},
        {"PROGRES1.VPK", " 5\r 250.5\r 1234\r 0\r", [](Machine& m) { return m.Load_Progressive(); }},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.store.files[c.name] = c.text;
        rig.store.files[std::string(c.name) + ".bad"] = "an older one";
        EXPECT_FALSE(c.load(rig.m));
        EXPECT_EQ(rig.store.text(std::string(c.name) + ".bad"), c.text);
        EXPECT_FALSE(rig.store.has(c.name));
        EXPECT_EQ(rig.m.view().Pnl_Show_Payoffs.caption,
                  std::string(c.name) + " could not be read: it is kept as " + c.name + ".bad");
    }
    Rig fresh;
    EXPECT_FALSE(fresh.m.Load_Stats());
    EXPECT_FALSE(fresh.store.has("STATS1.VPK.bad"));
    // A disk that takes nothing keeps no copy, and the machine does not say it did.
    Rig full;
    full.store.files["STATS1.VPK"] = "\r\n" + good;
    full.store.fail_all = true;
    EXPECT_FALSE(full.m.Load_Stats());
    EXPECT_FALSE(full.store.has("STATS1.VPK.bad"));
    EXPECT_EQ(full.m.view().Pnl_Show_Payoffs.caption.find("kept as"), std::string::npos);
}

TEST(HostileRecords, OnlyRegularFilesOfAtMostOneMegabyteAreRead) {
    test::TempDir dir;
    DiskStore store(dir.path);
    ASSERT_EQ(::mkfifo((dir.path / "STATS1.VPK").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir.path / "PROGRES1.VPK");
    std::ofstream(dir.path / "CONFIG.VPK") << std::string(kMaxRecordSize + 1, '1');
    for (const char* name : {"STATS1.VPK", "PROGRES1.VPK", "CONFIG.VPK"}) {
        EXPECT_FALSE(store.read(name)) << name;
        EXPECT_TRUE(store.exists(name)) << name;
    }
    // The start goes on: the FIFO and the link are moved aside like any unreadable record.
    DiskRig rig(store);
    rig.m.Form_Load();
    rig.m.Load_Records();
    rig.m.Main_Initialisation(1);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir.path / "STATS1.VPK.bad")));
    EXPECT_TRUE(rig.m.Save_Stats());
    EXPECT_TRUE(store.read("STATS1.VPK"));

    // The help file is read with the records' care: a pipe or a device never stops the program.
    const auto help = dir.path / "POKER.HLP";
    ASSERT_EQ(::mkfifo(help.c_str(), 0644), 0);
    EXPECT_FALSE(files::read_text(help, kMaxHelpSize));
    fs::remove(help);
    std::ofstream(help) << std::string(kMaxHelpSize + 1, 'x');
    EXPECT_FALSE(files::read_text(help, kMaxHelpSize));
    EXPECT_TRUE(files::read_text(help, kMaxHelpSize + 1));
    fs::remove(help);
    fs::create_symlink("/dev/zero", help);
    EXPECT_FALSE(files::read_text(help, kMaxHelpSize));
    Rig shown;
    shown.m.voice().Asset_Directory = dir.path;
    shown.m.Show_Help("");
    EXPECT_TRUE(shown.dialogs.helps.empty());
    ASSERT_FALSE(shown.dialogs.shown.empty());
    EXPECT_EQ(shown.dialogs.shown.back().title, "Help!");
}

TEST(HostileRecords, AProtectedRecordIsNotReplacedAndStaleTemporariesGo) {
    test::TempDir dir, data;
    DiskStore store(dir.path);
    ASSERT_TRUE(store.write("STATS1.VPK", "kept\r\n"));
    fs::permissions(dir.path / "STATS1.VPK", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    DiskRig rig(store);
    EXPECT_FALSE(rig.m.Save_Stats());
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].title, "File Error");
    EXPECT_EQ(store.read("STATS1.VPK"), "kept\r\n");

    // The trainer's file is a record like the others: its temporaries go, and an install adopts it.
    ASSERT_TRUE(store.write("TRAINER2.VPK", "T\r\nT\r\n 2\r\nF\r\n"));
    for (const char* name : {".STATS1.VPK.a1B2c3", ".PAYOUTS.VPK.XXXXXX", ".notes.txt.abcdef", ".STATS9.VPK.abcdef",
                             ".TRAINER2.VPK.q1w2e3"})
        std::ofstream(dir.path / name) << "x";
    EXPECT_EQ(store.remove_stale_temporaries(), 3);
    EXPECT_TRUE(fs::exists(dir.path / ".notes.txt.abcdef"));
    EXPECT_TRUE(fs::exists(dir.path / "STATS1.VPK"));
    // A read-only install: the records beside the program start the player's own folder, unless
    // that folder has records of its own.
    EXPECT_TRUE(adopt_records(dir.path, data.path));
    EXPECT_EQ(DiskStore(data.path).read("TRAINER2.VPK"), "T\r\nT\r\n 2\r\nF\r\n");
    EXPECT_EQ(DiskStore(data.path).read("STATS1.VPK"), "kept\r\n");
    DiskStore(data.path).write("STATS1.VPK", "mine\r\n");
    ASSERT_TRUE(store.write("CONFIG.VPK", "config\r\n"));
    EXPECT_FALSE(adopt_records(dir.path, data.path));
    EXPECT_EQ(DiskStore(data.path).read("STATS1.VPK"), "mine\r\n");
    EXPECT_FALSE(DiskStore(data.path).read("CONFIG.VPK"));
}

// A record kept in another folder through a link is saved there; the link stays a link.
TEST(HostileRecords, ARecordBehindALinkIsWrittenAtItsTarget) {
    test::TempDir dir, synced;
    DiskStore store(dir.path);
    std::ofstream(synced.path / "stats.vpk") << "old\r\n";
    fs::create_symlink(synced.path / "stats.vpk", dir.path / "STATS1.VPK");
    ASSERT_TRUE(store.write("STATS1.VPK", "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "STATS1.VPK"));
    errno = EINTR;  // an interruption left over from an earlier call is not this read's
    EXPECT_EQ(files::read_text(synced.path / "stats.vpk", 100), "new\r\n");
    EXPECT_EQ(store.read("STATS1.VPK"), "new\r\n");
    // A link to a device, a pipe or nothing at all is still refused, and left as it was.
    ASSERT_EQ(::mkfifo((synced.path / "pipe").c_str(), 0644), 0);
    const std::pair<const char*, fs::path> refused[] = {
        {"PROGRES1.VPK", "/dev/null"}, {"CONFIG.VPK", synced.path / "pipe"}, {"STATS2.VPK", synced.path / "gone"}};
    for (const auto& [name, target] : refused) {
        fs::create_symlink(target, dir.path / name);
        EXPECT_FALSE(store.write(name, "x\r\n")) << name;
        EXPECT_TRUE(fs::is_symlink(dir.path / name)) << name;
    }
    EXPECT_FALSE(fs::exists(synced.path / "gone"));
}

// Money that would not fit its 32-bit field stops the action with a message.
TEST(HostileRecords, TheCoinBucketAndWinningsStopAtTheirLimits) {
    Rig rig;
    rig.m.wallet().Credits = 0;
    rig.m.wallet().Coin_Bucket = INT32_MIN + 10;
    rig.m.Prepare_Hand();
    rig.dialogs.cashier_script = [](CashierModel& c) { c.Btn_Ok_Click(); };  // 40 credits
    rig.m.Insert_Coin();
    EXPECT_EQ(rig.m.wallet().Credits, 0);
    EXPECT_EQ(rig.m.wallet().Coin_Bucket, INT32_MIN + 10);
    EXPECT_EQ(rig.dialogs.shown.back().text,
              "The Coin Bucket cannot count that many coins.  Clear it with its Clear button first.");
    rig.m.wallet().Coin_Bucket = INT32_MIN;
    rig.m.Coin_Slot_Click();
    EXPECT_FALSE(rig.m.wallet().coin_slot_busy);
    rig.m.wallet().Coin_Bucket = INT32_MAX - 5;
    rig.m.wallet().Credits = 10;
    rig.m.Menu_Command("Mnu_Cash_Out");
    EXPECT_EQ(rig.m.wallet().Credits, 10);

    rig.m.player().stats.Winnings = {0, INT32_MIN + 3};
    for (int i = 0; i < 3; ++i) rig.m.Record_Side_Bet(0, 0);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{-3, INT32_MIN}));
    rig.m.Record_Side_Bet(0, 0);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{-3, INT32_MIN}));
    EXPECT_EQ(rig.dialogs.shown.back().title, "Message");
    EXPECT_TRUE(rig.dialogs.shown.back().text.starts_with("The winnings totals cannot count below"));
}


TEST(Startup, RecordsThenTheFirstHand) {
    Rig rig;
    rig.library.draws.clear();
    rig.m.Repaint_Hand();  // before the first hand: five backs
    ASSERT_EQ(rig.library.draws.size(), 5u);
    for (const auto& d : rig.library.draws) EXPECT_EQ(d.picture, kBackImage);
    EXPECT_EQ(rig.m.view().caption, "Dazzlewick 3.0");  // the window's title
    EXPECT_EQ(rig.m.view().Btn_Stand.caption, "&Stand Pat!");
    rig.store.files["CONFIG.VPK"] = "F\r\nT\r\nT\r\nF\r\nA\r\nB\r\nC\r\nD\r\n";
    rig.store.files["PROGRES1.VPK"] = " 5\r\n 250.5\r\n 1234\r\n 0\r\n";
    Stats s;
    s.Game_Stats[1][Stats::kAllSessions] = {50, 40};
    rig.store.files["STATS1.VPK"] = write_stats(s);
    rig.m.player().stats.Winnings[Stats::kSessionWinnings] = 99;
    rig.m.Load_Records();
    for (int i = 0; i < 1000; ++i) rig.rng.push(0.99);  // the last of the six backs
    rig.m.Main_Initialisation(42);
    const auto& vm = rig.m.view();
    EXPECT_EQ(rig.dialogs.goodies_shown, 0);
    EXPECT_EQ((std::array{vm.menu("Mnu_Progressive").checked, vm.menu("Mnu_Juicy_Jackpots").checked,
                          vm.menu("Mnu_Jacks").checked, vm.menu("Mnu_Plain_Cards").checked,
                          vm.menu("Mnu_Fancy_Cards").checked}),
              (std::array{false, false, true, true, false}));
    EXPECT_EQ(rig.m.player().player_names[0], "A");
    EXPECT_EQ(rig.m.game(), 1);
    EXPECT_EQ(rig.m.wallet().Credits, 80);
    EXPECT_EQ(vm.Lbl_Credits.caption + " " + vm.Lbl_Coins.caption, "80 -80");
    EXPECT_EQ(rig.m.progressive().Jackpot_Percent, 5);
    EXPECT_EQ(rig.m.progressive().Jackpot, 250.5);
    EXPECT_FALSE(rig.m.table().Fancy_Cards);
    EXPECT_EQ(rig.m.player().stats.Game_Stats[1][Stats::kAllSessions][Stats::kPlayed], 50);
    EXPECT_EQ(rig.m.player().stats.Winnings, (std::array<int32_t, 2>{0, 1234}));
    EXPECT_EQ(vm.Lbl_Winnings[1].caption, "1234 coins");
    EXPECT_TRUE(rig.m.auto_hold_on());
    EXPECT_TRUE(rig.m.timers().Timer3_Enabled);
    EXPECT_EQ(rig.library.backs, (std::vector<int32_t>{6, 6}));
    EXPECT_EQ(vm.Btn_Hold[0].caption + vm.Pnl_Hold[0].caption + vm.Pnl_Wild[0].caption + vm.Pnl_Plain_Wild[0].caption,
              "Hold CardHELDWILDWILD");
    EXPECT_TRUE(vm.Btn_Play_5.enabled);
    EXPECT_EQ(vm.focus, "Btn_Play_5");
    EXPECT_EQ(rig.m.table().Card_Surface, 42);
    EXPECT_FALSE(vm.hourglass);
    rig.m.view().menu("Mnu_Juicy_Jackpots").checked = true;
    rig.m.Menu_Command("Mnu_All_American");  // with the side bet on, its window comes up beside a main window that keeps the keys
    EXPECT_TRUE(rig.m.juicy_view().visible && vm.activate);

    // With the progressive goody on, the award line shows the jackpot that was read.
    Rig jackpot;
    jackpot.store.files["CONFIG.VPK"] = "T\r\nT\r\nT\r\nF\r\nA\r\nB\r\nC\r\nD\r\n";
    jackpot.store.files["PROGRES1.VPK"] = " 5\r\n 250.5\r\n 1234\r\n-1\r\n";
    jackpot.m.Load_Records();
    jackpot.m.Main_Initialisation(42);
    EXPECT_EQ(jackpot.m.view().Pnl_Progressive_Display.caption, "Win $1,062.62!");

    Rig broken;
    broken.library.init_result = 0;
    try {
        broken.m.Main_Initialisation(1);
        ADD_FAILURE() << "a card library that cannot draw must end the program";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.title, "Fatal Error");
        EXPECT_TRUE(e.text.starts_with("Either another application is using QCards32.DLL"));
    }
}

}  // namespace
}  // namespace dw
