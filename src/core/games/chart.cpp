#include "games/chart.h"

#include <cmath>
#include <cstdio>

#include "games/catalogue.h"

namespace dw {

namespace {

std::string num(int64_t v) { return std::to_string(v); }

int64_t pay_times(const Pay_Table& t, int slot, int row, int amount) {
    return static_cast<int64_t>(t.pay(slot, row)) * amount;
}

// A value column as Fill_Credit_Columns lays it out: header line, one value per shown row,
// the last (row 1) without a line end.
std::string value_column(const Pay_Table& t, int slot, int amount, const std::string& header) {
    std::string text = header + kCrLf;
    for (int row = t.row_count(slot); row >= 2; --row)
        if (t.shown(slot, row)) text += num(pay_times(t, slot, row, amount)) + kCrLf;
    if (t.shown(slot, 1)) text += num(pay_times(t, slot, 1, amount));
    return text;
}

// The last column: header, then the given top cells, then every shown row below them.
std::string last_column(const Pay_Table& t, int slot, int amount, const std::string& header,
                        const std::vector<std::string>& top_cells) {
    std::string text = header;
    for (const auto& cell : top_cells) text += kCrLf + cell;
    for (int row = t.row_count(slot) - static_cast<int>(top_cells.size()); row >= 1; --row)
        if (t.shown(slot, row)) text += kCrLf + num(pay_times(t, slot, row, amount));
    return text;
}

std::string credits_header(int amount) {
    if (amount >= 10) return num(amount) + " Crdts.";
    return num(amount) + (amount == 1 ? " Credit" : " Credits");
}

std::string jackpot_cell(bool progressive, double jackpot, int32_t award, bool plain_when_off) {
    if (!progressive && plain_when_off) return num(award);
    return top_cell(progressive, jackpot, award);
}

struct Format {
    double title, row;
    int32_t top, height;
};

Format format_for(GameId game) {
    switch (game) {
    case 21: case 23: return {9.75, 9.75, 320, 2450};
    case 4: case 9: case 10: case 19: case 24: return {6.75, 9.75, 210, 2700};
    case 6: case 7: case 8: case 11: case 12: case 13: case 16: case 17: case 18: return {9.75, 8.25, 320, 2470};
    case 20: return {9.75, 8.25, 320, 2450};
    case 5: case 14: case 15: return {8.25, 8.25, 260, 2640};
    default: return {9.75, 9.75, 320, 2500};
    }
}

}  // namespace

std::string top_cell(bool progressive, double jackpot, int32_t award) {
    if (!progressive) return "* " + num(award) + " *";
    const std::string s = num(static_cast<int64_t>(std::floor(jackpot)) + award);
    return s.size() < 6 ? "*" + s + "*" : s;
}

std::array<std::string, 4> Fill_Credit_Columns(const Pay_Table& table, int slot) {
    std::array<std::string, 4> cols;
    for (int c = 1; c <= 4; ++c) cols[static_cast<size_t>(c - 1)] = value_column(table, slot, c, credits_header(c));
    return cols;
}

ChartKind chart_kind_for(GameId game, int coins_bet) {
    if (game == 23) return coins_bet >= 6 ? ChartKind::DrawDoubled : ChartKind::DrawPlain;
    if (game == 24) return coins_bet < 4 ? ChartKind::StudRegular : ChartKind::StudDoubled;
    if (game == 25) return ChartKind::RideThree;
    return ChartKind::Standard;
}

ChartPanels draw_chart(GameId game, ChartKind kind, const Pay_Table& t, bool progressive, double jackpot) {
    const GameInfo& info = game_info(game);
    ChartPanels p;
    const Format f = format_for(game);
    p.title_size = f.title;
    p.row_size = f.row;
    p.top = f.top;
    p.height = f.height;
    p.top_award = info.top_award;
    p.max_bet = info.max_bet;
    p.captions[0] = "Winning Hands for " + std::string(info.chart_title);
    std::string labels;
    for (auto line : chart_lines(game)) labels += kCrLf + std::string(line);
    p.captions[1] = labels;

    // Columns as amounts per coin column, the last column's amount and its top cells.
    std::array<int, 4> amounts = {1, 2, 3, 4};
    int last = 5;
    std::vector<std::string> tops;
    switch (kind) {
    case ChartKind::Standard:
        if (game == 6) {
            tops = {top_cell(progressive, jackpot, info.top_award), jackpot_cell(progressive, jackpot, 4000, true)};
        } else {
            tops = {top_cell(progressive, jackpot, info.top_award)};
        }
        break;
    case ChartKind::DrawPlain:
    case ChartKind::StudRegular:
    case ChartKind::RideOne:
        break;
    case ChartKind::DrawDoubled:
        amounts = {2, 4, 6, 8};
        last = 10;
        tops = {top_cell(progressive, jackpot, info.top_award)};
        break;
    case ChartKind::StudDoubled:
        amounts = {4, 5, 6, 8};
        last = 10;
        tops = {top_cell(progressive, jackpot, info.top_award)};
        break;
    case ChartKind::RideThree:
        amounts = {3, 6, 9, 12};
        last = 15;
        tops = {top_cell(progressive, jackpot, info.top_award)};
        break;
    case ChartKind::RideTwo:
        amounts = {2, 4, 6, 8};
        last = 10;
        break;
    }
    for (size_t c = 0; c < 4; ++c)
        p.captions[c + 2] = value_column(t, game, amounts[c], credits_header(amounts[c]));
    p.captions[6] = last_column(t, game, last, credits_header(last), tops);
    return p;
}

std::string format_us_currency(double amount) {
    const bool negative = amount < 0;
    const int64_t cents = static_cast<int64_t>(std::llround(std::fabs(amount) * 100.0));
    std::string whole = std::to_string(cents / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(static_cast<size_t>(i), ",");
    char frac[4];
    std::snprintf(frac, sizeof frac, "%02d", static_cast<int>(cents % 100));
    return (negative ? "($" : "$") + whole + "." + frac + (negative ? ")" : "");
}

AwardLines award_lines(bool progressive, bool royals, double jackpot, int16_t top_award, int16_t max_bet,
                       const CurrencyFormat& currency) {
    AwardLines out;
    if (progressive) {
        // The jackpot and the award in money at 4 credits a unit, cut (not rounded) to cents.
        const double amount = std::floor(((jackpot / 4 + 0.001) + top_award / 4.0) * 100) / 100;
        out.award = "Win " + currency(amount) + "!";
        out.bet_line = "Bet " + num(max_bet) + " to win Progressive Jackpot";
        out.bet_line_visible = true;
        out.marquee =
            "  Hit the Jackpot with Dazzlewick!!  Go for the ROYAL FLUSH and win the Progressive Jackpot!  It gets "
            "bigger every time you play!!  ";
    } else {
        out.award = "Win " + num(top_award) + " Credits!";
        out.marquee = "  Hit the Jackpot with Dazzlewick!!  Go for the ROYAL FLUSH and win big!!";
    }
    if (royals) out.marquee += "  SUPER PAYOUT: Reversible Royal Flush pays 50,000 Coins!!";
    return out;
}

int bet_column(GameId game, int coins) {
    if (game == 25) return coins / 3 + 1;
    if (game == 24) return coins <= 3 ? coins + 1 : coins - 2;
    return coins + 1;
}

}  // namespace dw
