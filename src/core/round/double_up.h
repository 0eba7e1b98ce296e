#pragma once
#include <cstdint>
#include <string>

#include "cards/card.h"
#include "round/round_flow.h"

namespace dw {

// The offer of Frm_Double: "&No!" (0) and "&Yes!" (1), the keys y and n, the close box as No.
struct DoubleOfferModel {
    std::string question;  // Lbl_Info
    int choice = -1;       // 0 No, 1 Yes; -1 until answered
    bool done() const { return choice >= 0; }
    void Btn_Return_Click(int index) { choice = index == 1 ? 1 : 0; }
    // True when the key answered.
    bool Key_Press(char key);
    void Close() { Btn_Return_Click(0); }
};

// Frm_Pick: the four face-down cards, chosen by Btn_Choose 2 to 5 or the keys "2" to "5"; the
// close box is refused.
struct DoublePickModel {
    int choice = 0;  // 2..5 once chosen
    bool done() const { return choice >= 2; }
    void Btn_Choose_Click(int index) {
        if (index >= 2 && index <= 5) choice = index;
    }
    bool Key_Press(char key);
    // The close box: refused (the shell beeps); false.
    bool Close() const { return false; }
};

std::string double_up_question(int64_t amount);

enum class DoubleResult { Win, Push, Loss };
// The dealer's card against the chosen one; in wild games a wild card beats any natural card.
DoubleResult double_up_outcome(bool deuces_wild, const CardCode& dealer, const CardCode& chosen);

// The double-up round after a win below 10000: up to five offers, each a fresh hand with the
// dealer's card up and four to choose from. Ends by handing the final amount to the host.
class DoubleUpRound {
public:
    DoubleUpRound(RoundParts parts, RoundHost& host, HandCode code, int64_t amount)
        : p_(parts), h_(host), code_(code), amount_(amount) {}
    void Start();
    void Pause_Done();
    bool revealing() const { return revealing_; }

private:
    RoundParts p_;
    RoundHost& h_;
    HandCode code_;
    int64_t amount_;
    int round_ = 0;
    int choice_ = 0;
    bool played_ = false;
    bool revealing_ = false;

    void offer();
    void finish();
};

}  // namespace dw
