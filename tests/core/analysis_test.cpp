#include "test_support.h"
#include "trainer/analysis.h"

namespace dw {
namespace {

using test::H;

std::vector<std::string> texts(const std::vector<CardCode>& cards) {
    std::vector<std::string> out;
    for (const auto& c : cards) out.push_back(card_text(c));
    return out;
}

// Hands whose best hold and values can be counted by hand (9/6 Jacks or Better: four to the royal
// draws 1 royal, 1 straight flush, 6 flushes, 6 straights and 9 pairs of jacks or better in 47).
TEST(Analysis, KnownHandsBestHoldsAndRows) {
    const Pay_Table chart = test::default_pay_table();
    struct {
        GameId game;
        const char* dealt;
        const char* refused;
        const char* best;
        double best_value, second_value;
        bool tied;
    } cases[] = {
        // Second: the straight flush to the king, 9H (250), 7 flushes, 6 straights and 9 high pairs.
        {1, "TH JH QH KH AH", "", "TH JH QH KH AH", 4000, 625.0 / 47, false},
        {1, "TH JH QH KH 2H", "", "TH JH QH KH", 4595.0 / 47, 30, false},
        {4, "2C 2D 2H 2S 5C", "", "2C 2D 2H 2S", 1000, 1000, true},
        {7, "JK AH KH QH JH", "", "JK AH KH QH JH", 1000, 109.6875, false},
        {22, "AS KS QS JS 9D", "TS 2H 3H 4H 5H", "AS KS QS JS", 7.619047619, 3.286876, false},
    };
    for (const auto& c : cases) {
        AnalysisModel model(c.game, chart, 5);
        EXPECT_EQ(model.type_cards(c.dealt), std::nullopt) << c.dealt;
        EXPECT_EQ(model.type_refused(c.refused), std::nullopt) << c.refused;
        const strategy::FinalHandTable table(model.rule(), 2);
        const auto holds = model.holds(table);
        ASSERT_EQ(holds.size(), 32u) << c.dealt;
        EXPECT_EQ(holds[0].cards, c.best) << c.dealt;
        EXPECT_NEAR(holds[0].value, c.best_value, 1e-6) << c.dealt;
        EXPECT_EQ(holds[0].loss, 0);
        EXPECT_EQ(holds[1].tied, c.tied) << c.dealt;
        EXPECT_NEAR(holds[31].loss, c.best_value - holds[31].value, 1e-9);
        for (size_t i = 1; i < 32; ++i) EXPECT_LE(holds[i].value, holds[i - 1].value + 1e-12) << c.dealt;
        EXPECT_NEAR(holds[1].value, c.second_value, 1e-6) << c.dealt;
    }
}

TEST(Analysis, TheRowsAfterTheDrawOfAHold) {
    const Pay_Table chart = test::default_pay_table();
    AnalysisModel model(1, chart, 5);
    ASSERT_EQ(model.type_cards("2h kh th qh jh"), std::nullopt);  // any case; positions as typed
    const strategy::FinalHandTable table(model.rule(), 2);
    const auto detail = model.detail(table, 0b11110);  // positions 2 to 5: the four to the royal
    std::vector<std::pair<std::string, double>> rows;
    for (const auto& r : detail.rows) rows.push_back({r.label, r.draws});
    const std::vector<std::pair<std::string, double>> expected = {
        {"Royal Flush", 1}, {"Straight Flush", 1}, {"Flush", 6}, {"Straight", 6}, {"Jacks or Better", 9}};
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].first, expected[i].first);
        EXPECT_NEAR(rows[i].second, expected[i].second, 1e-9) << rows[i].first;
        EXPECT_NEAR(detail.rows[i].chance, expected[i].second / 47, 1e-12);
    }
    EXPECT_EQ(detail.draws, 47);
    EXPECT_NEAR(detail.no_win, 24.0 / 47, 1e-12);
    const auto everything = model.detail(table, 0);  // a fresh five from 47
    EXPECT_EQ(everything.draws, 1533939);
    EXPECT_EQ(model.detail(table, 0b11111).rows.size(), 1u);  // the flush stands
    EXPECT_EQ(model.detail(table, 0b11111).rows[0].label, "Flush");
    const AnalysisModel none(1, chart, 5);  // no cards picked yet: nothing counted
    EXPECT_EQ(none.detail(table, 0b11110).draws, 0);
}

TEST(Analysis, PickingAndTypingCards) {
    const Pay_Table chart = test::default_pay_table();
    AnalysisModel model(10, chart, 5);  // two jokers
    EXPECT_EQ(model.deck_size(), 54);
    const auto deck = model.deck();
    ASSERT_EQ(deck.size(), 54u);
    EXPECT_EQ(card_text(deck[0]), "2S");
    EXPECT_EQ(card_text(deck[12]), "AS");
    EXPECT_EQ(card_text(deck[51]), "AC");
    EXPECT_EQ(deck[52].Image, kFirstJokerImage);
    EXPECT_EQ(deck[53].Image, kSecondJokerImage);
    EXPECT_EQ(model.problem(), "Pick 5 cards");
    for (size_t i : {52, 53, 0, 12}) EXPECT_TRUE(model.click(deck[i]));
    EXPECT_EQ(model.problem(), "Pick 1 more card");
    EXPECT_TRUE(model.click(deck[52]));  // a picked card goes back
    EXPECT_TRUE(model.is_picked(deck[53]) && !model.is_picked(deck[52]));
    for (size_t i : {1, 2}) EXPECT_TRUE(model.click(deck[i]));
    EXPECT_FALSE(model.click(deck[3]));  // a sixth card
    EXPECT_EQ(texts(model.cards()), (std::vector<std::string>{"JK", "2S", "AS", "3S", "4S"}));
    EXPECT_EQ(model.problem(), std::nullopt);

    struct { const char* typed; const char* why; } bad[] = {
        {"TH JH QH KH", "Type 5 cards, like \"TH JH QH KH 2C\""},
        {"TH JH QH KH 1C", "\"1C\" is not a card: write a rank (2-9, T, J, Q, K, A) and a suit (S, H, D, C), or JK"},
        {"TH TH QH KH 2C", nullptr},  // a card twice: the engine says which
    };
    for (const auto& b : bad) {
        const auto why = model.type_cards(b.typed);
        ASSERT_TRUE(why) << b.typed;
        if (b.why) EXPECT_EQ(*why, b.why);
    }
    EXPECT_EQ(texts(model.cards()), (std::vector<std::string>{"JK", "2S", "AS", "3S", "4S"}));  // kept
    EXPECT_EQ(model.type_cards("jk, JK 10h 9h 8h"), std::nullopt);
    EXPECT_EQ(texts(model.cards()), (std::vector<std::string>{"JK", "JK", "TH", "9H", "8H"}));
    EXPECT_EQ(model.type_refused("2C 3C 4C 5C 6C"), "Only Pick Five refuses cards");
    AnalysisModel five(22, chart, 5);
    EXPECT_EQ(five.type_refused("2C 3C 4C 5C 6C"), std::nullopt);
    EXPECT_EQ(five.refused().size(), 5u);
    EXPECT_EQ(five.type_refused("  "), std::nullopt);  // an empty box: none refused
    EXPECT_TRUE(five.refused().empty());
    AnalysisModel jacks(1, chart, 5);
    EXPECT_TRUE(jacks.type_cards("JK AH KH QH JH"));  // no joker in this deck

    // Double Down Draw prices a winning deal on twice the bet.
    AnalysisModel draw(23, chart, 5);
    EXPECT_EQ(draw.type_cards("2C 3D 7H 9S KD"), std::nullopt);
    EXPECT_EQ(draw.rule().coins, 5);
    EXPECT_EQ(draw.type_cards("KC KD 7H 9S 2D"), std::nullopt);
    EXPECT_EQ(draw.rule().coins, 10);
}

// The stud games have no draw: the values of each choice instead.
TEST(Analysis, TheChoicesOfTheStudGames) {
    const Pay_Table chart = test::default_pay_table();
    AnalysisModel stud(24, chart, 5);
    EXPECT_EQ(stud.type_cards("AH AD 7C 2S 9H"), std::nullopt);
    const strategy::FinalHandTable none({1, &chart, 5, false, 0}, 2);
    EXPECT_TRUE(stud.holds(none).empty());
    const auto choices = stud.decisions();
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].what, "AH AD 7C 2S up: Double Down");
    EXPECT_GT(choices[0].value, choices[1].value);  // a pair of aces doubles
    AnalysisModel ride(25, chart, 15);
    EXPECT_EQ(ride.rule().coins, 5);
    for (auto [asked, kept] : {std::pair{7, 6}, {1, 3}, {99, 15}, {3, 3}}) {
        ride.set_coins(asked);
        EXPECT_EQ(ride.coins(), kept) << asked;
    }
    stud.set_coins(11);
    EXPECT_EQ(stud.coins(), 5);  // Double Down Stud bets at most 5
    stud.set_coins(0);
    EXPECT_EQ(stud.coins(), 1);
    EXPECT_EQ(ride.type_cards("2C 7D 9S 4H KD"), std::nullopt);
    const auto ride_choices = ride.decisions();
    ASSERT_EQ(ride_choices.size(), 6u);
    EXPECT_LT(ride_choices[0].value, ride_choices[1].value);  // nothing on three cards: take a third back
    EXPECT_EQ(ride_choices[5].what, "2C 7D 9S 4H up, two thirds riding: Take a Third Back");
    AnalysisModel draw(1, chart, 5);
    EXPECT_EQ(draw.type_cards("2C 7D 9S 4H KD"), std::nullopt);
    EXPECT_TRUE(draw.decisions().empty());
}

}  // namespace
}  // namespace dw
