// The idle display: the scrolling banner, the blinking Game Over panel, the colour cycle of
// the award line, and the blinking Deal and Draw captions.
#include "games/catalogue.h"
#include "machine/machine.h"
#include "trainer/trainer_state.h"
#include "variants/juicy_jackpots.h"

namespace dw {

void Machine::Timer3_Tick() {
    if (!chart_panel_.Marquee_Text.empty()) {
        if (++idle_.marquee > static_cast<int>(chart_panel_.Marquee_Text.size())) idle_.marquee = 1;
        const std::string doubled = chart_panel_.Marquee_Text + chart_panel_.Marquee_Text;
        vm.Pnl_Banner.caption = doubled.substr(static_cast<size_t>(idle_.marquee - 1), 15) + " ";
    }
    if (++idle_.blink > 12) idle_.blink = 1;
    if (++idle_.phase > 72) idle_.phase = 1;
    if (table_.Round_State != 1) {
        vm.Pnl_Game_Over.visible = false;
    } else {
        vm.Pnl_Game_Over.caption = idle_.phase < 37 ? std::string(" \u00B7 Game Over \u00B7")
                                                    : " \u00B7 Play " + std::to_string(game_info(game_).full_bet) +
                                                          " Coins \u00B7";
        vm.Pnl_Game_Over.visible = idle_.blink <= 8;
    }
    if (++idle_.step > 4) {
        idle_.step = 1;
        if (++idle_.colour > 5) idle_.colour = 1;
        static constexpr int32_t kCycle[] = {colour::kYellow, colour::kRed, colour::kMagenta, colour::kWhite,
                                             colour::kCyan};
        vm.Pnl_Progressive_Display.fore_colour = kCycle[idle_.colour - 1];
    }
}

void Machine::Timer4_Tick() {
    juicy_->blink();
    // A hint that waited for its table comes as soon as the table is there.
    if (trainer_->hint_waiting) show_hint(true);
    for (Control* b : {&vm.Btn_Deal, &vm.Btn_Redeal}) {
        if (b->enabled) b->fore_colour = b->fore_colour == colour::kBlack ? colour::kDarkRed : colour::kBlack;
        else if (b->fore_colour != colour::kBlack) b->fore_colour = colour::kBlack;
    }
}

}  // namespace dw
