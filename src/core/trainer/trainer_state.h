#pragma once
#include <array>
#include <string>

#include "trainer/trainer.h"
#include "trainer/card_keeper.h"
#include "trainer/mistakes.h"
#include "trainer/progress.h"
#include "games/pay_table.h"
#include "types.h"

namespace dw {

// The mistake alert: what the player's holds give up against the best ones.
struct MistakeModel {
    std::string text;  // "Best: hold JH QH KH — 1.73 credits; yours: 0.95 credits"
    bool draw = false;
    bool done = false;
    void Draw_Anyway_Click() { draw = done = true; }
    void Change_Holds_Click() { done = true; }  // also the close box
};

// What the machine keeps for the trainer: the player's options and this session's accuracy.
struct TrainerState {
    TrainerOptions options;
    std::array<Accuracy, kSlots + 1> accuracy{};
    bool hint_shown = false;
    bool hint_waiting = false;   // the hint waits for its table; the half-second tick tries again
    std::string announcement;    // the machine's own words on the dealt hand, shown beside the hint
    std::vector<Mistake> mistakes;  // the player's record of judged mistakes, oldest first
    size_t session_from = 0;        // the first of them made this session (the accuracy counts from it)
    std::vector<SessionLog> sessions;  // the player's sessions of judged holds, TRAINLOGn.VPK
    bool session_logged = false;       // this session has its line in it
    CardKeeper cards;                  // the strategy card holds are judged by, when asked for
};

}  // namespace dw
