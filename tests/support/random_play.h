#pragma once
#include "cards/rng.h"
#include "machine/machine.h"
#include "variants/juicy_jackpots.h"

namespace dw::test {

// Plays the hand under way to its end through whatever the window offers, with random choices:
// the ticks and pauses, the stud and ride decisions, random holds before the draw, the side
// bet's cards and Continue. Shared by the long run and the machine's fuzz target.
inline void play_out(Machine& m, Rng& choices) {
    for (int step = 0; step < 300 && m.in_hand(); ++step) {
        if (m.timers().Timer1_Enabled) m.Timer1_Tick();
        else if (m.timers().Timer2_Enabled) m.Timer2_Tick();
        else if (m.timers().Pause_Enabled) m.Pause_Tick();
        else if (m.view().Btn_Show_Fifth.visible && m.view().Btn_Show_Fifth.enabled) m.Btn_Show_Fifth_Click();
        else if (m.view().Btn_Double.visible && m.view().Btn_Double.enabled) {
            if (choices.next() < 0.5) m.Btn_Double_Click();
            else m.Btn_Stand_Click();
        } else if (m.view().Btn_Redeal.enabled) {
            for (int p = 1; p <= 5; ++p)
                if (choices.next() < 0.4) m.Toggle_Hold(p);
            m.Draw();
        } else if (m.juicy_showing()) {
            m.Juicy_Tick();
        } else if (m.juicy_view().Btn_Continue.visible && m.juicy_view().Btn_Continue.enabled) {
            m.Juicy_Continue_Click();
        } else {
            break;
        }
    }
}

}  // namespace dw::test
