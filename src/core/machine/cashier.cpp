#include "machine/cashier.h"

#include "round/dialogs.h"
#include "round/wallet.h"
#include "view/digits.h"

namespace dw {

CashierModel::CashierModel(const Wallet& wallet, Dialogs& dialogs, Hooks hooks)
    : wallet_(wallet), dialogs_(dialogs), hooks_(std::move(hooks)) {}

int32_t CashierModel::amount() const {
    int32_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
    }
    return n;
}

void CashierModel::limit_to_cap(bool beep) {
    if (static_cast<int64_t>(wallet_.Credits) + amount() > Wallet::kMaxCredits) {
        text = std::to_string(Wallet::kMaxCredits - wallet_.Credits);
        if (beep) dialogs_.beep();
    }
}

void CashierModel::Form_Load() {
    text = "40";
    limit_to_cap(false);
}

void CashierModel::Activate() {
    select_all = true;
    if (hooks_.opened) hooks_.opened();
}

bool CashierModel::Key_Press(char key) {
    if (digit_key(key)) return true;
    dialogs_.beep();
    return false;
}

void CashierModel::Text_Changed(const std::string& new_text) {
    // Only digits ever reach the box; anything else (a paste) is dropped with the beep of a
    // refused key.
    const std::string digits = digits_of(new_text, kMaxLength);
    if (digits != new_text) dialogs_.beep();
    text = digits;
    limit_to_cap(true);
}

void CashierModel::Lost_Focus() {
    if (text.empty()) text = "0";
}

void CashierModel::Btn_Ok_Click() {
    const int32_t n = amount();
    done = true;
    if (hooks_.buy) hooks_.buy(n);
}

void CashierModel::Btn_Cancel_Click() { done = true; }

}  // namespace dw
