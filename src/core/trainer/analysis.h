#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "games/pay_rule.h"
#include "games/pay_table.h"
#include "strategy/final_hands.h"
#include "strategy/hold_analysis.h"

namespace dw {

// One of the 32 holds of the analysed hand, best first.
struct HoldLine {
    int mask = 0;       // by position: bit p - 1 holds position p
    std::string cards;  // "TH JH QH KH", or "(nothing)"
    double value = 0;   // credits won on average, every draw counted
    double loss = 0;    // credits given up against the best hold
    bool tied = false;  // as good as the hold above
};

// How often a chart row comes after the draw of one hold.
struct RowLine {
    std::string label;  // the row as the chart names it
    double chance = 0;
    double draws = 0;   // of the draws the hold can make (weighted in a joker game's deck as dealt)
};

struct HoldDetail {
    std::vector<RowLine> rows;  // the rows that can come, top of the chart first
    double no_win = 0;          // the chance of no win
    double draws = 0;           // every draw of the hold
};

// A choice of a stud game and what it is worth, in credits.
struct DecisionLine {
    std::string what;
    double value = 0;
};

// "Analyze a Hand": cards of a game's deck for a chart and a bet, the value of each hold (or of
// each choice of a stud game), and what comes after the draw of a hold. The values are those of
// the deck as dealt. The chart is a copy: an edited chart is analysed as it stands.
class AnalysisModel {
public:
    AnalysisModel(GameId game, const Pay_Table& chart, int coins);

    GameId game() const { return game_; }
    int coins() const { return coins_; }
    // The bet the holds are valued at: 1 to the bet of a whole deal (Let It Ride: whole thirds).
    void set_coins(int coins);
    int most_coins() const;
    const Pay_Table& chart() const { return chart_; }
    int deck_size() const;  // 52, 53 or 54
    // The cards a picker offers, in the order it lays them out: by suit, two to ace, then the jokers.
    std::vector<CardCode> deck() const;

    // The cards so far, in the order picked. A click on a card takes it, or gives it back when
    // it is picked already; a sixth card is refused (false).
    const std::vector<CardCode>& cards() const { return cards_; }
    bool click(const CardCode& card);
    void clear() { cards_.clear(), refused_.clear(); }
    // Typed cards ("TH JH QH KH 2C", "10h jh ..."): nothing when taken, else why not.
    std::optional<std::string> type_cards(std::string_view text);
    // Pick Five's five refused cards, out of the draw; an empty text clears them.
    std::optional<std::string> type_refused(std::string_view text);
    const std::vector<CardCode>& refused() const { return refused_; }
    bool is_picked(const CardCode& card) const;

    // The rule the values are for: in Double Down Draw a winning deal is played on twice the bet.
    PayRule rule() const;
    bool has_draw() const;  // the draw games and Pick Five; the stud games have decisions
    // Why the cards cannot be analysed yet ("Pick 3 more cards", a card twice, ...), or nothing.
    std::optional<std::string> problem() const;

    // The 32 holds, best first, from a table of rule(); empty while problem() says why.
    std::vector<HoldLine> holds(const strategy::FinalHandTable& table) const;
    // After the draw of the hold `mask` (by position).
    HoldDetail detail(const strategy::FinalHandTable& table, int mask) const;
    // The stud games' choices at each decision of the hand (the first four or three cards shown).
    std::vector<DecisionLine> decisions() const;

private:
    GameId game_;
    Pay_Table chart_;
    int coins_;
    std::vector<CardCode> cards_, refused_;
    std::optional<std::vector<CardCode>> read_cards(std::string_view text, size_t count, std::string& why) const;
};

}  // namespace dw
