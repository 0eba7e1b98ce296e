#include <numeric>

#include "machine_rig.h"
#include "strategy/hold_analysis.h"

namespace dw {
namespace {

using test::H;
using test::Player;
using test::Rig;

TEST(Strategy, BestHoldsOfKnownHands) {
    const Pay_Table table = test::default_pay_table();
    const strategy::FinalHandTable jacks({1, &table, 5, false, 0}, 2);
    struct Case {
        const char* dealt;
        const char* best;
    } cases[] = {
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
TEST(Strategy, TheEngineAndTheMachinePayAlike) {
    ClockRng choices(5);
    for (GameId g : {GameId{6}, GameId{10}, GameId{21}}) {
        Rig rig;
        Player play{rig};
        for (const char* goody : {"Mnu_Progressive", "Mnu_Royals", "Mnu_Double", "Mnu_Autohold"})
            rig.m.vm.menu(goody).checked = false;
        rig.ready(g, 10000);
        const strategy::FinalHandTable finals({g, &rig.m.pay_table, 5, false, 0}, 2);
        for (int hand = 0; hand < 30; ++hand) {
            play.bet_and_deal(5);
            const Hand dealt = rig.m.cards.hand;
            const auto holds = strategy::analyse_holds(finals, dealt);
            const auto all = std::find_if(holds.begin(), holds.end(), [](const auto& h) { return h.mask == 31; });
            const int32_t before = rig.m.Credits;
            play.hold_and_draw("12345");
            ASSERT_EQ(static_cast<double>(rig.m.Credits - before), all->ev) << "game " << g << ": " << card_text(dealt[0]);
        }
    }
}

TEST(Strategy, ReturnOfNineSixJacksAndItsRows) {
    const Pay_Table table = test::default_pay_table();
    const auto r = strategy::chart_return({1, &table, 5, false, 0}, 2);
    EXPECT_NEAR(r.value, 0.9954390437, 5e-11);
    EXPECT_NEAR(std::accumulate(r.rows.begin(), r.rows.end(), 0.0), 1.0, 1e-9);
    EXPECT_NEAR(r.rows[9], 0.0000247583, 1e-10);
}

}  // namespace
}  // namespace dw
