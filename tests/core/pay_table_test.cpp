#include <cstdio>
#include <fstream>

#include "games/payouts_file.h"
#include "machine_rig.h"
#include "files/file_io.h"

namespace dw {
namespace {

using test::Rig;

// Every default chart as the rules give it: the pay per coin of each row, the lowest first, and the
// rows that share the chart line above them.
TEST(DefaultCharts, EveryPayAndHiddenRow) {
    struct Case { int slot; const char* pays; std::vector<int> hidden; } cases[] = {
        {1, "1 2 3 4 6 9 25 50 250", {}},
        {2, "1 1 3 8 8 8 40 200 250", {}},
        {3, "1 2 3 4 5 7 25 50 250", {}},
        {4, "1 2 3 4 4 9 15 25 200 250", {}},
        {5, "1 1 3 4 5 15 25 20 40 80 200 400 500", {1}},
        {6, "1 2 3 3 3 6 9 12 25 250 1000", {}},
        {7, "1 1 2 3 4 5 10 50 200 250 500", {}},
        {8, "1 1 2 3 5 7 20 50 100 200 400", {}},
        {9, "1 2 5 7 8 20 50 50 100 500", {}},
        {10, "1 2 3 4 5 8 25 50 100 500", {}},
        {11, "1 2 3 4 5 8 25 40 80 50 250", {}},
        {12, "1 1 3 5 7 9 50 80 160 50 250", {}},
        {13, "1 1 3 4 6 9 75 120 240 50 250", {}},
        {14, "1 1 3 4 5 8 50 80 160 160 400 50 250", {1}},
        {15, "1 2 3 4 6 8 20 40 60 80 50 250", {}},
        {16, "1 2 3 4 5 8 25 50 80 80 50 250", {9}},
        {17, "1 2 3 4 5 8 25 40 40 40 80 50 250", {8, 9}},
        {18, "1 2 3 5 4 5 6 25 50 50 250", {}},
        {19, "1 2 3 4 6 8 25 50 50 250", {}},
        {20, "1 2 3 3 4 5 8 25 25 50 250", {}},
        {21, "1 2 3 4 5 7 20 50 200", {}},
        {22, "1 1 3 4 5 6 20 50 250", {}},
        {23, "1 1 3 4 6 10 30 50 400", {}},
        {24, "1 2 3 4 6 9 12 50 200 500", {}},
        {25, "2 3 4 6 9 12 50 200 500", {}},
        {26, "6 6 14 24 30 30 500 3 10 100 50000", {}},
    };
    Pay_Table t;
    Set_Default_Payouts(t, 0);
    for (const auto& c : cases) {
        const auto pays = test::words(c.pays);
        ASSERT_EQ(t.row_count(c.slot), static_cast<int>(pays.size())) << c.slot;
        for (int row = 1; row <= 20; ++row) {
            const int32_t pay = row <= t.row_count(c.slot) ? std::stoi(pays[static_cast<size_t>(row - 1)]) : 0;
            EXPECT_EQ(t.pay(c.slot, row), pay) << c.slot << "/" << row;
            const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), row) != c.hidden.end();
            EXPECT_EQ(t.at(c.slot, row).Shown, hidden ? 0 : -1) << c.slot << "/" << row;
        }
        if (c.slot <= 25) EXPECT_EQ(t.row_count(c.slot), row_count_of(static_cast<GameId>(c.slot)));
    }
    for (int slot : {0, 27}) EXPECT_THROW(default_chart(slot), std::out_of_range) << slot;
}

TEST(DefaultCharts, DoubleDoubleBonusLabelsFollowTheHandCodes) {
    const auto& rows = default_chart(14);  // top row first: index = 13 - row
    EXPECT_EQ(rows[13 - 9].label, "4 Aces w/5-K");
    EXPECT_EQ(rows[13 - 10].label, "4 of a Kind (2-4) w/A-4");
    EXPECT_EQ(rows[13 - 9].pay, 160);
    EXPECT_EQ(rows[13 - 10].pay, 160);
    // Four Aces with a King is code 9, four 3s with an Ace code 10.
    EXPECT_EQ(Check_Hand(14, test::H("AC AD AH AS KC")), 9);
    EXPECT_EQ(Check_Hand(14, test::H("3C 3D 3H 3S AC")), 10);
    const auto lines = chart_lines(14);
    EXPECT_EQ(lines[13 - 9], "4 Aces w/5-K");
    EXPECT_EQ(lines[13 - 10], "4 of a Kind (2-4) w/A-4");
}

// The file as the old writer made it: each number with its sign position, CR LF.
std::string leading_blank_file(const Pay_Table& t) {
    std::string out;
    char line[32];
    for (int s = 1; s <= 26; ++s)
        for (int r = 0; r <= 20; ++r) {
            std::snprintf(line, sizeof line, "% d\r\n% d\r\n", t.at(s, r).Pay, static_cast<int>(t.at(s, r).Shown));
            out += line;
        }
    return out;
}

Pay_Table customised() {
    Pay_Table t;
    Set_Default_Payouts(t, 0);
    t.at(1, 9).Pay = 1500;
    t.at(1, 2).Pay = 0;
    t.at(12, 3).Shown = 0;
    t.at(26, 11).Pay = 75000;
    return t;
}

// Byte for byte as the old writer made it; read back with blanks and bare line feeds too.
TEST(PayoutsFile, RoundTripIsByteExactAndTheReaderTakesBlanks) {
    const Pay_Table t = customised();
    const std::string expected = leading_blank_file(t);
    EXPECT_EQ(write_payouts(t), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 1092);
    std::string loose;
    for (auto line : files::split_lines(expected)) loose += "  " + std::string(line) + " \t\n";
    for (const std::string& text : {expected, loose}) {
        const auto back = read_payouts(text);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, t);
    }
}

TEST(PayoutsFile, AnyFaultFallsBackForTheWholeTable) {
    const std::string good = write_payouts(customised());
    auto lines_of = [&] {
        std::vector<std::string> v;
        for (auto l : files::split_lines(good)) v.emplace_back(l);
        return v;
    };
    auto join = [](const std::vector<std::string>& v) {
        std::string s;
        for (const auto& l : v) s += l + "\r\n";
        return s;
    };
    auto with_line = [&](size_t index, std::string value) {
        auto v = lines_of();
        v[index] = std::move(value);
        return join(v);
    };
    const std::vector<std::string> all = lines_of();
    // Line of slot s, row r, Pay: 42 (s - 1) + 2r (zero-based).
    auto pay_line = [](int s, int r) { return static_cast<size_t>(42 * (s - 1) + 2 * r); };
    struct Case { const char* what; std::string text; bool loads; } cases[] = {
        {"row count 8", with_line(0, " 8"), false},
        {"row count 21", with_line(0, " 21"), false},
        {"row count 20", with_line(0, " 20"), true},
        {"pay 1500", with_line(pay_line(5, 3), " 1500"), true},
        {"pay 1501", with_line(pay_line(5, 3), " 1501"), false},
        {"pay 1501 in the lowest row", with_line(pay_line(5, 1), " 1501"), false},
        {"negative pay", with_line(pay_line(5, 3), "-5"), false},
        {"side bet 50000", with_line(pay_line(26, 4), " 50000"), true},
        {"side bet 2000000", with_line(pay_line(26, 4), " 2000000"), true},
        {"side bet negative", with_line(pay_line(26, 4), "-1"), false},
        {"not a number", with_line(pay_line(7, 1), " 1x"), false},
        {"empty line", with_line(pay_line(7, 1), ""), false},
        {"shown beyond 16 bits", with_line(pay_line(7, 1) + 1, " 40000"), false},
        {"shown any 16-bit", with_line(pay_line(7, 1) + 1, " 5"), true},
        {"shown 32767", with_line(pay_line(7, 1) + 1, " 32767"), true},
        {"shown -32768", with_line(pay_line(7, 1) + 1, "-32768"), true},
        {"shown -32769", with_line(pay_line(7, 1) + 1, "-32769"), false},
        {"cut after slot 10", join(std::vector<std::string>(all.begin(), all.begin() + 420)), false},
        {"one line short", join(std::vector<std::string>(all.begin(), all.end() - 1)), false},
        {"empty file", "", false},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.store.files["PAYOUTS.VPK"] = c.text;
        const size_t messages = rig.dialogs.shown.size();
        EXPECT_EQ(rig.m.Load_Payouts(), c.loads) << c.what;
        Pay_Table defaults;
        Set_Default_Payouts(defaults, 0);
        if (c.loads) {
            EXPECT_EQ(rig.m.pay_table().pay(1, 9), 1500) << c.what;
        } else {
            EXPECT_EQ(rig.m.pay_table(), defaults) << c.what;
        }
        EXPECT_EQ(rig.dialogs.shown.size(), messages) << c.what << ": reading never speaks";
        EXPECT_EQ(rig.store.text("PAYOUTS.VPK"), c.text) << c.what << ": reading never writes";
    }
    Rig missing;
    missing.m.pay_table().at(1, 9).Pay = 3;
    EXPECT_FALSE(missing.m.Load_Payouts());
    EXPECT_EQ(missing.m.pay_table().pay(1, 9), 250);
    EXPECT_FALSE(missing.store.has("PAYOUTS.VPK"));
}

TEST(PayoutsMenus, ResetCurrentOrAllOnlyAfterOk) {
    struct Case {
        bool all;
        MsgAnswer answer;
    } cases[] = {{false, MsgAnswer::Ok}, {false, MsgAnswer::Cancel}, {true, MsgAnswer::Ok}, {true, MsgAnswer::Cancel}};
    for (const auto& c : cases) {
        Rig rig;
        rig.m.Select_Game(4);
        rig.m.pay_table().at(4, 10).Pay = 11;
        rig.m.pay_table().at(5, 13).Pay = 12;
        rig.m.pay_table().at(26, 11).Pay = 13;
        rig.dialogs.answers = {c.answer};
        if (c.all) rig.m.Menu_Command("Mnu_Payouts_Reset");
        else rig.m.Menu_Command("Mnu_Payouts_Reset_C");
        ASSERT_EQ(rig.dialogs.shown.size(), 1u);
        const auto& q = rig.dialogs.shown[0];
        EXPECT_EQ(q.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(q.icon, MsgIcon::Question);
        if (c.all) {
            EXPECT_EQ(q.title, "Reset Payout Charts");
            EXPECT_EQ(q.text, "Reset all payout charts to their default values:  confirm you want to do this by "
                              "clicking the OK button.");
        } else {
            EXPECT_EQ(q.title, "Reset Current Payout Chart");
            EXPECT_EQ(q.text, "Reset this game's payout chart to its default value:  confirm you want to do this by "
                              "clicking the OK button.");
        }
        const bool ok = c.answer == MsgAnswer::Ok;
        EXPECT_EQ(rig.m.pay_table().pay(4, 10), ok ? 250 : 11);
        EXPECT_EQ(rig.m.pay_table().pay(5, 13), ok && c.all ? 500 : 12);
        EXPECT_EQ(rig.m.pay_table().pay(26, 11), ok && c.all ? 50000 : 13);
        EXPECT_EQ(rig.store.has("PAYOUTS.VPK"), ok);
        if (ok) {
            EXPECT_EQ(*read_payouts(rig.store.text("PAYOUTS.VPK")), rig.m.pay_table());
        }
    }
}

}  // namespace
}  // namespace dw
