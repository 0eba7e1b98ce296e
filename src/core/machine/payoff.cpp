// Announcing a hand, the Crazy Eights deal bonus, and paying the final hand.
#include <cmath>

#include "errors.h"
#include "machine/announcements.h"
#include "machine/machine.h"

namespace dw {

namespace {
constexpr const char* kHotNames[9] = {"Jacks or Better", "Two Pairs",  "Three of a Kind",
                                      "Straight",        "Flush",      "Full House",
                                      "Four of a Kind",  "Straight Flush", "Royal Flush"};

int hot_count(const HotHits& hits) {
    int n = 0;
    for (auto h : hits) n += h != 0;
    return n;
}
}  // namespace

void Machine::play_announcement_sound(std::string_view key) {
    if (key.empty()) return;
    if (Last_Sound == key) {
        Play_Sound(sound_path("youwin1.wav"));
        return;
    }
    std::string file(key);
    if (key == "jacks1.wav" || key == "tens1.wav") {
        int16_t& last = key == "jacks1.wav" ? Last_Jacks_Sound : Last_Tens_Sound;
        int k;
        do k = rnd_1_to(svc_.rng, 3);
        while (k == last);
        last = static_cast<int16_t>(k);
        file = std::string(key.substr(0, key.size() - 5)) + std::to_string(k) + ".wav";
    } else if (key == "twopair1.wav") {
        file = "twopair" + std::to_string(rnd_1_to(svc_.rng, 2)) + ".wav";
    } else if (key == "threeknd.wav" && game >= 4 && game <= 6) {
        file = rnd_1_to(svc_.rng, 2) == 1 ? "threeknd.wav" : "three2.wav";
    }
    Play_Sound(sound_path(file));
    Last_Sound = std::string(key);
}

void Machine::Display_Hand_Value(HandCode& code) {
    if (game == 21) {
        if (hot_count(Hot_Hits) < 2) {
            vm.Lbl_Multi_Payout.caption = "";
        } else {
            code = 10;
            std::string line = "***  ";
            int left = hot_count(Hot_Hits);
            for (size_t i = 0; i < 9; ++i) {
                if (!Hot_Hits[i]) continue;
                line += kHotNames[i];
                line += --left > 0 ? ",  " : "   ";
            }
            vm.Lbl_Multi_Payout.caption = line + "***";
        }
    }
    if (code == 0) {
        vm.Pnl_Show_Payoffs.caption = game == 25 ? "" : "Hold and Draw Cards";
        return;
    }
    const auto text = announcement(game, code);
    if (!text) throw FatalError("Error!", "Internal Error in Display_Hand_Value");
    vm.Pnl_Show_Payoffs.caption = "  " + std::string(*text);
    play_announcement_sound(announcement_key(*text));
}

void Machine::Display_Hand_Eights(HandCode& code) {
    if (code != 3 && code != 8) return Display_Hand_Value(code);
    const int64_t bonus = static_cast<int64_t>(pay_table.pay(20, code)) * Coins_Bet;
    vm.Pnl_Show_Payoffs.caption = std::string(code == 3 ? "BONUS!  3 Eights on Deal pays " : "BONUS!  4 Eights on Deal pays ") +
                                  std::to_string(bonus) + " credits!";
    stats.add_winnings(bonus);
    Show_Winnings();
    for (size_t k = 0; k < 2; ++k) vm.Lbl_Winnings[k].caption = std::to_string(stats.Winnings[k]) + " coins";
    Save_Progressive();
    add_credits_capped(bonus);
    stats.add_won(20, static_cast<int32_t>(bonus));
    stats.count(20, code);
    Save_Stats();
    const std::string key = code == 3 ? "threeknd.wav" : "fourkind.wav";
    if (Last_Sound != key) Play_Sound(sound_path(key));
    Last_Sound = key;
}

void Machine::add_credits_capped(int64_t amount) {
    const int64_t total = static_cast<int64_t>(Credits) + amount;
    if (total > 99999) {
        Credits = 99999;
        svc_.dialogs.message_box("You broke the bank!  You cannot have more than 99,999 credits!", "Message",
                                 MsgButtons::Ok, MsgIcon::Information);
    } else {
        Credits = static_cast<int32_t>(total);
    }
    show_credits();
}

void Machine::Show_Winnings() {
    for (size_t k = 0; k < 2; ++k) {
        const int32_t w = stats.Winnings[k];
        vm.Lbl_Winnings[k].caption = std::to_string(w) + (w == 1 || w == -1 ? " coin" : " coins");
        vm.Lbl_Winnings[k].fore_colour = w >= 0 ? colour::kDarkBlue : colour::kDarkRed;
    }
}

// The game's top hand at the maximum bet: its HandCode, fixed prize and name.
struct TopPrize {
    HandCode code;
    int32_t amount;
    const char* name;
};

static std::optional<TopPrize> top_prize(GameId game, HandCode code) {
    static constexpr const char* kRoyal = "** SUPER PAYOFF! ** Royal Flush";
    static constexpr const char* kNatural = "* SUPER PAYOFF! * Natural Royal Flush";
    TopPrize p{0, 0, ""};
    switch (game) {
    case 1: case 2: case 3: case 22: p = {9, 4000, kRoyal}; break;
    case 11: case 12: case 13: case 18: case 20: p = {11, 4000, kRoyal}; break;
    case 15: case 16: p = {12, 4000, kRoyal}; break;
    case 14: case 17: p = {13, 4000, kRoyal}; break;
    case 19: p = {10, 4000, kRoyal}; break;
    case 23: p = {9, 5000, kRoyal}; break;
    case 24: p = {10, 10000, kRoyal}; break;
    case 25: p = {9, 15000, "** SUPER PAYOFF! **  Royal Flush"}; break;
    case 4: case 10: p = {10, 4000, kNatural}; break;
    case 5: p = {13, 4000, kNatural}; break;
    case 8: p = {11, 4000, kNatural}; break;
    case 7: p = {11, 5000, kNatural}; break;
    case 9: p = {10, 5000, kNatural}; break;
    case 6:
        if (code == 11) return TopPrize{11, 10000, "* SUPER PAYOFF! * 4 Deuces and Joker"};
        p = {10, 4000, kNatural};
        break;
    default: return std::nullopt;
    }
    if (code != p.code) return std::nullopt;
    return p;
}

void Machine::Payoff(HandCode& code) {
    if (game == 20 && code == 3) code = 4;
    if (game == 20 && code == 8) code = 9;

    int64_t per_coin = 0;
    const int hot_flags = hot_count(Hot_Hits);
    if (code != 0 && game == 21) {
        for (size_t i = 0; i < 9; ++i)
            if (Hot_Hits[i]) per_coin += pay_table.pay(21, static_cast<int>(i) + 1);
    } else if (code != 0) {
        per_coin = pay_table.pay(game, code);
    }
    if (game == 21 && hot_flags >= 2) {
        int highest = 0;
        for (int i = 1; i <= 9; ++i)
            if (Hot_Hits[static_cast<size_t>(i - 1)]) highest = i;
        stats.count(21, highest);
    }

    const auto name = payoff_name(game, code);
    if (!name) throw FatalError("Error", "Internal Error in Payoff");
    std::string win_name(*name);

    const int top_bet = (game == 23 || game == 24) ? 10 : (game == 25 ? 15 : 5);
    const int64_t hot_top = (static_cast<int64_t>(pay_table.pay(21, 4)) + pay_table.pay(21, 5) + pay_table.pay(21, 8)) * 5 + 4000;
    int64_t amount = per_coin * Coins_Bet;
    if (Coins_Bet == top_bet) {
        if (game == 21 && Hot_Hits[8]) {
            amount = hot_top;
            win_name = "** SUPER PAYOFF! ** Royal Flush";
        } else if (const auto prize = top_prize(game, code)) {
            amount = prize->amount;
            win_name = prize->name;
        }
    }

    if (progressive_on()) {
        Jackpot += Jackpot_Percent / 100.0 * Coins_Bet;
        Display_Progressive_Payout();
        Save_Progressive();
    }

    bool reversible = false;
    if (royals_on() && Coins_Bet == Max_Bet) {
        const Hand& h = cards.hand;
        bool same_suit = true, up = true, down = true;
        for (size_t i = 0; i < 5; ++i) {
            same_suit = same_suit && h[i].Suit == h[0].Suit && h[i].Value != 1;
            up = up && h[i].Value == static_cast<int16_t>(10 + i);
            down = down && h[i].Value == static_cast<int16_t>(14 - i);
        }
        if (same_suit && (up || down)) {
            reversible = true;
            amount = 50000;
            win_name = "* WOW! *  Reversible Royal Flush";
            if (progressive_on()) {
                amount = static_cast<int64_t>(std::floor(Jackpot)) + 50000;
                Jackpot = 0;
                Display_Progressive_Payout();
                Save_Progressive();
            }
        }
    }

    // Hot Hands pays a royal also as straight flush, flush and straight, so its jackpot test
    // compares with the award raised by those pays.
    const int64_t award = game == 21 ? hot_top : Top_Award;
    if (progressive_on() && !reversible && (amount == award || (game == 6 && amount == 4000))) {
        amount += static_cast<int64_t>(std::floor(Jackpot));
        Jackpot = 0;
        Display_Progressive_Payout();
    }

    vm.Pnl_Show_Payoffs.caption =
        amount != 0 ? win_name + " pays " + std::to_string(amount) + (amount == 1 ? " credit" : " credits") : win_name;

    if (double_up_on() && amount != 0 && amount < 10000) amount = Double_Up(amount);

    stats.record(game, code, Coins_Bet, static_cast<int32_t>(std::min<int64_t>(amount, INT32_MAX)));
    Save_Stats();
    stats.add_winnings(amount - Coins_Bet);
    Show_Winnings();
    Save_Progressive();
    add_credits_capped(amount);
}

int64_t Machine::Double_Up(int64_t amount) { return amount; }

}  // namespace dw
