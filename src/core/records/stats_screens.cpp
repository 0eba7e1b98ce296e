#include "records/stats_screens.h"

#include "games/catalogue.h"
#include "games/pay_table.h"

namespace dw {

namespace {
constexpr int32_t kBlue = 0xFF0000;  // 16,711,680
constexpr int32_t kGrey = 0x808080;  // 8,421,504
}  // namespace

std::string payout_percent(int64_t won, int64_t played) {
    if (played == 0) return "0";
    const int64_t tenths = won * 1000 / played;  // a tenth of a percent, cut
    const int64_t whole = tenths / 10, tenth = tenths % 10;
    return std::to_string(whole) + (tenth != 0 ? "." + std::to_string(tenth < 0 ? -tenth : tenth) : "");
}

std::string_view stats_row_label(int slot) {
    static constexpr std::string_view kLabels[] = {
        "Jacks or Better:",     "All American Poker:",  "Tens or Better:",       "Deuces Wild:",
        "Deuces Wild Bonus:",   "Deuces Jokers Wild:",  "Jokers Wild (Jacks +):", "Jokers Wild (A-K):",
        "Jokers Wild (2 pairs):", "Double Jokers Wild:", "Bonus Poker:",          "Double Bonus:",
        "Triple Bonus:",        "Double Double:",       "Four plus Four:",       "Aces and Eights:",
        "Aces and Faces:",      "Hi-Fives:",            "Same 4 Wins More:",     "Crazy Eights:",
        "Multi Payout Poker:",  "Pick Five Poker:",     "Double Down Draw:",     "Double Down Stud:",
        "Let It Ride:",         "Juicy Jackpots:",
    };
    return slot >= 1 && slot <= kSlots ? kLabels[slot - 1] : std::string_view{};
}

StatisticsModel::StatisticsModel(Stats& stats, std::string player_name) : stats_(stats) {
    Lbl_PlayerName.caption = std::move(player_name);
    Pnl_Name[0].caption = "TOTALS:";
    Show_Table();
}

void StatisticsModel::Show_Table() {
    const size_t scope = all_sessions ? Stats::kAllSessions : Stats::kThisSession;
    auto show = [&](int row, int64_t played, int64_t won) {
        const size_t r = static_cast<size_t>(row);
        Lbl_Played[r].caption = std::to_string(played) + " coins";
        Lbl_Won[r].caption = std::to_string(won) + " coins";
        Lbl_Percent_P[r].caption = payout_percent(won, played) + "%";
        Lbl_Played[r].fore_colour = Lbl_Won[r].fore_colour = played != 0 ? colour::kBlack : kGrey;
        Lbl_Percent_P[r].fore_colour = played != 0 ? kBlue : kGrey;
    };
    for (int row = 1; row <= kRows; ++row) {
        const int slot = slot_of_row(row);
        const auto& g = stats_.Game_Stats[static_cast<size_t>(slot)][scope];
        Pnl_Name[static_cast<size_t>(row)].caption = std::string(stats_row_label(slot));
        Lbl_Game_Number[static_cast<size_t>(row)].caption = std::to_string(slot) + ":";
        show(row, g[Stats::kPlayed], g[Stats::kWon]);
    }
    int64_t played = 0, won = 0;
    for (int slot = 1; slot <= kSlots; ++slot) {
        played += stats_.Game_Stats[static_cast<size_t>(slot)][scope][Stats::kPlayed];
        won += stats_.Game_Stats[static_cast<size_t>(slot)][scope][Stats::kWon];
    }
    show(0, played, won);
}

void StatisticsModel::Btn_This_Click() {
    all_sessions = false;
    Show_Table();
}

void StatisticsModel::Btn_Total_Click() {
    all_sessions = true;
    Show_Table();
}

void StatisticsModel::Btn_View_Click() {
    page = -page;
    Show_Table();
}

void StatisticsModel::Btn_Erase_Click(int row) {
    const size_t scope = all_sessions ? Stats::kAllSessions : Stats::kThisSession;
    for (int slot = 1; slot <= kSlots; ++slot)
        if (row == 0 || slot == slot_of_row(row)) stats_.Game_Stats[static_cast<size_t>(slot)][scope] = {0, 0};
    if (all_sessions && save) save();
    Show_Table();
}

void StatisticsModel::Btn_Detail_Click(int row) {
    if (open_detail && row >= 1 && row <= kRows) open_detail(slot_of_row(row), all_sessions);
    Show_Table();
}

StatsDetailModel::StatsDetailModel(Stats& stats, int slot_, bool all_sessions_)
    : slot(slot_), all_sessions(all_sessions_), stats_(stats) {
    for (const auto& g : kGames) Lst_Games.emplace_back(g.list_text);
    Lst_Games.emplace_back("Juicy Jackpots");
    build_rows();
}

bool StatsDetailModel::left_out(int row) const {
    // The deal bonuses of Crazy Eights and the extra count of a Hot Hands multiple win stand
    // beside a hand's own row; they are not hands of their own.
    return (slot == 20 && (row == 3 || row == 8)) || (slot == 21 && row == 10);
}

void StatsDetailModel::build_rows() {
    if (slot < 1 || slot > kSlots) {
        Lbl_Game = "Error in Frm_Stats_Detail form load";
        Lbl_Hands.caption = Lbl_How_Many.caption = Lbl_Pct.caption = "";
        top_row_ = 0;
        return;
    }
    Lbl_Game = slot == kSlots ? "Juicy Jackpots" : std::string(game_info(static_cast<GameId>(slot)).chart_title);
    const auto& chart = default_chart(slot);
    top_row_ = static_cast<int>(chart.size()) + (slot == 21 ? 1 : 0);
    std::string hands;
    for (int row = top_row_; row >= 1; --row) {
        const std::string name = slot == 21 && row == 10
                                     ? "Multi-Payout Hand"
                                     : std::string(chart[chart.size() - static_cast<size_t>(row)].label);
        hands += name + "\r\n";
    }
    hands += "No Payout";
    if (slot == 21) hands += "\r\n\r\n\r\nFor multi-payout hands,\r\nonly top hand is shown.";
    Lbl_Hands.caption = hands;
    const bool long_list = slot == 5 || (slot >= 14 && slot <= 17) || slot == 21 || slot == kSideBetSlot;
    for (Control* c : {&Lbl_Hands, &Lbl_How_Many, &Lbl_Pct}) c->font_size = long_list ? 8.25 : 9.75;
    Show_Counts();
}

void StatsDetailModel::Show_Counts() {
    const size_t scope = all_sessions ? Stats::kAllCount : Stats::kSessionCount;
    const auto& rows = stats_.Hand_Stats[static_cast<size_t>(slot >= 1 && slot <= kSlots ? slot : 0)];
    int64_t base = 0;
    for (int row = 0; row <= top_row_; ++row)
        if (!left_out(row)) base += rows[static_cast<size_t>(row)][scope];
    std::string counts, percents;
    for (int row = top_row_; row >= 0; --row) {
        const int64_t n = rows[static_cast<size_t>(row)][scope];
        counts += std::to_string(n) + "\r\n";
        percents += left_out(row) ? "-----" : (base != 0 ? payout_percent(n, base) : "0") + "%";
        percents += "\r\n";
    }
    Lbl_How_Many.caption = counts;
    Lbl_Pct.caption = percents;
}

void StatsDetailModel::Lst_Games_Click(int index) {
    slot = index + 1;
    build_rows();
}

void StatsDetailModel::Btn_This_Click() {
    all_sessions = false;
    Show_Counts();
}

void StatsDetailModel::Btn_Total_Click() {
    all_sessions = true;
    Show_Counts();
}

void StatsDetailModel::Btn_Erase_Click() {
    if (slot < 1 || slot > kSlots || (confirm && !confirm())) return;
    const size_t scope = all_sessions ? Stats::kAllCount : Stats::kSessionCount;
    for (int row = 0; row <= top_row_; ++row) stats_.Hand_Stats[static_cast<size_t>(slot)][static_cast<size_t>(row)][scope] = 0;
    if (all_sessions && save) save();
    Show_Counts();
}

}  // namespace dw
