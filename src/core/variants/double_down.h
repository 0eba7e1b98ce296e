#pragma once
#include "round/round_flow.h"

namespace dw {

// A hand of Double Down Stud: four cards up and one down, the choice to double or stand on the
// four, then the fifth card and the payoff on the coins now on the table.
// Double Down Stud: two decision buttons, and the chart of the doubled bet from four coins.
inline constexpr TableLook kStudLook{"Play One to Five Coins", "Play One to Six Coins", "&Play 1!", "&Double Down!",
                                     "&Stand Pat!", true, "Hold and Draw Cards"};

class StudRound : public FlowBase {
public:
    using FlowBase::FlowBase;
    void Start() override;
    void Deal_Tick() override;
    void Pause_Done() override;
    void Button(HandButton button) override;

private:
    HandCode code_ = 0;

    void after_deal();
    void double_down();
};

// The message and sound key of the four face-up cards (Check_Stud_Four's result); nothing for
// a result the table does not have.
struct StudFourCall {
    const char* message;
    const char* sound;  // empty: none
};
const StudFourCall* stud_four_call(int result);

}  // namespace dw
