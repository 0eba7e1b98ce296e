#pragma once
#include <cmath>
#include <cstdint>

namespace dw {

// The player's progressive jackpot: what it holds and the percent of each bet that feeds it.
struct Progressive {
    double Jackpot = 0;
    int16_t Jackpot_Percent = 2;  // 1 to 20

    // A bet of `coins` feeds the jackpot with its percent.
    void feed(int coins) { Jackpot += Jackpot_Percent / 100.0 * coins; }
    // Starts again from zero: won through the chart's top prize, or cleared from the menu.
    void clear() { Jackpot = 0; }
    // The jackpot is won on its own: its whole credits are paid and it starts again from zero.
    int64_t claim() {
        const auto won = static_cast<int64_t>(std::floor(Jackpot));
        Jackpot = 0;
        return won;
    }
};

}  // namespace dw
