#pragma once
#include <string>

#include "round/round_flow.h"

namespace dw {

// The deal, hold and draw of the draw games, with Double Down Draw's doubling of a winning deal.
// The draw games (Pick Five's too) hold and draw; a hand without a win asks for the next one.
inline constexpr TableLook kDrawLook{"Play One to Five Coins", "Play One to Six Coins", "&Play 1!", "", "", false,
                                     "Hold and Draw Cards"};

class DrawRound : public FlowBase {
public:
    using FlowBase::FlowBase;
    void Start() override;
    void Deal_Tick() override;
    void Draw_Tick() override;
    void Button(HandButton button) override;
    void Toggle_Hold(int position) override;
    void Draw() override;

private:
    std::string saved_show_fifth_caption_;
    size_t extra_shown_ = 0;  // hands above the main one drawn so far, one a tick after it

    void after_deal();
    void finish_deal();
    bool held(int position) { return p_.vm.Pnl_Hold[static_cast<size_t>(position - 1)].visible; }
};

}  // namespace dw
