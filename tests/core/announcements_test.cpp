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

// The key sound of every announcement, as the rules' sound table lists them.
std::map<std::string, std::string> key_sounds() {
    const std::pair<const char*, std::vector<const char*>> by_sound[] = {
        {"jacks1.wav", {"One Pair (Jacks or Better)"}}, {"tens1.wav", {"One Pair (Tens or Better)"}},
        {"Kings1.wav", {"One Pair (Kings or Better)"}}, {"sixes.wav", {"One Pair (Sixes-Tens)"}},
        {"twopair1.wav", {"Two Pairs!"}}, {"threeknd.wav", {"Three of a Kind!", "Three Fives!"}},
        {"straight.wav", {"Straight!"}}, {"flush.wav", {"Flush!"}}, {"fullhous.wav", {"Full House!"}},
        {"fourkind.wav", {"Four of a Kind!", "Four of a Kind (5-K)!", "Four of a Kind (2-4)!", "Four Aces!  Wow!",
                          "Four of a Kind (2-4) plus A-4!  Wow!", "Four Aces plus 2-4!  Wow!", "Four Jacks!",
                          "Four Queens!", "Four Kings!", "Four Aces!", "Four Sevens!", "Four Eights!", "Four Fives!"}},
        {"strflush.wav", {"Straight Flush!", "* Straight Flush! *"}},
        {"fivekind.wav", {"Five of a Kind!", "** Five of a Kind! **", "Five of a Kind (6-K)!", "Five of a Kind (3-5)!",
                          "Five Aces!", "Four Deuces!", "Four Deuces and Ace!", "4 Deuces and Joker!",
                          "** Hot!  Multiple Combinations! **"}},
        {"rylflush.wav", {"** ROYAL FLUSH! **", "** NATURAL ROYAL FLUSH! **", "Wild Royal Flush!", "* Royal Flush with Joker! *"}},
    };
    std::map<std::string, std::string> m;
    for (const auto& [sound, texts] : by_sound)
        for (const char* t : texts) m[t] = sound;
    return m;
}

TEST(Announcements, EveryCodeOfEveryGameFollowsTheRulesTable) {
    const auto sounds = key_sounds();
    for (const auto& [game, row] : rules_table()) {
        for (size_t i = 0; i < row.size(); ++i) {
            const HandCode code = static_cast<HandCode>(i + 1);
            const auto text = announcement(static_cast<GameId>(game), code);
            ASSERT_TRUE(text) << "game " << game << " code " << code;
            EXPECT_EQ(*text, row[i]) << "game " << game << " code " << code;
            ASSERT_TRUE(sounds.count(row[i])) << row[i];
            EXPECT_EQ(announcement_key(*text), sounds.at(row[i])) << "game " << game << " code " << code;
        }
        EXPECT_FALSE(announcement(static_cast<GameId>(game), static_cast<HandCode>(row.size() + 1)))
            << "game " << game << " has no code past its table";
    }
}

// The name each game's payoff gives a final hand, code by code, as the rules list them.
std::map<int, Row> payoff_names() {
    const Row jacks = {"One Pair (Jacks or Better)", "Two Pairs", "Three of a Kind", "Straight", "Flush",
                       "Full House", "Four of a Kind", "Great!  Straight Flush", "** BIG PAYOFF! **  Royal Flush"};
    const auto first = [&](size_t n, Row tail) {
        Row r(jacks.begin(), jacks.begin() + static_cast<long>(n));
        r.insert(r.end(), tail.begin(), tail.end());
        return r;
    };
    const Row top = {"Great!  Straight Flush", "** BIG PAYOFF! **  Royal Flush"};
    std::map<int, Row> t;
    t[1] = t[23] = jacks;
    t[3] = t[25] = jacks;
    t[3][0] = t[25][0] = "One Pair (Tens or Better)";
    t[2] = t[22] = jacks;
    t[2][6] = t[22][6] = "Great! Four of a Kind";
    t[4] = {"Three of a Kind", "Straight", "Flush", "Full House", "Four of a Kind", "Straight Flush", "Five of a Kind",
            "Wild Royal Flush", "Great!  Four Deuces", "* BIG PAYOFF! * Natural Royal Flush"};
    t[5] = {"Three of a Kind", "Straight", "Flush", "Full House", "Four of a Kind", "Straight Flush",
            "Wild Royal Flush", "5 of a Kind (6-K)", "5 of a Kind (3-5)", "Wow!  Five Aces", "Great!  Four Deuces",
            "Four Deuces and Ace", "* BIG PAYOFF! * Natural Royal Flush"};
    t[6] = t[4];
    t[6].push_back("* BIG PAYOFF! * 4 Deuces and Joker");
    t[7] = first(7, {"Great!  Straight Flush", "Great!  Royal Flush w/Joker", "Great!  5 of a Kind",
                     "* BIG PAYOFF! * Natural Royal Flush"});
    t[8] = t[7];
    t[8][0] = "One Pair (Kings or Better)";
    t[9] = Row(t[7].begin() + 1, t[7].end());
    t[10] = t[9];
    std::swap(t[10][7], t[10][8]);
    t[11] = t[12] = t[13] = first(6, {"Great! Four of a Kind (5-K)", "Great! Four of a Kind (2-4)", "Wow! Four Aces",
                                      top[0], top[1]});
    t[14] = first(6, {"Great! Four of a Kind (5-K)", "Great! Four of a Kind (2-4)", "Wow! Four Aces",
                      "Great!  Four of a Kind (2-4) plus A-4", "Great!  Four Aces plus 2-4", top[0], top[1]});
    t[15] = first(6, {"Great! Four of a Kind", "Great! 4 Queens", "Great! 4 Kings", "Great! 4 Aces", top[0], top[1]});
    t[16] = first(6, {"Great! Four of a Kind", "Great! 4 Sevens", "Great! 4 Eights", "Great! 4 Aces", top[0], top[1]});
    t[17] = first(6, {"Great! Four of a Kind", "Great! 4 Jacks", "Great! 4 Queens", "Great! 4 Kings", "Great! 4 Aces",
                      top[0], top[1]});
    t[18] = first(3, {"3 Fives", "Straight", "Flush", "Full House", "Great! Four of a Kind", "Great! 4 Fives", top[0],
                      top[1]});
    t[19] = first(6, {"Great! Four of a Kind", "Great! 4 Sevens", top[0], top[1]});
    t[21] = jacks;
    t[21].push_back("Wow!  Multiple Combination");
    t[24] = {"One Pair (Sixes through Tens)"};
    t[24].insert(t[24].end(), jacks.begin(), jacks.end());
    return t;
}

TEST(Announcements, EveryPayoffNameFollowsTheRules) {
    for (const auto& [game, row] : payoff_names()) {
        EXPECT_EQ(payoff_name(game, 0), "Sorry, try again!") << game;
        for (size_t i = 0; i < row.size(); ++i)
            EXPECT_EQ(payoff_name(game, static_cast<HandCode>(i + 1)), row[i]) << "game " << game << " code " << i + 1;
        EXPECT_FALSE(payoff_name(game, static_cast<HandCode>(row.size() + 1))) << game;
        EXPECT_FALSE(payoff_name(game, -1)) << game;
    }
    for (GameId game : {0, 26}) EXPECT_FALSE(payoff_name(game, 1)) << game;
}

}  // namespace
}  // namespace dw
