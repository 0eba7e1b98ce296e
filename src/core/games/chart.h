#pragma once
#include <array>
#include <functional>
#include <string>

#include "games/pay_table.h"
#include "types.h"

namespace dw {

// Which chart of a game is drawn. Most games have one; the double-down games and Let It Ride
// switch charts as the bet on the table changes.
enum class ChartKind {
    Standard,
    DrawPlain,      // Double Down Draw before doubling
    DrawDoubled,    // Double Down Draw after doubling (10 coins)
    StudRegular,    // Double Down Stud for 1 to 3 coins
    StudDoubled,    // Double Down Stud from 4 coins on
    RideThree,      // Let It Ride, all three parts riding
    RideTwo,        // one third taken back
    RideOne,        // two thirds taken back
};

// What a chart routine writes: the seven panel captions (lines joined by CR LF), the panel
// format, and the game's top award and maximum bet.
struct ChartPanels {
    std::array<std::string, 7> captions;
    double title_size = 9.75;
    double row_size = 9.75;
    int32_t top = 320;
    int32_t height = 2500;
    int16_t top_award = 4000;
    int16_t max_bet = 5;
};

// The chart the machine shows for a game with `coins_bet` on the table.
ChartKind chart_kind_for(GameId game, int coins_bet);

// Builds a chart. `jackpot` is shown in the top cell while the progressive is on.
ChartPanels draw_chart(GameId game, ChartKind kind, const Pay_Table& table, bool progressive, double jackpot);

// The 1..4 credit columns of a slot (Lbl_Pay 2..5).
std::array<std::string, 4> Fill_Credit_Columns(const Pay_Table& table, int slot);

// The top cell of the last column: "* 4000 *" with the progressive off; with it on, the whole
// jackpot plus the award, wrapped in asterisks while shorter than six characters.
std::string top_cell(bool progressive, double jackpot, int32_t award);

// Formats money as the system's currency format does.
using CurrencyFormat = std::function<std::string(double)>;
std::string format_us_currency(double amount);  // "$1,000.00"

// The award line, the progressive bet line and the banner text.
struct AwardLines {
    std::string award;
    std::string bet_line;
    bool bet_line_visible = false;
    std::string marquee;
};
AwardLines award_lines(bool progressive, bool royals, double jackpot, int16_t top_award, int16_t max_bet,
                       const CurrencyFormat& currency);

inline constexpr const char* kCrLf = "\r\n";

// The chart panel (Lbl_Pay 2..6) whose column pays a bet of `coins`.
int bet_column(GameId game, int coins);

}  // namespace dw
