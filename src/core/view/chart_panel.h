#pragma once
#include <cstdint>
#include <string>

namespace dw {

// What the chart at the top of the cabinet says beside its rows: the top award and the bet that
// wins it, from the current game's chart, and the marquee the idle display scrolls.
struct ChartPanel {
    int16_t Top_Award = 4000, Max_Bet = 5;
    std::string Marquee_Text;
};

}  // namespace dw
