#pragma once

namespace dw {

// Which of the machine's timers run: the deal and the draw animations (1 and 2), the idle display
// (3), the button blinking (4), and the one-shot pause of Pause_Ms. The rules switch them; the
// window's host starts and stops its timers from them.
struct TimerFlags {
    bool Timer1_Enabled = false, Timer2_Enabled = false, Timer3_Enabled = false, Timer4_Enabled = true;
    bool Pause_Enabled = false;
    int Pause_Ms = 0;
};

}  // namespace dw
