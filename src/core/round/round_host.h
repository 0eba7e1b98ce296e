#pragma once
#include <string>
#include <string_view>

#include "cards/deck.h"
#include "cards/rng.h"
#include "games/catalogue.h"
#include "games/chart.h"
#include "round/multi_hand.h"
#include "round/table.h"
#include "round/timer_flags.h"
#include "round/voice.h"
#include "round/wallet.h"
#include "view/view_model.h"
#include "types.h"

namespace dw {

class Dialogs;

// Whether the Setup menu's sound item says the sound is on.
inline bool sound_menu_on(const ViewModel& vm) { return vm.menu("Mnu_Sound").caption == "Turn Sound &Off"; }

// The parts a hand flow works with directly: the hand's game, the window's view model, the cards
// on the table, the money, the voice, the dialogs, the random numbers and the timers.
struct RoundParts {
    GameId game;
    const GameInfo& info;
    ViewModel& vm;
    Table& table;
    Wallet& wallet;
    Voice& voice;
    Dialogs& dialogs;
    Rng& rng;
    TimerFlags& timers;
    ExtraHands& extra;  // the hands above the main one, when several are played

    void draw_card(int position) { table.Draw_One_Card(position, info.deuces_wild); }
    void repaint() { table.Repaint_Hand(info.deuces_wild); }
    // A machine sound from the asset folder ("deal.wav"), when the sound is on.
    void play(std::string_view file) { voice.Play_Sound(voice.sound_path(file), sound_menu_on(vm)); }
    bool auto_hold() const { return vm.menu("Mnu_Autohold").checked; }
    // Check_Hand of the cards on the table, keeping the Hot Hands lines on the table.
    HandCode evaluate() { return Check_Hand(game, table.cards.hand, &table.Hot_Hits); }
    // A pause ends in the flow's Pause_Done, called by a one-shot timer after 0.5 s.
    void pause_half() {
        timers.Pause_Ms = 500;
        timers.Pause_Enabled = true;
    }
    void set_timer(bool deal, bool on) { (deal ? timers.Timer1_Enabled : timers.Timer2_Enabled) = on; }
};

// What a hand flow asks of the machine: the steps that cross parts. The machine implements it; a
// flow never sees the rest of the machine, so a game's rules stay in its flow and the machine
// stays a switchboard.
class RoundHost {
public:
    virtual void Lock_Menus() = 0;
    // An announcement's sound by its key ("jacks1.wav", "twopair1.wav", ...), with the machine's
    // choice among the variants; sets the voice's Last_Sound.
    virtual void announce_sound(std::string_view key) = 0;
    virtual void Show_Chart(ChartKind kind) = 0;
    virtual void highlight(int panel, bool on) = 0;
    // Doubles the bet, taking what the credits lack from the coin bucket; false when the bucket
    // cannot hold the result (the bet then stands).
    virtual bool double_the_bet(std::string_view game_name) = 0;
    // Let It Ride's take-back: `coins` stay riding and `refund` goes back to the credits.
    virtual void return_coins(int16_t coins, int16_t refund) = 0;

    // Announces the dealt hand (the Crazy Eights deal bonus is paid here).
    virtual void announce_deal(HandCode& code) = 0;
    // The side bet, when one was placed on this hand: looked at before the announcement (a hit
    // holds the announcement back) and paid after it.
    virtual void side_bet_evaluate() = 0;
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
