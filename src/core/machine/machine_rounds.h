#pragma once
#include "round/round_host.h"

namespace dw {

class Machine;

// The machine as a hand flow sees it: the one door through which flows and the double up
// reach the cards, the window, the money and the payoff.
class MachineRounds final : public RoundHost {
public:
    explicit MachineRounds(Machine& m) : m_(m) {}
    GameId current_game() const override;
    const GameInfo& info() const override;
    ViewModel& view() override;
    CardState& card_state() override;
    int16_t coins_bet() const override;
    int hidden_last() const override;
    void set_hidden_last(int cards) override;
    bool auto_hold() const override;
    Dialogs& dialogs() override;
    Rng& rng() override;
    void set_double_up_mode(bool on) override;
    void set_timer(FlowTimer timer, bool on) override;
    void Lock_Menus() override;
    void Show_Backs() override;
    void Draw_One_Card(int position) override;
    void set_repaint_busy(int16_t value) override;
    void Play_Sound(const std::string& path) override;
    void announce_sound(std::string_view key) override;
    const std::string& last_sound() const override;
    void Repaint_Hand() override;
    std::string sound_path(std::string_view file) const override;
    void Show_Chart(ChartKind kind) override;
    void highlight(int panel, bool on) override;
    bool double_the_bet(std::string_view game_name) override;
    void return_coins(int16_t coins, int16_t refund) override;
    void Pause_Half() override;
    HandCode evaluate() override;
    void announce_deal(HandCode& code) override;
    bool side_bet_evaluate() override;
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
