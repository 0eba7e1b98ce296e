#include "errors.h"
#include "games/catalogue.h"
#include "view/menu_tree.h"

#include <map>
#include "machine_rig.h"

namespace dw {
namespace {

using test::Rig;

std::vector<std::string> checked_games(const Machine& m) {
    std::vector<std::string> out;
    for (const auto& g : kGames)
        if (m.view().menu(g.menu_item).checked) out.emplace_back(g.menu_item);
    return out;
}

// The catalogue as the rules give it: each game's top award and maximum bet, its jokers and wild
// deuces, its flow and bets; the fixed top prize is the chart's top row.
TEST(Catalogue, EveryGameAsTheRulesGiveIt) {
    const int32_t top_awards[] = {4000, 4000, 4000, 4000, 4000, 10000, 5000, 4000, 5000, 4000, 4000, 4000, 4000,
                                  4000, 4000, 4000, 4000, 4000, 4000, 4000, 4000, 4000, 5000, 10000, 15000};
    for (const auto& info : kGames) {
        const int g = info.id;
        ASSERT_EQ(&info, &game_info(info.id));
        EXPECT_EQ(info.top_award, top_awards[g - 1]) << g;
        EXPECT_EQ(info.max_bet, g == 25 ? 15 : g >= 23 ? 10 : 5) << g;
        EXPECT_EQ(info.jokers, g == 10 ? 2 : (g >= 6 && g <= 9) ? 1 : 0) << g;
        EXPECT_EQ(info.deuces_wild, g >= 4 && g <= 6) << g;
        EXPECT_EQ(info.flow, g == 22 ? Flow::PickFive : g == 24 ? Flow::Stud : g == 25 ? Flow::Ride : Flow::Draw) << g;
        EXPECT_EQ(info.full_bet, g == 25 ? 15 : 5) << g;
        EXPECT_EQ(info.bet_step, g == 25 ? 3 : 1) << g;
        EXPECT_EQ(info.side_bet, g <= 3 || (g >= 11 && g <= 21) || g == 23) << g;
        // Deuces and Joker's four deuces with the joker top the chart above its natural royal.
        const TopPrize& highest = info.second_top.code != 0 ? info.second_top : info.top;
        if (highest.code != 0) {
            EXPECT_EQ(highest.code, static_cast<int>(default_chart(g).size())) << g;
            EXPECT_EQ(highest.amount, info.top_award) << g;
        }
    }
}

// The menu tree: each game's item under its own sub-menu or straight under Game.
TEST(MenuTree, EveryItemUnderItsParent) {
    std::map<std::string_view, std::string_view> parent;
    std::vector<std::string_view> open, menus, top;
    const auto& tree = menu_tree();
    for (size_t i = 0; i < tree.size(); ++i) {
        const auto& e = tree[i];
        ASSERT_LE(static_cast<size_t>(e.depth), open.size()) << e.name << " skips a level";
        open.resize(static_cast<size_t>(e.depth));
        parent[e.name] = e.depth == 0 ? "" : open.back();
        open.push_back(e.name);
        if (e.depth == 0) top.push_back(e.name);
        if (i + 1 < tree.size() && tree[i + 1].depth > e.depth) menus.push_back(e.name);
    }
    // The menu bar, and the only entries that open a menu of their own.
    EXPECT_EQ(top, (std::vector<std::string_view>{"Mnu_File_Header", "Mnu_Game_Header", "Mnu_Goodies", "Mnu_Cashier",
                                                  "Mnu_Stats_Hdr", "Mnu_Options", "Mnu_Trainer", "Mnu_Windows",
                                                  "Mnu_Help_Header"}));
    EXPECT_EQ(menus, (std::vector<std::string_view>{"Mnu_File_Header", "Mnu_Setup_Heading", "Mnu_Game_Header",
                                                    "Mnu_Joker", "Mnu_Bonus_Header", "Mnu_Goodies", "Mnu_Hands", "Mnu_Cashier",
                                                    "Mnu_Stats_Hdr", "Mnu_Options", "Mnu_Trainer", "Mnu_Windows",
                                                    "Mnu_Help_Header", "Mnu_Help_How"}));
    for (const auto& info : kGames) {
        const int g = info.id;
        const char* expected = g >= 7 && g <= 9 ? "Mnu_Joker" : g >= 11 && g <= 19 ? "Mnu_Bonus_Header" : "Mnu_Game_Header";
        EXPECT_EQ(parent[info.menu_item], expected) << info.menu_item;
    }
    std::vector<std::string_view> file;
    for (const auto& [item, above] : parent)
        if (above == "Mnu_File_Header") file.push_back(item);
    std::sort(file.begin(), file.end());
    EXPECT_EQ(file, (std::vector<std::string_view>{"Mnu_Exit", "Mnu_Export_History", "Mnu_File_Dmy3", "Mnu_File_Dummy", "Mnu_New_Game",
                                                    "Mnu_Player", "Mnu_Setup_Heading"}));
    for (const char* item : {"Mnu_Cheat", "Mnu_Program_Payouts", "Mnu_Reset_All_Winnings"})
        EXPECT_EQ(parent[item], "Mnu_Options") << item;
    for (const char* item : {"Mnu_Fancy_Cards", "Mnu_Sound"}) EXPECT_EQ(parent[item], "Mnu_Setup_Heading") << item;
    for (const char* item : {"Mnu_Show_Best_Hold", "Mnu_Mistake_Alert"}) EXPECT_EQ(parent[item], "Mnu_Trainer") << item;
    // Every item that does not open a menu is a command the machine knows, but the window's own and
    // the stud game with deuces wild, which the menu shows and which does nothing.
    std::vector<std::string_view> unknown;
    for (const auto& e : tree) {
        if (e.caption == "-" || std::find(menus.begin(), menus.end(), e.name) != menus.end()) continue;
        Rig rig;
        rig.dialogs.answers.assign(4, MsgAnswer::Cancel);
        if (!rig.m.Menu_Command(e.name)) unknown.push_back(e.name);
    }
    EXPECT_EQ(unknown, (std::vector<std::string_view>{"Mnu_Exit", "Mnu_Double_Down_Deuces", "Mnu_About"}));
}

// Each game's choice: its menu mark and list entry, its chart, and the buttons and captions of its family.
TEST(CheckMenu, SwitchesTheWindowOverToEachGame) {
    for (const auto& g : kGames) {
        Rig rig;
        rig.m.Select_Game(g.id);
        const auto& vm = rig.m.view();
        EXPECT_EQ(checked_games(rig.m), std::vector<std::string>{std::string(g.menu_item)});
        EXPECT_EQ(std::tuple(vm.Lst_Games.picture, vm.menu("Mnu_Juicy_Jackpots").enabled, rig.m.chart_panel().Top_Award,
                             rig.m.chart_panel().Max_Bet, vm.Lbl_Pay[0].caption),
                  std::tuple(g.id - 1, g.side_bet, g.top_award, g.max_bet, "Winning Hands for " + std::string(g.chart_title)));
        const bool ride = g.id == 25, stud = g.id == 24;
        EXPECT_EQ(vm.Lbl_CoinSlot.caption + "|" + vm.Btn_Play_Credit.caption,
                  ride ? "Play Three to Fifteen Coins|&Play 3!" : "Play One to Five Coins|&Play 1!");
        if (ride || stud) {
            EXPECT_EQ(vm.Btn_Double.caption + "|" + vm.Btn_Stand.caption, stud ? "&Double Down!|&Stand Pat!" : "Take &Back 1/3|&Let It Ride!");
            EXPECT_FALSE(vm.Btn_Double.enabled || vm.Btn_Stand.enabled);
        }
        for (const auto& hold : vm.Btn_Hold) EXPECT_EQ(hold.visible, !ride && !stud) << g.id;
        EXPECT_EQ(vm.Btn_Double.visible && vm.Btn_Stand.visible, ride || stud);
        EXPECT_FALSE(vm.menu("Mnu_Double_Down_Deuces").visible);
        if (g.id == 5 || g.id == 16) EXPECT_EQ(vm.Lbl_Pay[0].font_size, g.id == 5 ? 8.25 : 9.75);  // the chart's own title size
        EXPECT_EQ(vm.Lbl_Multi_Payout.caption, g.id == 20   ? "Three or Four 8's on the Deal is a Winner!"
                                               : g.id == 21 ? "All Winning Combinations Paid: One Payout Per Pay Line!"
                                               : g.id == 23 ? "Double Your Bet on a Winning Deal!"
                                                            : "");
    }
}

// The bet buttons follow the credits left for the bet: at a game's choice and after single coins.
TEST(CheckMenu, BetButtonsFollowTheCredits) {
    struct Case {
        GameId game;
        int32_t credits;
        bool play_credit, play_max, side_bet = false;  // the side bet on: the maximum is one coin more
        int singles = 0;                               // coins bet one at a time before the check
    } cases[] = {{1, 0, false, false}, {1, 1, true, false}, {1, 4, true, false}, {1, 5, true, true},
                 {25, 2, false, false}, {25, 3, true, false}, {25, 14, true, false}, {25, 15, true, true},
                 {1, 5, true, false, true}, {1, 6, true, true, true}, {25, 15, true, true, true},
                 {1, 1, false, false, false, 1}, {1, 5, true, true, false, 1}, {1, 4, true, false, false, 1},
                 {1, 2, false, false, false, 2}};
    for (const auto& c : cases) {
        Rig rig;
        rig.m.view().menu("Mnu_Juicy_Jackpots").checked = c.side_bet;
        rig.m.wallet().Credits = c.credits;
        rig.m.Select_Game(c.game);
        for (int i = 0; i < c.singles; ++i) rig.m.Bet_One_Credit();
        EXPECT_EQ(rig.m.view().Btn_Play_Credit.enabled, c.play_credit) << c.game << "/" << c.credits << "/" << c.singles;
        EXPECT_EQ(rig.m.view().Btn_Play_5.enabled, c.play_max) << c.game << "/" << c.credits << "/" << c.singles;
    }
}

// The list and the menu choose the game, each choice shuffles again, and a misspelt menu name is
// an internal error, never a crash.
TEST(CheckMenu, TheListAndTheMenuNamesChooseTheGame) {
    Rig rig;
    const auto first = rig.m.table().cards.Deck;
    rig.m.Lst_Games_Click(3);
    EXPECT_EQ(rig.m.game(), 4);
    EXPECT_NE(rig.m.table().cards.Deck, first);
    EXPECT_EQ(rig.m.table().cards.Next_Card, 1);
    EXPECT_EQ(checked_games(rig.m), std::vector<std::string>{"Mnu_Deuces"});
    rig.m.Menu_Command("Mnu_Double_Down_Deuces");
    EXPECT_EQ(rig.m.game(), 4);
    rig.m.Menu_Command("Mnu_Ride");
    EXPECT_EQ(std::pair(rig.m.game(), rig.m.view().Lst_Games.picture), std::pair(GameId{25}, 24));
    try {
        rig.m.view().menu("Mnu_Jackz");
        ADD_FAILURE() << "a misspelt menu item";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.text, "There is no menu item Mnu_Jackz.");
    }
}

}  // namespace
}  // namespace dw
