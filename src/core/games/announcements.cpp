#include "games/announcements.h"

#include <vector>

namespace dw {

namespace {

using Names = std::vector<std::string_view>;

Names jacks_family(std::string_view pair) {
    return {pair,          "Two Pairs!",      "Three of a Kind!", "Straight!",          "Flush!",
            "Full House!", "Four of a Kind!", "* Straight Flush! *", "** ROYAL FLUSH! **"};
}
Names first_seven_then(Names tail) {
    Names n = jacks_family("One Pair (Jacks or Better)");
    n.resize(7);
    n.insert(n.end(), tail.begin(), tail.end());
    return n;
}
Names deuces() {
    return {"Three of a Kind!", "Straight!",        "Flush!",          "Full House!",  "Four of a Kind!",
            "Straight Flush!",  "Five of a Kind!",  "Wild Royal Flush!", "Four Deuces!", "** NATURAL ROYAL FLUSH! **"};
}
Names jokers(std::string_view pair) {
    return {pair,
            "Two Pairs!",
            "Three of a Kind!",
            "Straight!",
            "Flush!",
            "Full House!",
            "Four of a Kind!",
            "* Straight Flush! *",
            "* Royal Flush with Joker! *",
            "** Five of a Kind! **",
            "** NATURAL ROYAL FLUSH! **"};
}
// The bonus games split the four of a kind itself: code 7 is the first of their own rows.
Names bonus() {
    Names n = first_seven_then({});
    n.resize(6);
    n.insert(n.end(), {"Four of a Kind (5-K)!", "Four of a Kind (2-4)!", "Four Aces!  Wow!", "* Straight Flush! *",
                       "** ROYAL FLUSH! **"});
    return n;
}

const std::vector<Names>& announcement_table() {
    static const std::vector<Names> table = [] {
        std::vector<Names> t(26);
        t[1] = t[2] = t[22] = t[23] = jacks_family("One Pair (Jacks or Better)");
        t[3] = t[25] = jacks_family("One Pair (Tens or Better)");
        t[4] = deuces();
        t[5] = {"Three of a Kind!", "Straight!",          "Flush!",             "Full House!",
                "Four of a Kind!",  "Straight Flush!",    "Wild Royal Flush!",  "Five of a Kind (6-K)!",
                "Five of a Kind (3-5)!", "Five Aces!",    "Four Deuces!",       "Four Deuces and Ace!",
                "** NATURAL ROYAL FLUSH! **"};
        t[6] = deuces();
        t[6].push_back("4 Deuces and Joker!");
        t[7] = jokers("One Pair (Jacks or Better)");
        t[8] = jokers("One Pair (Kings or Better)");
        t[9] = jokers("");
        t[9].erase(t[9].begin());
        t[10] = t[9];
        std::swap(t[10][7], t[10][8]);
        t[11] = t[12] = t[13] = bonus();
        t[14] = bonus();
        t[14].resize(9);
        t[14].insert(t[14].end(), {"Four of a Kind (2-4) plus A-4!  Wow!", "Four Aces plus 2-4!  Wow!",
                                   "* Straight Flush! *", "** ROYAL FLUSH! **"});
        t[15] = first_seven_then({"Four Queens!", "Four Kings!", "Four Aces!", "* Straight Flush! *",
                                  "** ROYAL FLUSH! **"});
        t[16] = first_seven_then({"Four Sevens!", "Four Eights!", "Four Aces!", "* Straight Flush! *",
                                  "** ROYAL FLUSH! **"});
        t[17] = first_seven_then({"Four Jacks!", "Four Queens!", "Four Kings!", "Four Aces!", "* Straight Flush! *",
                                  "** ROYAL FLUSH! **"});
        t[18] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Three Fives!", "Straight!",
                 "Flush!", "Full House!", "Four of a Kind!", "Four Fives!", "* Straight Flush! *",
                 "** ROYAL FLUSH! **"};
        t[19] = first_seven_then({"Four Sevens!", "* Straight Flush! *", "** ROYAL FLUSH! **"});
        t[20] = {"One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!", "Three of a Kind!", "Straight!",
                 "Flush!", "Full House!", "Four of a Kind!", "Four of a Kind!", "* Straight Flush! *",
                 "** ROYAL FLUSH! **"};
        t[21] = jacks_family("One Pair (Jacks or Better)");
        t[21].push_back("** Hot!  Multiple Combinations! **");
        t[24] = {"One Pair (Sixes-Tens)", "One Pair (Jacks or Better)", "Two Pairs!", "Three of a Kind!",
                 "Straight!", "Flush!", "Full House!", "Four of a Kind!", "* Straight Flush! *",
                 "** ROYAL FLUSH! **"};
        return t;
    }();
    return table;
}

Names payoff_jacks(std::string_view pair, std::string_view quads = "Four of a Kind") {
    return {"Sorry, try again!", pair, "Two Pairs", "Three of a Kind", "Straight", "Flush", "Full House", quads,
            "Great!  Straight Flush", "** BIG PAYOFF! **  Royal Flush"};
}
Names payoff_with(Names head, Names tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}
Names payoff_first(size_t codes) {
    Names n = payoff_jacks("One Pair (Jacks or Better)");
    n.resize(codes + 1);
    return n;
}

const std::vector<Names>& payoff_table() {
    static const std::vector<Names> table = [] {
        std::vector<Names> t(26);
        t[1] = t[23] = payoff_jacks("One Pair (Jacks or Better)");
        t[3] = t[25] = payoff_jacks("One Pair (Tens or Better)");
        t[2] = t[22] = payoff_jacks("One Pair (Jacks or Better)", "Great! Four of a Kind");
        t[4] = {"Sorry, try again!", "Three of a Kind", "Straight", "Flush", "Full House", "Four of a Kind",
                "Straight Flush", "Five of a Kind", "Wild Royal Flush", "Great!  Four Deuces",
                "* BIG PAYOFF! * Natural Royal Flush"};
        t[5] = {"Sorry, try again!",   "Three of a Kind",   "Straight",          "Flush",
                "Full House",          "Four of a Kind",    "Straight Flush",    "Wild Royal Flush",
                "5 of a Kind (6-K)",   "5 of a Kind (3-5)", "Wow!  Five Aces",   "Great!  Four Deuces",
                "Four Deuces and Ace", "* BIG PAYOFF! * Natural Royal Flush"};
        t[6] = payoff_with(t[4], {"* BIG PAYOFF! * 4 Deuces and Joker"});
        t[7] = {"Sorry, try again!", "One Pair (Jacks or Better)", "Two Pairs", "Three of a Kind", "Straight",
                "Flush", "Full House", "Four of a Kind", "Great!  Straight Flush", "Great!  Royal Flush w/Joker",
                "Great!  5 of a Kind", "* BIG PAYOFF! * Natural Royal Flush"};
        t[8] = t[7];
        t[8][1] = "One Pair (Kings or Better)";
        t[9] = t[7];
        t[9].erase(t[9].begin() + 1);
        t[10] = t[9];
        std::swap(t[10][8], t[10][9]);
        t[11] = t[12] = t[13] = payoff_with(payoff_first(6), {"Great! Four of a Kind (5-K)", "Great! Four of a Kind (2-4)",
                                                              "Wow! Four Aces", "Great!  Straight Flush",
                                                              "** BIG PAYOFF! **  Royal Flush"});
        t[14] = t[11];
        t[14].resize(10);
        t[14].insert(t[14].end(), {"Great!  Four of a Kind (2-4) plus A-4", "Great!  Four Aces plus 2-4",
                                   "Great!  Straight Flush", "** BIG PAYOFF! **  Royal Flush"});
        t[15] = payoff_with(payoff_first(6), {"Great! Four of a Kind", "Great! 4 Queens", "Great! 4 Kings",
                                              "Great! 4 Aces", "Great!  Straight Flush",
                                              "** BIG PAYOFF! **  Royal Flush"});
        t[16] = payoff_with(payoff_first(6), {"Great! Four of a Kind", "Great! 4 Sevens", "Great! 4 Eights",
                                              "Great! 4 Aces", "Great!  Straight Flush",
                                              "** BIG PAYOFF! **  Royal Flush"});
        t[17] = payoff_with(payoff_first(6), {"Great! Four of a Kind", "Great! 4 Jacks", "Great! 4 Queens",
                                              "Great! 4 Kings", "Great! 4 Aces", "Great!  Straight Flush",
                                              "** BIG PAYOFF! **  Royal Flush"});
        t[18] = payoff_with(payoff_first(3), {"3 Fives", "Straight", "Flush", "Full House", "Great! Four of a Kind",
                                              "Great! 4 Fives", "Great!  Straight Flush",
                                              "** BIG PAYOFF! **  Royal Flush"});
        t[19] = payoff_with(payoff_first(6), {"Great! Four of a Kind", "Great! 4 Sevens", "Great!  Straight Flush",
                                              "** BIG PAYOFF! **  Royal Flush"});
        // Codes 3 and 8 (eights on the deal) are never paid by name: the payoff renumbers them.
        t[20] = {"Sorry, try again!", "One Pair (Jacks or Better)", "Two Pairs", "", "Three of a Kind", "Straight",
                 "Flush", "Full House", "", "Great! Four of a Kind", "Great!  Straight Flush",
                 "** BIG PAYOFF! **  Royal Flush"};
        t[21] = payoff_with(payoff_jacks("One Pair (Jacks or Better)"), {"Wow!  Multiple Combination"});
        t[24] = {"Sorry, try again!", "One Pair (Sixes through Tens)", "One Pair (Jacks or Better)", "Two Pairs",
                 "Three of a Kind", "Straight", "Flush", "Full House", "Four of a Kind", "Great!  Straight Flush",
                 "** BIG PAYOFF! **  Royal Flush"};
        return t;
    }();
    return table;
}

}  // namespace

std::optional<std::string_view> announcement(GameId game, HandCode code) {
    if (game < 1 || game > 25 || code < 1) return std::nullopt;
    const auto& names = announcement_table()[static_cast<size_t>(game)];
    if (static_cast<size_t>(code) > names.size()) return std::nullopt;
    return names[static_cast<size_t>(code - 1)];
}

std::optional<std::string_view> payoff_name(GameId game, HandCode code) {
    if (game < 1 || game > 25 || code < 0) return std::nullopt;
    const auto& names = payoff_table()[static_cast<size_t>(game)];
    if (static_cast<size_t>(code) >= names.size() || names[static_cast<size_t>(code)].empty()) return std::nullopt;
    return names[static_cast<size_t>(code)];
}

std::string_view announcement_key(std::string_view text) {
    auto has = [&](std::string_view part) { return text.find(part) != std::string_view::npos; };
    if (has("Jacks or Better")) return "jacks1.wav";
    if (has("Tens or Better")) return "tens1.wav";
    if (has("Kings or Better")) return "Kings1.wav";
    if (has("Sixes")) return "sixes.wav";
    if (has("ROYAL") || has("Royal")) return "rylflush.wav";
    if (has("Straight Flush")) return "strflush.wav";
    if (has("Deuces") || has("Hot!") || has("Five of a Kind") || has("Five Aces")) return "fivekind.wav";
    if (has("Four")) return "fourkind.wav";
    if (has("Two Pairs")) return "twopair1.wav";
    if (has("Three")) return "threeknd.wav";
    if (has("Straight")) return "straight.wav";
    if (has("Flush")) return "flush.wav";
    if (has("Full House")) return "fullhous.wav";
    return "";
}

}  // namespace dw
