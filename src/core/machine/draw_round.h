#pragma once
#include <string>

#include "machine/round_flow.h"

namespace dw {

// The deal, hold and draw of the draw games, with Double Down Draw's doubling of a winning deal.
class DrawRound : public RoundFlow {
public:
    explicit DrawRound(RoundHost& host) : h_(host) {}
    void Start() override;
    void Deal_Tick() override;
    void Draw_Tick() override;
    void Button(HandButton button) override;
    void Toggle_Hold(int position) override;
    void Draw() override;
    Phase phase() const override { return phase_; }
    void End() override { phase_ = Phase::Idle; }

private:
    RoundHost& h_;
    Phase phase_ = Phase::Idle;
    int16_t Draw_Pos = -1;
    std::string saved_show_fifth_caption_;

    void after_deal();
    void finish_deal();
    bool held(int position) { return h_.view().Pnl_Hold[static_cast<size_t>(position - 1)].visible; }
};

}  // namespace dw
