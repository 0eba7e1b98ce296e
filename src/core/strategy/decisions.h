#pragma once
#include "cards/card.h"
#include "games/pay_rule.h"

namespace dw::strategy {

// The two choices at a decision of a stud game, each as the credits the player can expect to
// have back from the coins now on the table (the pay, and any coins taken back), every unseen
// card counted. `rule.coins` is the bet of one part (Let It Ride) or the whole bet (Double Down
// Stud); the pay of each final hand is the machine's, top prize included.
struct StudChoice {
    double go_on = 0;   // let it ride, or double down
    double hold_back = 0;  // take a third back, or stand pat
    bool goes_on() const { return go_on > hold_back; }
};

// Double Down Stud with four cards shown: doubling puts the bet on the table once more.
StudChoice double_down_choice(const PayRule& rule, const Hand& hand);

// Let It Ride with `shown` cards shown (3 or 4) and `parts` thirds riding (3, or 2 once one was
// taken back); after the third card the choice after the fourth is played as well as it can be.
StudChoice let_it_ride_choice(const PayRule& rule, const Hand& hand, int shown, int parts);

}  // namespace dw::strategy
