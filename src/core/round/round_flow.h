#pragma once
#include <cstdint>
#include <string_view>

#include "round/round_host.h"

namespace dw {

// Where a hand stands between two events. The machine never waits: a flow that has to wait
// for an animation, a pause or a button ends its call in one of these, and the next tick or
// click carries on.
enum class Phase {
    Idle,
    Dealing,
    AwaitDouble,  // Double Down Draw: the winning deal waits for "&Double Your Bet!"
    Dealt,        // holds and the draw
    Drawing,
    Deciding,     // Stud and Let It Ride: double or stand, take back or ride
    AwaitCard,    // "&Show Fourth Card!" / "&Show Fifth Card!"
    Revealing,    // the half-second pause after a card is turned up
    Paying,       // the payoff, the double up included
};

// The in-hand buttons of the main window a flow may answer.
enum class HandButton { Double, Stand, ShowFifth };

// One hand of one family of games, from the bet on the table to the settlement, driven by the
// machine's events and ticks.
class RoundFlow {
public:
    virtual ~RoundFlow() = default;
    virtual void Start() = 0;          // the bet is on the table
    virtual void Deal_Tick() {}        // Timer1
    virtual void Draw_Tick() {}        // Timer2
    virtual void Pause_Done() {}       // after Pause_Half
    virtual void Button(HandButton) {} // Btn_Double, Btn_Stand, Btn_Show_Fifth
    virtual void Toggle_Hold(int) {}
    virtual void Draw() {}             // Btn_Redeal
    virtual Phase phase() const = 0;
    virtual void End() = 0;            // the hand is over; the next bet may come
};

// The start of every deal: menus locked, the hand face down, the bet buttons off, the deal
// timer running.
void begin_deal(RoundParts& parts, RoundHost& host);

// What every flow keeps: its host, its step and the place of the deal animation.
// What a family of games shows at the table, stated beside its flow: the coin slot's line (with
// and without the side bet's coin), the play button, the buttons of a hand (the hold buttons, or
// two decision buttons with these captions), whether the chart follows the bet as it grows, and
// the words on a hand that wins nothing.
struct TableLook {
    std::string_view coin_slot_line, coin_slot_line_with_side_bet;
    std::string_view play_caption;
    std::string_view double_caption, stand_caption;  // empty: the hold buttons
    bool chart_follows_bet;
    std::string_view no_win;
    bool decisions() const { return !double_caption.empty(); }
};

class FlowBase : public RoundFlow {
public:
    FlowBase(RoundParts parts, RoundHost& host) : p_(parts), h_(host) {}
    Phase phase() const override { return phase_; }
    void End() override { phase_ = Phase::Idle; }

protected:
    RoundParts p_;
    RoundHost& h_;
    Phase phase_ = Phase::Idle;
    int16_t Draw_Pos = -1;
    // Starts the deal with the last `hidden` cards to stay face down.
    void start_deal(int hidden);
    // One tick of the deal: takes the next card into the next position and shows it unless the
    // host hides the last cards. True once the five are dealt (the deal timer is then stopped).
    bool deal_tick();
    // Where a dealt card comes from: the top of the deck, or the player's pick in Pick Five.
    virtual void take_dealt_card(int position);
};

}  // namespace dw
