#pragma once
#include <cstdint>

#include "cards/card_library.h"
#include "cards/deck.h"
#include "eval/evaluators.h"
#include "view/view_model.h"

namespace dw {

// The cards on the table: the deck and the hand, the Hot Hands lines the hand made, which cards
// stay face down, the card style, and how they are drawn on the window's card surface (pictures
// through the card library) or on its plain panels (text).
class Table {
public:
    Table(ViewModel& vm, CardLibrary& library) : vm_(vm), library_(library) {}

    CardState cards;
    HotHits Hot_Hits{};
    int16_t Round_State = 1;  // 1 between hands, 2 from the deal until the hand ends
    int16_t Repaint_Busy = 0;  // a repaint or a deal draw is under way
    bool Hide_Last_One = false, Hide_Last_Two = false;
    bool Double_Up_Mode = false;  // only the dealer's card shows
    bool Fancy_Cards = true;
    intptr_t Card_Surface = 0;

    int hidden_last() const { return Hide_Last_One ? 1 : (Hide_Last_Two ? 2 : 0); }
    void set_hidden_last(int cards_hidden);
    // The card at `position` (1 to 5), with the wild mark on a deuce when deuces are wild.
    void Draw_One_Card(int position, bool deuces_wild);
    void Show_Backs();
    // The whole hand again, as the round shows it; a request during a repaint is dropped.
    void Repaint_Hand(bool deuces_wild);

private:
    ViewModel& vm_;
    CardLibrary& library_;
};

}  // namespace dw
