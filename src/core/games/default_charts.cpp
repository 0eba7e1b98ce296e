// The default pay chart of every game and of the side bet.
#include <stdexcept>

#include "games/pay_table.h"

namespace dw {

namespace {

// A label with no chart line of its own is written {label, "", pay}; otherwise the chart line
// is the label unless given.
using Rows = std::vector<DefaultRow>;

DefaultRow r(std::string_view label, int32_t pay) { return {label, label, pay}; }
DefaultRow r(std::string_view label, std::string_view line, int32_t pay) { return {label, line, pay}; }

Rows jacks_like(int32_t rf, int32_t sf, int32_t quads, int32_t fh, int32_t fl, int32_t st, int32_t tk,
                int32_t tp, std::string_view low = "Jacks or Better", int32_t low_pay = 1) {
    return {r("Royal Flush", rf), r("Straight Flush", sf), r("4 of a Kind", quads), r("Full House", fh),
            r("Flush", fl),       r("Straight", st),       r("3 of a Kind", tk),    r("2 Pairs", tp),
            r(low, low_pay)};
}

Rows deuces_like(int32_t top, int32_t fd, int32_t wr, int32_t fk, int32_t sf, int32_t quads, int32_t fh,
                 int32_t fl) {
    return {r("Natural Royal Flush", top), r("4 Deuces", fd), r("Wild Royal Flush", wr), r("5 of a Kind", fk),
            r("Straight Flush", sf),       r("4 of a Kind", quads), r("Full House", fh), r("Flush", fl),
            r("Straight", 2),              r("3 of a Kind", 1)};
}

Rows bonus_like(int32_t aces, int32_t low, int32_t mid, int32_t fh, int32_t fl, int32_t st, int32_t tp) {
    return {r("Royal Flush", 250), r("Straight Flush", 50), r("4 Aces", aces), r("4 of a Kind (2-4)", low),
            r("4 of a Kind (5-K)", mid), r("Full House", fh), r("Flush", fl), r("Straight", st),
            r("3 of a Kind", 3), r("2 Pairs", tp), r("Jacks or Better", 1)};
}

Rows jokers_like(int32_t nr, int32_t fk, int32_t rj, int32_t quads, int32_t fh, int32_t fl, int32_t st,
                 std::string_view low) {
    return {r("Natural Royal Flush", nr), r("5 of a Kind", fk), r("Royal Flush w/Joker", rj),
            r("Straight Flush", 50),      r("4 of a Kind", quads), r("Full House", fh),
            r("Flush", fl),               r("Straight", st),       r("3 of a Kind", 2),
            r("2 Pairs", 1),              r(low, 1)};
}

std::array<Rows, kSlots + 1> build() {
    std::array<Rows, kSlots + 1> c;
    c[1] = jacks_like(250, 50, 25, 9, 6, 4, 3, 2);
    c[2] = jacks_like(250, 200, 40, 8, 8, 8, 3, 1);
    c[3] = jacks_like(250, 50, 25, 7, 5, 4, 3, 2, "Tens or Better");
    c[4] = deuces_like(250, 200, 25, 15, 9, 4, 4, 3);
    c[5] = {r("Natural Royal Flush", 500), r("4 Deuces and Ace", "4 Deuces plus Ace", 400), r("4 Deuces", 200),
            r("5 Aces", 80),               r("5 of a Kind (3-5)", 40),  r("5 of a Kind (6-K)", 20),
            r("Wild Royal Flush", 25),     r("Straight Flush", 15),     r("4 of a Kind", 5),
            r("Full House", 4),            r("Flush", 3),               r("Straight", "Straight OR 3 of a Kind", 1),
            r("3 of a Kind", "", 1)};
    c[6] = {r("4 Deuces && Joker", 1000), r("Natural Royal Flush", 250), r("4 Deuces", 25),
            r("Wild Royal Flush", 12),    r("5 of a Kind", 9),           r("Straight Flush", 6),
            r("4 of a Kind", 3),          r("Full House", 3),            r("Flush", 3),
            r("Straight", 2),             r("3 of a Kind", 1)};
    c[7] = jokers_like(500, 250, 200, 10, 5, 4, 3, "Jacks or Better");
    c[8] = jokers_like(400, 200, 100, 20, 7, 5, 3, "Kings or Better");
    c[9] = {r("Natural Royal Flush", 500), r("5 of a Kind", 100), r("Royal Flush w/Joker", 50),
            r("Straight Flush", 50),       r("4 of a Kind", 20),  r("Full House", 8),
            r("Flush", 7),                 r("Straight", 5),      r("3 of a Kind", 2),
            r("2 Pairs", 1)};
    c[10] = {r("Natural Royal Flush", 500), r("Royal Flush w/Joker", 100), r("5 of a Kind", 50),
             r("Straight Flush", 25),       r("4 of a Kind", 8),           r("Full House", 5),
             r("Flush", 4),                 r("Straight", 3),              r("3 of a Kind", 2),
             r("2 Pairs", 1)};
    c[11] = bonus_like(80, 40, 25, 8, 5, 4, 2);
    c[12] = bonus_like(160, 80, 50, 9, 7, 5, 1);
    c[13] = bonus_like(240, 120, 75, 9, 6, 4, 1);
    // Rows 9 and 10 are labelled by the hands the evaluator scores in them: code 9 is four
    // Aces with a 5..King, code 10 four 2s..4s with an Ace..4.
    c[14] = {r("Royal Flush", 250),
             r("Straight Flush", 50),
             r("4 Aces w/2-4", 400),
             r("4 of a Kind (2-4) w/A-4", 160),
             r("4 Aces w/5-K", 160),
             r("4 of a Kind (2-4) w/5-K", 80),
             r("4 of a Kind (5-K)", 50),
             r("Full House", 8),
             r("Flush", 5),
             r("Straight", 4),
             r("3 of a Kind", 3),
             r("2 Pair", "2 Pair OR Jacks or Better", 1),
             r("Jacks or Better", "", 1)};
    c[15] = {r("Royal Flush", 250), r("Straight Flush", 50), r("4 Aces", 80),   r("4 Kings", 60),
             r("4 Queens", 40),     r("4 of a Kind", 20),    r("Full House", 8), r("Flush", 6),
             r("Straight", 4),      r("3 of a Kind", 3),     r("2 Pairs", 2),    r("Jacks or Better", 1)};
    c[16] = {r("Royal Flush", 250),       r("Straight Flush", 50), r("4 Aces", "4 Aces or 4 Eights", 80),
             r("4 Eights", "", 80),       r("4 Sevens", 50),       r("4 of a Kind", 25),
             r("Full House", 8),          r("Flush", 5),           r("Straight", 4),
             r("3 of a Kind", 3),         r("2 Pairs", 2),         r("Jacks or Better", 1)};
    c[17] = {r("Royal Flush", 250),
             r("Straight Flush", 50),
             r("4 Aces", 80),
             r("4 Kings", "4 Jacks, Queens, or Kings", 40),
             r("4 Queens", "", 40),
             r("4 Jacks", "", 40),
             r("4 of a Kind (2-10)", "4 Deuces through 10's", 25),
             r("Full House", 8),
             r("Flush", 5),
             r("Straight", 4),
             r("3 of a Kind", 3),
             r("2 Pairs", 2),
             r("Jacks or Better", 1)};
    c[18] = {r("Royal Flush", 250), r("Straight Flush", 50), r("4 Fives", 50),      r("4 of a Kind", 25),
             r("Full House", 6),    r("Flush", 5),           r("Straight", 4),      r("3 Fives", 5),
             r("3 of a Kind", 3),   r("2 Pairs", 2),         r("Jacks or Better", 1)};
    c[19] = {r("Royal Flush", 250), r("Straight Flush", 50), r("4 Sevens", 50), r("4 of a Kind", 25),
             r("Full House", 8),    r("Flush", 6),           r("Straight", 4),  r("3 of a Kind", 3),
             r("2 Pairs", 2),       r("Jacks or Better", 1)};
    c[20] = {r("Royal Flush", 250), r("Straight Flush", 50),  r("4 of a Kind", 25),      r("4 Eights on Deal", 25),
             r("Full House", 8),    r("Flush", 5),            r("Straight", 4),          r("3 of a Kind", 3),
             r("3 Eights on Deal", 3), r("2 Pairs", 2),       r("Jacks or Better", 1)};
    c[21] = jacks_like(200, 50, 20, 7, 5, 4, 3, 2);
    c[22] = jacks_like(250, 50, 20, 6, 5, 4, 3, 1);
    c[23] = jacks_like(400, 50, 30, 10, 6, 4, 3, 1);
    c[24] = {r("Royal Flush", 500), r("Straight Flush", 200), r("4 of a Kind", 50), r("Full House", 12),
             r("Flush", 9),         r("Straight", 6),         r("3 of a Kind", 4),  r("2 Pairs", 3),
             r("Jacks or Better", 2), r("Sixes to Tens", 1)};
    c[25] = jacks_like(500, 200, 50, 12, 9, 6, 4, 3, "Tens or Better", 2);
    c[26] = {r("Match Up Hand", 50000),
             r("Match 4 of 5", 100),
             r("Match 3 of 5", 10),
             r("Match 2 of 5", 3),
             r("4 of a Kind, 9s or Better", 500),
             r("2 Pairs Black 9s or Better", 30),
             r("2 Pairs Red 9s or Better", 30),
             r("2 Pairs Red/Black 9s+", 24),
             r("3 of a Kind, 9s or Better", 14),
             r("Pair Black 9s or Better", 6),
             r("Pair Red 9s or Better", 6)};
    return c;
}

}  // namespace

const std::vector<DefaultRow>& default_chart(int slot) {
    static const std::array<Rows, kSlots + 1> charts = build();
    if (slot < 1 || slot > kSlots) throw std::out_of_range("no default chart for that slot");
    return charts[static_cast<size_t>(slot)];
}

void Set_Default_Payouts(Pay_Table& table, int16_t slot) {
    for (int s = 1; s <= kSlots; ++s) {
        if (slot != 0 && s != slot) continue;
        const auto& rows = default_chart(s);
        const int count = static_cast<int>(rows.size());
        for (int row = 0; row < kRows; ++row) table.at(s, row) = Pay_Entry{0, -1};
        table.at(s, 0).Pay = count;
        for (int i = 0; i < count; ++i) {
            const int row = count - i;
            table.at(s, row).Pay = rows[static_cast<size_t>(i)].pay;
            if (rows[static_cast<size_t>(i)].chart_line.empty()) table.at(s, row).Shown = 0;
        }
    }
}

std::vector<std::string_view> chart_lines(int slot) {
    std::vector<std::string_view> lines;
    for (const auto& row : default_chart(slot))
        if (!row.chart_line.empty()) lines.push_back(row.chart_line);
    return lines;
}

std::string label_text(std::string_view label) {
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        out += label[i];
        if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&') ++i;
    }
    return out;
}

}  // namespace dw
