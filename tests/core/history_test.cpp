#include "files/file_io.h"
#include "machine_rig.h"
#include "records/hand_history.h"

namespace dw {
namespace {

using test::Player;
using test::Rig;

// A scripted session: each hand kept as it was dealt, held, drawn and paid, and written as CSV.
TEST(HandHistory, ASessionAsPlayedAndItsCsv) {
    Rig rig;
    Player play{rig};
    rig.goodies_off();
    rig.ready(1, 100);
    play.stack("JH JD 2C 5S 9H QS 3D 8C");
    play.bet_and_deal(5);
    play.hold_and_draw("12");  // the jacks: QS 3D 8C come
    play.stack("2H 4D 6C 8S TH 3D 5C 7S 9D JC");
    play.bet_and_deal(1);
    play.hold_and_draw("");
    rig.ready(24, rig.m.wallet().Credits);  // Double Down Stud: no draw
    play.stack("AH AD 7C 2S 9H");
    play.bet_and_deal(5);
    rig.m.Btn_Stand_Click();
    rig.m.Btn_Show_Fifth_Click();
    rig.m.Pause_Tick();

    const auto& hands = rig.m.history().hands();
    ASSERT_EQ(hands.size(), 3u);
    EXPECT_EQ(hands[0].held, 0b00011);
    EXPECT_EQ(hands[0].paid, 5);
    EXPECT_EQ(hands[0].row, 1);
    EXPECT_EQ(hands[0].credits, 100);
    EXPECT_EQ(hands[2].held, -1);
    EXPECT_EQ(hands[2].dealt, hands[2].final);
    EXPECT_EQ(rig.m.history().csv(),
              "hand,game,bet,dealt,held,final,paid,loss,credits\r\n"
              "1,Jacks or Better,5,JH JD 2C 5S 9H,JH JD,JH JD QS 3D 8C,5,,100\r\n"
              "2,Jacks or Better,1,2H 4D 6C 8S TH,,3D 5C 7S 9D JC,0,,99\r\n"
              "3,Double Down Stud,5,AH AD 7C 2S 9H,,AH AD 7C 2S 9H," + std::to_string(hands[2].paid) + ",," +
                  std::to_string(hands[2].credits) + "\r\n");
    for (auto [field, written] : {std::pair{"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                 {"two\nlines", "\"two\nlines\""}, {"", ""}})
        EXPECT_EQ(csv_field(field), written);
}

TEST(HandHistory, ExportWritesTheFileChosenOrSaysWhyNot) {
    Rig rig;
    Player play{rig};
    rig.m.Menu_Command("Mnu_Export_History");  // nothing played yet
    EXPECT_EQ(rig.dialogs.asked().back(), "Export Hand History: No hand has been played this session yet.");
    rig.ready(1, 100);
    play.bet_and_deal(5);
    play.hold_and_draw("12345");
    test::TempDir dir;
    const auto path = dir.path / "hands.csv";
    rig.dialogs.save_path = path.string();
    rig.m.Menu_Command("Mnu_Export_History");
    EXPECT_EQ(files::read_text(path, 1 << 20), rig.m.history().csv());
    const size_t asked = rig.dialogs.shown.size();
    rig.dialogs.save_path = (dir.path / "no such folder" / "hands.csv").string();
    rig.m.Menu_Command("Mnu_Export_History");
    ASSERT_EQ(rig.dialogs.shown.size(), asked + 1);
    EXPECT_EQ(rig.dialogs.shown.back().title, "File Error");
    rig.dialogs.save_path.reset();  // Cancel: nothing is written, nothing asked
    rig.m.Menu_Command("Mnu_Export_History");
    EXPECT_EQ(rig.dialogs.shown.size(), asked + 1);
}

}  // namespace
}  // namespace dw
