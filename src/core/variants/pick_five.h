#pragma once
#include <cstdint>
#include <string>

#include "cards/deck.h"
#include "round/draw_round.h"

namespace dw {

// Frm_Pick5, the Pick Five window: the two cards offered for one hand position.
struct PickFiveModel {
    int16_t Card1Value = 0;
    char Card1Suit = 'H';
    int16_t Card2Value = 0;
    char Card2Suit = 'H';
    int16_t CardReturn = 0;  // 1 or 2 once chosen
    std::string lblCount;

    // A click on card 1 or 2.
    void Card_Click(int index) {
        if (index == 1 || index == 2) CardReturn = static_cast<int16_t>(index);
    }
    // "1" and "2" choose; every other key is discarded. True when the key chose.
    bool Key_Press(char key);
    bool done() const { return CardReturn != 0; }
};

inline constexpr const char* kPickFiveInfo =
    "Pick the card you want for your hand! Just click on the card with the mouse, or press '1' or '2' on your "
    "keyboard.";

// The offer for hand position p (1..5): the next two cards of the deck.
PickFiveModel pick_five_offer(const CardState& cards, int position);

// Puts the chosen card (the second unless the first was chosen) into position p and discards
// the other: Next_Card moves on by two.
void pick_five_take(CardState& cards, int position, const PickFiveModel& answer);

// Pick Five plays as a draw game whose deal offers two cards for each position.
class PickFiveRound : public DrawRound {
public:
    using DrawRound::DrawRound;

protected:
    void take_dealt_card(int position) override;
};

}  // namespace dw
