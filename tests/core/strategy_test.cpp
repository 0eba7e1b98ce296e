#include <condition_variable>
#include <mutex>
#include <numeric>
#include <span>

#include "machine_rig.h"
#include "eval/evaluators.h"
#include "strategy/decisions.h"
#include "strategy/return_worker.h"
#include "strategy/variant_returns.h"

namespace dw {
namespace {

using test::H;
using test::Rig;

TEST(Engine, BestHoldsOfKnownHands) {
    const Pay_Table table = test::default_pay_table();
    const strategy::FinalHandTable jacks({1, &table, 5, false, 0}, 2);
    struct Case { const char* dealt; const char* best; } cases[] = {
        {"TS JS QS KS AS", "TS JS QS KS AS"},
        {"TH JH QH KH 2C", "TH JH QH KH"},
        {"5H 5D 6C 7S 8D", "5H 5D"},          // a low pair beats four to an open straight
        {"2C 7D 9H JS 4C", "JS"},
        {"AH KH QH JH 9H", "AH KH QH JH"},     // a flush is broken for four to the royal
        {"AH KH 8H 5H 3H", "AH KH 8H 5H 3H"},  // and kept otherwise
    };
    for (const auto& c : cases) {
        const auto holds = strategy::analyse_holds(jacks, H(c.dealt));
        EXPECT_EQ(strategy::hold_text(H(c.dealt), holds[0].mask), c.best) << c.dealt;
        EXPECT_FALSE(holds[0].tied) << c.dealt;
    }
    // The king of hearts or the king of diamonds alone: the same hold by symmetry, a tie.
    const auto ties = strategy::analyse_holds(jacks, H("KH KD 4C 7S 9C"));
    size_t kh = 0, kd = 0;
    for (size_t i = 0; i < ties.size(); ++i) {
        if (ties[i].mask == 1) kh = i;
        if (ties[i].mask == 2) kd = i;
    }
    EXPECT_EQ(ties[kh].ev, ties[kd].ev);
    EXPECT_TRUE(ties[std::max(kh, kd)].tied);
    EXPECT_EQ(std::max(kh, kd), std::min(kh, kd) + 1);
    const auto dealt = H("TH JH 4C 9S 2D");
    const auto holds = strategy::analyse_holds(jacks, dealt);
    for (size_t i = 1; i < holds.size(); ++i) EXPECT_GE(holds[i - 1].ev, holds[i].ev);
}

// Held whole, a hand is worth exactly what the machine pays for it.
TEST(Engine, TheEngineAndTheMachinePayAlike) {
    ClockRng choices(5);
    for (GameId g : {GameId{6}, GameId{10}, GameId{21}}) {
        Rig rig;
        for (const char* goody : {"Mnu_Progressive", "Mnu_Royals", "Mnu_Double", "Mnu_Autohold"})
            rig.m.view().menu(goody).checked = false;
        rig.ready(g, 10000);
        const strategy::FinalHandTable finals({g, &rig.m.pay_table(), 5, false, 0}, 2);
        for (int hand = 0; hand < 30; ++hand) {
            rig.bet_and_deal(5);
            const Hand dealt = rig.m.table().cards.hand;
            const auto holds = strategy::analyse_holds(finals, dealt);
            const auto all = std::find_if(holds.begin(), holds.end(), [](const auto& h) { return h.mask == 31; });
            const int32_t before = rig.m.wallet().Credits;
            rig.hold_and_draw("12345");
            ASSERT_EQ(static_cast<double>(rig.m.wallet().Credits - before), all->ev) << "game " << g << ": " << card_text(dealt[0]);
        }
    }
}

// The engine's numbering of the cards and the machine's: both ways, the jokers by their pictures.
TEST(Engine, CardNumbersBothWays) {
    for (int i = 0; i < 54; ++i) EXPECT_EQ(strategy::index_of(strategy::card_of(static_cast<strategy::CardIndex>(i))), i);
    EXPECT_EQ(strategy::index_of(make_joker(kFirstJokerImage)), 52);
    EXPECT_EQ(strategy::index_of(make_joker(kSecondJokerImage)), 53);
    EXPECT_EQ(strategy::index_of(make_card(2, 'H')), 0);
    EXPECT_EQ(strategy::index_of(make_card(14, 'S')), 51);
}

// Two returns that take a fraction of a second each, so the fast tests see any change to the
// engine: 9/6 Jacks or Better and Jokers Wild (a 53-card deck).
TEST(Engine, ReturnsOfAPlainAndAJokerChart) {
    const Pay_Table table = test::default_pay_table();
    double progress = 0;  // progress is told on the way and runs to the whole
    int reports = 0;
    const auto r = strategy::chart_return({1, &table, 5, false, 0}, 2, {}, [&](double done) { progress = done, ++reports; });
    EXPECT_DOUBLE_EQ(progress, 1.0);
    EXPECT_GT(reports, 2);
    EXPECT_NEAR(r.value, 0.9954390437, 5e-11);
    EXPECT_NEAR(std::accumulate(r.rows.begin(), r.rows.end(), 0.0), 1.0, 1e-9);
    EXPECT_NEAR(r.rows[9], 0.0000247583, 1e-10);
    // Jokers Wild as dealt (the joker in place of an unseen natural) and over all 53 cards.
    EXPECT_NEAR(strategy::chart_return({7, &table, 5, false, 0}, 2).value, 0.9875926111, 5e-11);
    EXPECT_NEAR(strategy::chart_return({7, &table, 5, false, 0}, 2, {}, {}, strategy::DeckModel::Full).value, 0.9817968981, 5e-11);
    // The stud games' exact returns, and a short Pick Five simulation, each with rows adding up.
    const struct { GameId game; double value; } exact[] = {{24, 0.9757527426}, {25, 0.9880908261}, {23, 1.0753964357}};
    for (const auto& e : exact) {
        const auto r = strategy::game_return({e.game, &table, game_info(e.game).full_bet, false, 0}, 2);
        EXPECT_NEAR(r.value, e.value, 5e-10) << e.game;
        EXPECT_NEAR(std::accumulate(r.rows.begin(), r.rows.end(), 0.0), 1.0, 1e-9) << e.game;
    }
    // A stop asked before the start leaves nothing complete.
    std::stop_source stop;
    stop.request_stop();
    EXPECT_TRUE(strategy::FinalHandTable({1, &table, 1, false, 0}, 2, stop.get_token()).stopped());
    for (GameId game : {GameId{1}, GameId{24}, GameId{25}})
        EXPECT_FALSE(strategy::game_return({game, &table, game == 25 ? 3 : 1, false, 0}, 2, stop.get_token()).complete)
            << game;
    const auto pick = strategy::pick_five_return({22, &table, 5, false, 0}, 2000, 2);
    EXPECT_NEAR(std::accumulate(pick.rows.begin(), pick.rows.end(), 0.0), 1.0, 1e-9);
    // Seeded block by block, the simulation gives its figure again on every run (here, with this
    // standard library's distributions): 2,000 hands are near the 152% of a long run.
    EXPECT_NEAR(pick.value, 1.5067388415, 1e-9);
}

// A joker game deals 52 cards, the joker(s) in place of unseen naturals: a hold is worth the
// average, over every natural that may be missing (every pair of them with two jokers), of its
// worth with those cards out of the deck. Hands with no joker, one and both.
TEST(Engine, TheDeckAsDealtAveragesOverTheMissingCards) {
    const Pay_Table table = test::default_pay_table();
    const struct {
        GameId game;
        const char* dealt;
    } cases[] = {{6, "7C 7D KS 9H 4C"}, {6, "JK 2H 5S 9D KC"}, {6, "AH KH QH JH 3C"},
                 {10, "7C 7D KS 9H 4C"}, {10, "JK 8H 8S TD 3C"}, {10, "JK JK 5S 6S 2D"}};
    for (const auto& c : cases) {
        const strategy::FinalHandTable finals({c.game, &table, 5, false, 0}, 2);
        const Hand dealt = H(c.dealt);
        strategy::CardIndex sorted[5];
        for (size_t i = 0; i < 5; ++i) sorted[i] = strategy::index_of(dealt[i]);
        strategy::sort_cards(sorted, 5);
        std::vector<strategy::CardIndex> missing;
        for (strategy::CardIndex x = 0; x < 52; ++x)
            if (std::find(sorted, sorted + 5, x) == sorted + 5) missing.push_back(x);
        std::array<double, 32> sum{};
        std::array<double, 10> rows{};
        double cases_counted = 0;
        auto add = [&](std::span<const strategy::CardIndex> out) {
            const auto v = strategy::hold_values(finals, sorted, out, strategy::DeckModel::Full);
            for (size_t m = 0; m < 32; ++m) sum[m] += v[m];
            const auto r = strategy::hold_rows(finals, sorted, 0b00011, out, strategy::DeckModel::Full);
            for (size_t i = 0; i < rows.size() && i < r.size(); ++i) rows[i] += r[i];
            ++cases_counted;
        };
        for (size_t a = 0; a < missing.size(); ++a) {
            if (deck_size(c.game) == 53) {
                add(std::span(&missing[a], 1));
                continue;
            }
            for (size_t b = a + 1; b < missing.size(); ++b) {
                const strategy::CardIndex two[2] = {missing[a], missing[b]};
                add(two);
            }
        }
        const auto dealt_values = strategy::hold_values(finals, sorted);
        const auto full_values = strategy::hold_values(finals, sorted, {}, strategy::DeckModel::Full);
        bool differs = false;
        for (size_t m = 0; m < 32; ++m) {
            EXPECT_NEAR(dealt_values[m], sum[m] / cases_counted, 1e-9) << c.dealt << " hold " << m;
            differs |= std::abs(dealt_values[m] - full_values[m]) > 1e-6;
        }
        // With every joker in the hand the missing cards are just unseen cards: nothing changes.
        EXPECT_EQ(differs, std::string(c.dealt).find("JK") == std::string::npos || (c.game == 10 && std::string(c.dealt) != "JK JK 5S 6S 2D"))
            << c.dealt;
        const auto dealt_rows = strategy::hold_rows(finals, sorted, 0b00011);
        for (size_t i = 0; i < rows.size() && i < dealt_rows.size(); ++i)
            EXPECT_NEAR(dealt_rows[i], rows[i] / cases_counted, 1e-12) << c.dealt << " row " << i;
    }
    // The hold of the two sevens, priced by hand: 3.815556 credits as dealt, 3.751357 over 54 cards.
    const strategy::FinalHandTable doubles({10, &table, 5, false, 0}, 2);
    const auto sevens = [&](strategy::DeckModel model) {
        for (const auto& h : strategy::analyse_holds(doubles, H("7C 7D KS 9H 4C"), {}, model))
            if (h.mask == 0b00011) return h.ev;
        return -1.0;
    };
    EXPECT_NEAR(sevens(strategy::DeckModel::AsDealt), 3.815556, 5e-7);
    EXPECT_NEAR(sevens(strategy::DeckModel::Full), 3.751357, 5e-7);
}

// Crazy Eights pays three and four eights on the deal beside the final hand: its rows of the
// deal carry that bonus, so the rows priced by the chart add up to the return.
TEST(Engine, EveryRowOfTheReturnIsPaid) {
    const Pay_Table table = test::default_pay_table();
    for (GameId g : {GameId{20}, GameId{1}}) {
        const auto r = strategy::chart_return({g, &table, 1, false, 0}, 2);
        double priced = 0;
        for (size_t row = 1; row < r.rows.size() && row <= static_cast<size_t>(table.row_count(g)); ++row)
            priced += r.rows[row] * table.pay(g, static_cast<int>(row));
        EXPECT_NEAR(priced, r.value, 1e-9) << g;
        EXPECT_GT(r.rows[3], 0.0) << g;
    }
}

// Pick Five's refused cards are out of the draw: every hold of two cards or more, counted draw
// by draw over the 42 cards left.
TEST(Engine, DeadCardsComeOutOfTheDraw) {
    const Pay_Table table = test::default_pay_table();
    const PayRule rule{22, &table, 5, false, 0};
    const strategy::FinalHandTable finals(rule, 2);
    const Hand dealt = H("2D 7C QH KH AH"), refused = H("3S 4S 5S TH JH");
    strategy::CardIndex c[5], dead[5];
    for (size_t i = 0; i < 5; ++i) {
        c[i] = strategy::index_of(dealt[i]);
        dead[i] = strategy::index_of(refused[i]);
    }
    const auto values = strategy::hold_values(finals, c, dead);
    std::vector<strategy::CardIndex> left;
    for (strategy::CardIndex x = 0; x < 52; ++x)
        if (std::find(c, c + 5, x) == c + 5 && std::find(dead, dead + 5, x) == dead + 5) left.push_back(x);
    for (int mask = 0; mask < 32; ++mask) {
        const int held = __builtin_popcount(static_cast<unsigned>(mask));
        if (held < 2) continue;
        Hand hand;
        size_t k = 0;
        for (size_t i = 0; i < 5; ++i)
            if (mask & (1 << i)) hand[k++] = dealt[i];
        double sum = 0, draws = 0;
        std::vector<size_t> pick(static_cast<size_t>(5 - held));
        std::function<void(size_t, size_t)> draw = [&](size_t at, size_t from) {
            if (at == pick.size()) {
                for (size_t i = 0; i < pick.size(); ++i) hand[k + i] = strategy::card_of(left[pick[i]]);
                HotHits hits{};
                sum += static_cast<double>(pay_final(rule, Check_Hand(22, hand, &hits), hits).amount);
                ++draws;
                return;
            }
            for (size_t i = from; i < left.size(); ++i) {
                pick[at] = i;
                draw(at + 1, i + 1);
            }
        };
        draw(0, 0);
        EXPECT_NEAR(values[static_cast<size_t>(mask)], sum / draws, 1e-9) << strategy::hold_text(dealt, mask);
    }
    const auto rows = strategy::hold_rows(finals, c, 0b11100, dead);
    EXPECT_NEAR(std::accumulate(rows.begin(), rows.end(), 0.0), 1.0, 1e-12);
    EXPECT_NEAR(rows[9], 0.0, 1e-12);  // both cards the royal needs are refused
}

// Let It Ride pays in proportion to the coins riding below its top prize, so each third is then
// its own bet: it rides after three cards and after four when a coin on it returns 1 or more.
TEST(Strategy, StudGamesReturns) {
    const Pay_Table table = test::default_pay_table();
    const strategy::FinalHandTable per_coin({25, &table, 1, false, 0}, 2);
    double first = 0, second = 0;
    for (uint32_t i = 0; i < strategy::choose(52, 3); ++i) first += std::max(1.0, per_coin.pay_sum(3, i) / 1176.0);
    for (uint32_t i = 0; i < strategy::choose(52, 4); ++i) second += std::max(1.0, per_coin.pay_sum(4, i) / 48.0);
    const double last = per_coin.pay_sum(0, 0) / static_cast<double>(strategy::choose(52, 5));
    const double thirds = (first / 22100.0 + second / 270725.0 + last) / 3;
    const auto ride = strategy::game_return({25, &table, 3, false, 0}, 2);
    EXPECT_NEAR(ride.value, thirds, 1e-12);
    // The top prize at fifteen coins makes riding worth a little more.
    EXPECT_GT(strategy::game_return({25, &table, 15, false, 0}, 2).value, ride.value);

    // Double Down Stud doubles only where it wins, so it beats standing pat on every hand.
    const auto stud = strategy::game_return({24, &table, 5, false, 0}, 2);
    double stand = 0;
    for (size_t r = 1; r < stud.rows.size(); ++r) stand += stud.rows[r] * table.pay(24, static_cast<int>(r));
    EXPECT_GT(stud.value, stand);
    EXPECT_LT(stud.value, 1.0);
    for (const auto* r : {&ride, &stud}) EXPECT_NEAR(std::accumulate(r->rows.begin(), r->rows.end(), 0.0), 1.0, 1e-12);
}

// The Pick Five simulation gives the same figure on any number of threads.
TEST(Strategy, PickFiveSimulation) {
    const Pay_Table table = test::default_pay_table();
    const auto one = strategy::pick_five_return({22, &table, 5, false, 0}, 2000, 1);
    const auto two = strategy::pick_five_return({22, &table, 5, false, 0}, 2000, 2);
    EXPECT_EQ(one.value, two.value);
    EXPECT_EQ(one.samples, 2000u);
    EXPECT_GT(one.margin, 0.0);
    EXPECT_NEAR(std::accumulate(one.rows.begin(), one.rows.end(), 0.0), 1.0, 1e-9);
}


// The window's return: an exact figure to two decimals of a percent, a simulated one to the
// first digit of its margin, marked so.
TEST(ReturnWorker, FiguresAsTheChartShowsThem) {
    const struct {
        double value, margin;
        const char* shown;
    } cases[] = {{0.9954390437, 0, "99.54%"},           {1.0027930795, 0, "100.28%"},
                 {1.5237, 0.0401, "152% \u00b1 4%, simulated"}, {1.5237, 0.0089, "152.4% \u00b1 0.9%, simulated"},
                 {0.98765, 0.00042, "98.77% \u00b1 0.04%, simulated"}, {0.98765, 0.00004, "98.77% \u00b1 0.00%, simulated"}};
    for (const auto& c : cases) EXPECT_EQ(strategy::return_figure(c.value, c.margin), c.shown);
}

// Only the newest request is answered.
TEST(ReturnWorker, TheNewestChartWins) {
    const Pay_Table table = test::default_pay_table();
    std::mutex mutex;
    std::condition_variable answered;
    std::vector<std::pair<int, std::string>> answers;
    {
        strategy::ReturnWorker worker;
        auto record = [&](int which) {
            return [&, which](const strategy::ReturnReport& report) {
                std::lock_guard lock(mutex);
                answers.emplace_back(which, report.figure + "; " + report.facts);
                answered.notify_all();
            };
        };
        worker.request(25, table, record(25));
        worker.request(1, table, record(1));
        std::unique_lock lock(mutex);
        answered.wait(lock, [&] { return !answers.empty(); });
    }
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].first, 1);
    EXPECT_EQ(answers[0].second,
              "99.54%; standard deviation 4.42 bets, a win 45.5% of the time, a royal flush every 40391 hands");
}


// The stud decisions with four cards up, against a count of every fifth card: doubling stakes
// the bet again; taking a third back keeps it whatever comes.
TEST(Engine, StudDecisionsCountEveryFifthCard) {
    const Pay_Table table = test::default_pay_table();
    struct Case {
        GameId game;
        const char* four;
        int coins, parts;  // parts riding before the decision (Let It Ride)
    } cases[] = {{24, "AH AD 4C 8S", 1, 1}, {24, "9H TH JH QH", 2, 1}, {25, "TH TD 4C 8S", 1, 3},
                 {25, "9H TH JH QH", 5, 2}};
    for (const auto& c : cases) {
        const Hand four = test::H(std::string(c.four) + " 2C");
        std::array<double, 4> sums{};
        int n = 0;
        for (int i = 0; i < 52; ++i) {
            Hand hand = four;
            hand[4] = strategy::card_of(static_cast<strategy::CardIndex>(i));
            if (std::find(four.begin(), four.begin() + 4, hand[4]) != four.begin() + 4) continue;
            ++n;
            HotHits hits{};
            const HandCode code = Check_Hand(c.game, hand, &hits);
            for (int k = 1; k <= 3; ++k) sums[static_cast<size_t>(k)] += pay_final({c.game, &table, c.coins * k, false, 0}, code, hits).amount;
        }
        ASSERT_EQ(n, 48);
        for (auto& s : sums) s /= n;
        const PayRule rule{c.game, &table, c.coins, false, 0};
        const strategy::StudChoice got = c.game == 24 ? strategy::double_down_choice(rule, four)
                                                      : strategy::let_it_ride_choice(rule, four, 4, c.parts);
        const double go_on = c.game == 24 ? sums[2] - c.coins : sums[static_cast<size_t>(c.parts)];
        const double hold_back = c.game == 24 ? sums[1] : c.coins + sums[static_cast<size_t>(c.parts - 1)];
        EXPECT_NEAR(got.go_on, go_on, 1e-9) << c.game << " " << c.four;
        EXPECT_NEAR(got.hold_back, hold_back, 1e-9) << c.game << " " << c.four;
    }

    // Let It Ride after three cards: every fourth card, then the better choice with every fifth.
    const Hand three = test::H("TH JD 4C 2S 3S");
    const int part = 2;
    double go_on = 0, hold_back = 0;
    int fourths = 0;
    for (int i = 0; i < 52; ++i) {
        Hand hand = three;
        hand[3] = strategy::card_of(static_cast<strategy::CardIndex>(i));
        if (std::find(three.begin(), three.begin() + 3, hand[3]) != three.begin() + 3) continue;
        ++fourths;
        std::array<double, 4> sums{};  // the average pay with k parts riding
        int fifths = 0;
        for (int j = 0; j < 52; ++j) {
            hand[4] = strategy::card_of(static_cast<strategy::CardIndex>(j));
            if (std::find(hand.begin(), hand.begin() + 4, hand[4]) != hand.begin() + 4) continue;
            ++fifths;
            for (int k = 1; k <= 3; ++k) sums[static_cast<size_t>(k)] += pay_final({25, &table, part * k, false, 0}, Check_Hand(25, hand)).amount;
        }
        for (auto& v : sums) v /= fifths;
        go_on += std::max(sums[3], part + sums[2]);
        hold_back += part + std::max(sums[2], part + sums[1]);
    }
    const auto got = strategy::let_it_ride_choice({25, &table, part, false, 0}, three, 3, 3);
    EXPECT_NEAR(got.go_on, go_on / fourths, 1e-9);
    EXPECT_NEAR(got.hold_back, hold_back / fourths, 1e-9);
}

}  // namespace
}  // namespace dw
