// Several hands from one deal: the choice of hands, and paying every hand of a round.
#include <algorithm>

#include "errors.h"
#include "games/announcements.h"
#include "games/catalogue.h"
#include "games/chart.h"
#include "games/pay_rule.h"
#include "games/winning_cards.h"
#include "machine/machine.h"
#include "round/multi_hand.h"

namespace dw {

namespace {

std::string hands_menu(int n) { return "Mnu_Hands_" + std::to_string(n); }

SmallHand small_hand(const Hand& h, bool face_up) {
    SmallHand s;
    for (size_t i = 0; i < 5; ++i) {
        s.value[i] = h[i].Value;
        s.suit[i] = h[i].Suit;
    }
    s.face_up = face_up;
    return s;
}

}  // namespace

int Machine::hands_now() const { return offers_several_hands(game_) ? hands_chosen_ : 1; }

void Machine::load_hands_choice() {
    if (!svc_.setting) return;
    const auto kept = svc_.setting(kHandsSetting);
    if (!kept) return;
    for (int n : kHandChoices)
        if (*kept == std::to_string(n)) hands_chosen_ = n;
}

bool Machine::choose_hands(std::string_view menu) {
    for (int n : kHandChoices) {
        if (menu != hands_menu(n)) continue;
        if (accepting_bets() && wallet_.Coins_Bet == 0) {
            hands_chosen_ = n;
            if (svc_.keep_setting) svc_.keep_setting(kHandsSetting, std::to_string(n));
            apply_hands();
        }
        return true;
    }
    return false;
}

void Machine::apply_hands() {
    const bool offered = offers_several_hands(game_);
    for (int n : kHandChoices) {
        MenuItem& item = vm.menu(hands_menu(n));
        item.checked = n == hands_chosen_;
        item.enabled = offered || n == 1;
    }
    wallet_.Hands = static_cast<int16_t>(hands_now());
    // Double up and the side bet are not offered while several hands are played.
    vm.menu("Mnu_Double").enabled = wallet_.Hands == 1;
    Juicy_Setup();
    const TableLook& look = table_look();
    vm.Lbl_CoinSlot.caption = std::string(side_bet_active() ? look.coin_slot_line_with_side_bet : look.coin_slot_line);
    if (static_cast<int>(vm.Extra_Hands.size()) != wallet_.Hands - 1) {
        vm.Extra_Hands.assign(static_cast<size_t>(wallet_.Hands - 1), SmallHand{});
        extra_.clear();
    }
    if (!in_hand()) {
        vm.Btn_Play_Credit.enabled = wallet_.Credits >= game_info(game_).bet_step * wallet_.Hands;
        vm.Btn_Play_5.enabled = wallet_.Credits >= max_bet_now() * wallet_.Hands;
    }
}

void Machine::settle_hands(HandCode main_code) {
    const GameInfo& info = game_info(game_);
    std::vector<Hand> hands{table_.cards.hand};
    hands.insert(hands.end(), extra_.cards.begin(), extra_.cards.end());
    const int bet = wallet_.Coins_Bet;
    int64_t total = 0, best_amount = 0;
    int winners = 0;
    HandCode best = 0;
    vm.Win_Rows.clear();
    const HandRecord kept = pending_;
    for (size_t k = 0; k < hands.size(); ++k) {
        HotHits hits{};
        HandCode code = k == 0 ? main_code : Check_Hand(game_, hands[k], &hits);
        if (k == 0) hits = table_.Hot_Hits;
        // Each hand feeds the jackpot with its bet and may win it, one after the other.
        if (progressive_on()) progressive_.feed(bet);
        const FinalPay pay = pay_final({game_, &pay_table_, bet, progressive_on(), progressive_.Jackpot}, code, hits);
        if (!pay.found) throw FatalError("Error", "Internal Error in Payoff");
        int64_t amount = pay.amount;
        if (royals_on() && bet == chart_panel_.Max_Bet && reversible_royal(hands[k])) {
            amount = 50000 + (progressive_on() ? progressive_.claim() : 0);
        } else if (pay.jackpot_won) {
            progressive_.clear();
        }
        if (const int line = info.every_line ? hot_highest_line(hits) : 0) player_.stats.count(game_, line);
        player_.stats.record(game_, pay.code, bet, static_cast<int32_t>(std::min<int64_t>(amount, INT32_MAX)));
        add_winnings(amount - bet);
        add_credits_capped(amount);
        if (amount > 0) {
            ++winners;
            total += amount;
            if (const int line = chart_text_line(game_, pay.code)) ++vm.Win_Rows[line];
            if (amount > best_amount) {
                best_amount = amount;
                best = pay.code;
            }
        }
        if (k == 0) {
            mark_win(amount > 0 ? pay.code : 0);
        } else {
            SmallHand& shown = vm.Extra_Hands[k - 1];
            shown = small_hand(hands[k], true);
            if (amount > 0) shown.win = pay.name + "  " + std::to_string(amount);
        }
        HandRecord record = kept;
        record.game = game_;
        record.bet = bet;
        record.final = hands[k];
        record.paid = amount;
        record.row = pay.code;
        record.credits = wallet_.Credits;
        if (k > 0) record.loss = -1;  // the trainer judged the one hold, on the main hand's line
        history_.add(record);
    }
    Display_Progressive_Payout();
    Save_Progressive();
    Save_Stats();
    Show_Winnings();
    if (winners == 0) {
        vm.Pnl_Show_Payoffs.caption = std::string(table_look().no_win);
    } else {
        // Velmora speaks the best hand's sound; the line names the total.
        if (const auto text = announcement(game_, best)) play_announcement_sound(announcement_key(*text));
        vm.Pnl_Show_Payoffs.caption = std::to_string(winners) + (winners == 1 ? " hand wins " : " hands win ") +
                                      std::to_string(total) + (total == 1 ? " credit!" : " credits!");
    }
    pending_ = HandRecord{};
    end_hand();
}

}  // namespace dw
