// Money and bets: Play 1, Play Max, the coin slot, the cashier and the coin bucket.
#include "games/catalogue.h"
#include "machine/cashier.h"
#include "machine/machine.h"

namespace dw {

namespace {
constexpr const char* kGameEntries[] = {
    "Mnu_Jacks",          "Mnu_All_American", "Mnu_Tens",         "Mnu_Deuces",          "Mnu_Deuces_Bonus",
    "Mnu_Deuces_and_Jokers", "Mnu_Joker",     "Mnu_Jokers_Jacks", "Mnu_Jokers",          "Mnu_Jokers_2",
    "Mnu_Double_Joker",   "Mnu_Bonus_Header", "Mnu_Bonus",        "Mnu_Dbl",             "Mnu_Triple_Bonus",
    "Mnu_Dbl_Dbl",        "Mnu_Four_plus_Four", "Mnu_Aces",       "Mnu_Aces_and_Faces",  "Mnu_Hi_5",
    "Mnu_Same_4",         "Mnu_Crazy_Eights", "Mnu_Multi_Payout", "Mnu_Pick_5",          "Mnu_Draw",
    "Mnu_Stud",           "Mnu_Double_Down_Deuces", "Mnu_Ride",   "Mnu_Progressive",     "Mnu_Cheat",
    "Mnu_Program_Payouts", "Mnu_Payouts_Reset_C", "Mnu_Payouts_Reset", "Mnu_Fancy_Cards", "Mnu_Plain_Cards",
    "Mnu_Player"};
}  // namespace

void Machine::Lock_Menus() {
    mark_win(0);  // a new bet: the last hand's marks go
    for (auto& h : vm.Extra_Hands) h = SmallHand{};
    for (int n : kHandChoices) vm.menu("Mnu_Hands_" + std::to_string(n)).enabled = false;
    for (const char* name : kGameEntries) vm.menu(name).enabled = false;
    vm.menu("Mnu_Juicy_Jackpots").enabled = false;
    vm.Lst_Games.enabled = false;
}

void Machine::Unlock_Menus() {
    for (const char* name : kGameEntries) vm.menu(name).enabled = true;
    vm.Lst_Games.enabled = true;
    Juicy_Setup();
}

int Machine::max_bet_now() const { return game_info(game_).full_bet + (side_bet_active() ? 1 : 0); }

bool Machine::accepting_bets() { return !in_hand() && !wallet_.coin_slot_busy; }

void Machine::highlight(int panel, bool on) {
    if (panel < 2 || panel > 6) return;
    vm.Lbl_Pay[static_cast<size_t>(panel)].back_colour = on ? colour::kRed : colour::kCyan;
    vm.Lbl_Pay[static_cast<size_t>(panel)].bold = on;
}

void Machine::show_credits() { vm.Lbl_Credits.caption = std::to_string(wallet_.Credits); }

void Machine::bet_steps(bool from_slot) {
    const GameInfo& info = game_info(game_);
    Lock_Menus();
    if (info.every_line) vm.Lbl_Multi_Payout.caption = std::string(kMultiPayoutLine);
    const int step = info.bet_step;
    if (table_look().chart_follows_bet) Show_Chart(chart_kind_for(game_, wallet_.Coins_Bet + step));
    // Every credit bet goes on each hand.
    const int per_step = step * wallet_.Hands;
    if (!from_slot) {
        wallet_.Credits -= per_step;
        if (wallet_.Credits < per_step) vm.Btn_Play_Credit.enabled = false;
    }
    if (wallet_.Coins_Bet != 0) highlight(bet_column(game_, wallet_.Coins_Bet), false);
    wallet_.Coins_Bet = static_cast<int16_t>(wallet_.Coins_Bet + step);
    highlight(bet_column(game_, wallet_.Coins_Bet), true);
    const bool max_affordable = (max_bet_now() - wallet_.Coins_Bet) * wallet_.Hands <= wallet_.Credits;
    if (!from_slot) vm.Btn_Play_5.enabled = max_affordable;
    else if (!max_affordable) vm.Btn_Play_5.enabled = false;
    show_credits();
    vm.Lbl_Played.caption = std::to_string(wallet_.Coins_Bet * wallet_.Hands);
    vm.Btn_Deal.enabled = true;
    if (wallet_.Coins_Bet == info.full_bet) Start_Hand();
}

void Machine::Bet_One_Credit() {
    if (!vm.Btn_Play_Credit.enabled || !accepting_bets()) return;
    if (wallet_.Credits < game_info(game_).bet_step * wallet_.Hands) return;
    bet_steps(false);
}

void Machine::Bet_Max() {
    if (!accepting_bets()) return;
    const int needed = (max_bet_now() - wallet_.Coins_Bet) * wallet_.Hands;
    if (needed > wallet_.Credits || needed <= 0) {
        svc_.dialogs.beep();
        vm.hourglass = false;
        return;
    }
    const GameInfo& info = game_info(game_);
    Lock_Menus();
    if (table_look().chart_follows_bet) Show_Chart(chart_kind_for(game_, info.full_bet));
    wallet_.Credits -= needed;
    if (side_bet_active()) {
        wallet_.Side_Bet_Placed = 1;
        vm.Lbl_Juicy_Bet.visible = true;
    }
    if (wallet_.Coins_Bet != 0) highlight(bet_column(game_, wallet_.Coins_Bet), false);
    wallet_.Coins_Bet = static_cast<int16_t>(wallet_.Coins_Bet + needed / wallet_.Hands - (side_bet_active() ? 1 : 0));
    highlight(bet_column(game_, wallet_.Coins_Bet), true);
    show_credits();
    vm.Lbl_Played.caption = std::to_string(wallet_.Coins_Bet * wallet_.Hands);
    Start_Hand();
}

void Machine::Coin_Slot_Click() {
    // A coin for every hand.
    const int coins = game_info(game_).bet_step * wallet_.Hands;
    if (wallet_.coin_slot_busy || !accepting_bets() || !bucket_takes(-coins)) return;
    wallet_.coin_slot_busy = true;
    Lock_Menus();
    wallet_.coin_frames_left = 4 * coins;
}

void Machine::Coin_Slot_Tick() {
    if (!wallet_.coin_slot_busy) return;
    static constexpr int kFrames[] = {2, 3, 4, 1};
    const int coins = game_info(game_).bet_step * wallet_.Hands;
    vm.Coin_Slot.picture = kFrames[(coins * 4 - wallet_.coin_frames_left) % 4];
    if (--wallet_.coin_frames_left > 0) return;
    wallet_.Coin_Bucket = add_saturated(wallet_.Coin_Bucket, -coins);  // checked when the coin was dropped
    Show_Coin_Bucket();
    wallet_.coin_slot_busy = false;
    bet_steps(true);
    if (table_.Round_State == 1) vm.Btn_Play_5.enabled = (max_bet_now() - wallet_.Coins_Bet) * wallet_.Hands <= wallet_.Credits;
}

void Machine::Insert_Coin() {
    if (vm.hourglass) return;
    if (wallet_.full()) {
        svc_.dialogs.beep();
        svc_.dialogs.message_box("You can't have more than 99,999 credits!  Who do you think you are, Moneybaggins?",
                                 "Message", MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    vm.hourglass = true;
    CashierModel cashier(wallet_, svc_.dialogs,
                         {.opened =
                              [this] {
                                  vm.hourglass = false;
                                  Play_Sound(sound_path("cashier.wav"));
                              },
                          .buy =
                              [this](int32_t coins) {
                                  if (!bucket_takes(-static_cast<int64_t>(coins))) return;
                                  wallet_.buy(coins);
                                  Show_Coin_Bucket();
                              }});
    cashier.Form_Load();
    svc_.dialogs.show_cashier(cashier);
    vm.hourglass = false;
    show_credits();
    if (!in_hand() && wallet_.Credits != 0) {
        vm.Btn_Play_Credit.enabled = wallet_.Credits >= game_info(game_).bet_step * wallet_.Hands;
        if ((max_bet_now() - wallet_.Coins_Bet) * wallet_.Hands > wallet_.Credits) {
            vm.Btn_Play_5.enabled = false;
        } else {
            vm.Btn_Play_5.enabled = true;
            vm.focus = "Btn_Play_5";
        }
    }
}

void Machine::Mnu_Visit_Cashier() {
    if (vm.Btn_Insert_Coin.enabled) Insert_Coin();
}

void Machine::Btn_Clear_Coins_Click() {
    if (confirm("Clear the Coin Counter to zero:  confirm you want to do this by clicking the OK button.",
                "Reset Coin Counter") == MsgAnswer::Ok) {
        wallet_.Coin_Bucket = 0;
        Show_Coin_Bucket();
    }
    focus_first_enabled_bet_button();
}

void Machine::enable_bet_buttons() {
    vm.Btn_Play_Credit.enabled = wallet_.Credits >= game_info(game_).bet_step * wallet_.Hands;
    vm.Btn_Play_5.enabled = wallet_.Credits >= max_bet_now() * wallet_.Hands;
}

void Machine::focus_first_enabled_bet_button() {
    if (vm.Btn_Play_5.enabled) vm.focus = "Btn_Play_5";
    else if (vm.Btn_Play_Credit.enabled) vm.focus = "Btn_Play_Credit";
    else vm.focus = "Btn_Insert_Coin";
}

void Machine::Mnu_Cash_Out() {
    if (!vm.Btn_Insert_Coin.enabled) return;
    const int32_t n = wallet_.Credits;
    if (!bucket_takes(n)) return;
    wallet_.cash_out();
    Show_Coin_Bucket();
    show_credits();
    vm.Btn_Play_Credit.enabled = false;
    vm.Btn_Play_5.enabled = false;
    svc_.dialogs.message_box(player_.name() + " Paid: " + std::to_string(n) +
                                 " coins     \r\nCredits: 0   ",
                             "Cash Out!", MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace dw
