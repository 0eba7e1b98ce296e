#include "errors.h"
#include "games/catalogue.h"
#include "machine_rig.h"

namespace dw {
namespace {

using test::Rig;

std::vector<std::string> checked_games(const Machine& m) {
    std::vector<std::string> out;
    for (const auto& g : kGames)
        if (m.vm.menu(g.menu_item).checked) out.emplace_back(g.menu_item);
    return out;
}

TEST(CheckMenu, SwitchesTheWindowOverToEachGame) {
    for (const auto& g : kGames) {
        Rig rig;
        rig.m.Select_Game(g.id);
        const auto& vm = rig.m.vm;
        EXPECT_EQ(checked_games(rig.m), std::vector<std::string>{std::string(g.menu_item)});
        EXPECT_EQ(vm.Lst_Games.picture, g.id - 1);
        EXPECT_FALSE(vm.menu("Mnu_Double_Down_Deuces").visible);
        EXPECT_EQ(vm.menu("Mnu_Juicy_Jackpots").enabled, g.side_bet) << g.id;
        EXPECT_EQ(vm.Lbl_Pay[0].caption, "Winning Hands for " + std::string(g.chart_title));
        EXPECT_EQ(rig.m.Top_Award, g.top_award);
        EXPECT_EQ(rig.m.Max_Bet, g.max_bet);

        const bool ride = g.id == 25, stud = g.id == 24;
        EXPECT_EQ(vm.Lbl_CoinSlot.caption, ride ? "Play Three to Fifteen Coins" : "Play One to Five Coins");
        EXPECT_EQ(vm.Btn_Play_Credit.caption, ride ? "&Play 3!" : "&Play 1!");
        for (const auto& hold : vm.Btn_Hold) EXPECT_EQ(hold.visible, !ride && !stud) << g.id;
        EXPECT_EQ(vm.Btn_Double.visible, ride || stud);
        EXPECT_EQ(vm.Btn_Stand.visible, ride || stud);
        if (ride || stud) {
            EXPECT_FALSE(vm.Btn_Double.enabled);
            EXPECT_FALSE(vm.Btn_Stand.enabled);
            EXPECT_EQ(vm.Btn_Double.caption, stud ? "&Double Down!" : "Take &Back 1/3");
            EXPECT_EQ(vm.Btn_Stand.caption, stud ? "&Stand Pat!" : "&Let It Ride!");
        }
        const char* multi = g.id == 20   ? "Three or Four 8's on the Deal is a Winner!"
                            : g.id == 21 ? "All Winning Combinations Paid: One Payout Per Pay Line!"
                            : g.id == 23 ? "Double Your Bet on a Winning Deal!"
                                         : "";
        EXPECT_EQ(vm.Lbl_Multi_Payout.caption, multi);
    }
}

TEST(CheckMenu, BetButtonsFollowTheCredits) {
    struct Case {
        GameId game;
        int32_t credits;
        bool play_credit, play_max;
    } cases[] = {{1, 0, false, false}, {1, 1, true, false}, {1, 4, true, false}, {1, 5, true, true},
                 {25, 2, false, false}, {25, 3, true, false}, {25, 14, true, false}, {25, 15, true, true}};
    for (const auto& c : cases) {
        Rig rig;
        rig.m.Credits = c.credits;
        rig.m.Select_Game(c.game);
        EXPECT_EQ(rig.m.vm.Btn_Play_Credit.enabled, c.play_credit) << c.game << "/" << c.credits;
        EXPECT_EQ(rig.m.vm.Btn_Play_5.enabled, c.play_max) << c.game << "/" << c.credits;
    }
}

TEST(CheckMenu, EverySelectionShufflesAgain) {
    Rig rig;
    const auto first = rig.m.cards.Deck;
    rig.m.Select_Game(1);
    EXPECT_NE(rig.m.cards.Deck, first);
    EXPECT_EQ(rig.m.cards.Next_Card, 1);
}

TEST(CheckMenu, ListClicksAreIgnoredWhileTheListIsBeingWritten) {
    Rig rig;
    rig.m.Lst_Games_Click(3);
    EXPECT_EQ(rig.m.game, 4);
    EXPECT_EQ(checked_games(rig.m), std::vector<std::string>{"Mnu_Deuces"});
    rig.m.Game_List_Busy = true;
    rig.m.Lst_Games_Click(7);
    EXPECT_EQ(rig.m.game, 4);
    rig.m.Game_List_Busy = false;
    rig.m.Select_Game_Menu("Mnu_Double_Down_Deuces");
    EXPECT_EQ(rig.m.game, 4);
    rig.m.Select_Game_Menu("Mnu_Ride");
    EXPECT_EQ(rig.m.game, 25);
    EXPECT_EQ(rig.m.vm.Lst_Games.picture, 24);
}

TEST(CheckMenu, AGameOutsideTheCatalogueIsAnInternalError) {
    for (GameId bad : {GameId{0}, GameId{26}, GameId{-3}}) {
        Rig rig;
        rig.m.game = bad;
        try {
            rig.m.Check_Menu();
            ADD_FAILURE() << bad;
        } catch (const FatalError& e) {
            EXPECT_EQ(e.text, "Internal Error in Check_Menu");
            EXPECT_EQ(e.title, "Error!");
        }
    }
    Rig rig;
    // A menu item that does not exist is an internal error the host shows, never a crash.
    try {
        rig.m.vm.menu("Mnu_Jackz");
        ADD_FAILURE() << "a misspelt menu item";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.text, "There is no menu item Mnu_Jackz.");
    }
    // The side bet's chart is edited by its slot, so the game is never 26 and 26 is no game either.
    for (GameId bad : {0, 26, 27}) {
        rig.m.game = bad;
        EXPECT_THROW(rig.m.Display_Progressive_Payout(), FatalError) << bad;
    }
}

}  // namespace
}  // namespace dw
