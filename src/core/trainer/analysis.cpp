#include "trainer/analysis.h"

#include <algorithm>
#include <cctype>

#include "eval/evaluators.h"
#include "games/catalogue.h"
#include "strategy/decisions.h"

namespace dw {

namespace {

bool same_card(const CardCode& a, const CardCode& b) {
    return a.Value == 1 ? b.Value == 1 && a.Image == b.Image : a.Value == b.Value && a.Suit == b.Suit;
}

Hand hand_of(const std::vector<CardCode>& cards) {
    Hand hand{};
    std::copy_n(cards.begin(), std::min<size_t>(cards.size(), 5), hand.begin());
    return hand;
}

}  // namespace

AnalysisModel::AnalysisModel(GameId game, const Pay_Table& chart, int coins)
    : game_(game), chart_(chart), coins_(1) {
    set_coins(coins);
}

int AnalysisModel::deck_size() const { return dw::deck_size(game_); }

int AnalysisModel::most_coins() const { return game_info(game_).full_bet; }  // a deal's whole bet

void AnalysisModel::set_coins(int coins) {
    coins_ = std::clamp(coins, 1, most_coins());
    if (game_info(game_).flow == Flow::Ride) coins_ = std::max(3, coins_ - coins_ % 3);
}

std::vector<CardCode> AnalysisModel::deck() const {
    std::vector<CardCode> out;
    for (char suit : {'S', 'H', 'D', 'C'})
        for (int16_t value = 2; value <= 14; ++value) out.push_back(*parse_card(card_text({value, suit, 0})));
    for (int j = 0; j < joker_count(game_); ++j) {
        CardCode joker = *parse_card("JK");
        joker.Image = static_cast<int16_t>(kFirstJokerImage + j);
        out.push_back(joker);
    }
    return out;
}

bool AnalysisModel::is_picked(const CardCode& card) const {
    return std::any_of(cards_.begin(), cards_.end(), [&](const CardCode& c) { return same_card(c, card); });
}

bool AnalysisModel::click(const CardCode& card) {
    const auto at = std::find_if(cards_.begin(), cards_.end(), [&](const CardCode& c) { return same_card(c, card); });
    if (at != cards_.end()) {
        cards_.erase(at);
        return true;
    }
    if (cards_.size() >= 5) return false;
    cards_.push_back(card);
    return true;
}

std::optional<std::vector<CardCode>> AnalysisModel::read_cards(std::string_view text, size_t count,
                                                               std::string& why) const {
    std::vector<CardCode> out;
    std::string word;
    int jokers = 0;
    auto take = [&]() -> bool {
        if (word.empty()) return true;
        auto card = parse_card(word);
        if (!card) {
            why = "\"" + word + "\" is not a card: write a rank (2-9, T, J, Q, K, A) and a suit (S, H, D, C), or JK";
            return false;
        }
        if (card->Value == 1) card->Image = static_cast<int16_t>(kFirstJokerImage + jokers++);
        out.push_back(*card);
        word.clear();
        return true;
    };
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
            if (!take()) return std::nullopt;
        } else {
            word += c;
        }
    }
    if (!take()) return std::nullopt;
    if (out.size() != count) {
        why = "Type " + std::to_string(count) + " cards, like \"TH JH QH KH 2C\"";
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> AnalysisModel::type_cards(std::string_view text) {
    std::string why;
    const auto cards = read_cards(text, 5, why);
    if (!cards) return why;
    if (auto problem = strategy::cards_problem(deck_size(), hand_of(*cards))) return problem;
    cards_ = *cards;
    return std::nullopt;
}

std::optional<std::string> AnalysisModel::type_refused(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        refused_.clear();
        return std::nullopt;
    }
    if (game_info(game_).flow != Flow::PickFive) return std::string("Only Pick Five refuses cards");
    std::string why;
    const auto cards = read_cards(text, 5, why);
    if (!cards) return why;
    refused_ = *cards;
    return std::nullopt;
}

PayRule AnalysisModel::rule() const {
    const GameInfo& info = game_info(game_);
    int coins = coins_;
    if (info.flow == Flow::Ride) coins = std::max(1, coins_ / 3);  // the bet of one part
    if (info.doubles_winning_deal && cards_.size() == 5 && Check_Hand(game_, hand_of(cards_)) != 0) coins *= 2;
    return {game_, &chart_, coins, false, 0};
}

bool AnalysisModel::has_draw() const {
    const Flow flow = game_info(game_).flow;
    return flow == Flow::Draw || flow == Flow::PickFive;
}

std::optional<std::string> AnalysisModel::problem() const {
    if (cards_.size() < 5) {
        const size_t more = 5 - cards_.size();
        return "Pick " + std::to_string(more) + (cards_.empty() ? "" : " more") + (more == 1 ? " card" : " cards");
    }
    return strategy::cards_problem(deck_size(), hand_of(cards_), refused_);
}

std::vector<HoldLine> AnalysisModel::holds(const strategy::FinalHandTable& table) const {
    if (problem() || !has_draw() || table.stopped()) return {};
    const Hand hand = hand_of(cards_);
    const auto values = strategy::analyse_holds(table, hand, refused_);
    std::vector<HoldLine> out;
    for (const auto& v : values)
        out.push_back({v.mask, strategy::hold_text(hand, v.mask), v.ev, values[0].ev - v.ev, v.tied});
    return out;
}

HoldDetail AnalysisModel::detail(const strategy::FinalHandTable& table, int mask) const {
    HoldDetail d;
    if (problem() || !has_draw() || table.stopped()) return d;
    // The engine counts over the sorted cards.
    std::array<std::pair<strategy::CardIndex, int>, 5> sorted;
    for (int p = 0; p < 5; ++p) sorted[static_cast<size_t>(p)] = {strategy::index_of(cards_[static_cast<size_t>(p)]), p};
    std::sort(sorted.begin(), sorted.end());
    strategy::CardIndex c[5];
    int sorted_mask = 0;
    for (int i = 0; i < 5; ++i) {
        c[i] = sorted[static_cast<size_t>(i)].first;
        if (mask & (1 << sorted[static_cast<size_t>(i)].second)) sorted_mask |= 1 << i;
    }
    std::vector<strategy::CardIndex> dead;
    for (const auto& r : refused_) dead.push_back(strategy::index_of(r));
    const auto rows = strategy::hold_rows(table, c, sorted_mask, dead);
    // The game deals 52 cards (a joker in place of a natural): 47 are left to draw from.
    const int held = __builtin_popcount(static_cast<unsigned>(mask));
    d.draws = static_cast<double>(strategy::choose(47 - static_cast<int>(dead.size()), 5 - held));
    const auto& chart = default_chart(game_);
    const size_t count = chart.size();
    for (size_t row = rows.size(); row-- > 1;) {
        if (rows[row] <= 1e-15) continue;
        const std::string label = row <= count ? label_text(chart[count - row].label) : "Row " + std::to_string(row);
        d.rows.push_back({label, rows[row], rows[row] * d.draws});
    }
    d.no_win = rows.empty() ? 1.0 : rows[0];
    return d;
}

std::vector<DecisionLine> AnalysisModel::decisions() const {
    if (problem() || has_draw()) return {};
    const Hand hand = hand_of(cards_);
    const PayRule r = rule();
    // The cards up at a decision: the first three or four, as the game deals them.
    auto up = [&](int shown) {
        std::string text;
        for (int i = 0; i < shown; ++i) text += card_text(hand[static_cast<size_t>(i)]) + " ";
        return text + "up";
    };
    if (game_info(game_).flow == Flow::Stud) {
        const auto c = strategy::double_down_choice(r, hand);
        return {{up(4) + ": Double Down", c.go_on}, {up(4) + ": Stand Pat", c.hold_back}};
    }
    const auto third = strategy::let_it_ride_choice(r, hand, 3, 3);
    const auto fourth = strategy::let_it_ride_choice(r, hand, 4, 3);
    const auto fourth_of_two = strategy::let_it_ride_choice(r, hand, 4, 2);
    return {{up(3) + ": Let It Ride", third.go_on},
            {up(3) + ": Take a Third Back", third.hold_back},
            {up(4) + ", three thirds riding: Let It Ride", fourth.go_on},
            {up(4) + ", three thirds riding: Take a Third Back", fourth.hold_back},
            {up(4) + ", two thirds riding: Let It Ride", fourth_of_two.go_on},
            {up(4) + ", two thirds riding: Take a Third Back", fourth_of_two.hold_back}};
}

}  // namespace dw
