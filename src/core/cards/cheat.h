#pragma once
#include <string>
#include <vector>

#include "cards/deck.h"

namespace dw {

// Swaps the cards at two deck positions: the cheat dialog's move, and how tests stack a deck.
void swap_deck_cards(CardState& cards, int a, int b);

// Frm_Cheat, "Cheat!": the deck position by position, and the moves of the selected card.
class CheatModel {
public:
    CheatModel(CardState& cards, int deck_size);  // the deck's first `deck_size` cards are listed
    std::vector<std::string> Lst_Cards;  // "#07:  Queen of Hearts"
    int selected = 0;                    // index into Lst_Cards (position - 1)
    bool done = false;

    void Btn_Up_Click();
    void Btn_Down_Click();
    // "u"/"U" and "d"/"D"; true when the key moved (or tried to move) the card.
    bool Key_Press(char key);
    void Btn_Ok_Click() { done = true; }

private:
    CardState& cards_;
    void move(int to);
};

std::string cheat_entry(int position, const CardCode& card);

}  // namespace dw
