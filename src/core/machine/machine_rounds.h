#pragma once
#include "round/round_host.h"

namespace dw {

class Machine;

// The machine as a hand flow sees it: the one door through which flows and the double up
// reach the cards, the window, the money and the payoff.
class MachineRounds final : public RoundHost {
public:
    explicit MachineRounds(Machine& m) : m_(m) {}
    void Lock_Menus() override;
    void announce_sound(std::string_view key) override;
    void Show_Chart(ChartKind kind) override;
    void highlight(int panel, bool on) override;
    bool double_the_bet(std::string_view game_name) override;
    void return_coins(int16_t coins, int16_t refund) override;
    void announce_deal(HandCode& code) override;
    void side_bet_evaluate() override;
    void Pay_Juicy() override;
    void dealt_hint() override;
    void decision_hint(int shown, int parts) override;
    bool draw_allowed() override;
    void settle(HandCode code) override;
    void finish_payoff(HandCode code, int64_t amount) override;

private:
    Machine& m_;
};

}  // namespace dw
