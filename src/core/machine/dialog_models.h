#pragma once
#include <array>
#include <functional>
#include <string>

namespace dw {

class Machine;

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
    explicit PercentModel(Machine& machine);
    std::string text;
    bool done = false;

    void Form_Load();
    bool Key_Press(char key);  // digits and backspace ('\b'); anything else beeps
    void Text_Changed(const std::string& new_text);
    void Lost_Focus();
    void Btn_Ok_Click();
    void Btn_Cancel_Click();

private:
    Machine& m_;
};

}  // namespace dw
