#include "cards/cheat.h"
#include "games/payouts_model.h"
#include "help/help_file.h"
#include "variants/juicy_jackpots.h"
#include "view/menu_tree.h"
#include "machine_rig.h"
#include "files/file_io.h"

#include <fstream>

namespace dw {
namespace {

using test::Rig;


TEST(HelpFile, ReaderAndItsMessages) {
    struct Case { const char* what; const char* text; HelpFile::Error error; size_t topics; } cases[] = {
        {"one topic of two lines", "HELP FILE\r\nA\r\nx\r\ny\r\n@@##$$EOF$$##@@\r\n", HelpFile::Error::None, 1},
        {"a topic without text", "HELP FILE\r\nA\r\n@@##$$END$$##@@\r\nB\r\nb\r\n@@##$$EOF$$##@@", HelpFile::Error::None, 2},
        {"wrong first line", "Help File\r\nA\r\nx\r\n@@##$$EOF$$##@@\r\n", HelpFile::Error::WrongFirstLine, 0},
        {"no end marker", "HELP FILE\r\nA\r\nx\r\n@@##$$END$$##@@\r\n", HelpFile::Error::Truncated, 0},
        {"cut inside a topic", "HELP FILE\r\nA\r\nx\r\n", HelpFile::Error::Truncated, 0},
        {"empty", "", HelpFile::Error::WrongFirstLine, 0},
    };
    for (const auto& c : cases) {
        const HelpFile f = read_help(c.text);
        EXPECT_EQ(f.error, c.error) << c.what;
        EXPECT_EQ(f.topics.size(), c.topics) << c.what;
    }
    EXPECT_EQ(read_help(cases[0].text).topics[0].text, "x\r\ny");
    EXPECT_EQ(read_help(cases[1].text).topics[0].text, "");
    EXPECT_EQ(help_error_text(HelpFile::Error::WrongFirstLine), "Help File not readable.  Unable to load help.");
    EXPECT_EQ(help_error_text(HelpFile::Error::Truncated), "Help File not readable.  Unable to load Help.");

    const std::vector<HelpTopic> topics = {{"A", "first"}, {"B", "b"}, {"A", "second"}};
    HelpModel twice(topics, "A");
    EXPECT_EQ(twice.selected, 2);
    EXPECT_EQ(twice.Help_Text, "second");
    HelpModel missing(topics, "Nowhere");
    EXPECT_EQ(missing.selected, 0);
    EXPECT_EQ(missing.Help_Text, "");
    missing.select(1);
    missing.View_Button_Click();
    EXPECT_EQ(missing.Help_Text, "b");
    EXPECT_FALSE(missing.done);  // open until Exit
    missing.Exit_Button_Click();
    EXPECT_TRUE(missing.done);
}

TEST(HelpFile, TheMachineRetriesAFileItCouldNotRead) {
    Rig rig;
    test::TempDir dir;
    rig.m.voice().Asset_Directory = dir.path;
    rig.m.Show_Help("Statistics");
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].text, "Help File not available.");
    EXPECT_EQ(rig.dialogs.shown[0].title, "Help!");
    std::ofstream(dir.path / "POKER.HLP", std::ios::binary) << "HELP FILE\r\nStatistics\r\nFigures.\r\n@@##$$EOF$$##@@\r\n";
    EXPECT_TRUE(rig.m.Menu_Command("Mnu_Help_Draw"));
    EXPECT_EQ(rig.dialogs.shown.size(), 1u);
    rig.library.draws.clear();
    rig.m.Menu_Command("Mnu_Keyboard_Help");  // the keys' list, and the cards drawn again after it
    EXPECT_TRUE(rig.dialogs.keyboard.starts_with("P:   Play Credit\r\nM:   Play Max Credits")) << rig.dialogs.keyboard;
    EXPECT_EQ(rig.library.draws.size(), 5u);
    EXPECT_FALSE(rig.m.Menu_Command("Mnu_Exit"));
}

// The help file that ships has every topic the program asks for, each with text.
TEST(HelpFile, TheShippedFileHasEveryTopic) {
    const auto text = files::read_text(std::filesystem::path(DAZZLEWICK_BUILD_DIR) / "POKER.HLP", kMaxHelpSize);
    ASSERT_TRUE(text);
    const HelpFile f = read_help(*text);
    ASSERT_EQ(f.error, HelpFile::Error::None);
    for (const char* topic : {"About Dazzlewick", "Playing Draw Poker", "Playing Double Down Stud", "Playing Let It Ride",
                              "Playing Crazy Eights Double Payout Poker", "Playing Hot Hands Multi-Payout Poker",
                              "Playing Pick Five Poker", "Playing Double Down Draw", "Velmora's Juicy Jackpots",
                              "New Features", "Customize Payouts", "Player Selection", "Statistics", "The Trainer"}) {
        HelpModel m(f.topics, topic);
        EXPECT_EQ(m.Help_List[static_cast<size_t>(m.selected)], topic);
        EXPECT_GT(m.Help_Text.size(), 200u) << topic;
    }
    // Every item of the menus is named in the help as the menu names it, in quotes.
    std::string all;
    for (const auto& t : f.topics) all += t.text;
    for (const MenuEntry& e : menu_tree()) {
        if (e.caption == "-") continue;
        std::string caption;
        for (char c : e.caption)
            if (c != '&') caption += c;
        while (caption.ends_with(' ')) caption.pop_back();
        if (e.depth == 0) EXPECT_NE(all.find(caption + ":"), std::string::npos) << "the " << caption << " menu";
        else EXPECT_NE(all.find("\"" + caption + "\""), std::string::npos) << caption;
    }
    for (const char* topic : {"Card Deck", "Alt Keys", "Deal Speed"}) EXPECT_NE(all.find(topic), std::string::npos) << topic;
}


TEST(PayoutsEditor, BoxesCopyDownAndRestore) {
    Pay_Table table;
    Set_Default_Payouts(table, 0);
    PayoutsModel aces(table, 16);
    EXPECT_EQ(aces.Lbl_Game, "Aces and Eights Bonus Poker");
    const int aces_box = 9, eights_box = 8;  // rows 10 and 9
    ASSERT_FALSE(aces.Txt_Value[eights_box].enabled);
    EXPECT_TRUE(aces.Text_Changed(aces_box, "100"));
    EXPECT_EQ(aces.Txt_Value[eights_box].caption, "100");
    // The chart the return is worked out for while editing: the boxes as they stand.
    const Pay_Table preview = aces.preview(table);
    EXPECT_EQ(preview.pay(16, 10), 100);
    EXPECT_EQ(preview.pay(16, 9), 100);
    EXPECT_EQ(preview.pay(16, 11), table.pay(16, 11));
    EXPECT_TRUE(aces.Text_Changed(1, "1"));  // a pay of one credit is a pay (two pair paid 2)
    EXPECT_EQ(aces.preview(table).pay(16, 2), 1);
    EXPECT_EQ(payouts_title(26), "Velmora's Juicy Jackpots!");
    EXPECT_EQ(payouts_title(27), "");
    aces.Btn_Ok_Click();
    Pay_Table edited = table;
    aces.apply(edited);
    EXPECT_EQ(edited.pay(16, 10), 100);
    EXPECT_EQ(edited.pay(16, 9), 100);

    PayoutsModel faces(table, 17);
    int kings = -1;
    for (int k = 0; k < faces.rows; ++k)
        if (faces.Lbl_Hand[static_cast<size_t>(k)].caption.starts_with("4 Kings")) kings = k;
    ASSERT_GE(kings, 2);
    faces.Text_Changed(kings, "77");
    EXPECT_EQ(faces.Txt_Value[static_cast<size_t>(kings - 1)].caption, "77");
    EXPECT_EQ(faces.Txt_Value[static_cast<size_t>(kings - 2)].caption, "77");

    PayoutsModel jacks(table, 1);
    EXPECT_EQ(jacks.max_length[0], 2);  // "Jacks or Better", pays 1
    EXPECT_EQ(jacks.max_length[8], 3);  // "Royal Flush", pays 250
    EXPECT_FALSE(jacks.Text_Changed(0, "4x"));
    EXPECT_EQ(jacks.Txt_Value[0].caption, "4");
    jacks.Text_Changed(0, "0");
    jacks.Lost_Focus(0);
    EXPECT_EQ(jacks.Txt_Value[0].caption, "1");
    EXPECT_FALSE(PayoutsModel::Key_Press('a'));
    EXPECT_TRUE(PayoutsModel::Key_Press('\b'));

    PayoutsModel side(table, 26);
    EXPECT_EQ(side.rows, 11);
    EXPECT_EQ(side.max_length[10], 5);
    EXPECT_EQ(side.max_length[9], 4);
    EXPECT_EQ(PayoutsModel(table, 22).Lbl_Hand[0].caption, "Jacks or Better:");
}

TEST(PayoutsEditor, OkStoresAndSavesCancelKeepsAll) {
    for (bool ok : {true, false}) {
        Rig rig;
        rig.m.voice().Asset_Directory = DAZZLEWICK_BUILD_DIR;  // where the help file is built
        rig.dialogs.payouts_script = [ok, &rig](PayoutsModel& p) {
            EXPECT_EQ(&p.source(), &rig.m.pay_table());  // the return is worked out from the machine's charts
            p.help();
            p.Text_Changed(8, "300");
            if (ok) p.Btn_Ok_Click();
            else p.Btn_Cancel_Click();
            EXPECT_TRUE(p.done);  // either closes the editor
            EXPECT_EQ(p.ok, ok);
        };
        rig.m.Menu_Command("Mnu_Program_Payouts");
        EXPECT_EQ(rig.m.pay_table().pay(1, 9), ok ? 300 : 250);
        EXPECT_EQ(rig.store.has("PAYOUTS.VPK"), ok);
        EXPECT_EQ(rig.m.view().Lbl_Pay[2].caption.find("300") != std::string::npos, ok);
        EXPECT_EQ(rig.dialogs.helps, std::vector<std::string>{"Customize Payouts"});
    }
}

// The side bet's chart edited from its window: the window shows the new pays at once.
TEST(PayoutsEditor, TheSideBetsChartShowsItsNewPays) {
    Rig rig;
    rig.dialogs.payouts_script = [](PayoutsModel& p) {
        p.Text_Changed(0, "9");
        p.Btn_Ok_Click();
    };
    rig.m.Juicy_Customize_Click();
    EXPECT_EQ(rig.m.pay_table().pay(kSideBetSlot, 1), 9);
    EXPECT_EQ(rig.m.juicy_view().Hand_Value[0].caption, "9 Coins");
}


TEST(Cheat, NumbersTheDeckAndMovesWithinIt) {
    Rig rig;
    rig.m.Select_Game(10);
    CheatModel cheat(rig.m.table().cards, deck_size(10));
    ASSERT_EQ(cheat.Lst_Cards.size(), 54u);
    EXPECT_EQ(std::count_if(cheat.Lst_Cards.begin(), cheat.Lst_Cards.end(),
                            [](const std::string& e) { return e.ends_with("Joker"); }),
              2);
    EXPECT_EQ(cheat_entry(7, make_card(12, 'H')), "#07:  Queen of Hearts");
    EXPECT_EQ(cheat_entry(23, make_card(10, 'S')), "#23:  10 of Spades");

    const auto before = cheat.Lst_Cards;
    cheat.Btn_Up_Click();  // the first entry stays
    cheat.selected = 53;
    cheat.Key_Press('d');  // the last too
    EXPECT_EQ(cheat.Lst_Cards, before);

    const CardCode moved = rig.m.table().cards.Deck[12];
    cheat.selected = 11;
    for (int i = 0; i < 3; ++i) cheat.Key_Press('U');
    EXPECT_EQ(cheat.selected, 8);
    EXPECT_EQ(rig.m.table().cards.Deck[9], moved);
    EXPECT_EQ(cheat.Lst_Cards[8], cheat_entry(9, moved));
    EXPECT_EQ(cheat.Lst_Cards[11].substr(0, 3), "#12");
    cheat.Btn_Down_Click();  // one place down again
    EXPECT_EQ(cheat.selected, 9);
    EXPECT_EQ(rig.m.table().cards.Deck[10], moved);
}

}  // namespace
}  // namespace dw
