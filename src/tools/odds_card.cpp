// dazzlewick-odds strategy: the strategy card of a draw game's chart.
#include <cmath>
#include <iomanip>
#include <thread>

#include "games/catalogue.h"
#include "odds_commands.h"
#include "strategy/strategy_card.h"

namespace dw::odds {

namespace {

std::string json_text(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

int run_strategy(const std::vector<std::string>& args, std::ostream& out) {
    std::vector<std::string> words;
    std::string payouts;
    int coins = 0, lines = 0;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        auto whole = [&](double low, double high) {
            const double v = parse_number(a, value());
            if (v < low || v > high || v != std::floor(v))
                throw UsageError(a + " takes a whole number from " + std::to_string(static_cast<int>(low)) + " to " +
                                 std::to_string(static_cast<int>(high)));
            return static_cast<int>(v);
        };
        if (a == "--payouts") payouts = value();
        else if (a == "--coins") coins = whole(1, 15);
        else if (a == "--lines") lines = whole(2, 200);
        else if (a == "--json") json = true;
        else if (!a.empty() && a[0] == '-') throw UsageError("unknown option '" + a + "'");
        else words.push_back(a);
    }
    if (words.size() != 1) throw UsageError("strategy needs one game number");
    const int g = parse_game(words[0]);
    const GameInfo& info = game_info(static_cast<GameId>(g));
    if (!strategy::has_strategy_card(static_cast<GameId>(g)))
        throw UsageError("game " + std::to_string(g) + " (" + std::string(info.list_text) +
                         ") is not a draw game: no strategy card");
    const Pay_Table table = load_payouts(payouts);
    const PayRule rule{static_cast<GameId>(g), &table, coins ? coins : info.full_bet, false, 0};
    const auto card = strategy::write_card(rule, lines, std::max(1u, std::thread::hardware_concurrency()));
    if (!json) {
        out << strategy::card_text(card);
        return 0;
    }
    out << "{\"game\":" << g << ",\"coins\":" << card.coins << std::fixed << std::setprecision(10)
        << ",\"perfect\":" << card.perfect << ",\"card\":" << card.card << ",\"cost\":" << card.cost() << ",\"lines\":[";
    for (size_t i = 0; i < card.lines.size(); ++i) {
        const auto& l = card.lines[i];
        out << (i ? "," : "") << "{\"name\":\"" << json_text(l.name) << "\",\"example\":\""
            << json_text(strategy::example_text(l)) << "\",\"share\":" << std::setprecision(8) << l.share
            << ",\"loss\":" << std::setprecision(10) << l.loss << "}";
    }
    out << "]}\n";
    return 0;
}

}  // namespace dw::odds
