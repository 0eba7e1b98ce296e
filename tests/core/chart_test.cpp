#include "games/chart.h"
#include "machine_rig.h"

namespace dw {
namespace {

using test::Rig;

// The lines of a caption.
std::vector<std::string> lines(const std::string& caption) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        const size_t end = caption.find("\r\n", start);
        out.push_back(caption.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}
using L = std::vector<std::string>;
// The headers of the five pay columns.
L heads(const ChartPanels& p) {
    L out;
    for (size_t c = 2; c <= 6; ++c) out.push_back(lines(p.captions[c]).front());
    return out;
}

TEST(Chart, AcesAndEightsPanelsLineUp) {
    const auto p = draw_chart(16, ChartKind::Standard, test::default_pay_table(), false, 0);
    EXPECT_EQ(p.captions[0], "Winning Hands for Aces and Eights Bonus Poker");
    EXPECT_EQ(lines(p.captions[1]), (L{"", "Royal Flush", "Straight Flush", "4 Aces or 4 Eights", "4 Sevens",
                                       "4 of a Kind", "Full House", "Flush", "Straight", "3 of a Kind", "2 Pairs",
                                       "Jacks or Better"}));
    EXPECT_EQ(lines(p.captions[2]), (L{"1 Credit", "250", "50", "80", "50", "25", "8", "5", "4", "3", "2", "1"}));
    EXPECT_EQ(lines(p.captions[5]), (L{"4 Credits", "1000", "200", "320", "200", "100", "32", "20", "16", "12", "8", "4"}));
    EXPECT_EQ(lines(p.captions[6]),
              (L{"5 Credits", "* 4000 *", "250", "400", "250", "125", "40", "25", "20", "15", "10", "5"}));
    EXPECT_EQ(p.title_size, 9.75);
    EXPECT_EQ(p.row_size, 8.25);
    EXPECT_EQ(p.top, 320);
    EXPECT_EQ(p.height, 2470);
}

// Every column of every chart has one line per label line.
TEST(Chart, EveryColumnHasALinePerShownRow) {
    const Pay_Table t = test::default_pay_table();
    for (GameId g = 1; g <= 25; ++g) {
        for (int coins : {0, 4, 6}) {
            const auto p = draw_chart(g, chart_kind_for(g, coins), t, true, 17.5);
            const size_t rows = lines(p.captions[1]).size();
            for (size_t c = 2; c <= 6; ++c) {
                auto col = lines(p.captions[c]);
                if (c < 6 && col.back().empty()) col.pop_back();  // a hidden bottom row leaves the line end
                EXPECT_EQ(col.size(), rows) << "game " << g << " column " << c;
            }
        }
    }
}

TEST(Chart, CombinedLinesOfDeucesBonusAndDoubleDouble) {
    const auto five = draw_chart(5, ChartKind::Standard, test::default_pay_table(), false, 0);
    EXPECT_EQ(lines(five.captions[1]).back(), "Straight OR 3 of a Kind");
    EXPECT_EQ(lines(five.captions[1])[2], "4 Deuces plus Ace");
    EXPECT_EQ(lines(five.captions[2]), (L{"1 Credit", "500", "400", "200", "80", "40", "20", "25", "15", "5", "4", "3",
                                          "1", ""}));
    EXPECT_EQ(lines(five.captions[6]), (L{"5 Credits", "* 4000 *", "2000", "1000", "400", "200", "100", "125", "75",
                                          "25", "20", "15", "5"}));
    EXPECT_EQ(five.title_size, 8.25);
    const auto dd = draw_chart(14, ChartKind::Standard, test::default_pay_table(), false, 0);
    EXPECT_EQ(lines(dd.captions[1]), (L{"", "Royal Flush", "Straight Flush", "4 Aces w/2-4", "4 of a Kind (2-4) w/A-4",
                                        "4 Aces w/5-K", "4 of a Kind (2-4) w/5-K", "4 of a Kind (5-K)", "Full House",
                                        "Flush", "Straight", "3 of a Kind", "2 Pair OR Jacks or Better"}));
    EXPECT_EQ(lines(dd.captions[3]).at(3), "800");
}

TEST(Chart, TopCellRules) {
    struct Case {
        bool progressive;
        double jackpot;
        int award;
        const char* cell;
    } cases[] = {{false, 0, 4000, "* 4000 *"},      {false, 99999, 4000, "* 4000 *"}, {true, 0, 4000, "*4000*"},
                 {true, 95999.9, 4000, "*99999*"}, {true, 96000, 4000, "100000"},
                 {true, 5999.99, 4000, "*9999*"},   {true, 0, 15000, "*15000*"},  {true, 85000.2, 15000, "100000"}};
    for (const auto& c : cases) EXPECT_EQ(top_cell(c.progressive, c.jackpot, c.award), c.cell) << c.jackpot;
}

TEST(Chart, DeucesJokersHasTwoTopCells) {
    const auto off = draw_chart(6, ChartKind::Standard, test::default_pay_table(), false, 0);
    EXPECT_EQ(lines(off.captions[6]), (L{"5 Credits", "* 10000 *", "4000", "125", "60", "45", "30", "15", "15", "15",
                                         "10", "5"}));
    const auto on = draw_chart(6, ChartKind::Standard, test::default_pay_table(), true, 123.9);
    EXPECT_EQ(lines(on.captions[6])[1], "*10123*");
    EXPECT_EQ(lines(on.captions[6])[2], "*4123*");
    const auto big = draw_chart(6, ChartKind::Standard, test::default_pay_table(), true, 96000);
    EXPECT_EQ(lines(big.captions[6])[1], "106000");
    EXPECT_EQ(lines(big.captions[6])[2], "100000");
    EXPECT_EQ(off.top_award, 10000);
}

TEST(Chart, DoubleDownDrawPlainAndDoubled) {
    const auto plain = draw_chart(23, chart_kind_for(23, 5), test::default_pay_table(), true, 50);
    EXPECT_EQ(lines(plain.captions[6]), (L{"5 Credits", "2000", "250", "150", "50", "30", "20", "15", "5", "5"}));
    EXPECT_EQ(plain.top_award, 5000);
    EXPECT_EQ(plain.max_bet, 10);
    const auto doubled = draw_chart(23, chart_kind_for(23, 6), test::default_pay_table(), false, 0);
    EXPECT_EQ(lines(doubled.captions[2]), (L{"2 Credits", "800", "100", "60", "20", "12", "8", "6", "2", "2"}));
    EXPECT_EQ(heads(doubled), (L{"2 Credits", "4 Credits", "6 Credits", "8 Credits", "10 Crdts."}));
    EXPECT_EQ(lines(doubled.captions[6]), (L{"10 Crdts.", "* 5000 *", "500", "300", "100", "60", "40", "30", "10",
                                             "10"}));
    EXPECT_EQ(doubled.height, 2450);
}

TEST(Chart, DoubleDownStudRegularAndDoubled) {
    const auto regular = draw_chart(24, chart_kind_for(24, 3), test::default_pay_table(), false, 0);
    EXPECT_EQ(lines(regular.captions[1]).back(), "Sixes to Tens");
    EXPECT_EQ(lines(regular.captions[6]), (L{"5 Credits", "2500", "1000", "250", "60", "45", "30", "20", "15", "10",
                                             "5"}));
    const auto doubled = draw_chart(24, chart_kind_for(24, 4), test::default_pay_table(), true, 0);
    EXPECT_EQ(heads(doubled), (L{"4 Credits", "5 Credits", "6 Credits", "8 Credits", "10 Crdts."}));
    EXPECT_EQ(lines(doubled.captions[6])[1], "*10000*");
    EXPECT_EQ(lines(doubled.captions[6])[2], "2000");
    EXPECT_EQ(doubled.top_award, 10000);
    EXPECT_EQ(doubled.max_bet, 10);
}

TEST(Chart, LetItRideThreeTwoAndOnePart) {
    const auto three = draw_chart(25, ChartKind::RideThree, test::default_pay_table(), false, 0);
    EXPECT_EQ(heads(three), (L{"3 Credits", "6 Credits", "9 Credits", "12 Crdts.", "15 Crdts."}));
    EXPECT_EQ(lines(three.captions[6]), (L{"15 Crdts.", "* 15000 *", "3000", "750", "180", "135", "90", "60", "45",
                                           "30"}));
    EXPECT_EQ(lines(three.captions[1]).back(), "Tens or Better");
    const auto two = draw_chart(25, ChartKind::RideTwo, test::default_pay_table(), true, 10);
    EXPECT_EQ(lines(two.captions[6]), (L{"10 Crdts.", "5000", "2000", "500", "120", "90", "60", "40", "30", "20"}));
    const auto one = draw_chart(25, ChartKind::RideOne, test::default_pay_table(), true, 10);
    EXPECT_EQ(lines(one.captions[6]), (L{"5 Credits", "2500", "1000", "250", "60", "45", "30", "20", "15", "10"}));
    EXPECT_EQ(lines(one.captions[2]).front(), "1 Credit");
    for (const auto* p : {&three, &two, &one}) {
        EXPECT_EQ(p->top_award, 15000);
        EXPECT_EQ(p->max_bet, 15);
    }
}

// An edited chart: a lower royal still shows the top award; a hidden row adds no line.
TEST(Chart, EditedJacksOrBetter) {
    Pay_Table t = test::default_pay_table();
    t.at(1, 9).Pay = 1000;
    t.at(1, 1).Pay = 2;
    const auto p = draw_chart(1, ChartKind::Standard, t, false, 0);
    EXPECT_EQ(lines(p.captions[6])[1], "* 4000 *");
    EXPECT_EQ(lines(p.captions[5])[1], "4000");
    EXPECT_EQ(lines(p.captions[2])[1], "1000");
    EXPECT_EQ(lines(p.captions[3]).back(), "4");
    t = test::default_pay_table();
    t.at(1, 4).Shown = 0;  // the straight shares the flush's line
    const auto hidden = draw_chart(1, ChartKind::Standard, t, false, 0);
    EXPECT_EQ(lines(hidden.captions[2]), (L{"1 Credit", "250", "50", "25", "9", "6", "3", "2", "1"}));
    EXPECT_EQ(lines(hidden.captions[6]), (L{"5 Credits", "* 4000 *", "250", "125", "45", "30", "15", "10", "5"}));
}

TEST(AwardLine, ProgressiveOnAndOff) {
    struct Case {
        bool progressive, royals;
        double jackpot;
        int16_t award, max_bet;
        const char *line, *bet;
        bool bet_visible;
    } cases[] = {
        {false, false, 0, 4000, 5, "Win 4000 Credits!", "", false},
        {true, false, 0, 4000, 5, "Win $1,000.00!", "Bet 5 to win Progressive Jackpot", true},
        {true, false, 0.04, 4000, 5, "Win $1,000.01!", "Bet 5 to win Progressive Jackpot", true},
        {true, true, 3999.96, 15000, 15, "Win $4,749.99!", "Bet 15 to win Progressive Jackpot", true},
        {true, false, 40000, 10000, 10, "Win $12,500.00!", "Bet 10 to win Progressive Jackpot", true},
    };
    for (const auto& c : cases) {
        const auto a = award_lines(c.progressive, c.royals, c.jackpot, c.award, c.max_bet, format_us_currency);
        EXPECT_EQ(a.award, c.line);
        EXPECT_EQ(a.bet_line_visible, c.bet_visible);
        if (c.bet_visible) {
            EXPECT_EQ(a.bet_line, c.bet);
        }
        const std::string royal = "  SUPER PAYOUT: Reversible Royal Flush pays 50,000 Coins!!";
        EXPECT_EQ(a.marquee.size() >= royal.size() && a.marquee.ends_with(royal), c.royals);
    }
    EXPECT_EQ(format_us_currency(0), "$0.00");
    EXPECT_EQ(format_us_currency(-1234.5), "($1,234.50)");
    EXPECT_EQ(award_lines(false, false, 0, 4000, 5, format_us_currency).marquee,
              "  Hit the Jackpot with Dazzlewick!!  Go for the ROYAL FLUSH and win big!!");
}

TEST(AwardLine, MachineRedrawsChartBannerAndBucket) {
    Rig rig;
    rig.m.wallet().Coin_Bucket = -123;
    rig.m.progressive().Jackpot = 2.5;
    rig.m.Menu_Command("Mnu_Royals");
    rig.m.Menu_Command("Mnu_Royals");  // off and on again: the award line, the chart and the bucket are redrawn
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $1,000.62!");
    EXPECT_TRUE(rig.m.view().Lbl_Progressive_Bet.visible);
    EXPECT_EQ(rig.m.view().Lbl_Coins.caption, "-123");
    EXPECT_TRUE(rig.m.chart_panel().Marquee_Text.ends_with("Reversible Royal Flush pays 50,000 Coins!!"));
    EXPECT_EQ(lines(rig.m.view().Lbl_Pay[6].caption)[1], "*4002*");
    rig.m.Select_Game(24);  // another game: the award line of its own chart
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win $2,500.62!");
    EXPECT_EQ(rig.m.view().Lbl_Progressive_Bet.caption, "Bet 10 to win Progressive Jackpot");
    rig.m.Select_Game(1);
    rig.m.Menu_Command("Mnu_Progressive");
    EXPECT_EQ(rig.m.view().Pnl_Progressive_Display.caption, "Win 4000 Credits!");
    EXPECT_FALSE(rig.m.view().Lbl_Progressive_Bet.visible);
    EXPECT_TRUE(rig.m.view().Lbl_Pay[1].bold);
    EXPECT_EQ(rig.m.view().Lbl_Pay[3].height, 2500);
}

}  // namespace
}  // namespace dw
