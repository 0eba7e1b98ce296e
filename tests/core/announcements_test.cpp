// Every announcement of every game, as the rules' table lists them code by code, with its sound.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "eval/evaluators.h"
#include "games/announcements.h"

namespace dw {
namespace {

using Row = std::vector<std::string>;

Row jacks(const std::string& pair) {
    return {pair,          "Two Pairs!",      "Three of a Kind!", "Straight!",          "Flush!",
            "Full House!", "Four of a Kind!", "* Straight Flush! *", "** ROYAL FLUSH! **"};
}
Row first7_then(Row tail) {
    Row r = jacks("One Pair (Jacks or Better)");
    r.resize(7);
    r.insert(r.end(), tail.begin(), tail.end());
    return r;
}

std::map<int, Row> rules_table() {
    std::map<int, Row> t;
    for (int g : {1, 2, 22, 23}) t[g] = jacks("One Pair (Jacks or Better)");
    for (int g : {3, 25}) t[g] = jacks("One Pair (Tens or Better)");
    t[4] = {"Three of a Kind!", "Straight!",       "Flush!",           "Full House!",  "Four of a Kind!",
            "Straight Flush!",  "Five of a Kind!", "Wild Royal Flush!", "Four Deuces!", "** NATURAL ROYAL FLUSH! **"};
    t[5] = {"Three of a Kind!", "Straight!", "Flush!", "Full House!", "Four of a Kind!", "Straight Flush!",
            "Wild Royal Flush!", "Five of a Kind (6-K)!", "Five of a Kind (3-5)!", "Five Aces!", "Four Deuces!",
            "Four Deuces and Ace!", "** NATURAL ROYAL FLUSH! **"};
    t[6] = t[4];
    t[6].push_back("4 Deuces and Joker!");
    t[7] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Straight!", "Flush!", "Full House!",
            "Four of a Kind!", "* Straight Flush! *", "* Royal Flush with Joker! *", "** Five of a Kind! **",
            "** NATURAL ROYAL FLUSH! **"};
    t[8] = t[7];
    t[8][0] = "One Pair (Kings or Better)";
    t[9] = Row(t[7].begin() + 1, t[7].end());
    t[10] = t[9];
    std::swap(t[10][7], t[10][8]);
    for (int g : {11, 12, 13})
        t[g] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Straight!", "Flush!", "Full House!",
                "Four of a Kind (5-K)!", "Four of a Kind (2-4)!", "Four Aces!  Wow!", "* Straight Flush! *",
                "** ROYAL FLUSH! **"};
    t[14] = Row(t[11].begin(), t[11].begin() + 9);
    t[14].insert(t[14].end(), {"Four of a Kind (2-4) plus A-4!  Wow!", "Four Aces plus 2-4!  Wow!",
                               "* Straight Flush! *", "** ROYAL FLUSH! **"});
    t[15] = first7_then({"Four Queens!", "Four Kings!", "Four Aces!", "* Straight Flush! *", "** ROYAL FLUSH! **"});
    t[16] = first7_then({"Four Sevens!", "Four Eights!", "Four Aces!", "* Straight Flush! *", "** ROYAL FLUSH! **"});
    t[17] = first7_then({"Four Jacks!", "Four Queens!", "Four Kings!", "Four Aces!", "* Straight Flush! *",
                         "** ROYAL FLUSH! **"});
    t[18] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Three Fives!", "Straight!", "Flush!",
             "Full House!", "Four of a Kind!", "Four Fives!", "* Straight Flush! *", "** ROYAL FLUSH! **"};
    t[19] = first7_then({"Four Sevens!", "* Straight Flush! *", "** ROYAL FLUSH! **"});
    t[20] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Three of a Kind!", "Straight!", "Flush!",
             "Full House!", "Four of a Kind!", "Four of a Kind!", "* Straight Flush! *", "** ROYAL FLUSH! **"};
    t[21] = jacks("One Pair (Jacks or Better)");
    t[21].push_back("** Hot!  Multiple Combinations! **");
    t[24] = {"One Pair (Sixes-Tens)", "One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Straight!",
             "Flush!", "Full House!", "Four of a Kind!", "* Straight Flush! *", "** ROYAL FLUSH! **"};
    return t;
}

// The key sound of an announcement, by the rules' sound table.
std::string rules_sound(const std::string& text) {
    auto has = [&](const char* part) { return text.find(part) != std::string::npos; };
    if (has("(Jacks or Better)")) return "jacks1.wav";
    if (has("(Tens or Better)")) return "tens1.wav";
    if (has("(Kings or Better)")) return "Kings1.wav";
    if (has("(Sixes-Tens)")) return "sixes.wav";
    if (has("Two Pairs")) return "twopair1.wav";
    if (has("ROYAL") || has("Royal")) return "rylflush.wav";
    if (has("Straight Flush")) return "strflush.wav";
    if (has("Five of a Kind") || has("Five Aces") || has("Deuces") || has("Hot!")) return "fivekind.wav";
    if (text.rfind("Four", 0) == 0) return "fourkind.wav";
    if (text.rfind("Three", 0) == 0) return "threeknd.wav";
    if (text == "Straight!") return "straight.wav";
    if (text == "Flush!") return "flush.wav";
    if (text == "Full House!") return "fullhous.wav";
    return "?";
}

TEST(Announcements, EveryCodeOfEveryGameFollowsTheRulesTable) {
    for (const auto& [game, row] : rules_table()) {
        for (size_t i = 0; i < row.size(); ++i) {
            const HandCode code = static_cast<HandCode>(i + 1);
            const auto text = announcement(static_cast<GameId>(game), code);
            ASSERT_TRUE(text) << "game " << game << " code " << code;
            EXPECT_EQ(*text, row[i]) << "game " << game << " code " << code;
            EXPECT_EQ(announcement_key(*text), rules_sound(row[i])) << "game " << game << " code " << code;
        }
        EXPECT_FALSE(announcement(static_cast<GameId>(game), static_cast<HandCode>(row.size() + 1)))
            << "game " << game << " has no code past its table";
    }
}

}  // namespace
}  // namespace dw
