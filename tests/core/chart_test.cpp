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

// The columns as drawn: 0 the title, 1 the labels, 2 to 6 the pays, 7 the five pay headers. A row
// gives the whole column ("|" between lines), or one line of it (the last: -1).
TEST(Chart, ColumnsOfEachKindOfChart) {
    using K = ChartKind;
    const struct {
        GameId game;
        ChartKind kind;
        double jackpot;  // below zero: the progressive off
        size_t column;
        int line;  // -2: the whole column
        const char* text;
    } cases[] = {
        {16, K::Standard, -1, 0, -2, "Winning Hands for Aces and Eights Bonus Poker"},
        {16, K::Standard, -1, 1, -2, "|Royal Flush|Straight Flush|4 Aces or 4 Eights|4 Sevens|4 of a Kind|Full House|Flush|"
                                     "Straight|3 of a Kind|2 Pairs|Jacks or Better"},
        {16, K::Standard, -1, 2, -2, "1 Credit|250|50|80|50|25|8|5|4|3|2|1"},
        {16, K::Standard, -1, 5, -2, "4 Credits|1000|200|320|200|100|32|20|16|12|8|4"},
        {16, K::Standard, -1, 6, -2, "5 Credits|* 4000 *|250|400|250|125|40|25|20|15|10|5"},
        // The combined lines of Deuces Wild Bonus and Double Double Bonus.
        {5, K::Standard, -1, 1, -1, "Straight OR 3 of a Kind"},
        {5, K::Standard, -1, 1, 2, "4 Deuces plus Ace"},
        {5, K::Standard, -1, 2, -2, "1 Credit|500|400|200|80|40|20|25|15|5|4|3|1|"},
        {5, K::Standard, -1, 6, -2, "5 Credits|* 4000 *|2000|1000|400|200|100|125|75|25|20|15|5"},
        {14, K::Standard, -1, 1, -2, "|Royal Flush|Straight Flush|4 Aces w/2-4|4 of a Kind (2-4) w/A-4|4 Aces w/5-K|"
                                     "4 of a Kind (2-4) w/5-K|4 of a Kind (5-K)|Full House|Flush|Straight|3 of a Kind|"
                                     "2 Pair OR Jacks or Better"},
        {14, K::Standard, -1, 3, 3, "800"},
        // Deuces and Joker's two top cells, each with the jackpot, capped alike.
        {6, K::Standard, -1, 6, -2, "5 Credits|* 10000 *|4000|125|60|45|30|15|15|15|10|5"},
        {6, K::Standard, 123.9, 6, 1, "*10123*"},
        {6, K::Standard, 123.9, 6, 2, "*4123*"},
        {6, K::Standard, 96000, 6, 1, "106000"},
        {6, K::Standard, 96000, 6, 2, "100000"},
        // Double Down Draw plain and doubled.
        {23, K::DrawPlain, 50, 6, -2, "5 Credits|2000|250|150|50|30|20|15|5|5"},
        {23, K::DrawDoubled, -1, 2, -2, "2 Credits|800|100|60|20|12|8|6|2|2"},
        {23, K::DrawDoubled, -1, 7, -2, "2 Credits|4 Credits|6 Credits|8 Credits|10 Crdts."},
        {23, K::DrawDoubled, -1, 6, -2, "10 Crdts.|* 5000 *|500|300|100|60|40|30|10|10"},
        // Double Down Stud regular and doubled.
        {24, K::StudRegular, -1, 1, -1, "Sixes to Tens"},
        {24, K::StudRegular, -1, 6, -2, "5 Credits|2500|1000|250|60|45|30|20|15|10|5"},
        {24, K::StudDoubled, 0, 7, -2, "4 Credits|5 Credits|6 Credits|8 Credits|10 Crdts."},
        {24, K::StudDoubled, 0, 6, 1, "*10000*"},
        {24, K::StudDoubled, 0, 6, 2, "2000"},
        // Let It Ride with three, two and one part of the bet riding.
        {25, K::RideThree, -1, 7, -2, "3 Credits|6 Credits|9 Credits|12 Crdts.|15 Crdts."},
        {25, K::RideThree, -1, 6, -2, "15 Crdts.|* 15000 *|3000|750|180|135|90|60|45|30"},
        {25, K::RideThree, -1, 1, -1, "Tens or Better"},
        {25, K::RideTwo, 10, 6, -2, "10 Crdts.|5000|2000|500|120|90|60|40|30|20"},
        {25, K::RideOne, 10, 6, -2, "5 Credits|2500|1000|250|60|45|30|20|15|10"},
        {25, K::RideOne, 10, 2, 0, "1 Credit"},
    };
    for (const auto& c : cases) {
        const auto p = draw_chart(c.game, c.kind, test::default_pay_table(), c.jackpot >= 0, std::max(c.jackpot, 0.0));
        const L col = c.column == 7 ? heads(p) : lines(p.captions[c.column]);
        std::string text;
        for (size_t i = 0; i < col.size(); ++i) text += (i ? "|" : "") + col[i];
        const std::string got = c.line == -2 ? text : c.line == -1 ? col.back() : col.at(static_cast<size_t>(c.line));
        EXPECT_EQ(got, c.text) << c.game << " column " << c.column << " line " << c.line;
    }
    for (auto [game, coins, kind] : {std::tuple{23, 5, K::DrawPlain}, {23, 6, K::DrawDoubled}, {24, 3, K::StudRegular},
                                     {24, 4, K::StudDoubled}, {25, 1, K::RideThree}, {1, 5, K::Standard}})
        EXPECT_EQ(chart_kind_for(game, coins), kind) << game << " " << coins;
    // The sizes of the panels, the top award and the largest bet.
    const struct {
        GameId game;
        ChartKind kind;
        double title, row;
        int top, height, award, max_bet;
    } sizes[] = {{16, K::Standard, 9.75, 8.25, 320, 2470, 4000, 5},     {6, K::Standard, 0, 0, 0, 0, 10000, 5},
                 {5, K::Standard, 8.25, 0, 0, 0, 4000, 5},            {23, K::DrawPlain, 0, 0, 0, 0, 5000, 10},
                 {23, K::DrawDoubled, 0, 0, 0, 2450, 5000, 10},        {24, K::StudDoubled, 0, 0, 0, 0, 10000, 10},
                 {25, K::RideThree, 0, 0, 0, 0, 15000, 15},            {25, K::RideTwo, 0, 0, 0, 0, 15000, 15},
                 {25, K::RideOne, 0, 0, 0, 0, 15000, 15}};
    for (const auto& s : sizes) {  // a size of 0: not pinned here
        const auto p = draw_chart(s.game, s.kind, test::default_pay_table(), true, 10);
        if (s.title) EXPECT_EQ(p.title_size, s.title) << s.game;
        if (s.row) EXPECT_EQ(p.row_size, s.row) << s.game;
        if (s.top) EXPECT_EQ(p.top, s.top) << s.game;
        if (s.height) EXPECT_EQ(p.height, s.height) << s.game;
        EXPECT_EQ((std::pair<int, int>(p.top_award, p.max_bet)), std::pair(s.award, s.max_bet)) << s.game;
    }
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
