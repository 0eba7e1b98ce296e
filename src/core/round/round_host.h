#pragma once
#include <string>
#include <string_view>

#include "cards/deck.h"
#include "cards/rng.h"
#include "games/catalogue.h"
#include "games/chart.h"
#include "view/view_model.h"
#include "types.h"

namespace dw {

enum class FlowTimer { Deal, Draw };

class Dialogs;

// What a hand flow may ask of the machine. The machine implements it; a flow never sees the
// rest of the machine, so a game's rules stay in its flow and the machine stays a switchboard.
class RoundHost {
public:
    virtual GameId current_game() const = 0;
    virtual const GameInfo& info() const = 0;
    virtual ViewModel& view() = 0;
    virtual CardState& card_state() = 0;
    virtual int16_t coins_bet() const = 0;
    // 0, or 1 / 2 when the deal leaves the last one or two cards face down.
    virtual int hidden_last() const = 0;
    virtual void set_hidden_last(int cards) = 0;
    virtual bool auto_hold() const = 0;
    virtual Dialogs& dialogs() = 0;
    virtual Rng& rng() = 0;
    virtual void set_double_up_mode(bool on) = 0;

    virtual void set_timer(FlowTimer timer, bool on) = 0;
    virtual void Lock_Menus() = 0;
    virtual void Show_Backs() = 0;
    virtual void Draw_One_Card(int position) = 0;
    virtual void set_repaint_busy(int16_t value) = 0;
    virtual void Play_Sound(const std::string& path) = 0;
    // An announcement's sound by its key ("jacks1.wav", "twopair1.wav", ...), with the machine's
    // choice among the variants; sets the voice's Last_Sound.
    virtual void announce_sound(std::string_view key) = 0;
    virtual const std::string& last_sound() const = 0;
    virtual void Repaint_Hand() = 0;
    virtual std::string sound_path(std::string_view file) const = 0;
    virtual void Show_Chart(ChartKind kind) = 0;
    virtual void highlight(int panel, bool on) = 0;
    // Doubles the bet, taking what the credits lack from the coin bucket; false when the bucket
    // cannot hold the result (the bet then stands).
    virtual bool double_the_bet(std::string_view game_name) = 0;
    // Let It Ride's take-back: `coins` stay riding and `refund` goes back to the credits.
    virtual void return_coins(int16_t coins, int16_t refund) = 0;
    // A pause ends in the flow's Pause_Done, called by a one-shot timer after 0.5 s.
    virtual void Pause_Half() = 0;

    // Check_Hand of the cards on the table (Hot Hands' lines are kept by the machine).
    virtual HandCode evaluate() = 0;
    // Announces the dealt hand (the Crazy Eights deal bonus is paid here).
    virtual void announce_deal(HandCode& code) = 0;
    // The side bet, when one was placed on this hand: looked at before the announcement (a hit
    // holds the announcement back; true) and paid after it.
    virtual bool side_bet_evaluate() = 0;
    virtual void Pay_Juicy() = 0;
    // The trainer: the hint once the hand is dealt, and the gate before the draw (false: the
    // player goes back to change the holds).
    virtual void dealt_hint() = 0;
    // Stud and Let It Ride: the trainer's advice at a decision, `shown` cards up and `parts`
    // thirds of a Let It Ride bet riding (1 in Double Down Stud).
    virtual void decision_hint(int shown, int parts) = 0;
    virtual bool draw_allowed() = 0;
    // Ends the hand: announces and pays the final hand, then prepares the next one.
    virtual void settle(HandCode code) = 0;
    // Records and credits a settled win (after the double up) and prepares the next hand.
    virtual void finish_payoff(HandCode code, int64_t amount) = 0;

protected:
    ~RoundHost() = default;
};

}  // namespace dw
