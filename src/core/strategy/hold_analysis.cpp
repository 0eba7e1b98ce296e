#include "strategy/hold_analysis.h"

#include <algorithm>
#include <atomic>
#include <span>
#include <thread>

#include "eval/evaluators.h"
#include "games/catalogue.h"

namespace dw::strategy {

namespace {

// The cards of a hold's sums: the five dealt cards (bits 0 to 4), then the extra cards (dead
// cards, and the jokers the dealt deck may have lost), each set of up to five of them by its
// index and size. `Sets` is a power of two at least 2^(5 + extra cards).
template <size_t Sets>
struct Subsets {
    int bits;
    std::array<uint32_t, Sets> index;
    std::array<int8_t, Sets> size;
    Subsets(const CardIndex c[5], std::span<const CardIndex> extra) : bits(5 + static_cast<int>(extra.size())) {
        CardIndex all[12];
        for (int i = 0; i < 5; ++i) all[i] = c[i];
        for (size_t i = 0; i < extra.size(); ++i) all[5 + i] = extra[i];
        for (int mask = 0; mask < (1 << bits); ++mask) {
            const int k = __builtin_popcount(static_cast<unsigned>(mask));
            size[static_cast<size_t>(mask)] = static_cast<int8_t>(k);
            if (k > 5) continue;
            CardIndex sub[5];
            int n = 0;
            for (int i = 0; i < bits; ++i)
                if (mask & (1 << i)) sub[n++] = all[i];
            if (!extra.empty()) sort_cards(sub, n);  // the dealt cards alone come sorted
            index[static_cast<size_t>(mask)] = FinalHandTable::set_index(sub, k);
        }
    }
};

// What the deck as dealt changes for one dealt hand. The game deals 52 cards: the naturals with
// `jokers` of them replaced, the replaced ones unseen, so every natural not seen is as likely to
// be one of them. A final hand whose drawn cards hold `a` naturals can then be drawn only when
// none of them was replaced: weight(a) = C(naturals - a, jokers) / C(naturals, jokers). Final
// hands are told apart by which unseen jokers they draw (extra bits after the dead cards).
struct DealtDeck {
    int jokers = 0;                     // 0 for the full deck, or a game without jokers
    int naturals = 0;                   // naturals not seen
    std::array<CardIndex, 2> unseen{};  // jokers not seen
    int unseen_count = 0;
    int deck = 0;                       // cards in the deck dealt from

    DealtDeck(const FinalHandTable& table, const CardIndex c[5], std::span<const CardIndex> dead, DeckModel model)
        : deck(table.deck()) {
        if (model == DeckModel::Full || table.deck() <= 52) return;
        jokers = table.deck() - 52;
        deck = 52;
        int seen_naturals = 0;
        bool seen[2] = {false, false};
        auto see = [&](CardIndex x) {
            if (x < 52) ++seen_naturals;
            else seen[x - 52] = true;
        };
        for (int i = 0; i < 5; ++i) see(c[i]);
        for (CardIndex x : dead) see(x);
        naturals = 52 - seen_naturals;
        for (int j = 0; j < jokers; ++j)
            if (!seen[j]) unseen[static_cast<size_t>(unseen_count++)] = static_cast<CardIndex>(52 + j);
    }
    double weight(int drawn_naturals) const {
        if (jokers == 0) return 1.0;
        return static_cast<double>(choose(naturals - drawn_naturals, jokers)) / static_cast<double>(choose(naturals, jokers));
    }
};

// The dead cards, then the unseen jokers: the extra cards of the sums.
struct ExtraCards {
    std::array<CardIndex, 7> cards{};
    size_t count = 0;
    ExtraCards(std::span<const CardIndex> dead, const DealtDeck& d) {
        for (CardIndex x : dead) cards[count++] = x;
        for (int j = 0; j < d.unseen_count; ++j) cards[count++] = d.unseen[static_cast<size_t>(j)];
    }
    std::span<const CardIndex> span() const { return {cards.data(), count}; }
};

template <size_t Sets>
std::array<double, 32> values(const FinalHandTable& table, const CardIndex c[5], std::span<const CardIndex> dead,
                              const DealtDeck& d) {
    const ExtraCards extra(dead, d);
    const Subsets<Sets> s(c, extra.span());
    const int sets = 1 << s.bits;
    // Sum of pays of the final hands holding exactly the held cards (and the unseen jokers of the
    // mask) and none of the other dealt, dead or joker cards: by inclusion and exclusion over the
    // cards that come back (a superset transform).
    std::array<double, Sets> f;
    for (int m = 0; m < sets; ++m) {
        const int k = s.size[static_cast<size_t>(m)];
        f[static_cast<size_t>(m)] = k <= 5 ? table.pay_sum(k, s.index[static_cast<size_t>(m)]) : 0.0;
    }
    for (int bit = 0; bit < s.bits; ++bit)
        for (int m = 0; m < sets; ++m)
            if (!(m & (1 << bit))) f[static_cast<size_t>(m)] -= f[static_cast<size_t>(m | (1 << bit))];
    const int unseen = d.deck - 5 - static_cast<int>(dead.size());
    const int joker_shift = 5 + static_cast<int>(dead.size());
    std::array<double, 32> out;
    for (int m = 0; m < 32; ++m) {
        const int drawn = 5 - s.size[static_cast<size_t>(m)];
        double sum = 0;
        for (int e = 0; e < (1 << d.unseen_count); ++e)
            sum += f[static_cast<size_t>(m | (e << joker_shift))] * d.weight(drawn - __builtin_popcount(static_cast<unsigned>(e)));
        out[static_cast<size_t>(m)] = sum / static_cast<double>(choose(unseen, drawn));
    }
    return out;
}

}  // namespace

std::array<double, 32> hold_values(const FinalHandTable& table, const CardIndex c[5], std::span<const CardIndex> dead,
                                   DeckModel model) {
    const DealtDeck d(table, c, dead, model);
    const size_t extra = dead.size() + static_cast<size_t>(d.unseen_count);
    if (extra == 0) return values<32>(table, c, dead, d);
    if (extra <= 2) return values<128>(table, c, dead, d);
    if (extra <= 5) return values<1024>(table, c, dead, d);
    return values<4096>(table, c, dead, d);
}

std::vector<double> hold_rows(const FinalHandTable& table, const CardIndex c[5], int mask, std::span<const CardIndex> dead,
                              DeckModel model) {
    const DealtDeck d(table, c, dead, model);
    const ExtraCards extra(dead, d);
    const Subsets<4096> s(c, extra.span());
    const int held = __builtin_popcount(static_cast<unsigned>(mask));
    const int joker_shift = 5 + static_cast<int>(dead.size());
    std::vector<double> rows(static_cast<size_t>(table.rows()), 0.0);
    // For each set of unseen jokers drawn, the final hands holding exactly the held cards and
    // those jokers, by inclusion and exclusion, weighted by the chance their naturals were dealt.
    for (int e = 0; e < (1 << d.unseen_count); ++e) {
        const int exact = mask | (e << joker_shift);
        const int exact_size = __builtin_popcount(static_cast<unsigned>(exact));
        const double w = d.weight(5 - exact_size);
        for (int m = 0; m < (1 << s.bits); ++m) {
            const int k = s.size[static_cast<size_t>(m)];
            if ((m & exact) != exact || k > 5) continue;
            const double sign = (k - exact_size) % 2 == 0 ? w : -w;
            if (k == 5) {
                rows[table.final_row(s.index[static_cast<size_t>(m)])] += sign;
            } else {
                const uint32_t* counts = table.row_counts(k, s.index[static_cast<size_t>(m)]);
                for (int r = 0; r < table.rows(); ++r) rows[static_cast<size_t>(r)] += sign * counts[r];
            }
        }
    }
    const double draws = static_cast<double>(choose(d.deck - 5 - static_cast<int>(dead.size()), 5 - held));
    for (auto& r : rows) r /= draws;
    return rows;
}

std::optional<std::string> cards_problem(int deck, const Hand& dealt, std::span<const CardCode> dead) {
    std::vector<CardCode> cards(dealt.begin(), dealt.end());
    cards.insert(cards.end(), dead.begin(), dead.end());
    std::vector<bool> seen(54, false);
    for (const CardCode& c : cards) {
        const CardIndex i = index_of(c);
        if (i >= deck) return deck == 52 ? "this game has no jokers" : deck == 53 ? "this game has one joker" : "a card is not in the deck";
        if (seen[i]) return card_text(c) + " is there twice";
        seen[i] = true;
    }
    return std::nullopt;
}

std::array<HoldValue, 32> analyse_holds(const FinalHandTable& table, const Hand& dealt, std::span<const CardCode> dead,
                                        DeckModel model) {
    // The engine works on sorted cards; masks are given back by position.
    std::array<std::pair<CardIndex, int>, 5> cards;
    for (int p = 0; p < 5; ++p) cards[static_cast<size_t>(p)] = {index_of(dealt[static_cast<size_t>(p)]), p};
    std::sort(cards.begin(), cards.end());
    CardIndex c[5];
    for (int i = 0; i < 5; ++i) c[i] = cards[static_cast<size_t>(i)].first;
    CardIndex out_of_draw[5];
    const size_t dead_count = std::min<size_t>(dead.size(), 5);
    for (size_t i = 0; i < dead_count; ++i) out_of_draw[i] = index_of(dead[i]);
    const auto values = hold_values(table, c, std::span<const CardIndex>(out_of_draw, dead_count), model);
    std::array<HoldValue, 32> out;
    for (int m = 0; m < 32; ++m) {
        int by_position = 0;
        for (int i = 0; i < 5; ++i)
            if (m & (1 << i)) by_position |= 1 << cards[static_cast<size_t>(i)].second;
        out[static_cast<size_t>(m)] = {by_position, values[static_cast<size_t>(m)], false};
    }
    std::stable_sort(out.begin(), out.end(), [](const HoldValue& a, const HoldValue& b) {
        if (a.ev != b.ev) return a.ev > b.ev;
        return a.mask < b.mask;
    });
    for (size_t i = 1; i < out.size(); ++i) out[i].tied = std::abs(out[i].ev - out[i - 1].ev) < 1e-12;
    return out;
}

DealTables::DealTables(const PayRule& rule, unsigned threads, std::stop_token stop)
    : rule_(rule), table_(rule, threads, stop) {
    if (!game_info(rule.game).doubles_winning_deal || table_.stopped()) return;
    PayRule twice = rule;
    twice.coins = rule.coins * 2;
    doubled_ = std::make_unique<FinalHandTable>(twice, threads, stop);
}

DealTables::Deal DealTables::deal(const CardIndex c[5]) const {
    Deal d{&table_, static_cast<double>(rule_.coins), 0, 0};
    const GameInfo& info = game_info(rule_.game);
    if (!doubled_ && !info.eights_bonus) return d;
    Hand hand;
    for (int i = 0; i < 5; ++i) hand[static_cast<size_t>(i)] = card_of(c[i]);
    const HandCode dealt = Check_Hand(rule_.game, hand);
    if (doubled_ && dealt != 0) {
        d.table = doubled_.get();
        d.bet = 2.0 * rule_.coins;
    }
    if (info.eights_bonus && (dealt == 3 || dealt == 8)) {
        d.bonus = static_cast<double>(rule_.table->pay(rule_.game, dealt)) * rule_.coins;
        d.bonus_row = dealt;
    }
    return d;
}

ChartReturn chart_return(const PayRule& rule, unsigned threads, std::stop_token stop, const Progress& progress,
                         DeckModel model) {
    const DealTables tables(rule, threads, stop);
    if (tables.stopped()) return {0, {}, false, 0, 0};
    const FinalHandTable& table = tables.table();
    const unsigned t = std::max(1u, threads);
    struct Part {
        double win = 0, bet = 0, hands = 0;
        std::vector<double> rows;
    };
    std::vector<Part> parts(t);
    for (auto& part : parts) part.rows.assign(static_cast<size_t>(table.rows()), 0.0);
    each_dealt_class(table.deck(), model, t, stop, [&](unsigned id, const CardIndex* c, double weight) {
        Part& part = parts[id];
        const auto [used, bet, bonus, bonus_row] = tables.deal(c);
        const auto values = hold_values(*used, c, {}, model);
        int best = 0;
        for (int m = 1; m < 32; ++m)
            if (values[static_cast<size_t>(m)] > values[static_cast<size_t>(best)]) best = m;
        part.win += weight * (values[static_cast<size_t>(best)] + bonus);
        part.bet += weight * bet;
        part.hands += weight;
        const auto rows = hold_rows(*used, c, best, {}, model);
        for (size_t r = 0; r < rows.size() && r < part.rows.size(); ++r) part.rows[r] += weight * rows[r];
        // Crazy Eights' deal bonus has rows of its own, beside the final hand's.
        if (bonus_row != 0) part.rows[static_cast<size_t>(bonus_row)] += weight;
    }, progress);
    ChartReturn out;
    out.rows.assign(static_cast<size_t>(table.rows()), 0.0);
    double win = 0, bet = 0, hands = 0;
    for (const auto& p : parts) {
        win += p.win;
        bet += p.bet;
        hands += p.hands;
        for (size_t r = 0; r < p.rows.size(); ++r) out.rows[r] += p.rows[r];
    }
    for (auto& r : out.rows) r /= hands;
    out.value = bet > 0 ? win / bet : 0;
    out.complete = !stop.stop_requested();
    return out;
}

std::string hold_text(const Hand& dealt, int mask) {
    std::string out;
    for (int p = 0; p < 5; ++p)
        if (mask & (1 << p)) out += (out.empty() ? "" : " ") + card_text(dealt[static_cast<size_t>(p)]);
    return out.empty() ? "(nothing)" : out;
}

}  // namespace dw::strategy
