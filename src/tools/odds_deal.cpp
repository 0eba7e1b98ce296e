#include <thread>

#include "games/census.h"
#include "games/pay_table.h"
#include "odds_commands.h"

namespace dw::odds {

int parse_game(const std::string& text) {
    size_t used = 0;
    int game = 0;
    try {
        game = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || game < 1 || game > 25)
        throw UsageError("'" + text + "' is not a game number from 1 to 25");
    return game;
}

int run_deal(const std::vector<std::string>& args, std::ostream& out) {
    bool json = false;
    std::vector<int> games;
    for (const auto& a : args) {
        if (a == "--json") json = true;
        else if (a == "all") for (int g = 1; g <= 25; ++g) games.push_back(g);
        else if (!a.empty() && a[0] == '-') throw UsageError("unknown option '" + a + "'");
        else games.push_back(parse_game(a));
    }
    if (games.empty()) throw UsageError("deal needs a game number or 'all'");
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (int g : games) {
        const DealCensus c = count_deal(static_cast<GameId>(g), threads);
        if (json) {
            // The census counts every card of the deck; a joker game deals 52 of them.
            out << "{\"game\":" << g << ",\"deck\":" << c.deck << ",\"dealt_from\":52,\"hands\":" << c.hands << ",\"rows\":[";
            for (size_t r = 0; r < c.rows.size(); ++r) out << (r ? "," : "") << c.rows[r];
            out << "]}\n";
        } else {
            out << "Game " << g << ": " << c.hands << " hands from a deck of " << c.deck;
            if (c.deck > 52)
                out << " (every card counted; the game deals 52 of them, the " << (c.deck == 53 ? "joker" : "2 jokers")
                    << " in place of unseen natural cards)";
            out << "\n";
            const auto& chart = default_chart(g);
            for (size_t r = c.rows.size(); r-- > 0;) {
                const std::string label = r == 0 ? "no win" : label_text(chart[chart.size() - r].label);
                out << "  row " << r << (r < 10 ? "  " : " ") << label << std::string(label.size() < 28 ? 28 - label.size() : 1, ' ')
                    << c.rows[r] << "\n";
            }
        }
    }
    return 0;
}

}  // namespace dw::odds
