#include "strategy/hold_lines.h"

#include <algorithm>
#include <vector>

#include "eval/evaluators.h"
#include "games/catalogue.h"

namespace dw::strategy {

LineContext line_context(const PayRule& rule) {
    LineContext c;
    c.game = rule.game;
    const GameInfo& info = game_info(rule.game);
    c.deuces_wild = info.deuces_wild;
    c.jokers = info.jokers;
    const int rows = rule.table ? rule.table->row_count(rule.game) : 0;
    for (int row = 1; row <= rows && row < static_cast<int>(c.row_pays.size()); ++row)
        c.row_pays[static_cast<size_t>(row)] = rule.table->pay(rule.game, row) > 0;
    // A rank is high when a pair of it, with three odd cards of other suits, pays.
    static constexpr int16_t kFillers[] = {14, 11, 8, 5, 3, 13, 10, 7};
    for (int16_t rank = 2; rank <= 14; ++rank) {
        if (c.deuces_wild && rank == 2) continue;
        Hand hand{make_card(rank, 'H'), make_card(rank, 'D')};
        size_t at = 2;
        for (int16_t f : kFillers)
            if (f != rank && at < 5) {
                hand[at] = make_card(f, at % 2 ? 'C' : 'S');
                ++at;
            }
        const HandCode code = Check_Hand(rule.game, hand);
        c.high[static_cast<size_t>(rank)] = code > 0 && code < static_cast<HandCode>(c.row_pays.size()) &&
                                            c.row_pays[static_cast<size_t>(code)];
    }
    return c;
}

namespace {

int rank_of(CardIndex c) { return c / 4 + 2; }

// The straights (by their lowest rank, 1 for the ace-low wheel) that hold every rank. Where
// deuces are wild, a straight with a 2 in it is left out: no natural card fills that place.
std::vector<int> windows_holding(std::span<const int> ranks, bool deuces_wild) {
    std::vector<int> out;
    for (int low = deuces_wild ? 3 : 1; low <= 10; ++low) {
        const bool all = std::all_of(ranks.begin(), ranks.end(), [low](int r) {
            return (r >= low && r <= low + 4) || (r == 14 && low == 1);
        });
        if (all) out.push_back(low);
    }
    return out;
}

HoldLine kind_line(int total, int wilds, int rank) {
    const Family f = total == 2 ? Family::Pair : total == 3 ? Family::ThreeOfAKind : Family::FourOfAKind;
    return {f, wilds, rank};
}

}  // namespace

std::optional<HoldLine> classify_hold(const LineContext& context, const CardIndex sorted[5], int mask, int pat_row) {
    const int held = __builtin_popcount(static_cast<unsigned>(mask));
    if (held == 0) return HoldLine{Family::Nothing, 0, 0};
    if (held == 5) {
        if (pat_row <= 0 || pat_row >= static_cast<int>(context.row_pays.size()) ||
            !context.row_pays[static_cast<size_t>(pat_row)])
            return {};
        return HoldLine{Family::Pat, 0, pat_row};
    }
    int wilds = 0, n = 0;
    int ranks[5], suits[5];
    for (int p = 0; p < 5; ++p) {
        if (!(mask & (1 << p))) continue;
        if (context.wild(sorted[p])) {
            ++wilds;
        } else {
            ranks[n] = rank_of(sorted[p]);
            suits[n] = sorted[p] % 4;
            ++n;
        }
    }
    if (n == 0) return HoldLine{Family::WildsAlone, wilds, 0};
    std::array<int, 15> count{};
    for (int i = 0; i < n; ++i) ++count[static_cast<size_t>(ranks[i])];
    const int most = *std::max_element(count.begin(), count.end());
    const int distinct = static_cast<int>(std::count_if(count.begin(), count.end(), [](int k) { return k > 0; }));
    if (distinct == 1 && (most > 1 || wilds > 0)) return kind_line(n + wilds, wilds, ranks[0]);
    if (most > 1) {
        if (n == 4 && wilds == 0 && distinct == 2 && most == 2) return HoldLine{Family::TwoPair, 0, std::max(ranks[0], ranks[3])};
        return {};
    }
    int highs = 0, rank_bits = 0;
    bool royal_cards = true;
    for (int i = 0; i < n; ++i) {
        highs += context.high[static_cast<size_t>(ranks[i])];
        rank_bits |= 1 << ranks[i];
        royal_cards = royal_cards && ranks[i] >= 10;
    }
    if (n == 1) {
        if (context.high[static_cast<size_t>(ranks[0])]) return HoldLine{Family::HighCard, 0, ranks[0]};
        return {};
    }
    const int k = n + wilds;
    const bool suited = std::all_of(suits, suits + n, [&](int s) { return s == suits[0]; });
    const auto windows = windows_holding(std::span<const int>(ranks, static_cast<size_t>(n)), context.deuces_wild);
    const int ways = highs * 8 + static_cast<int>(windows.size());
    // The ranks that complete a four-card straight: any missing rank of a straight that holds it
    // (wild cards stand for the others).
    auto completing = [&] {
        int bits = 0;
        for (int low : windows)
            for (int r = low; r <= low + 4; ++r) bits |= 1 << (r == 1 ? 14 : r);
        return __builtin_popcount(static_cast<unsigned>(bits & ~rank_bits));
    };
    if (suited) {
        if (royal_cards && k <= 4) {
            const int detail = k == 4 ? 0 : (rank_bits >> 10);
            const Family f = k == 4 ? Family::RoyalDraw4 : k == 3 ? Family::RoyalDraw3 : Family::RoyalDraw2;
            return HoldLine{f, wilds, detail};
        }
        if (!windows.empty()) {
            const Family f = k == 4 ? Family::StraightFlushDraw4 : k == 3 ? Family::StraightFlushDraw3 : Family::StraightFlushDraw2;
            return HoldLine{f, wilds, ways};
        }
        if (k >= 3) return HoldLine{k == 4 ? Family::FlushDraw4 : Family::FlushDraw3, wilds, highs};
        return {};
    }
    if (k == 4 && !windows.empty()) {
        const int ranks_completing = completing();
        return HoldLine{ranks_completing >= 2 ? Family::OutsideStraight : Family::InsideStraight, wilds,
                        highs * 8 + ranks_completing};
    }
    if (wilds == 0 && highs == n && n <= 3) return HoldLine{n == 3 ? Family::HighCards3 : Family::HighCards2, 0, rank_bits};
    if (k == 3 && !windows.empty()) return HoldLine{Family::StraightDraw3, wilds, ways};
    return {};
}

namespace {

const char* kRankLetters = "??23456789TJQKA";

std::string plural_rank(int rank) {
    static const char* kNames[] = {"", "", "Twos", "Threes", "Fours", "Fives", "Sixes", "Sevens", "Eights",
                                   "Nines", "Tens", "Jacks", "Queens", "Kings", "Aces"};
    return rank >= 2 && rank <= 14 ? kNames[rank] : "?";
}

// Words joined as a person lists them: "A", "A or B", "A, B or C".
std::string listed(const std::vector<std::string>& words) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out += i + 1 == words.size() ? " or " : ", ";
        out += words[i];
    }
    return out;
}

// Ranks in the card's order; ranks from low to high with runs of three or more written
// "Fives-Nines" when the order does not matter.
std::string rank_span(std::vector<int> ranks, bool ordered) {
    std::vector<std::string> parts;
    if (ordered) {
        for (int r : ranks) parts.push_back(plural_rank(r));
        return listed(parts);
    }
    std::sort(ranks.begin(), ranks.end());
    for (size_t i = 0; i < ranks.size();) {
        size_t j = i;
        while (j + 1 < ranks.size() && ranks[j + 1] == ranks[j] + 1) ++j;
        if (j >= i + 2) {
            parts.push_back(plural_rank(ranks[i]) + "-" + plural_rank(ranks[j]));
        } else {
            for (size_t m = i; m <= j; ++m) parts.push_back(plural_rank(ranks[m]));
        }
        i = j + 1;
    }
    return listed(parts);
}

// The ranks of a bit set, highest first: "KQJ".
std::string letters(int bits, int shift) {
    std::string out;
    for (int r = 14; r >= std::max(2, shift); --r)
        if (bits & (1 << (r - shift))) out += kRankLetters[r];
    return out;
}

std::string count_span(std::vector<int> counts, const char* one, const char* many) {
    std::sort(counts.begin(), counts.end());
    counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
    const bool singular = counts.size() == 1 && counts[0] == 1;
    std::string n = counts.size() == 1 ? std::to_string(counts[0])
                    : counts.back() == counts.front() + static_cast<int>(counts.size()) - 1
                        ? std::to_string(counts.front()) + "-" + std::to_string(counts.back())
                        : [&] {
                              std::vector<std::string> w;
                              for (int c : counts) w.push_back(std::to_string(c));
                              return listed(w);
                          }();
    return n + " " + (singular ? one : many);
}

std::string wild_prefix(const LineContext& c, int wilds) {
    if (wilds == 0) return "";
    const char* word = c.deuces_wild && c.jokers > 0 ? (wilds == 1 ? "Wild Card" : "Wild Cards")
                       : c.deuces_wild             ? (wilds == 1 ? "Deuce" : "Deuces")
                                                   : (wilds == 1 ? "Joker" : "Jokers");
    return std::to_string(wilds) + " " + word + ": ";
}

}  // namespace

std::string line_name(const LineContext& context, Family family, int wilds, std::span<const int> details,
                      std::span<const int> all) {
    const bool every = std::all_of(all.begin(), all.end(), [&](int d) {
        return std::find(details.begin(), details.end(), d) != details.end();
    });
    std::vector<int> d(details.begin(), details.end());
    std::string base;
    // Details not from low to high are the card's order of preference, and are written so.
    const bool ordered = !std::is_sorted(d.begin(), d.end());
    switch (family) {
    case Family::Pat: {
        const auto& chart = default_chart(context.game);
        std::vector<std::string> names;
        std::sort(d.rbegin(), d.rend());
        for (int row : d) {
            const int at = static_cast<int>(chart.size()) - row;
            names.push_back(at >= 0 && at < static_cast<int>(chart.size()) ? label_text(chart[static_cast<size_t>(at)].label)
                                                                            : "row " + std::to_string(row));
        }
        return "Pat " + listed(names);  // the order of the rows, best first
    }
    case Family::FourOfAKind:
    case Family::ThreeOfAKind: {
        const std::string kind = family == Family::FourOfAKind ? "Four" : "Three";
        if (every) base = kind + " of a Kind";
        else if (d.size() == 1) base = kind + " " + plural_rank(d[0]);
        else base = kind + " of a Kind (" + rank_span(d, ordered) + ")";
        break;
    }
    case Family::TwoPair: {
        if (every) {
            base = "Two Pair";
        } else {
            base = "Two Pair, " + rank_span(d, ordered) + " up";
        }
        break;
    }
    case Family::Pair: {
        const bool high = std::all_of(d.begin(), d.end(), [&](int r) { return context.high[static_cast<size_t>(r)]; });
        const bool low = std::none_of(d.begin(), d.end(), [&](int r) { return context.high[static_cast<size_t>(r)]; });
        // The whole class of pairs the chart pays (or does not pay) is named without its ranks.
        std::vector<int> class_ranks;
        for (int r : all)
            if ((high && context.high[static_cast<size_t>(r)]) || (low && !context.high[static_cast<size_t>(r)]))
                class_ranks.push_back(r);
        std::sort(class_ranks.begin(), class_ranks.end());
        std::vector<int> sorted = d;
        std::sort(sorted.begin(), sorted.end());
        const std::string word = high ? "High Pair" : low ? "Low Pair" : "Pair";
        if (d.size() == 1 && !(sorted == class_ranks && high)) base = "Pair of " + plural_rank(d[0]);
        else if ((high || low) && sorted == class_ranks && !ordered) base = word;
        else base = word + " (" + rank_span(d, ordered) + ")";
        break;
    }
    case Family::RoyalDraw4: base = "4 to a Royal Flush"; break;
    case Family::RoyalDraw3:
    case Family::RoyalDraw2: {
        std::vector<std::string> w;
        for (int bits : d) w.push_back(letters(bits, 10));
        if (family == Family::RoyalDraw3) base = every ? "3 to a Royal Flush" : "3 to a Royal Flush: " + listed(w);
        else base = every ? "2 to a Royal Flush" : "Suited " + listed(w);
        break;
    }
    case Family::StraightFlushDraw4:
    case Family::StraightFlushDraw3:
    case Family::StraightFlushDraw2:
    case Family::StraightDraw3: {
        base = family == Family::StraightFlushDraw4   ? "4 to a Straight Flush"
               : family == Family::StraightFlushDraw3 ? "3 to a Straight Flush"
               : family == Family::StraightFlushDraw2 ? "2 to a Straight Flush"
                                                      : "3 to a Straight";
        if (every) break;
        // Named by high cards and ways (the straight flushes the cards can still make), or by
        // their sum when the line holds every draw of that sum.
        std::vector<int> sums;
        for (int v : d) sums.push_back(v / 8 + v % 8);
        const int low = *std::min_element(sums.begin(), sums.end());
        const int high = *std::max_element(sums.begin(), sums.end());
        const bool by_sum = std::all_of(all.begin(), all.end(), [&](int v) {
            const int sum = v / 8 + v % 8;
            return sum < low || sum > high || std::find(d.begin(), d.end(), v) != d.end();
        }) && std::any_of(all.begin(), all.end(), [&](int v) { return v / 8 > 0; });
        std::vector<std::string> w;
        if (by_sum) {
            base += ", high cards + ways " + (low == high ? std::to_string(low) : std::to_string(low) + "-" + std::to_string(high));
            break;
        }
        const bool no_highs = std::none_of(all.begin(), all.end(), [](int v) { return v / 8 > 0; });
        for (int v : d) {
            const int highs = v / 8, ways = v % 8;
            w.push_back(no_highs ? std::to_string(ways)
                                 : std::to_string(highs) + (highs == 1 ? " high card, " : " high cards, ") +
                                       std::to_string(ways) + (ways == 1 ? " way" : " ways"));
        }
        base += ", " + (no_highs ? listed(w) + (d.size() == 1 && d[0] % 8 == 1 ? " way" : " ways") : listed(w));
        break;
    }
    case Family::FlushDraw4:
    case Family::FlushDraw3:
    case Family::OutsideStraight:
    case Family::InsideStraight: {
        base = family == Family::FlushDraw4        ? "4 to a Flush"
               : family == Family::FlushDraw3      ? "3 to a Flush"
               : family == Family::OutsideStraight ? "4 to an Outside Straight"
                                                   : "4 to an Inside Straight";
        if (every) break;
        std::vector<int> highs = d;
        if (family == Family::OutsideStraight || family == Family::InsideStraight)
            for (int& h : highs) h /= 8;  // the detail is high cards * 8 + the ranks that complete it
        if (std::any_of(all.begin(), all.end(), [&](int v) { return v != all[0]; })) base += ", " + count_span(highs, "high card", "high cards");
        break;
    }
    case Family::HighCards3:
    case Family::HighCards2: {
        std::vector<std::string> w;
        for (int bits : d) w.push_back(letters(bits, 0));
        if (family == Family::HighCards3) base = every ? "3 high cards" : listed(w);
        else base = every ? "2 high cards" : "2 high cards: " + listed(w);
        break;
    }
    case Family::HighCard: {
        std::vector<std::string> w;
        for (int r : d) w.push_back(std::string(1, kRankLetters[r]));
        base = every ? "1 high card" : "1 high card: " + listed(w);
        break;
    }
    case Family::WildsAlone:
        return wild_prefix(context, wilds) + "nothing else";
    case Family::Nothing: return "Discard everything";
    }
    return wild_prefix(context, wilds) + base;
}

}  // namespace dw::strategy
