// Announcing a hand, the Crazy Eights deal bonus, and paying the final hand.
#include <cmath>

#include "errors.h"
#include "games/announcements.h"
#include "games/catalogue.h"
#include "games/pay_rule.h"
#include "games/winning_cards.h"
#include "round/double_up.h"
#include "machine/machine_rounds.h"
#include "machine/machine.h"

namespace dw {

namespace {
constexpr const char* kHotNames[9] = {"Jacks or Better", "Two Pairs",  "Three of a Kind",
                                      "Straight",        "Flush",      "Full House",
                                      "Four of a Kind",  "Straight Flush", "Royal Flush"};

constexpr const char* kWinningsLimit =
    "The winnings totals cannot count below -2,147,483,648 coins, so this hand is not added to them.  Reset the "
    "winnings from the Stats menu.";
constexpr const char* kBucketLimit =
    "The Coin Bucket cannot count that many coins.  Clear it with its Clear button first.";

}  // namespace

// A natural royal flush dealt in order, ten to ace or ace to ten.
bool reversible_royal(const Hand& h) {
    bool same_suit = true, up = true, down = true;
    for (size_t i = 0; i < 5; ++i) {
        same_suit = same_suit && h[i].Suit == h[0].Suit && h[i].Value != 1;
        up = up && h[i].Value == static_cast<int16_t>(10 + i);
        down = down && h[i].Value == static_cast<int16_t>(14 - i);
    }
    return same_suit && (up || down);
}

void Machine::play_announcement_sound(std::string_view key) {
    voice_.announce(key, game_info(game_).deuces_wild, sound_on());
}

void Machine::Display_Hand_Value(HandCode& code) {
    if (game_info(game_).every_line) {
        if (hot_line_count(table_.Hot_Hits) < 2) {
            vm.Lbl_Multi_Payout.caption = "";
        } else {
            code = 10;
            std::string line = "***  ";
            int left = hot_line_count(table_.Hot_Hits);
            for (size_t i = 0; i < 9; ++i) {
                if (!table_.Hot_Hits[i]) continue;
                line += kHotNames[i];
                line += --left > 0 ? ",  " : "   ";
            }
            vm.Lbl_Multi_Payout.caption = line + "***";
        }
    }
    if (code == 0) {
        vm.Pnl_Show_Payoffs.caption = std::string(table_look().no_win);
        return;
    }
    const auto text = announcement(game_, code);
    if (!text) throw FatalError("Error!", "Internal Error in Display_Hand_Value");
    vm.Pnl_Show_Payoffs.caption = "  " + std::string(*text);
    play_announcement_sound(announcement_key(*text));
}

void Machine::Display_Hand_Eights(HandCode& code) {
    if (code != 3 && code != 8) return Display_Hand_Value(code);
    // Paid on every hand of the deal.
    const int64_t bonus = static_cast<int64_t>(pay_table_.pay(game_, code)) * wallet_.Coins_Bet * wallet_.Hands;
    vm.Pnl_Show_Payoffs.caption = std::string(code == 3 ? "BONUS!  3 Eights on Deal pays " : "BONUS!  4 Eights on Deal pays ") +
                                  std::to_string(bonus) + " credits!";
    add_winnings(bonus);
    Show_Winnings();
    for (size_t k = 0; k < 2; ++k) vm.Lbl_Winnings[k].caption = std::to_string(player_.stats.Winnings[k]) + " coins";
    Save_Progressive();
    add_credits_capped(bonus);
    player_.stats.add_won(game_, static_cast<int32_t>(bonus));
    player_.stats.count(game_, code);
    Save_Stats();
    const std::string key = code == 3 ? "threeknd.wav" : "fourkind.wav";
    voice_.announce_once(key, sound_on());
}

void Machine::add_winnings(int64_t delta) {
    if (!player_.stats.add_winnings(delta))
        svc_.dialogs.message_box(kWinningsLimit, "Message", MsgButtons::Ok, MsgIcon::Exclamation);
}

bool Machine::bucket_takes(int64_t delta) {
    if (wallet_.bucket_fits(delta)) return true;
    svc_.dialogs.message_box(kBucketLimit, "Message", MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

void Machine::add_credits_capped(int64_t amount) {
    if (wallet_.add_capped(amount))
        svc_.dialogs.message_box("You broke the bank!  You cannot have more than 99,999 credits!", "Message",
                                 MsgButtons::Ok, MsgIcon::Information);
    show_credits();
}

void Machine::Show_Winnings() {
    for (size_t k = 0; k < 2; ++k) {
        const int32_t w = player_.stats.Winnings[k];
        vm.Lbl_Winnings[k].caption = std::to_string(w) + (w == 1 || w == -1 ? " coin" : " coins");
        vm.Lbl_Winnings[k].fore_colour = w >= 0 ? colour::kDarkBlue : colour::kDarkRed;
    }
}

void Machine::Payoff(HandCode& code) {
    const GameInfo& info = game_info(game_);
    if (const int line = info.every_line ? hot_highest_line(table_.Hot_Hits) : 0) player_.stats.count(game_, line);

    if (progressive_on()) {
        progressive_.feed(wallet_.Coins_Bet);
        Display_Progressive_Payout();
        Save_Progressive();
    }
    const FinalPay pay = pay_final({game_, &pay_table_, wallet_.Coins_Bet, progressive_on(), progressive_.Jackpot}, code, table_.Hot_Hits);
    // The final hand, before a double up shows its cards; a game without a draw was dealt it.
    pending_.final = table_.cards.hand;
    if (pending_.held < 0) pending_.dealt = pending_.final;
    if (!pay.found) throw FatalError("Error", "Internal Error in Payoff");
    code = pay.code;
    int64_t amount = pay.amount;
    std::string win_name = pay.name;

    if (royals_on() && wallet_.Coins_Bet == chart_panel_.Max_Bet && reversible_royal(table_.cards.hand)) {
        amount = 50000;
        win_name = "* WOW! *  Reversible Royal Flush";
        if (progressive_on()) {
            amount = progressive_.claim() + 50000;
            Display_Progressive_Payout();
            Save_Progressive();
        }
    } else if (pay.jackpot_won) {
        progressive_.clear();  // paid in the chart's top prize
        Display_Progressive_Payout();
    }

    if (amount > 0) mark_win(code);
    vm.Pnl_Show_Payoffs.caption =
        amount != 0 ? win_name + " pays " + std::to_string(amount) + (amount == 1 ? " credit" : " credits") : win_name;

    if (double_up_on() && amount != 0 && amount < 10000) {
        double_up_ = std::make_unique<DoubleUpRound>(round_parts(), *rounds_, code, amount);
        return double_up_->Start();  // ends in finish_payoff, now or after its pauses
    }
    finish_payoff(code, amount);
}

void Machine::mark_win(HandCode code) {
    const int cards_made = code ? winning_cards({game_, &pay_table_, wallet_.Coins_Bet, progressive_on(), progressive_.Jackpot}, table_.cards.hand) : 0;
    for (size_t i = 0; i < 5; ++i) vm.Pnl_Win_Card[i].visible = (cards_made & (1 << i)) != 0;
    vm.Pnl_Win_Row.picture = code ? chart_text_line(game_, code) : 0;
    vm.Pnl_Win_Row.visible = vm.Pnl_Win_Row.picture != 0;
}

void Machine::finish_payoff(HandCode code, int64_t amount) {
    player_.stats.record(game_, code, wallet_.Coins_Bet, static_cast<int32_t>(std::min<int64_t>(amount, INT32_MAX)));
    Save_Stats();
    add_winnings(amount - wallet_.Coins_Bet);
    Show_Winnings();
    Save_Progressive();
    add_credits_capped(amount);
    pending_.game = game_;
    pending_.bet = wallet_.Coins_Bet;
    pending_.paid = amount;
    pending_.row = code;
    pending_.credits = wallet_.Credits;
    history_.add(pending_);
    pending_ = HandRecord{};
    end_hand();
}


}  // namespace dw
