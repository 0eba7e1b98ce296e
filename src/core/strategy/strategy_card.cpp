#include "strategy/strategy_card.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <iomanip>

#include "eval/evaluators.h"
#include "games/catalogue.h"

namespace dw::strategy {

bool has_strategy_card(GameId game) { return is_game(game) && game_info(game).flow == Flow::Draw; }

int default_card_lines(GameId game) { return game_info(game).wild() ? 40 : 32; }

int StrategyCard::rank_of(uint32_t line) const {
    const auto it = std::lower_bound(ranks.begin(), ranks.end(), std::make_pair(line, -1));
    return it != ranks.end() && it->first == line ? it->second : -1;
}

namespace {

// One dealt hand standing for `weight` hands, and its holds that are lines of the vocabulary,
// each line once at the value of its best hold.
struct Dealt {
    double weight = 0;
    double best = 0;    // perfect play, in credits
    double bet = 0;
    double bonus = 0;   // paid on the deal whatever is held
    CardIndex cards[5]{};
    uint32_t first = 0;
    uint8_t count = 0;
};
struct Entry {
    double value = 0;
    uint32_t line = 0;  // a HoldLine id while gathering, then the line's place in the list of lines
    uint8_t mask = 0;
};

struct Gathered {
    std::vector<Dealt> hands;
    std::vector<Entry> entries;
};

// The run a line belongs to on the card: lines of one family and wild count read as one line.
uint32_t run_key(uint32_t id) { return id >> 16; }

// Orders the lines of the vocabulary to lose as little as possible, and then merges them into at
// most a number of card lines.
class Orderer {
public:
    Orderer(const std::vector<Dealt>& hands, const std::vector<Entry>& entries, const std::vector<uint32_t>& ids,
            std::stop_token stop)
        : hands_(hands), entries_(entries), ids_(ids), lines_(static_cast<int>(ids.size())), stop_(stop) {
        of_line_.resize(ids.size());
        for (uint32_t h = 0; h < hands.size(); ++h)
            for (uint32_t e = hands[h].first; e < hands[h].first + hands[h].count; ++e) of_line_[entries[e].line].push_back(h);
        for (int l = 0; l < lines_; ++l)
            if (HoldLine::of(ids[static_cast<size_t>(l)]).family == Family::Nothing) nothing_ = l;
        double weight = 0;
        for (const auto& h : hands) weight += h.weight;
        eps_ = 1e-12 * weight;
        first_order();
    }

    // Moves single lines to wherever they lose least, pass after pass, while the card keeps to
    // `max_runs` lines (0: any number).
    void improve(int max_runs, int passes = 40) {
        for (int pass = 0; pass < passes && !stop_.stop_requested(); ++pass) {
            bool moved = false;
            for (int x : std::vector<int>(order_)) {
                if (x == nothing_ || pos_[static_cast<size_t>(x)] < 0) continue;
                const int cur = pos_[static_cast<size_t>(x)];
                gains(x);
                std::vector<int> better;
                // After the last line (discard everything) a line is never kept: it is gone.
                for (int q = 0; q <= pos_[static_cast<size_t>(nothing_)] + 1; ++q)
                    if (q != cur && q != cur + 1 && s_[static_cast<size_t>(q)] > s_[static_cast<size_t>(cur + 1)] + eps_) better.push_back(q);
                std::sort(better.begin(), better.end(), [&](int a, int b) { return s_[static_cast<size_t>(a)] > s_[static_cast<size_t>(b)]; });
                for (int q : better) {
                    auto trial = moved_order(x, q);
                    if (max_runs > 0 && runs(trial) > max_runs) continue;
                    set_order(std::move(trial));
                    moved = true;
                    break;
                }
            }
            prune();
            if (!moved) break;
        }
    }

    // Takes away card lines, each time the move that costs least per line saved: a line taken
    // off, or a card line moved beside another of its family. Moves that cost nothing are made even within
    // `max_runs`: lines that never meet in one hand are put together.
    void reduce(int max_runs) {
        prune();
        while (!stop_.stop_requested()) {
            double best_cost = INFINITY;
            std::vector<int> best;
            std::vector<Move> free;  // moves that cost nothing, made together
            const int now = runs(order_);
            auto consider = [&](std::vector<int> trial, double cost, Move move) {
                const int saved = now - runs(trial);
                if (saved <= 0) return;
                if (cost <= eps_) free.push_back(std::move(move));
                if (cost / saved < best_cost) {
                    best_cost = cost / saved;
                    best = std::move(trial);
                }
            };
            for (int x : std::vector<int>(order_)) {
                if (x == nothing_) continue;
                gains(x);
                const int cur = pos_[static_cast<size_t>(x)];
                const double here = s_[static_cast<size_t>(cur + 1)];
                std::vector<int> without = order_;
                without.erase(without.begin() + cur);
                consider(without, here, {{x}, -1});
            }
            // A whole line taken off, or moved next to another line of its family.
            const auto starts = run_starts();
            for (size_t a = 0; a + 1 < starts.size(); ++a) {
                if (order_[static_cast<size_t>(starts[a])] == nothing_) continue;
                block_gains(starts[a], starts[a + 1]);
                const double here = s_[static_cast<size_t>(starts[a + 1])];
                const std::vector<int> block(order_.begin() + starts[a], order_.begin() + starts[a + 1]);
                if (block.size() > 1)
                    consider(block_moved(starts[a], starts[a + 1], static_cast<int>(order_.size())), here, {block, -1});
                for (size_t b = 0; b + 1 < starts.size(); ++b) {
                    if (a == b || !same_run(order_[static_cast<size_t>(starts[a])], order_[static_cast<size_t>(starts[b])])) continue;
                    for (int slot : {starts[b], starts[b + 1]}) {
                        if (slot > pos_[static_cast<size_t>(nothing_)]) continue;
                        consider(block_moved(starts[a], starts[a + 1], slot), here - s_[static_cast<size_t>(slot)],
                                 {block, order_[static_cast<size_t>(slot)]});
                    }
                }
            }
            if (best.empty() || (runs(order_) <= max_runs && best_cost > eps_)) break;
            if (!free.empty()) {
                // Each checked again, as the ones before may have changed what it costs.
                for (const Move& m : free) make_if_free(m);
                prune();
                continue;
            }
            set_order(std::move(best));
            prune();
            // A move that costs something may leave better places for other lines.
            improve(max_runs, 1);
        }
    }

    // Within each card line, the lines in their natural order (low detail first) wherever that
    // loses nothing: lines that never meet in one hand can stand in any order.
    void sort_within_lines() {
        const auto starts = run_starts();
        for (size_t r = 0; r + 1 < starts.size(); ++r) {
            std::vector<int> trial = order_;
            std::sort(trial.begin() + starts[r], trial.begin() + starts[r + 1]);
            if (trial == order_) continue;
            const std::vector<int> members(trial.begin() + starts[r], trial.begin() + starts[r + 1]);
            if (std::abs(loss_of_move(trial, members)) <= eps_) set_order(std::move(trial));
        }
    }

    const std::vector<int>& order() const { return order_; }
    // The line each hand keeps under the order.
    std::vector<int> choices() const {
        std::vector<int> out(hands_.size(), -1);
        for (size_t h = 0; h < hands_.size(); ++h) {
            int at = INT32_MAX;
            for (uint32_t e = hands_[h].first; e < hands_[h].first + hands_[h].count; ++e) {
                const int p = pos_[entries_[e].line];
                if (p >= 0 && p < at) {
                    at = p;
                    out[h] = static_cast<int>(e);
                }
            }
        }
        return out;
    }
    int runs(const std::vector<int>& order) const {
        int n = 0;
        for (size_t i = 0; i < order.size(); ++i)
            if (i == 0 || !same_run(order[i - 1], order[i])) ++n;
        return n;
    }

private:
    const std::vector<Dealt>& hands_;
    const std::vector<Entry>& entries_;
    const std::vector<uint32_t>& ids_;
    int lines_;
    std::stop_token stop_;
    int nothing_ = -1;
    double eps_ = 0;
    std::vector<std::vector<uint32_t>> of_line_;
    std::vector<int> order_;
    std::vector<int> pos_;
    std::vector<double> s_;

    // Lines moved together before another line (-1: taken off the card).
    struct Move {
        std::vector<int> lines;
        int before = -1;
    };

    // The order with the lines at places [from, to) moved before the line at place `slot`.
    std::vector<int> block_moved(int from, int to, int slot) const {
        std::vector<int> trial;
        trial.reserve(order_.size());
        for (int i = 0; i < static_cast<int>(order_.size()); ++i) {
            if (i == slot) trial.insert(trial.end(), order_.begin() + from, order_.begin() + to);
            if (i < from || i >= to) trial.push_back(order_[static_cast<size_t>(i)]);
        }
        return trial;
    }

    // Makes a move if its lines still stand together, it still saves a card line and it costs nothing.
    void make_if_free(const Move& m) {
        const int from = pos_[static_cast<size_t>(m.lines.front())];
        const int to = from + static_cast<int>(m.lines.size());
        if (from < 0 || to > static_cast<int>(order_.size())) return;
        for (size_t i = 0; i < m.lines.size(); ++i)
            if (order_[static_cast<size_t>(from) + i] != m.lines[i]) return;
        const int slot = m.before < 0 ? static_cast<int>(order_.size()) : pos_[static_cast<size_t>(m.before)];
        if (slot < 0 || (slot >= from && slot <= to)) return;
        block_gains(from, to);
        const double cost = s_[static_cast<size_t>(to)] - s_[static_cast<size_t>(slot)];
        auto trial = block_moved(from, to, slot);
        if (cost <= eps_ && runs(trial) < runs(order_)) set_order(std::move(trial));
    }

    // Where each card line starts in the order, and the end.
    std::vector<int> run_starts() const {
        std::vector<int> out;
        for (size_t i = 0; i < order_.size(); ++i)
            if (i == 0 || !same_run(order_[i - 1], order_[i])) out.push_back(static_cast<int>(i));
        out.push_back(static_cast<int>(order_.size()));
        return out;
    }

    // The value a hand keeps under positions `pos`.
    double kept(const Dealt& d, const std::vector<int>& pos) const {
        int at = INT32_MAX;
        double v = 0;
        for (uint32_t e = d.first; e < d.first + d.count; ++e) {
            const int p = pos[entries_[e].line];
            if (p >= 0 && p < at) {
                at = p;
                v = entries_[e].value;
            }
        }
        return v;
    }

    // What the hands lose when the lines of `moved` move and the order becomes `order`: only the
    // hands that have one of them can change.
    double loss_of_move(const std::vector<int>& order, const std::vector<int>& moved) {
        std::vector<int> pos(static_cast<size_t>(lines_), -1);
        for (size_t i = 0; i < order.size(); ++i) pos[static_cast<size_t>(order[i])] = static_cast<int>(i);
        seen_.resize(hands_.size());
        ++stamp_;
        double loss = 0;
        for (int l : moved)
            for (uint32_t h : of_line_[static_cast<size_t>(l)]) {
                if (seen_[h] == stamp_) continue;
                seen_[h] = stamp_;
                loss += hands_[h].weight * (kept(hands_[h], pos_) - kept(hands_[h], pos));
            }
        return loss;
    }
    std::vector<uint32_t> seen_;
    uint32_t stamp_ = 0;

    bool same_run(int a, int b) const {
        return run_key(ids_[static_cast<size_t>(a)]) == run_key(ids_[static_cast<size_t>(b)]);
    }

    void set_order(std::vector<int> order) {
        order_ = std::move(order);
        pos_.assign(static_cast<size_t>(lines_), -1);
        for (size_t i = 0; i < order_.size(); ++i) pos_[static_cast<size_t>(order_[i])] = static_cast<int>(i);
    }

    std::vector<int> moved_order(int x, int q) const {
        std::vector<int> out;
        out.reserve(order_.size());
        for (size_t i = 0; i < order_.size(); ++i) {
            if (static_cast<int>(i) == q) out.push_back(x);
            if (order_[i] != x) out.push_back(order_[i]);
        }
        return out;  // past the end: x is gone
    }

    // s_[q]: what x gains, over the hands that have it, when it stands just before the line now
    // at place q (the line at its own place and the one after it leave it where it is).
    void gains(int x) { block_gains(pos_[static_cast<size_t>(x)], pos_[static_cast<size_t>(x)] + 1); }

    // The same for the lines at places [from, to) moved together, in their order: s_[q] for a
    // place q outside them.
    void block_gains(int from, int to) {
        const size_t m = order_.size();
        s_.assign(m + 2, 0.0);
        seen_.resize(hands_.size());
        ++stamp_;
        for (int i = from; i < to; ++i)
            for (uint32_t h : of_line_[static_cast<size_t>(order_[static_cast<size_t>(i)])]) {
                if (seen_[h] == stamp_) continue;
                seen_[h] = stamp_;
                const Dealt& d = hands_[h];
                int p0 = static_cast<int>(m), pb = INT32_MAX;
                double v0 = 0, vb = 0;
                for (uint32_t e = d.first; e < d.first + d.count; ++e) {
                    const int p = pos_[entries_[e].line];
                    if (p < 0) continue;
                    if (p >= from && p < to) {
                        if (p < pb) {
                            pb = p;
                            vb = entries_[e].value;
                        }
                    } else if (p < p0) {
                        p0 = p;
                        v0 = entries_[e].value;
                    }
                }
                s_[static_cast<size_t>(p0)] += d.weight * (vb - v0);
            }
        for (size_t q = m; q-- > 0;) s_[q] += s_[q + 1];
    }

    // Lines no hand keeps change nothing: they go.
    void prune() {
        std::vector<char> used(static_cast<size_t>(lines_), 0);
        for (int e : choices())
            if (e >= 0) used[entries_[static_cast<size_t>(e)].line] = 1;
        std::vector<int> kept;
        for (int l : order_)
            if (used[static_cast<size_t>(l)] || l == nothing_) kept.push_back(l);
        set_order(std::move(kept));
    }

    // A first order from every two lines met in one hand: a line comes before those it beats
    // more often than it loses to.
    void first_order() {
        const size_t n = static_cast<size_t>(lines_);
        std::vector<double> beats(n * n, 0.0);
        for (const auto& d : hands_)
            for (uint32_t a = d.first; a < d.first + d.count; ++a)
                for (uint32_t b = d.first; b < d.first + d.count; ++b)
                    if (a != b)
                        beats[entries_[a].line * n + entries_[b].line] += d.weight * (entries_[a].value - entries_[b].value);
        std::vector<double> score(n, 0.0);
        for (size_t a = 0; a < n; ++a)
            for (size_t b = 0; b < n; ++b) score[a] += (beats[a * n + b] > eps_) - (beats[a * n + b] < -eps_);
        std::vector<int> order;
        for (int l = 0; l < lines_; ++l)
            if (l != nothing_) order.push_back(l);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return score[static_cast<size_t>(a)] > score[static_cast<size_t>(b)]; });
        order.push_back(nothing_);
        set_order(std::move(order));
    }
};

Gathered gather(const PayRule& rule, const LineContext& context, unsigned threads, std::stop_token stop, DeckModel model) {
    const DealTables tables(rule, threads, stop);
    Gathered out;
    if (tables.stopped()) return out;
    const unsigned t = std::max(1u, threads);
    std::vector<Gathered> parts(t);
    each_dealt_class(tables.table().deck(), model, t, stop, [&](unsigned id, const CardIndex* c, double weight) {
        Gathered& part = parts[id];
        Dealt d;
        d.weight = weight;
        std::copy(c, c + 5, d.cards);
        const auto deal = tables.deal(c);
        const FinalHandTable* used = deal.table;
        d.bet = deal.bet;
        d.bonus = deal.bonus;
        const auto values = hold_values(*used, c, {}, model);
        d.best = *std::max_element(values.begin(), values.end());
        const int pat_row = used->final_row(FinalHandTable::set_index(c, 5));
        d.first = static_cast<uint32_t>(part.entries.size());
        for (int m = 0; m < 32; ++m) {
            const auto line = classify_hold(context, c, m, pat_row);
            if (!line) continue;
            const uint32_t key = line->id();
            const double v = values[static_cast<size_t>(m)];
            auto it = std::find_if(part.entries.begin() + d.first, part.entries.end(), [&](const Entry& e) { return e.line == key; });
            if (it == part.entries.end()) part.entries.push_back({v, key, static_cast<uint8_t>(m)});
            else if (v > it->value) *it = {v, key, static_cast<uint8_t>(m)};
        }
        d.count = static_cast<uint8_t>(part.entries.size() - d.first);
        part.hands.push_back(d);
    });
    for (auto& part : parts) {
        const uint32_t base = static_cast<uint32_t>(out.entries.size());
        for (auto d : part.hands) {
            d.first += base;
            out.hands.push_back(d);
        }
        out.entries.insert(out.entries.end(), part.entries.begin(), part.entries.end());
        part = {};
    }
    return out;
}

Hand hand_of(const CardIndex c[5]) {
    Hand h;
    for (size_t i = 0; i < 5; ++i) h[i] = card_of(c[i]);
    return h;
}

}  // namespace

StrategyCard write_card(const PayRule& rule, int max_lines, unsigned threads, std::stop_token stop, DeckModel model) {
    StrategyCard card;
    card.game = rule.game;
    card.coins = rule.coins;
    if (!has_strategy_card(rule.game)) return card;
    if (max_lines <= 0) max_lines = default_card_lines(rule.game);
    const LineContext context = line_context(rule);
    Gathered g = gather(rule, context, threads, stop, model);
    if (stop.stop_requested() || g.hands.empty()) {
        card.complete = false;
        return card;
    }
    // The lines met, numbered, and every detail met per family and wild count (for the names).
    std::vector<uint32_t> ids;
    for (const auto& e : g.entries) ids.push_back(e.line);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    for (auto& e : g.entries) e.line = static_cast<uint32_t>(std::lower_bound(ids.begin(), ids.end(), e.line) - ids.begin());
    std::map<uint32_t, std::vector<int>> details;
    for (uint32_t id : ids) details[run_key(id)].push_back(HoldLine::of(id).detail);

    Orderer orderer(g.hands, g.entries, ids, stop);
    orderer.improve(0);
    orderer.reduce(max_lines);
    orderer.improve(max_lines);
    orderer.reduce(max_lines);  // lines the last moves left apart that can stand together for nothing
    orderer.sort_within_lines();
    if (stop.stop_requested()) {
        card.complete = false;
        return card;
    }

    // The card lines: runs of one family and wild count.
    const auto& order = orderer.order();
    std::vector<int> line_of(ids.size(), -1);
    for (size_t i = 0; i < order.size(); ++i) {
        const uint32_t id = ids[static_cast<size_t>(order[i])];
        if (i == 0 || run_key(id) != run_key(ids[static_cast<size_t>(order[i - 1])])) card.lines.emplace_back();
        card.lines.back().members.push_back(id);
        line_of[static_cast<size_t>(order[i])] = static_cast<int>(card.lines.size()) - 1;
        card.ranks.emplace_back(id, static_cast<int>(i));
    }
    std::sort(card.ranks.begin(), card.ranks.end());
    const auto choices = orderer.choices();
    double weight = 0, bet = 0, perfect = 0, followed = 0;
    std::vector<double> example_weight(card.lines.size(), -1);
    for (size_t h = 0; h < g.hands.size(); ++h) {
        const Dealt& d = g.hands[h];
        const Entry& e = g.entries[static_cast<size_t>(choices[h])];
        const size_t line = static_cast<size_t>(line_of[e.line]);
        weight += d.weight;
        bet += d.weight * d.bet;
        perfect += d.weight * (d.best + d.bonus);
        followed += d.weight * (e.value + d.bonus);
        card.lines[line].share += d.weight;
        card.lines[line].loss += d.weight * (d.best - e.value);
        // The example: the most common hand where the line is held and is the best hold (or
        // where it is held, if it never is).
        const double rank = d.weight + (e.value >= d.best - 1e-9 ? 1e9 : 0);
        if (rank > example_weight[line]) {
            example_weight[line] = rank;
            card.lines[line].example = hand_of(d.cards);
            card.lines[line].example_mask = e.mask;
        }
    }
    for (auto& line : card.lines) {
        line.share /= weight;
        line.loss /= bet;
        const HoldLine first = HoldLine::of(line.members.front());
        std::vector<int> members;
        for (uint32_t id : line.members) members.push_back(HoldLine::of(id).detail);
        line.name = line_name(context, first.family, first.wilds, members, details[run_key(line.members.front())]);
    }
    card.perfect = perfect / bet;
    card.card = followed / bet;
    return card;
}

CardChoice card_hold(const StrategyCard& card, const LineContext& context, const CardIndex sorted[5],
                     const std::array<double, 32>& values, int pat_row) {
    int best_rank = INT32_MAX;
    CardChoice out;
    for (int m = 0; m < 32; ++m) {
        const auto line = classify_hold(context, sorted, m, pat_row);
        if (!line) continue;
        const int rank = card.rank_of(line->id());
        if (rank < 0) continue;
        if (rank < best_rank || (rank == best_rank && values[static_cast<size_t>(m)] > values[static_cast<size_t>(out.mask)])) {
            best_rank = rank;
            out.mask = m;
        }
    }
    if (best_rank == INT32_MAX) return out;
    int seen = 0;
    for (size_t l = 0; l < card.lines.size(); ++l) {
        seen += static_cast<int>(card.lines[l].members.size());
        if (best_rank < seen) {
            out.line = static_cast<int>(l);
            break;
        }
    }
    return out;
}

std::string example_text(const CardLine& line) {
    std::string dealt;
    for (const auto& c : line.example) dealt += (dealt.empty() ? "" : " ") + card_text(c);
    return dealt + ", hold " + hold_text(line.example, line.example_mask);
}

std::vector<int> costliest_lines(const StrategyCard& card, size_t count) {
    std::vector<int> out;
    for (size_t i = 0; i < card.lines.size(); ++i)
        if (card.lines[i].loss > 0) out.push_back(static_cast<int>(i));
    std::stable_sort(out.begin(), out.end(), [&](int a, int b) { return card.lines[static_cast<size_t>(a)].loss > card.lines[static_cast<size_t>(b)].loss; });
    if (out.size() > count) out.resize(count);
    return out;
}

std::string card_text(const StrategyCard& card) {
    std::ostringstream out;
    const GameInfo& info = game_info(card.game);
    out << "Strategy card: " << info.list_text << ", " << card.coins << (card.coins == 1 ? " coin" : " coins") << "\n";
    out << std::fixed << std::setprecision(4);
    out << "Following the card returns " << card.card * 100 << "%; perfect play returns " << card.perfect * 100
        << "% (the card costs " << card.cost() * 100 << "%).\n";
    out << "Keep the highest line the dealt hand contains.\n\n";
    for (size_t i = 0; i < card.lines.size(); ++i)
        out << std::setw(3) << i + 1 << ". " << std::left << std::setw(46) << card.lines[i].name << std::right << "  "
            << example_text(card.lines[i]) << "\n";
    const auto costly = costliest_lines(card);
    if (!costly.empty()) {
        out << "\nWhere most is lost against perfect play:\n";
        for (int i : costly)
            out << "  " << i + 1 << ". " << card.lines[static_cast<size_t>(i)].name << ": "
                << std::setprecision(4) << card.lines[static_cast<size_t>(i)].loss * 100 << "%\n";
    }
    return out.str();
}

}  // namespace dw::strategy
