// dazzlewick-odds chart: the pay chart of a game exactly as the main window shows it.
#include <cmath>

#include "games/chart.h"
#include "games/pay_table.h"
#include "games/payouts_file.h"
#include "odds_commands.h"
#include "files/file_io.h"
#include "records/record_store.h"

namespace dw::odds {

namespace {

// The window shows CR LF as a line break and "&&" as one ampersand.
std::string as_shown(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\r') continue;
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
        out += caption[i];
    }
    return out;
}

}  // namespace

double parse_number(const std::string& option, const std::string& text) {
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !std::isfinite(v)) throw UsageError(option + " needs a number, not '" + text + "'");
    return v;
}


Pay_Table load_payouts(const std::string& payouts) {
    // An unusable pay file means the default charts, as in the game.
    Pay_Table table;
    Set_Default_Payouts(table, 0);
    if (!payouts.empty())
        if (const auto text = files::read_text(payouts, kMaxRecordSize))
            if (const auto read = read_payouts(*text)) table = *read;
    return table;
}

int run_chart(const std::vector<std::string>& args, std::ostream& out) {
    int game = 0;
    std::string payouts;
    int coins = 0;
    double jackpot = 0;
    bool progressive = false, royals = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--payouts") payouts = value();
        else if (a == "--coins") {
            const double c = parse_number(a, value());
            if (c < 0 || c > 15 || c != std::floor(c)) throw UsageError("--coins takes a whole number from 0 to 15");
            coins = static_cast<int>(c);
        } else if (a == "--jackpot") {
            jackpot = parse_number(a, value());
            if (jackpot < 0 || jackpot > 1e9) throw UsageError("--jackpot takes a number from 0 up");
        } else if (a == "--progressive") progressive = true;
        else if (a == "--royals") royals = true;
        else if (!a.empty() && a[0] == '-') throw UsageError("unknown option '" + a + "'");
        else if (game != 0) throw UsageError("chart takes one game number");
        else game = parse_game(a);
    }
    if (game == 0) throw UsageError("chart needs a game number");

    // The same chart routines the window uses.
    const Pay_Table table = load_payouts(payouts);
    const GameId g = static_cast<GameId>(game);
    const ChartPanels chart = draw_chart(g, chart_kind_for(g, coins), table, progressive, jackpot);
    const AwardLines lines = award_lines(progressive, royals, jackpot, chart.top_award, chart.max_bet, format_us_currency);

    for (size_t p = 0; p < 7; ++p) out << "== Lbl_Pay " << p << " ==\n" << as_shown(chart.captions[p]) << "\n";
    out << "== Pnl_Progressive_Display ==\n" << lines.award << "\n";
    if (lines.bet_line_visible) out << "== Lbl_Progressive_Bet ==\n" << lines.bet_line << "\n";
    out << "== Marquee_Text ==\n" << lines.marquee << "\n";
    out << "== Top_Award ==\n" << chart.top_award << "\n";
    out << "== Max_Bet ==\n" << chart.max_bet << "\n";
    return 0;
}

}  // namespace dw::odds
