#include "trainer/mistakes.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "files/file_io.h"
#include "games/catalogue.h"
#include "strategy/hold_analysis.h"

namespace dw {

namespace {

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == by) {
            out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

template <typename T>
bool number(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

}  // namespace

// game;coins;held;best;held value;best value;when;dealt;pays
std::string write_mistakes(const std::vector<Mistake>& list) {
    std::string out;
    char line[128];
    for (const auto& m : list) {
        std::snprintf(line, sizeof line, "%d;%d;%d;%d;%.6f;%.6f;%lld;", m.game, m.coins, m.held, m.best, m.held_value,
                      m.best_value, static_cast<long long>(m.when));
        out += line;
        for (size_t i = 0; i < 5; ++i) out += (i ? " " : "") + card_text(m.dealt[i]);
        out += ";";
        for (size_t i = 0; i < m.pays.size(); ++i) out += (i ? "," : "") + std::to_string(m.pays[i]);
        out += "\r\n";
    }
    return out;
}

std::vector<Mistake> read_mistakes(std::string_view text) {
    std::vector<Mistake> out;
    for (auto line : files::split_lines(text)) {
        const auto f = split(line, ';');
        if (f.size() != 9) continue;
        Mistake m;
        int game = 0;
        const auto pays = split(f[8], ',');
        bool ok = number(f[0], game) && is_game(static_cast<GameId>(game)) && number(f[1], m.coins) && m.coins >= 1 &&
                  m.coins <= 15 && number(f[2], m.held) && number(f[3], m.best) && m.held >= 0 && m.held < 32 &&
                  m.best >= 0 && m.best < 32 && number(f[4], m.held_value) && number(f[5], m.best_value) &&
                  number(f[6], m.when) && pays.size() == m.pays.size();
        for (size_t i = 0; ok && i < pays.size(); ++i) ok = number(pays[i], m.pays[i]) && m.pays[i] >= 0;
        const auto hand = ok ? parse_hand(f[7]) : std::nullopt;
        if (!hand || strategy::cards_problem(deck_size(static_cast<GameId>(game)), *hand)) continue;
        m.game = static_cast<GameId>(game);
        m.dealt = *hand;
        out.push_back(m);
    }
    if (out.size() > kMistakesKept) out.erase(out.begin(), out.end() - static_cast<std::ptrdiff_t>(kMistakesKept));
    return out;
}

void keep_mistake(std::vector<Mistake>& list, const Mistake& mistake) {
    list.push_back(mistake);
    if (list.size() > kMistakesKept) list.erase(list.begin(), list.end() - static_cast<std::ptrdiff_t>(kMistakesKept));
}

Pay_Table chart_of(const Mistake& mistake, const Pay_Table& base) {
    Pay_Table out = base;
    const int rows = out.row_count(mistake.game);
    for (int row = 1; row <= rows && row <= 20; ++row) out.at(mistake.game, row).Pay = mistake.pays[static_cast<size_t>(row - 1)];
    return out;
}

std::string held_text(const Hand& dealt, int mask) { return strategy::hold_text(dealt, mask); }

std::vector<size_t> MistakesModel::shown() const {
    std::vector<size_t> out;
    for (size_t i = 0; i < list_.size(); ++i)
        if (game == 0 || list_[i].game == game) out.push_back(i);
    if (order == Order::Newest)
        std::stable_sort(out.begin(), out.end(), [&](size_t a, size_t b) { return list_[a].when > list_[b].when || (list_[a].when == list_[b].when && a > b); });
    else
        std::stable_sort(out.begin(), out.end(), [&](size_t a, size_t b) { return list_[a].cost() > list_[b].cost(); });
    return out;
}

std::vector<std::string> MistakesModel::columns(const Mistake& m) {
    char when[32] = "";
    const std::time_t t = static_cast<std::time_t>(m.when);
    std::tm local{};
    if (localtime_r(&t, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    char cost[32];
    std::snprintf(cost, sizeof cost, "%.2f", m.cost());
    return {when, std::string(game_info(m.game).list_text), held_text(m.dealt, 31), held_text(m.dealt, m.held),
            held_text(m.dealt, m.best), cost};
}

std::string MistakesModel::summary() const {
    const auto rows = shown();
    double total = 0;
    for (size_t i : rows) total += list_[i].cost();
    char text[96];
    std::snprintf(text, sizeof text, "%zu %s, %.2f credits given up", rows.size(), rows.size() == 1 ? "mistake" : "mistakes",
                  total);
    return text;
}

void MistakesModel::Open(size_t shown_row) {
    const auto rows = shown();
    if (shown_row < rows.size() && open) open(list_[rows[shown_row]]);
}

void MistakesModel::Clear_Click() {
    if (list_.empty() || (confirm_clear && !confirm_clear())) return;
    list_.clear();
    if (cleared) cleared();
}

}  // namespace dw
