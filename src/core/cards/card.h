#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dw {

// One card. Value 2..14 (14 = Ace), 1 = joker. Suit 'H', 'D', 'C' or 'S' (a joker keeps the
// letter of the card it displaced). Image is the picture number of the card library.
struct CardCode {
    int16_t Value = 0;
    char Suit = 'H';
    int16_t Image = 0;
    bool operator==(const CardCode&) const = default;
};

// The five cards on the table; index 0 is position 1 (leftmost).
using Hand = std::array<CardCode, 5>;

constexpr int16_t kFirstJokerImage = 110;
constexpr int16_t kSecondJokerImage = 111;
constexpr int16_t kBackImage = 105;
constexpr int16_t kEmptyHandMarker = 9999;

// Picture number of a natural card: clubs 1..13, diamonds 14..26, hearts 27..39, spades 40..52,
// the ace first within its suit.
int16_t image_of(int16_t value, char suit);

CardCode make_card(int16_t value, char suit);
CardCode make_joker(int16_t image = kFirstJokerImage, char suit = 'S');

// "10 of Spades", "Queen of Hearts", "Joker".
std::string Card_Name(const CardCode& card);

// Cards written as text: "TH", "10H", "JS", "AC", "2D", "JK" (joker). Hands are five such words.
std::optional<CardCode> parse_card(std::string_view text);
std::optional<Hand> parse_hand(std::string_view text);
std::string card_text(const CardCode& card);

}  // namespace dw
