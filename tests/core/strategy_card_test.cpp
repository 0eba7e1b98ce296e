#include <algorithm>

#include "eval/evaluators.h"
#include "games/catalogue.h"
#include "strategy/strategy_card.h"
#include "test_support.h"

namespace dw {
namespace {

using strategy::CardIndex;
using strategy::Family;
using strategy::HoldLine;

struct Sorted {
    CardIndex c[5];
    Hand hand;
};

// The cards of a hand in the engine's order, and the mask of the named cards among them.
Sorted sorted_of(const std::string& text) {
    Sorted s{};
    const auto hand = parse_hand(text);
    EXPECT_TRUE(hand) << text;
    for (size_t i = 0; i < 5; ++i) s.c[i] = strategy::index_of((*hand)[i]);
    strategy::sort_cards(s.c, 5);
    for (size_t i = 0; i < 5; ++i) s.hand[i] = strategy::card_of(s.c[i]);
    return s;
}

int mask_of(const Sorted& s, const std::string& held) {
    int mask = 0;
    for (size_t i = 0; i < 5; ++i)
        if (held.find(card_text(s.hand[i])) != std::string::npos) mask |= 1 << i;
    return mask;
}

TEST(HoldLines, EachHoldIsTheLineAPlayerNamesIt) {
    Pay_Table table = test::default_pay_table();
    struct Row {
        GameId game;
        const char* dealt;
        const char* held;
        std::optional<HoldLine> line;
    };
    const Row rows[] = {
        {1, "TH JH QH KH 2C", "TH JH QH KH", HoldLine{Family::RoyalDraw4, 0, 0}},
        // Straight flush draws by high cards and ways (the straight flushes they can still make).
        {1, "5H 6H 7H 8H KC", "5H 6H 7H 8H", HoldLine{Family::StraightFlushDraw4, 0, 2}},
        {1, "5H 6H 7H 9H KC", "5H 6H 7H 9H", HoldLine{Family::StraightFlushDraw4, 0, 1}},
        {1, "AH 2H 3H 4H 9C", "AH 2H 3H 4H", HoldLine{Family::StraightFlushDraw4, 0, 8 + 1}},
        {1, "8H 9H JH 2C 4D", "8H 9H JH", HoldLine{Family::StraightFlushDraw3, 0, 8 + 2}},
        {1, "8H 9H 3C 2C 4D", "8H 9H", HoldLine{Family::StraightFlushDraw2, 0, 4}},
        {1, "5C 6D 7H 8S KC", "5C 6D 7H 8S", HoldLine{Family::OutsideStraight, 0, 2}},
        {1, "JC QD KH AS 3C", "JC QD KH AS", HoldLine{Family::InsideStraight, 0, 4 * 8 + 1}},
        {1, "7H 8D 9C 2S 3D", "7H 8D 9C", HoldLine{Family::StraightDraw3, 0, 3}},
        {1, "2H 5H 9H KH 3C", "2H 5H 9H KH", HoldLine{Family::FlushDraw4, 0, 1}},
        {1, "2H 5H KH 7C 3C", "2H 5H KH", HoldLine{Family::FlushDraw3, 0, 1}},
        {1, "JH QH 3C 5S 9D", "JH QH", HoldLine{Family::RoyalDraw2, 0, 6}},
        {1, "TH JH AH 5S 9D", "TH JH AH", HoldLine{Family::RoyalDraw3, 0, 1 + 2 + 16}},
        {1, "JH QD KC 5S 9D", "JH QD KC", HoldLine{Family::HighCards3, 0, (1 << 11) | (1 << 12) | (1 << 13)}},
        {1, "JH QD 7C 5S 9D", "JH QD", HoldLine{Family::HighCards2, 0, (1 << 11) | (1 << 12)}},
        {1, "JH 4D 7C 5S 9D", "JH", HoldLine{Family::HighCard, 0, 11}},
        {1, "TH 4D 7C 5S 9D", "TH", std::nullopt},  // a ten is not a high card in Jacks or Better
        {3, "TH 4D 7C 5S 9D", "TH", HoldLine{Family::HighCard, 0, 10}},
        {1, "JH JD 3C 5S 9H", "JH JD", HoldLine{Family::Pair, 0, 11}},
        {1, "JH JD 3C 5S 9H", "JH JD 3C", std::nullopt},  // a pair and a kicker is no line
        {1, "JH JD 3C 3S 9H", "JH JD 3C 3S", HoldLine{Family::TwoPair, 0, 11}},
        {1, "JH JD JC 3S 9H", "JH JD JC", HoldLine{Family::ThreeOfAKind, 0, 11}},
        {1, "JH JD JC JS 9H", "JH JD JC JS", HoldLine{Family::FourOfAKind, 0, 11}},
        {1, "2H 5H 9H KH 3H", "2H 5H 9H KH 3H", HoldLine{Family::Pat, 0, 5}},  // the flush row
        {1, "2H 5H 9H KH 3C", "2H 5H 9H KH 3C", std::nullopt},  // five cards that pay nothing
        {1, "JH JD 3C 5S 9H", "JH JD 3C 5S 9H", HoldLine{Family::Pat, 0, 1}},  // the lowest row, kept whole
        {1, "2H 5H 9H KH 3C", "", HoldLine{Family::Nothing, 0, 0}},
        // Deuces: wild, and a straight with a 2 in it is no way for the naturals.
        {4, "2H 2D 6H 7H KC", "2H 2D 6H 7H", HoldLine{Family::StraightFlushDraw4, 2, 4}},  // 3-7 to 6-T
        {4, "2H 4D 5D 8H KC", "2H 4D 5D", HoldLine{Family::StraightFlushDraw3, 1, 2}},
        {4, "AH 3D 4C 5S KC", "AH 3D 4C 5S", std::nullopt},
        {4, "2H 2D 9C 5S KC", "2H 2D", HoldLine{Family::WildsAlone, 2, 0}},
        {4, "2H 5D 5C 9S KC", "2H 5D 5C", HoldLine{Family::ThreeOfAKind, 1, 5}},
        {4, "2H 3D TC JC KC", "2H TC JC KC", HoldLine{Family::RoyalDraw4, 1, 0}},
        // Jokers: the joker and an ace are a pair of aces.
        {8, "JK AH 3C 5D 9S", "JK AH", HoldLine{Family::Pair, 1, 14}},
        {8, "JK 5H 6C 8D KS", "JK 5H 6C 8D", HoldLine{Family::OutsideStraight, 1, 3}},
    };
    for (const auto& row : rows) {
        const PayRule rule{row.game, &table, 5, false, 0};
        const auto context = strategy::line_context(rule);
        const Sorted s = sorted_of(row.dealt);
        const int mask = mask_of(s, row.held);
        Hand hand = s.hand;
        const auto line = strategy::classify_hold(context, s.c, mask, Check_Hand(row.game, hand));
        EXPECT_EQ(line, row.line) << row.dealt << " holding " << row.held << " in game " << row.game;
    }
}

TEST(HoldLines, HighCardsAreTheRanksWhosePairPays) {
    Pay_Table table = test::default_pay_table();
    auto highs = [&](GameId game) {
        const auto c = strategy::line_context({game, &table, 5, false, 0});
        std::string out;
        for (int r = 2; r <= 14; ++r)
            if (c.high[static_cast<size_t>(r)]) out += "??23456789TJQKA"[r];
        return out;
    };
    EXPECT_EQ(highs(1), "JQKA");
    EXPECT_EQ(highs(3), "TJQKA");
    EXPECT_EQ(highs(8), "KA");
    EXPECT_EQ(highs(4), "");
    EXPECT_EQ(highs(9), "");
}

TEST(HoldLines, NamesOfCardLines) {
    Pay_Table table = test::default_pay_table();
    const auto jacks = strategy::line_context({1, &table, 5, false, 0});
    const auto deuces = strategy::line_context({4, &table, 5, false, 0});
    const auto jokers = strategy::line_context({8, &table, 5, false, 0});
    const std::vector<int> ranks{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    struct Row {
        const strategy::LineContext& context;
        Family family;
        int wilds;
        std::vector<int> details, all;
        const char* name;
    };
    const Row rows[] = {
        {jacks, Family::Pair, 0, {11, 12, 13, 14}, ranks, "High Pair"},
        {jacks, Family::Pair, 0, {2, 3, 4, 5, 6, 7, 8, 9, 10}, ranks, "Low Pair"},
        {jacks, Family::Pair, 0, {8, 9, 10}, ranks, "Low Pair (Eights-Tens)"},
        {jacks, Family::Pair, 0, {10, 8}, ranks, "Low Pair (Tens or Eights)"},  // the card's order kept
        {jacks, Family::Pair, 0, {14}, ranks, "Pair of Aces"},
        {jacks, Family::ThreeOfAKind, 0, ranks, ranks, "Three of a Kind"},
        {jacks, Family::FourOfAKind, 0, {2, 3, 4}, ranks, "Four of a Kind (Twos-Fours)"},
        {jacks, Family::TwoPair, 0, {10, 11, 12, 13, 14}, ranks, "Two Pair, Tens-Aces up"},
        {jacks, Family::RoyalDraw2, 0, {6, 12}, {3, 5, 6, 9, 10, 12}, "Suited QJ or KQ"},
        {jacks, Family::RoyalDraw3, 0, {7, 11}, {7, 11, 13}, "3 to a Royal Flush: QJT or KJT"},
        {jacks, Family::HighCards3, 0, {(1 << 11) | (1 << 12) | (1 << 13)}, {1, 2}, "KQJ"},
        {jacks, Family::HighCards2, 0, {(1 << 11) | (1 << 12)}, {1, 2}, "2 high cards: QJ"},
        {jacks, Family::HighCard, 0, {11, 12, 13, 14}, {11, 12, 13, 14}, "1 high card"},
        {jacks, Family::HighCard, 0, {13, 14}, {11, 12, 13, 14}, "1 high card: K or A"},
        {jacks, Family::FlushDraw4, 0, {0, 1, 2}, {0, 1, 2, 3}, "4 to a Flush, 0-2 high cards"},
        {jacks, Family::InsideStraight, 0, {3 * 8 + 1}, {8 + 1, 3 * 8 + 1}, "4 to an Inside Straight, 3 high cards"},
        {jacks, Family::StraightFlushDraw3, 0, {8 + 2, 3}, {8 + 2, 3, 1, 8 + 1}, "3 to a Straight Flush, high cards + ways 3"},
        {jacks, Family::StraightFlushDraw3, 0, {8 + 2}, {8 + 2, 3, 1}, "3 to a Straight Flush, 1 high card, 2 ways"},
        {jacks, Family::StraightFlushDraw3, 0, {16 + 1}, {16 + 1, 8 + 2}, "3 to a Straight Flush, 2 high cards, 1 way"},
        {jacks, Family::StraightFlushDraw3, 0, {16 + 1, 3}, {16 + 1, 8 + 2, 3, 1},
         "3 to a Straight Flush, 2 high cards, 1 way or 0 high cards, 3 ways"},
        {deuces, Family::StraightFlushDraw3, 1, {1}, {1, 2, 3}, "1 Deuce: 3 to a Straight Flush, 1 way"},
        {deuces, Family::StraightFlushDraw4, 2, {3, 4}, {1, 2, 3, 4, 5}, "2 Deuces: 4 to a Straight Flush, 3 or 4 ways"},
        {deuces, Family::WildsAlone, 1, {0}, {0}, "1 Deuce: nothing else"},
        {jacks, Family::StraightFlushDraw2, 0, {4}, {4}, "2 to a Straight Flush"},
        {jacks, Family::StraightDraw3, 0, {3}, {3}, "3 to a Straight"},
        {jacks, Family::OutsideStraight, 0, {2}, {2}, "4 to an Outside Straight"},
        {jacks, Family::FlushDraw3, 0, {1}, {0, 1, 2}, "3 to a Flush, 1 high card"},
        {jacks, Family::FlushDraw4, 0, {0, 1, 2}, {0, 1, 2}, "4 to a Flush"},
        {jacks, Family::Pair, 0, {2, 5, 7, 8, 9}, ranks, "Low Pair (Twos, Fives or Sevens-Nines)"},
        {jokers, Family::Pair, 1, {14, 13}, {13, 14}, "1 Joker: High Pair (Aces or Kings)"},
        {jacks, Family::Pat, 0, {5, 8}, {}, "Pat Straight Flush or Flush"},
        {jacks, Family::Pat, 0, {99}, {}, "Pat row 99"},  // no row of the chart: named by its number
        {jacks, Family::Nothing, 0, {0}, {0}, "Discard everything"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(strategy::line_name(row.context, row.family, row.wilds, row.details, row.all), row.name);
}

int line_named(const strategy::StrategyCard& card, const std::string& start) {
    for (size_t i = 0; i < card.lines.size(); ++i)
        if (card.lines[i].name.rfind(start, 0) == 0) return static_cast<int>(i);
    return -1;
}

// The card of 9/6 Jacks or Better: its figures, its order, its lines replayed on the deck and on
// known hands.
TEST(StrategyCard, NineSixJacksOrBetter) {
    Pay_Table table = test::default_pay_table();
    const PayRule rule{1, &table, 5, false, 0};
    const auto card = strategy::write_card(rule, 0, 2);
    EXPECT_NEAR(card.perfect, 0.9954390437, 1e-9);
    EXPECT_LE(card.cost(), 0.00002);  // 0.0010% measured; the target is 0.02%
    EXPECT_GT(card.cost(), 0);  // no card of lines is perfect play
    EXPECT_LE(card.lines.size(), 32u);
    // The card this ordering writes today: a change to the ordering shows here first.
    EXPECT_EQ(card.lines.size(), 26u);
    EXPECT_NEAR(card.card, 0.9954291876, 1e-10);
    EXPECT_EQ(card.lines.back().name, "Discard everything");
    // The order players know, found from the hands alone.
    const std::vector<std::string> order{"4 to a Royal Flush", "High Pair", "3 to a Royal Flush", "4 to a Flush",
                                         "Low Pair", "Suited QJ", "KQJ", "1 high card", "Discard everything"};
    int last = -1;
    for (const auto& name : order) {
        const int at = line_named(card, name);
        EXPECT_GT(at, last) << name;
        last = at;
    }
    double share = 0, loss = 0;
    for (const auto& line : card.lines) {
        share += line.share;
        loss += line.loss;
        EXPECT_FALSE(line.members.empty());
    }
    EXPECT_NEAR(share, 1, 1e-9);
    EXPECT_NEAR(loss, card.cost(), 1e-9);
    // Only lines that lose something are named among the costliest.
    const auto losing = strategy::costliest_lines(card, 100);
    EXPECT_LT(losing.size(), card.lines.size());
    for (int i : losing) EXPECT_GT(card.lines[static_cast<size_t>(i)].loss, 0);
    const auto costly = strategy::costliest_lines(card, 2);
    ASSERT_EQ(costly.size(), 2u);
    EXPECT_GE(card.lines[static_cast<size_t>(costly[0])].loss, card.lines[static_cast<size_t>(costly[1])].loss);
    // The card followed on one hand of each suit pattern, each standing for the hands it stands
    // for: the card's own figure.
    const auto context = strategy::line_context(rule);
    const strategy::FinalHandTable final_hands(rule, 2);
    double won = 0, hands = 0;
    strategy::each_dealt_class(52, strategy::DeckModel::AsDealt, 1, {}, [&](unsigned, const CardIndex* c, double weight) {
        const auto values = strategy::hold_values(final_hands, c);
        const auto choice = strategy::card_hold(card, context, c, values, final_hands.final_row(strategy::FinalHandTable::set_index(c, 5)));
        won += weight * values[static_cast<size_t>(choice.mask)];
        hands += weight;
    });
    EXPECT_NEAR(won / hands / 5, card.card, 1e-12);
    const std::string text = strategy::card_text(card);
    EXPECT_NE(text.find("Strategy card: Jacks or Better, 5 coins"), std::string::npos);
    EXPECT_NE(text.find("perfect play returns 99.5439%"), std::string::npos);
    const auto named = strategy::costliest_lines(card);  // the card ends with where most is lost
    ASSERT_FALSE(named.empty());
    EXPECT_NE(text.find("\nWhere most is lost against perfect play:\n  " + std::to_string(named[0] + 1) + ". " +
                        card.lines[static_cast<size_t>(named[0])].name + ": "),
              std::string::npos);
    EXPECT_TRUE(card.complete);
    // Known hands held by the card: dealt, held.
    const std::pair<const char*, const char*> rows[] = {
        {"TH JH QH KH KD", "TH JH QH KH"},  // four to a royal over a high pair
        {"TH JH QH KH AH", "TH JH QH KH AH"},
        {"JH JD 5H 6H 7H", "JH JD"},
        {"2H 5H 9H KH 3C", "2H 5H 9H KH"},
        {"QH JD 9C 5S 3H", "QH JD"},
        {"2C 5D 7H 9S KH", "KH"},
        {"2C 5D 7H 9S 3H", ""},
    };
    for (const auto& [dealt, held] : rows) {
        const Sorted s = sorted_of(dealt);
        const auto values = strategy::hold_values(final_hands, s.c);
        const auto choice = strategy::card_hold(card, context, s.c, values, final_hands.final_row(strategy::FinalHandTable::set_index(s.c, 5)));
        EXPECT_EQ(choice.mask, mask_of(s, held)) << dealt;
        EXPECT_GE(choice.line, 0);
    }
}

// Cards of other charts and budgets: a flush paying 50 moves "4 to a Flush" above "High Pair"
// (below it on the 9/6 card); only draw games have cards; fewer lines cost more.
TEST(StrategyCard, OtherChartsAndBudgets) {
    Pay_Table table = test::default_pay_table();
    table.at(1, 5).Pay = 50;  // the flush row
    const auto edited = strategy::write_card({1, &table, 5, false, 0}, 0, 2);
    ASSERT_GE(line_named(edited, "4 to a Flush"), 0) << strategy::card_text(edited);
    EXPECT_LT(line_named(edited, "4 to a Flush"), line_named(edited, "High Pair")) << strategy::card_text(edited);
    EXPECT_GT(edited.perfect, 0.9954390437 + 0.01);
    table.at(1, 5).Pay = 6;
    for (GameId g = 1; g <= kGameCount; ++g)
        EXPECT_EQ(strategy::has_strategy_card(g), g != 22 && g < 24) << g;
    EXPECT_EQ(strategy::default_card_lines(1), 32);
    EXPECT_EQ(strategy::default_card_lines(4), 40);
    const auto none = strategy::write_card({24, &table, 10, false, 0});
    EXPECT_TRUE(none.lines.empty());
    std::stop_source stop;  // a card asked to stop is incomplete, and has no lines
    stop.request_stop();
    const auto stopped = strategy::write_card({1, &table, 5, false, 0}, 0, 1, stop.get_token());
    EXPECT_FALSE(stopped.complete);
    EXPECT_TRUE(stopped.lines.empty());
    // A budget of few lines costs more than the full card (under 0.002%, above).
    const auto short_card = strategy::write_card({1, &table, 5, false, 0}, 12, 2);
    EXPECT_LE(short_card.lines.size(), 12u);
    EXPECT_GT(short_card.cost(), 0.00002);
    EXPECT_NEAR(short_card.card, 0.9862222729, 1e-10);  // as the reduction writes it today
}

// The card followed on every dealt hand of the deck, one hand at a time, each priced by the
// engine: the card's own figure, and no hand without a line.
void replay(GameId game) {
    Pay_Table table = test::default_pay_table();
    const PayRule rule{game, &table, 5, false, 0};
    const auto card = strategy::write_card(rule, 0, 2);
    const auto context = strategy::line_context(rule);
    const strategy::FinalHandTable final_hands(rule, 2);
    const int n = final_hands.deck();
    const int jokers = n - 52;
    double won = 0, hands = 0;
    int uncovered = 0;
    CardIndex c[5];
    for (c[0] = 0; c[0] < n; ++c[0])
        for (c[1] = static_cast<CardIndex>(c[0] + 1); c[1] < n; ++c[1])
            for (c[2] = static_cast<CardIndex>(c[1] + 1); c[2] < n; ++c[2])
                for (c[3] = static_cast<CardIndex>(c[2] + 1); c[3] < n; ++c[3])
                    for (c[4] = static_cast<CardIndex>(c[3] + 1); c[4] < n; ++c[4]) {
                        int naturals = 0;
                        for (CardIndex x : c) naturals += x < 52;
                        const double weight = static_cast<double>(strategy::choose(52 - naturals, jokers));
                        const auto values = strategy::hold_values(final_hands, c);
                        const auto choice = strategy::card_hold(card, context, c, values, final_hands.final_row(strategy::FinalHandTable::set_index(c, 5)));
                        uncovered += choice.line < 0;
                        won += weight * values[static_cast<size_t>(choice.mask)];
                        hands += weight;
                    }
    EXPECT_EQ(uncovered, 0);
    EXPECT_NEAR(won / hands / rule.coins, card.card, 1e-10) << game;
}

TEST(Strategy, CardReplayedOverEveryDealtHand) {
#if defined(__SANITIZE_ADDRESS__)
    // Five million hands under the sanitizers take a quarter of an hour; the card's own tests
    // above run there, and this replay runs in every other build.
    GTEST_SKIP() << "the whole-deck replay runs without the sanitizers";
#endif
    replay(1);
    replay(8);  // a joker deck, each hand as often as it is dealt
}

}  // namespace
}  // namespace dw
