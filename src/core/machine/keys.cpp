// Single-key play: each key stands for a button and acts only while that button is enabled.
#include "machine/machine.h"

namespace dw {

void Machine::Key_Press(char key) {
    auto hold_enabled = [&](int p) {
        const auto& b = vm.Btn_Hold[static_cast<size_t>(p - 1)];
        return b.enabled && b.visible;
    };
    auto focus_redeal = [&] {
        if (vm.Btn_Redeal.enabled && vm.Btn_Redeal.visible) vm.focus = "Btn_Redeal";
    };
    switch (key) {
    case '1':
        if (hold_enabled(1)) Toggle_Hold(1);
        if (vm.Btn_Play_Credit.enabled) Bet_One_Credit();
        break;
    case '2': case '3': case '4':
        if (hold_enabled(key - '0')) {
            Toggle_Hold(key - '0');
            focus_redeal();
        }
        break;
    case '5':
        if (hold_enabled(5)) {
            Toggle_Hold(5);
            focus_redeal();
        }
        if (vm.Btn_Play_5.enabled) {
            Bet_Max();
            focus_redeal();
        }
        break;
    case 'M': case 'm':
        if (vm.Btn_Play_5.enabled) Bet_Max();
        break;
    case 'P': case 'p':
        if (vm.Btn_Play_Credit.enabled) Bet_One_Credit();
        break;
    case 'E': case 'e':
        if (vm.Btn_Deal.enabled) Start_Hand();
        break;
    case 'D': case 'd':
        if (vm.Btn_Redeal.enabled) Draw();
        break;
    case 'H': case 'h':
        Trainer_Command("Mnu_Hint");
        break;
    case 'V': case 'v':
        if (vm.Btn_Insert_Coin.enabled) Insert_Coin();
        break;
    default: break;
    }
}

}  // namespace dw
