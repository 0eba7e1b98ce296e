#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace dw {

class Dialogs;
struct Wallet;

// The cashier dialog's rules: a box of at most five digits starting at "40", kept so that
// the purchase never lifts the credits above 99,999. The shell's dialog shows `text` and
// forwards keys and clicks; `done` tells it to close.
class CashierModel {
public:
    // What the machine does at the dialog's steps: `opened` when it shows (the cashier's sound),
    // `buy` with the coins on OK.
    struct Hooks {
        std::function<void()> opened;
        std::function<void(int32_t)> buy;
    };
    CashierModel(const Wallet& wallet, Dialogs& dialogs, Hooks hooks);

    static constexpr size_t kMaxLength = 5;
    std::string text;
    bool done = false;
    bool select_all = false;

    void Form_Load();
    void Activate();
    // A typed character; false (with a beep) when the box refuses it. '\b' is backspace.
    bool Key_Press(char key);
    // The box's text changed (typing, pasting, deleting).
    void Text_Changed(const std::string& new_text);
    void Lost_Focus();
    void Btn_Ok_Click();
    void Btn_Cancel_Click();  // also the close box
    int32_t amount() const;

private:
    const Wallet& wallet_;
    Dialogs& dialogs_;
    Hooks hooks_;
    void limit_to_cap(bool beep);
};

}  // namespace dw
