#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "view/view_model.h"
#include "records/stats.h"

namespace dw {

// The payout percentage of the statistics screens: won per hundred played, the tenth cut, not
// rounded, in the shortest form ("123.4", "100", "0.5"); "0" when nothing was played. Wide
// enough for any 32-bit figures.
std::string payout_percent(int64_t won, int64_t played);

// Frm_Statistics: credits played and paid out per game, a page of twenty games at a time.
class StatisticsModel {
public:
    StatisticsModel(Stats& stats, std::string player_name);

    static constexpr int kRows = 20;
    Control Lbl_PlayerName;
    // Index 0 is the totals row, 1..20 the games of the page.
    std::array<Control, kRows + 1> Pnl_Name, Lbl_Game_Number, Lbl_Played, Lbl_Won, Lbl_Percent_P;
    int page = 1;            // 1 the first page (slots 1..20), -1 the second (7..26)
    bool all_sessions = false;  // Btn_Total selected; else Btn_This
    bool done = false;

    int slot_of_row(int row) const { return (page == 1 ? 1 : 7) + row - 1; }
    void Show_Table();
    void Btn_This_Click();
    void Btn_Total_Click();
    void Btn_View_Click();
    void Btn_Erase_Click(int row);   // without confirmation; row 0 erases every slot
    void Btn_Detail_Click(int row);
    void Btn_Help_Click() { if (help) help(); }
    void Btn_Ok_Click() { done = true; }

    std::function<bool()> save;                 // Save_Stats, after erasing all-sessions figures
    std::function<void(int slot, bool all_sessions)> open_detail;
    std::function<void()> help;

private:
    Stats& stats_;
};

// Frm_Stats_Detail: how many hands of each chart row one game has made.
class StatsDetailModel {
public:
    StatsDetailModel(Stats& stats, int slot, bool all_sessions);

    std::vector<std::string> Lst_Games;  // the 25 games and "Juicy Jackpots"
    int slot;
    bool all_sessions;
    std::string Lbl_Game;
    Control Lbl_Hands, Lbl_How_Many, Lbl_Pct;  // one line per row, highest row first
    bool done = false;

    void Lst_Games_Click(int index);
    void Btn_This_Click();
    void Btn_Total_Click();
    // Clears the counts of the selected scope; `confirm` asks first.
    void Btn_Erase_Click();
    void Btn_Exit_Click() { done = true; }
    void Show_Counts();

    std::function<bool()> confirm;  // "Confirm:  Clear these statistics?"
    std::function<bool()> save;

private:
    Stats& stats_;
    int top_row_ = 0;
    void build_rows();
    bool left_out(int row) const;
};

// The statistics window's row label of a slot ("Jacks or Better:").
std::string_view stats_row_label(int slot);

}  // namespace dw
