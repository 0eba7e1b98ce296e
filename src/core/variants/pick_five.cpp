#include "variants/pick_five.h"

#include "round/dialogs.h"

namespace dw {

bool PickFiveModel::Key_Press(char key) {
    if (key != '1' && key != '2') return false;
    Card_Click(key - '0');
    return true;
}

PickFiveModel pick_five_offer(const CardState& cards, int position) {
    static const char* const kOrdinals[] = {"first", "second", "third", "fourth", "fifth"};
    PickFiveModel m;
    m.lblCount = std::string("The ") + kOrdinals[position - 1] + " card in your hand can be either of these two cards:";
    const CardCode& a = cards.Deck[static_cast<size_t>(cards.Next_Card)];
    const CardCode& b = cards.Deck[static_cast<size_t>(cards.Next_Card + 1)];
    m.Card1Value = a.Value;
    m.Card1Suit = a.Suit;
    m.Card2Value = b.Value;
    m.Card2Suit = b.Suit;
    return m;
}

void pick_five_take(CardState& cards, int position, const PickFiveModel& answer) {
    const int16_t taken = answer.CardReturn == 1 ? cards.Next_Card : static_cast<int16_t>(cards.Next_Card + 1);
    cards.Hand_At(position) = cards.Deck[static_cast<size_t>(taken)];
    cards.Next_Card = static_cast<int16_t>(cards.Next_Card + 2);
}

void PickFiveRound::take_dealt_card(int position) {
    CardState& cards = p_.table.cards;
    PickFiveModel pick = pick_five_offer(cards, position);
    p_.dialogs.show_pick5(pick);
    pick_five_take(cards, position, pick);
}

}  // namespace dw
