// dazzlewick-odds return, risk and hold: the strategy engine from the command line.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <thread>

#include "cards/card.h"
#include "cards/deck.h"
#include "eval/evaluators.h"
#include "games/catalogue.h"
#include "games/payouts_file.h"
#include "odds_commands.h"
#include "files/file_io.h"
#include "strategy/chart_facts.h"
#include "strategy/variant_returns.h"

namespace dw::odds {

namespace {

struct Options {
    std::vector<std::string> words;
    std::string payouts;
    std::string refused;
    int coins = 0;  // 0: the game's full bet
    double jackpot = 0;
    uint64_t hands = 100000;  // Pick Five's simulation
    bool progressive = false;
    bool json = false;
    strategy::DeckModel deck = strategy::DeckModel::AsDealt;
};

Options parse(const std::vector<std::string>& args, bool allow_json) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--payouts") o.payouts = value();
        else if (a == "--refused" && !allow_json) o.refused = value();
        else if (a == "--coins") {
            const double c = parse_number(a, value());
            if (c < 1 || c > 15 || c != std::floor(c)) throw UsageError("--coins takes a whole number from 1 to 15");
            o.coins = static_cast<int>(c);
        } else if (a == "--jackpot") {
            // Bounded as the chart command bounds it: a jackpot is added to a win in credits.
            o.jackpot = parse_number(a, value());
            if (o.jackpot < 0 || o.jackpot > 1e9) throw UsageError("--jackpot takes a number from 0 up");
            o.progressive = true;
        } else if (a == "--hands" && allow_json) {
            const double h = parse_number(a, value());
            if (h < 1000 || h > 1e8 || h != std::floor(h)) throw UsageError("--hands takes a whole number from 1000 to 100000000");
            o.hands = static_cast<uint64_t>(h);
        } else if (a == "--json") o.json = true;
        else if (a == "--full-deck") o.deck = strategy::DeckModel::Full;
        else if (!a.empty() && a[0] == '-') throw UsageError("unknown option '" + a + "'");
        else o.words.push_back(a);
    }
    return o;
}

// Which deck a figure is for, after the game's name, and what that means.
std::string deck_words(int game, strategy::DeckModel model) {
    const int cards = deck_size(static_cast<GameId>(game));
    if (cards == 52) return "";
    return model == strategy::DeckModel::Full ? ", full " + std::to_string(cards) + "-card deck" : ", deck as dealt";
}

std::string deck_note(int game, strategy::DeckModel model) {
    const int cards = deck_size(static_cast<GameId>(game));
    if (cards == 52) return "";
    if (model == strategy::DeckModel::Full)
        return "  Every card of the " + std::to_string(cards) + "-card deck counted, as published tables count it; "
               "the game deals 52.\n";
    return std::string("  The game deals 52 cards: ") + (cards == 53 ? "the joker in place of an unseen natural card"
                                                                     : "2 jokers in place of two unseen natural cards") +
           "; --full-deck counts all " + std::to_string(cards) + ".\n";
}

const char* deck_json(int game, strategy::DeckModel model) {
    return deck_size(static_cast<GameId>(game)) == 52 ? "52" : model == strategy::DeckModel::Full ? "full" : "as dealt";
}

// Decimals a simulated figure supports: down to the first digit of its margin.
int decimals_for(double margin) {
    if (margin <= 0) return 10;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(margin))), 1, 10);
}

// What each game's return is divided by, and the choices the engine makes.
std::string return_note(const GameInfo& info) {
    if (info.flow == Flow::Stud)
        return "  Per coin bet, the doubled coins counted in the bet. The engine doubles when that wins more on\n"
               "  average than it stakes; where doubling and standing are worth exactly the same, it stands.\n";
    if (info.flow == Flow::Ride) return "  Per coin bet at the deal; the thirds taken back count as returned.\n";
    if (info.doubles_winning_deal) return "  Per coin bet, the doubled bet of a winning deal counted in the bet.\n";
    if (info.eights_bonus)
        return "  The rows on the deal are the deal bonus, paid beside the final hand's row: those hands count twice.\n";
    if (info.every_line)
        return "  Each row is the hand made; it is paid on every line it makes, as a coin's pays show.\n";
    return "";
}

// In a game that pays every line, what a coin wins for each hand made, with its other lines:
// the least and the most over every five cards.
std::vector<std::pair<int64_t, int64_t>> line_pays(GameId game, const Pay_Table& table) {
    std::vector<std::pair<int64_t, int64_t>> out(kRows + 2, {INT64_MAX, 0});
    Hand hand;
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        const int cards[5] = {a, b, c, d, e};
                        for (size_t i = 0; i < 5; ++i) hand[i] = strategy::card_of(static_cast<strategy::CardIndex>(cards[i]));
                        HotHits hits{};
                        const HandCode code = Check_Hand(game, hand, &hits);
                        int64_t pay = 0;
                        for (size_t i = 0; i < hits.size(); ++i)
                            if (hits[i]) pay += table.pay(game, static_cast<int>(i) + 1);
                        auto& [low, high] = out[static_cast<size_t>(code)];
                        low = std::min(low, pay);
                        high = std::max(high, pay);
                    }
    return out;
}

std::string facts_text(const strategy::ChartFacts& f) { return "  One hand: " + strategy::facts_line(f) + ".\n"; }

}  // namespace

int run_risk(const std::vector<std::string>& args, std::ostream& out) {
    std::vector<std::string> rest;
    std::vector<int> bankrolls, hands;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool bankroll = args[i] == "--bankroll";
        if (!bankroll && args[i] != "--hands") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
        const double v = parse_number(args[i], args[i + 1]);
        if (v < 1 || v > 1e6 || v != std::floor(v))
            throw UsageError(args[i] + " takes a whole number from 1 to 1000000");
        (bankroll ? bankrolls : hands).push_back(static_cast<int>(v));
        ++i;
    }
    if (bankrolls.empty()) bankrolls.assign(std::begin(strategy::kRiskBankrolls), std::end(strategy::kRiskBankrolls));
    if (hands.empty()) hands.assign(std::begin(strategy::kRiskHands), std::end(strategy::kRiskHands));
    const Options o = parse(rest, true);
    if (o.words.size() != 1) throw UsageError("risk needs one game number");
    const int g = parse_game(o.words[0]);
    const GameInfo& info = game_info(static_cast<GameId>(g));
    const Pay_Table table = load_payouts(o.payouts);
    const int coins = o.coins ? o.coins : info.full_bet;
    const PayRule rule{static_cast<GameId>(g), &table, coins, false, 0};
    const auto r = strategy::game_return(rule, std::max(1u, std::thread::hardware_concurrency()), {}, {}, o.hands, o.deck);
    const auto facts = strategy::chart_facts(rule, r);
    if (!facts) throw UsageError("game " + std::to_string(g) + " (" + std::string(info.list_text) +
                                 ") pays more than one row's pay on a hand: no risk table");
    const auto risk = strategy::risk_of_ruin(facts->outcomes, bankrolls, hands);
    if (o.json) {
        out << "{\"game\":" << g << ",\"coins\":" << coins << ",\"return\":" << std::fixed << std::setprecision(10)
            << facts->value << ",\"ruin\":[";
        for (size_t b = 0; b < bankrolls.size(); ++b)
            for (size_t h = 0; h < hands.size(); ++h)
                out << (b + h ? "," : "") << "{\"bankroll\":" << bankrolls[b] << ",\"hands\":" << hands[h]
                    << ",\"chance\":" << std::setprecision(6) << risk.ruin[b][h] << "}";
        out << "]}\n";
        return 0;
    }
    out << "Game " << g << " (" << info.list_text << "), " << coins << " coins: return " << std::fixed
        << std::setprecision(4) << 100 * facts->value << "%\n" << facts_text(*facts)
        << "The chance of losing the bankroll within so many hands of perfect play:\n" << strategy::risk_text(risk);
    return 0;
}

int run_return(const std::vector<std::string>& args, std::ostream& out) {
    const Options o = parse(args, true);
    if (o.words.size() != 1) throw UsageError("return needs one game number or 'all'");
    std::vector<int> games;
    if (o.words[0] == "all")
        for (const auto& g : kGames) games.push_back(g.id);
    else
        games.push_back(parse_game(o.words[0]));
    const Pay_Table table = load_payouts(o.payouts);
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (int g : games) {
        const GameInfo& info = game_info(static_cast<GameId>(g));
        const int coins = o.coins ? o.coins : info.full_bet;
        if (info.flow == Flow::Ride && coins % 3 != 0) {
            const std::string why = "Let It Ride bets three equal parts: --coins takes 3, 6, 9, 12 or 15";
            if (games.size() == 1) throw UsageError(why);
            if (!o.json) out << "Game " << g << " (" << info.list_text << "): " << why << "\n";
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const auto r = strategy::game_return({static_cast<GameId>(g), &table, coins, o.progressive, o.jackpot}, threads,
                                             {}, {}, o.hands, o.deck);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const PayRule rule{static_cast<GameId>(g), &table, coins, o.progressive, o.jackpot};
        const auto facts = o.progressive ? std::nullopt : strategy::chart_facts(rule, r);
        if (o.json) {
            out << "{\"game\":" << g << ",\"coins\":" << coins << ",\"deck\":\"" << deck_json(g, o.deck)
                << "\",\"return\":" << std::fixed << std::setprecision(10) << r.value << ",\"rows\":[";
            for (size_t i = 0; i < r.rows.size(); ++i) out << (i ? "," : "") << std::setprecision(12) << r.rows[i];
            out << "]";
            if (r.samples) out << ",\"margin\":" << std::setprecision(10) << r.margin << ",\"samples\":" << r.samples;
            if (facts)
                out << ",\"deviation\":" << std::setprecision(6) << facts->deviation << ",\"win_chance\":"
                    << facts->win_chance << ",\"royal_every\":" << std::setprecision(1) << facts->royal_every;
            // Every line is JSON: the note the text output ends with is a field here.
            out << ",\"seconds\":" << std::setprecision(3) << seconds << ",\"reversible_royal_included\":false}\n";
        } else {
            const int places = r.samples ? decimals_for(r.margin) : 10;
            out << "Game " << g << " (" << info.list_text << "), " << coins << " coins" << deck_words(g, o.deck)
                << ": return " << std::fixed << std::setprecision(places) << r.value;
            if (r.samples)
                out << " \u00b1 " << r.margin << " (95%, " << r.samples << " hands simulated)";
            out << "  (" << std::setprecision(2) << seconds << " s)\n" << deck_note(g, o.deck) << return_note(info);
            if (facts) out << facts_text(*facts);
            out << std::setprecision(places);
            const auto& chart = default_chart(g);
            const auto pays = info.every_line ? line_pays(static_cast<GameId>(g), table)
                                              : std::vector<std::pair<int64_t, int64_t>>{};
            for (size_t row = r.rows.size(); row-- > 0;) {
                if (r.rows[row] == 0 && row > chart.size()) continue;
                const std::string label = row == 0 ? "no win"
                                          : row <= chart.size() ? label_text(chart[chart.size() - row].label)
                                                                : "multiple lines";
                out << "  row " << std::setw(2) << row << "  " << std::left << std::setw(28) << label << std::right
                    << r.rows[row];
                if (row < pays.size() && row > 0 && pays[row].second > 0) {
                    out << "  a coin pays " << pays[row].first;
                    if (pays[row].second != pays[row].first) out << " to " << pays[row].second;
                }
                out << "\n";
            }
        }
        out.unsetf(std::ios::floatfield);
    }
    if (!o.json) out << "The reversible royal is not part of these figures.\n";
    return 0;
}

int run_hold(const std::vector<std::string>& args, std::ostream& out) {
    const Options o = parse(args, false);
    if (o.words.size() != 2) throw UsageError("hold needs a game number and five cards, \"TH JH QH KH 2C\"");
    const int g = parse_game(o.words[0]);
    const auto hand = parse_hand(o.words[1]);
    if (!hand) throw UsageError("'" + o.words[1] + "' is not five cards like \"TH JH QH KH 2C\"");
    const GameInfo& info = game_info(static_cast<GameId>(g));
    if (info.flow != Flow::Draw && info.flow != Flow::PickFive)
        throw UsageError("game " + std::to_string(g) + " has no draw");
    std::vector<CardCode> dead;
    if (!o.refused.empty()) {
        // Pick Five's five refused cards, out of the draw.
        const auto refused = parse_hand(o.refused);
        if (g != 22 || !refused) throw UsageError("--refused takes Pick Five's five refused cards, \"3S 4S 5S TH JH\"");
        dead.assign(refused->begin(), refused->end());
    }
    if (const auto problem = strategy::cards_problem(deck_size(static_cast<GameId>(g)), *hand, dead))
        throw UsageError("cannot analyse these cards: " + *problem);
    const Pay_Table table = load_payouts(o.payouts);
    int coins = o.coins ? o.coins : info.full_bet;
    // Double Down Draw plays a winning deal on twice the bet.
    const bool doubled = info.doubles_winning_deal && Check_Hand(static_cast<GameId>(g), *hand) != 0;
    if (doubled) coins *= 2;
    const strategy::FinalHandTable finals({static_cast<GameId>(g), &table, coins, o.progressive, o.jackpot},
                                          std::max(1u, std::thread::hardware_concurrency()));
    const auto holds = strategy::analyse_holds(finals, *hand, dead, o.deck);
    if (o.json) {
        out << "{\"game\":" << g << ",\"coins\":" << coins << ",\"doubled\":" << (doubled ? "true" : "false")
            << ",\"deck\":\"" << deck_json(g, o.deck) << "\",\"unit\":\"credits\",\"holds\":[" << std::setprecision(17);
        for (size_t i = 0; i < holds.size(); ++i)
            out << (i ? "," : "") << "{\"cards\":\"" << (holds[i].mask ? strategy::hold_text(*hand, holds[i].mask) : "")
                << "\",\"value\":" << holds[i].ev << ",\"tied\":" << (holds[i].tied ? "true" : "false") << "}";
        out << "]}\n";
        return 0;
    }
    out << "Game " << g << " (" << info.list_text << "), " << coins << " coins"
        << (doubled ? " (the winning deal doubles the bet)" : "") << deck_words(g, o.deck)
        << ": what each hold wins on average, in credits; \"=\" marks a tie with the hold above\n"
        << deck_note(g, o.deck);
    out << std::fixed << std::setprecision(6);
    for (const auto& h : holds)
        out << std::setw(12) << h.ev << (h.tied ? " =" : "  ") << "  " << strategy::hold_text(*hand, h.mask) << "\n";
    return 0;
}

}  // namespace dw::odds
