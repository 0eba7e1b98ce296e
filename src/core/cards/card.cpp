#include "cards/card.h"

#include <cctype>

namespace dw {

namespace {
int suit_base(char suit) {
    switch (suit) {
    case 'C': return 0;
    case 'D': return 13;
    case 'H': return 26;
    default: return 39;
    }
}
}  // namespace

int16_t image_of(int16_t value, char suit) {
    const int base = suit_base(suit);
    return static_cast<int16_t>(value == 14 ? base + 1 : base + value);
}

CardCode make_card(int16_t value, char suit) { return CardCode{value, suit, image_of(value, suit)}; }

CardCode make_joker(int16_t image, char suit) { return CardCode{1, suit, image}; }

std::string Card_Name(const CardCode& card) {
    if (card.Value == 1) return "Joker";
    std::string rank;
    switch (card.Value) {
    case 11: rank = "Jack"; break;
    case 12: rank = "Queen"; break;
    case 13: rank = "King"; break;
    case 14: rank = "Ace"; break;
    default: rank = std::to_string(card.Value);
    }
    switch (card.Suit) {
    case 'H': return rank + " of Hearts";
    case 'D': return rank + " of Diamonds";
    case 'C': return rank + " of Clubs";
    default: return rank + " of Spades";
    }
}

std::optional<CardCode> parse_card(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    std::string up;
    for (char c : text) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (up == "JK" || up == "JOKER") return make_joker();
    const char suit = up.back();
    if (suit != 'H' && suit != 'D' && suit != 'C' && suit != 'S') return std::nullopt;
    const std::string rank = up.substr(0, up.size() - 1);
    int16_t value = 0;
    if (rank == "T" || rank == "10") value = 10;
    else if (rank == "J") value = 11;
    else if (rank == "Q") value = 12;
    else if (rank == "K") value = 13;
    else if (rank == "A") value = 14;
    else if (rank.size() == 1 && rank[0] >= '2' && rank[0] <= '9') value = static_cast<int16_t>(rank[0] - '0');
    else return std::nullopt;
    return make_card(value, suit);
}

std::optional<Hand> parse_hand(std::string_view text) {
    Hand hand{};
    size_t count = 0, pos = 0;
    int jokers = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        if (pos >= text.size()) break;
        size_t end = text.find(' ', pos);
        if (end == std::string_view::npos) end = text.size();
        auto card = parse_card(text.substr(pos, end - pos));
        if (!card || count == 5) return std::nullopt;
        if (card->Value == 1) card->Image = static_cast<int16_t>(kFirstJokerImage + jokers++);
        hand[count++] = *card;
        pos = end;
    }
    if (count != 5) return std::nullopt;
    return hand;
}

std::string card_text(const CardCode& card) {
    if (card.Value == 1) return "JK";
    static const char* ranks = "??23456789TJQKA";
    return std::string(1, ranks[card.Value]) + card.Suit;
}

}  // namespace dw
