#include "records/hand_history.h"

#include <cstdio>

#include "games/catalogue.h"
#include "strategy/hold_analysis.h"

namespace dw {

namespace {

// The cards of a mask, "TH JH"; nothing held is an empty field.
std::string cards(const Hand& hand, int mask = 31) { return mask ? strategy::hold_text(hand, mask) : ""; }

}  // namespace

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string HandHistory::csv() const {
    std::string out = "hand,game,bet,dealt,held,final,paid,loss,credits\r\n";
    char number[64];
    for (size_t i = 0; i < hands_.size(); ++i) {
        const HandRecord& h = hands_[i];
        out += std::to_string(i + 1) + "," + csv_field(game_info(h.game).list_text) + "," + std::to_string(h.bet) + "," +
               cards(h.dealt) + "," + (h.held < 0 ? "" : cards(h.dealt, h.held)) + "," + cards(h.final) + "," +
               std::to_string(h.paid) + ",";
        if (h.loss >= 0) {
            std::snprintf(number, sizeof number, "%.4f", h.loss);
            out += number;
        }
        out += "," + std::to_string(h.credits) + "\r\n";
    }
    return out;
}

}  // namespace dw
