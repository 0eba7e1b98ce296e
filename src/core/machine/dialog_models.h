#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace dw {

class Dialogs;

// The goodies setup dialog: four boxes, all ticked every time it opens. Continue and the close
// box both just close it; the machine then reads the boxes.
struct GoodiesModel {
    std::array<bool, 4> boxes{true, true, true, true};
    bool done = false;
    std::function<void(int)> help;  // a goody's "?" button: what the goody is
    void Btn_Continue_Click() { done = true; }
};

// The progressive percent dialog: one box of digits kept between 1 and 20.
class PercentModel {
public:
    // `dialogs` beeps at a refused key; `set` takes the percent on OK.
    PercentModel(int16_t percent, Dialogs& dialogs, std::function<void(int16_t)> set);
    std::string text;
    bool done = false;

    void Form_Load();
    bool Key_Press(char key);  // digits and backspace ('\b'); anything else beeps
    void Text_Changed(const std::string& new_text);
    void Lost_Focus();
    void Btn_Ok_Click();
    void Btn_Cancel_Click();

private:
    int16_t percent_;
    Dialogs& dialogs_;
    std::function<void(int16_t)> set_;
};

}  // namespace dw
