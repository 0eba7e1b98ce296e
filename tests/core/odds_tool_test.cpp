#include <fstream>
#include <sstream>

#include "games/payouts_file.h"
#include "machine_rig.h"
#include "games/census.h"
#include "odds_commands.h"

namespace dw {
namespace {

std::string chart(const std::vector<std::string>& args) {
    std::ostringstream out;
    EXPECT_EQ(odds::run_chart(args, out), 0);
    return out.str();
}

TEST(OddsTool, ChartPrintsWhatTheWindowShows) {
    const std::string text = chart({"6", "--progressive", "--royals", "--jackpot", "123.4"});
    EXPECT_NE(text.find("== Lbl_Pay 0 ==\nWinning Hands for Deuces Jokers Wild Poker\n"), std::string::npos);
    EXPECT_NE(text.find("\n4 Deuces & Joker\n"), std::string::npos);
    EXPECT_NE(text.find("== Lbl_Pay 6 ==\n5 Credits\n*10123*\n*4123*\n125\n"), std::string::npos);
    EXPECT_NE(text.find("== Pnl_Progressive_Display ==\nWin $2,530.85!\n"), std::string::npos);
    EXPECT_NE(text.find("== Lbl_Progressive_Bet ==\nBet 5 to win Progressive Jackpot\n"), std::string::npos);
    EXPECT_NE(text.find("Reversible Royal Flush pays 50,000 Coins!!\n"), std::string::npos);
    EXPECT_NE(text.find("== Top_Award ==\n10000\n== Max_Bet ==\n5\n"), std::string::npos);

    const std::string off = chart({"23", "--coins", "10"});
    EXPECT_EQ(off.find("Lbl_Progressive_Bet"), std::string::npos);
    EXPECT_NE(off.find("== Lbl_Pay 6 ==\n10 Crdts.\n* 5000 *\n500\n"), std::string::npos);
    EXPECT_NE(off.find("== Pnl_Progressive_Display ==\nWin 5000 Credits!\n"), std::string::npos);
}

TEST(OddsTool, ChartReadsAPayoutsFileWithItsFallback) {
    test::TempDir dir;
    Pay_Table t;
    Set_Default_Payouts(t, 0);
    t.at(1, 8).Pay = 77;
    std::ofstream(dir.path / "good.vpk", std::ios::binary) << write_payouts(t);
    EXPECT_NE(chart({"1", "--payouts", (dir.path / "good.vpk").string()}).find("== Lbl_Pay 2 ==\n1 Credit\n250\n77\n"),
              std::string::npos);
    std::ofstream(dir.path / "bad.vpk", std::ios::binary) << " 8\r\n";
    EXPECT_NE(chart({"1", "--payouts", (dir.path / "bad.vpk").string()}).find("== Lbl_Pay 2 ==\n1 Credit\n250\n50\n"),
              std::string::npos);
}

TEST(OddsTool, BadArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {}, {"0"}, {"26"}, {"x"}, {"1", "2"}, {"1", "--coins"}, {"1", "--coins", "16"}, {"1", "--coins", "2.5"},
        {"1", "--jackpot", "-1"}, {"1", "--jackpot", "lots"}, {"1", "--frobnicate"}};
    for (const auto& args : bad) {
        std::ostringstream out;
        EXPECT_THROW(odds::run_chart(args, out), odds::UsageError);
    }
    // Cards the engine cannot index are refused before any table is built.
    const std::vector<std::vector<std::string>> bad_holds = {
        {"1", "JK JH QH KH 2C"}, {"1", "AH AH QH KH 2C"}, {"6", "JK JK QH KH 2C"}, {"24", "TH JH QH KH 2C"},
        {"22", "2D 7C QH KH AH", "--refused", "2D 4S 5S TH JH"}, {"1", "2D 7C QH KH AH", "--refused", "3S 4S 5S TH JH"},
        {"25", "TH JH QH KH 2C", "--coins", "4"}, {"1"}, {"1", "TH JH QH KH 2C", "--coins", "16"},
        {"1", "TH JH QH KH 2C", "extra"}};
    for (const auto& args : bad_holds) {
        std::ostringstream out;
        EXPECT_THROW(odds::run_hold(args, out), odds::UsageError) << args[1];
    }
    std::ostringstream out;
    EXPECT_THROW(odds::run_return({"25", "--coins", "4"}, out), odds::UsageError);
    EXPECT_THROW(odds::run_return({"22", "--hands", "10"}, out), odds::UsageError);
    EXPECT_THROW(odds::run_deal({"all", "--xml"}, out), odds::UsageError);
    EXPECT_THROW(odds::run_deal({}, out), odds::UsageError);
    EXPECT_EQ(label_text("4 Deuces && Joker"), "4 Deuces & Joker");
    EXPECT_EQ(label_text("A && B && C"), "A & B & C");
    EXPECT_EQ(label_text("Royal Flush"), "Royal Flush");
    std::ostringstream deuces;
    EXPECT_EQ(odds::run_deal({"6"}, deuces), 0);
    EXPECT_NE(deuces.str().find("4 Deuces & Joker "), std::string::npos);
    EXPECT_EQ(deuces.str().find("&&"), std::string::npos);
    // Every line of --json is one JSON object.
    std::ostringstream json;
    EXPECT_EQ(odds::run_return({"1", "--json"}, json), 0);
    std::istringstream lines(json.str());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_TRUE(line.starts_with("{") && line.ends_with("}")) << line;
    EXPECT_EQ(count, 1);
    EXPECT_NE(json.str().find("\"reversible_royal_included\":false"), std::string::npos);
    EXPECT_NE(json.str().find(",\"deviation\":4.417542,\"win_chance\":0.454565,\"royal_every\":40390.5,"), std::string::npos);
    // The risk table: the bankrolls and hands asked for, or every one of the defaults.
    std::ostringstream risk, one;
    EXPECT_EQ(odds::run_risk({"1", "--bankroll", "100", "--hands", "1000", "--json"}, one), 0);
    EXPECT_EQ(one.str(), "{\"game\":1,\"coins\":5,\"return\":0.9954390437,\"ruin\":[{\"bankroll\":100,\"hands\":1000,"
                         "\"chance\":0.162" + one.str().substr(one.str().find("0.162") + 5));
    EXPECT_EQ(odds::run_risk({"1", "--hands", "1000", "--hands", "10000"}, risk), 0);
    EXPECT_NE(risk.str().find("standard deviation 4.42 bets, a win 45.5% of the time, a royal flush every 40391 hands.\n"),
              std::string::npos);
    EXPECT_NE(risk.str().find("Bankroll (bets)       1000 hands      10000 hands\n"
                              "            100            16.3%            85.0%\n"
                              "            400             0.0%            23.9%\n"),
              std::string::npos);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"21"}, {"1", "--bankroll", "0"},
                                               {"1", "--hands", "1.5"}, {"1", "--hands"}, {}})
        EXPECT_THROW(odds::run_risk(args, out), odds::UsageError) << (args.empty() ? "" : args.back());
    EXPECT_EQ(odds::run_deal({"9", "--json"}, out), 0);
    EXPECT_EQ(out.str(), "{\"game\":9,\"deck\":53,\"dealt_from\":52,\"hands\":2869685,\"rows\":[" + [] {
        const auto c = count_deal(9, 2);
        std::string s;
        for (size_t i = 0; i < c.rows.size(); ++i) s += (i ? "," : "") + std::to_string(c.rows[i]);
        return s;
    }() + "]}\n");
}

std::string hold(const std::vector<std::string>& args) {
    std::ostringstream out;
    EXPECT_EQ(odds::run_hold(args, out), 0);
    return out.str();
}

// Which deck, which bet and which unit a figure is for, and full precision in JSON.
TEST(OddsTool, HoldSaysWhatItsFiguresAreFor) {
    const struct { std::vector<std::string> args; const char* has; } cases[] = {
        {{"10", "7C 7D KS 9H 4C"}, "Double Jokers Wild), 5 coins, deck as dealt: what each hold wins on average, in credits"},
        {{"10", "7C 7D KS 9H 4C"}, "\n    3.815556    7C 7D\n"},
        {{"10", "7C 7D KS 9H 4C", "--full-deck"}, "5 coins, full 54-card deck:"},
        {{"10", "7C 7D KS 9H 4C", "--full-deck"}, "\n    3.751357    7C 7D\n"},
        {{"6", "7C 7D KS 9H 4C"}, "the joker in place of an unseen natural card; --full-deck counts all 53."},
        {{"1", "7C 7D KS 9H 4C"}, "Jacks or Better), 5 coins: what each"},
        // Double Down Draw plays a winning deal on twice the bet, and a losing one on the bet.
        {{"23", "JC JD KS 9H 4C"}, "10 coins (the winning deal doubles the bet)"},
        {{"23", "7C 7D KS 9H 4C"}, "Draw), 5 coins: what"},
        {{"10", "7C 7D KS 9H 4C", "--json"}, "{\"game\":10,\"coins\":5,\"doubled\":false,\"deck\":\"as dealt\",\"unit\":\"credits\","
                                             "\"holds\":[{\"cards\":\"7C 7D\",\"value\":3.81555"},
        {{"1", "2C 4D 6H 8S TC", "--json", "--full-deck"}, "\"deck\":\"52\""},
    };
    for (const auto& c : cases) EXPECT_NE(hold(c.args).find(c.has), std::string::npos) << c.args[0] << " " << c.args[1] << ": " << c.has;
    const std::string json = hold({"1", "2C 4D 6H 8S TC", "--json"});
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
    EXPECT_NE(json.find("{\"cards\":\"\",\"value\":"), std::string::npos);  // the discard of all five
}

// A simulated figure is printed to the decimals its margin supports; an exact one to ten.
TEST(OddsTool, ReturnPrintsWhatTheFigureSupports) {
    // The bounds of --coins and --hands are taken.
    EXPECT_NE(hold({"1", "TH JH QH KH 2C", "--coins", "15"}).find("15 coins:"), std::string::npos);
    std::ostringstream bounds;
    EXPECT_EQ(odds::run_return({"22", "--hands", "1000", "--json"}, bounds), 0);
    EXPECT_NE(bounds.str().find(",\"margin\":0."), std::string::npos) << bounds.str();
    EXPECT_NE(bounds.str().find(",\"samples\":1000,"), std::string::npos) << bounds.str();
    // Hot Hands: each row is the hand made, with what a coin wins on all its lines; no row is
    // left for several lines.
    std::ostringstream hot;
    EXPECT_EQ(odds::run_return({"21"}, hot), 0);
    for (const char* line : {"  row  9  Royal Flush                 0.0000247559  a coin pays 259\n",
                             "  row  6  Full House                  0.0115467064  a coin pays 12 to 13\n",
                             "  row  1  Jacks or Better             0.2184130987  a coin pays 1\n"})
        EXPECT_NE(hot.str().find(line), std::string::npos) << line << hot.str();
    EXPECT_EQ(hot.str().find("multiple lines"), std::string::npos);

    std::ostringstream pick, jokers, full;
    EXPECT_EQ(odds::run_return({"22", "--hands", "2000"}, pick), 0);
    const std::string p = pick.str();
    const size_t at = p.find("return ");
    ASSERT_NE(at, std::string::npos) << p;
    const std::string figure = p.substr(at + 7, p.find(' ', at + 7) - at - 7);
    EXPECT_EQ(figure.size(), 4u) << p;  // 1.xx: a margin of some hundredths
    EXPECT_NE(p.find("(95%, 2000 hands simulated)"), std::string::npos);
    EXPECT_EQ(odds::run_return({"7"}, jokers), 0);
    EXPECT_NE(jokers.str().find("Jokers Wild (Jacks+)), 5 coins, deck as dealt: return 0.9875926111"), std::string::npos) << jokers.str();
    EXPECT_EQ(odds::run_return({"7", "--full-deck", "--json"}, full), 0);
    EXPECT_NE(full.str().find("\"deck\":\"full\",\"return\":0.9817968981"), std::string::npos) << full.str();
}

}  // namespace
}  // namespace dw
