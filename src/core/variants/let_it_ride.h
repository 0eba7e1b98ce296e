#pragma once
#include <optional>

#include "round/round_flow.h"

namespace dw {

// Taking back a third of a Let It Ride bet: the coins left riding and the credits returned.
// The first take-back turns 3, 6, 9, 12, 15 into 2, 4, 6, 8, 10; the second 2, 4, 6, 8, 10 into
// 1, 2, 3, 4, 5. Nothing for any other count.
struct TakeBack {
    int16_t coins;
    int16_t refund;
};
std::optional<TakeBack> take_back(int coins, bool first);

// A hand of Let It Ride: three cards up, a decision, the fourth card, a decision, the fifth
// card and the payoff on the parts still riding.
// Let It Ride: bets of three, no side bet, the take-back and let-it-ride buttons, the three-part
// chart again at every bet (a take-back left a smaller one up), and no words on a loss.
inline constexpr TableLook kRideLook{"Play Three to Fifteen Coins", "Play Three to Fifteen Coins", "&Play 3!",
                                     "Take &Back 1/3", "&Let It Ride!", true, ""};

class RideRound : public FlowBase {
public:
    using FlowBase::FlowBase;
    void Start() override;
    void Deal_Tick() override;
    void Pause_Done() override;
    void Button(HandButton button) override;

private:
    int cards_up_ = 3;
    bool took_back_first_ = false;
    HandCode code_ = 0;

    void decide(int r);
    void take_back_third();
    void show_card_button(const char* caption);
};

}  // namespace dw
