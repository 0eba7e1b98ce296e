#include "cards/cheat.h"

#include <utility>

namespace dw {

void swap_deck_cards(CardState& cards, int a, int b) {
    std::swap(cards.Deck[static_cast<size_t>(a)], cards.Deck[static_cast<size_t>(b)]);
}

std::string cheat_entry(int position, const CardCode& card) {
    return std::string(position < 10 ? "#0" : "#") + std::to_string(position) + ":  " + Card_Name(card);
}

CheatModel::CheatModel(CardState& cards, int deck_size) : cards_(cards) {
    for (int p = 1; p <= deck_size; ++p) Lst_Cards.push_back(cheat_entry(p, cards.Deck[static_cast<size_t>(p)]));
}

void CheatModel::move(int to) {
    const int from = selected;
    if (to < 0 || to >= static_cast<int>(Lst_Cards.size())) return;
    swap_deck_cards(cards_, from + 1, to + 1);
    Lst_Cards[static_cast<size_t>(from)] = cheat_entry(from + 1, cards_.Deck[static_cast<size_t>(from + 1)]);
    Lst_Cards[static_cast<size_t>(to)] = cheat_entry(to + 1, cards_.Deck[static_cast<size_t>(to + 1)]);
    selected = to;
}

void CheatModel::Btn_Up_Click() { move(selected - 1); }
void CheatModel::Btn_Down_Click() { move(selected + 1); }

bool CheatModel::Key_Press(char key) {
    if (key == 'u' || key == 'U') Btn_Up_Click();
    else if (key == 'd' || key == 'D') Btn_Down_Click();
    else return false;
    return true;
}

}  // namespace dw
