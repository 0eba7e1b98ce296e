#include "machine/cashier.h"

#include "machine/machine.h"
#include "records/stats.h"
#include "view/digits.h"

namespace dw {

CashierModel::CashierModel(Machine& machine) : m_(machine) {}

int32_t CashierModel::amount() const {
    int32_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
    }
    return n;
}

void CashierModel::limit_to_cap(bool beep) {
    if (static_cast<int64_t>(m_.wallet_.Credits) + amount() > 99999) {
        text = std::to_string(99999 - m_.wallet_.Credits);
        if (beep) m_.svc_.dialogs.beep();
    }
}

void CashierModel::Form_Load() {
    text = "40";
    limit_to_cap(false);
}

void CashierModel::Activate() {
    m_.vm.hourglass = false;
    select_all = true;
    m_.Play_Sound(m_.sound_path("cashier.wav"));
}

bool CashierModel::Key_Press(char key) {
    if (digit_key(key)) return true;
    m_.svc_.dialogs.beep();
    return false;
}

void CashierModel::Text_Changed(const std::string& new_text) {
    // Only digits ever reach the box; anything else (a paste) is dropped with the beep of a
    // refused key.
    const std::string digits = digits_of(new_text, kMaxLength);
    if (digits != new_text) m_.svc_.dialogs.beep();
    text = digits;
    limit_to_cap(true);
}

void CashierModel::Lost_Focus() {
    if (text.empty()) text = "0";
}

void CashierModel::Btn_Ok_Click() {
    const int32_t n = amount();
    done = true;
    if (!m_.bucket_takes(-static_cast<int64_t>(n))) return;
    m_.wallet_.buy(n);
    m_.Show_Coin_Bucket();
    m_.vm.Lbl_Credits.caption = std::to_string(m_.wallet_.Credits);
}

void CashierModel::Btn_Cancel_Click() {
    m_.vm.Lbl_Credits.caption = std::to_string(m_.wallet_.Credits);
    done = true;
}

}  // namespace dw
