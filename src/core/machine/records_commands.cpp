// Configuration, statistics and the progressive jackpot: files, option menus and commands.
#include <cmath>

#include "errors.h"
#include "trainer/trainer_state.h"
#include "variants/juicy_jackpots.h"
#include "games/catalogue.h"
#include "machine/dialog_models.h"
#include "machine/machine.h"
#include "records/record_store.h"
#include "records/config_file.h"
#include "records/progressive_file.h"
#include "view/digits.h"

namespace dw {

// ---- configuration ----------------------------------------------------------------------

bool Machine::Load_Config() {
    Config config;
    for (size_t i = 0; i < 4; ++i) config.goodies[i] = vm.menu(kGoodyMenus[i]).checked;
    config.names = player_.player_names;
    const auto text = svc_.store.read("CONFIG.VPK");
    const bool ok = text && read_config(*text, config);
    if (text) {
        for (size_t i = 0; i < 4; ++i) vm.menu(kGoodyMenus[i]).checked = config.goodies[i];
        player_.player_names = config.names;
    }
    if (!ok) Setup_Goodies();
    return ok;
}

bool Machine::Save_Config() {
    Config config;
    for (size_t i = 0; i < 4; ++i) config.goodies[i] = vm.menu(kGoodyMenus[i]).checked;
    config.names = player_.player_names;
    return save("CONFIG.VPK", write_config(config),
                "Error saving Configuration file.  Your hard drive may be full, or you may be running this game off "
                   "a non-writable device like a CD-ROM, or file CONFIG.VPK in the game directory may be "
                   "write-protected.  Exit the program and delete some files, or remove write protection on the "
                   "configuration file.");
}

void Machine::Setup_Goodies() {
    GoodiesModel goodies;
    goodies.help = [this](int goody) { Goody_Help(goody); };
    svc_.dialogs.show_goodies(goodies);
    for (size_t i = 0; i < 4; ++i) vm.menu(kGoodyMenus[i]).checked = goodies.boxes[i];
    vm.hourglass = false;
}

void Machine::Goody_Help(int box) {
    if (box < 0 || box > 3) return;
    svc_.dialogs.message_box(kGoodyHelp[static_cast<size_t>(box)], "Goodies Info!", MsgButtons::Ok,
                             MsgIcon::Information);
}

void Machine::Mnu_Progressive_Click() {
    auto& item = vm.menu("Mnu_Progressive");
    if (!item.enabled) return;
    item.checked = !item.checked;
    Display_Progressive_Payout();
    Save_Config();
}

void Machine::Mnu_Royals_Click() {
    auto& item = vm.menu("Mnu_Royals");
    item.checked = !item.checked;
    Display_Progressive_Payout();
    Save_Config();
}

void Machine::Mnu_Double_Click() {
    auto& item = vm.menu("Mnu_Double");
    item.checked = !item.checked;
    Save_Config();
}

void Machine::Mnu_Autohold_Click() {
    auto& item = vm.menu("Mnu_Autohold");
    item.checked = !item.checked;
}

void Machine::Mnu_Sound_Click() {
    auto& item = vm.menu("Mnu_Sound");
    item.caption = item.caption != "Turn Sound &Off" ? "Turn Sound &Off" : "Turn Sound &On";
}

void Machine::Mnu_Fancy_Cards_Click() {
    if (!vm.menu("Mnu_Fancy_Cards").enabled) return;
    table_.Fancy_Cards = true;
    vm.menu("Mnu_Fancy_Cards").checked = true;
    vm.menu("Mnu_Plain_Cards").checked = false;
    Save_Progressive();
    Repaint_Hand();
}

void Machine::Mnu_Plain_Cards_Click() {
    if (!vm.menu("Mnu_Plain_Cards").enabled) return;
    table_.Fancy_Cards = false;
    vm.menu("Mnu_Fancy_Cards").checked = false;
    vm.menu("Mnu_Plain_Cards").checked = true;
    Save_Progressive();
    Repaint_Hand();
}

// ---- statistics ---------------------------------------------------------------------------

bool Machine::Load_Stats() {
    const std::string name = player_.file("STATS");
    const auto text = svc_.store.read(name);
    const auto read = text ? read_stats(*text) : std::nullopt;
    if (!read) keep_unreadable(name);
    const auto winnings = player_.stats.Winnings;
    player_.stats = read ? *read : Stats{};
    player_.stats.Winnings = winnings;
    return read.has_value();
}

bool Machine::Save_Stats() {
    return save(player_.file("STATS"), write_stats(player_.stats),
                "Error saving statistics file.  Your hard drive may be full, or file STATS.VPK in the game "
                   "directory may be write-protected.  Exit the program and delete some files, or remove write "
                   "protection on the statistics file.");
}

void Machine::Mnu_Clear_Session_Stats() {
    if (confirm("Clear this session's statistics:   Confirm you want to do this by clicking the OK button.",
                "Clear Session Statistics") != MsgAnswer::Ok)
        return;
    player_.stats.clear_session();
    reset_accuracy();
}

void Machine::Mnu_Clear_All_Stats() {
    if (confirm("Clear all the statistics:   Confirm you want to do this by clicking the OK button.",
                "Clear All Statistics") != MsgAnswer::Ok)
        return;
    player_.stats.clear_all();
    Save_Stats();
}

void Machine::Mnu_Reset_Winnings() {
    if (confirm("Reset this session's winnings to zero:  confirm you want to do this by clicking the OK button.",
                "Clear Session Winnings") != MsgAnswer::Ok)
        return;
    player_.stats.Winnings[Stats::kSessionWinnings] = 0;
    Show_Winnings();
}

void Machine::Mnu_Reset_All_Winnings() {
    if (confirm("Reset both winnings totals to zero:  confirm you want to do this by clicking the OK button.",
                "Clear All Winnings") != MsgAnswer::Ok)
        return;
    player_.stats.Winnings = {0, 0};
    Save_Progressive();
    Show_Winnings();
}

void Machine::Mnu_New_Game() {
    if (confirm("New Game erases all Winnings totals, and clears all the statistics, both session and global.   "
                "Confirm you want to do this by clicking the OK button.",
                "New Game") != MsgAnswer::Ok)
        return;
    player_.stats.Winnings = {0, 0};
    Save_Progressive();
    Show_Winnings();
    player_.stats.clear_all();
    Save_Stats();
    reset_accuracy();
    history_.clear();  // a new session
    wallet_.start_session();
    vm.Lbl_Credits.caption = std::to_string(wallet_.Credits);
    Display_Progressive_Payout();
    // The meters changed under the bet buttons; between hands they follow the new credits.
    if (!in_hand() && wallet_.Coins_Bet == 0) enable_bet_buttons();
}

// ---- progressive jackpot ------------------------------------------------------------------

bool Machine::Load_Progressive() {
    vm.hourglass = true;
    const std::string name = player_.file("PROGRES");
    const auto text = svc_.store.read(name);
    RecordRead how = RecordRead::Unreadable;
    const ProgressiveRecord r = read_progressive(text ? *text : "", svc_.decimal_separator, &how);
    if (how == RecordRead::Unreadable) keep_unreadable(name);
    progressive_.Jackpot_Percent = r.percent;
    progressive_.Jackpot = r.jackpot;
    player_.stats.Winnings[Stats::kAllWinnings] = r.all_winnings;
    table_.Fancy_Cards = r.fancy_cards != 0;
    vm.hourglass = false;
    return how == RecordRead::Whole;
}

void Machine::keep_unreadable(const std::string& name) {
    // Missing is a fresh start; present but unreadable may still be a player's history, which
    // the next save would write over.
    if (!svc_.store.exists(name)) return;
    if (svc_.store.keep_bad(name))
        vm.Pnl_Show_Payoffs.caption = name + " could not be read: it is kept as " + name + ".bad";
}

bool Machine::Save_Progressive() {
    ProgressiveRecord r;
    r.percent = progressive_.Jackpot_Percent;
    r.jackpot = progressive_.Jackpot;
    r.all_winnings = player_.stats.Winnings[Stats::kAllWinnings];
    r.fancy_cards = table_.Fancy_Cards ? -1 : 0;
    return save(player_.file("PROGRES"), write_progressive(r, svc_.decimal_separator),
                "Error saving Progressive Jackpot Data File.  Your hard drive may be full, or file PROGRESS.VPK in "
                   "the game directory may be write-protected.  Exit the program and delete some files, or remove "
                   "write protection on the data file.");
}

void Machine::Mnu_Reset_Progressive() {
    if (confirm("Clear Progressive Jackpot to zero:  confirm you want to do this by clicking the OK button.",
                "Clear Progressive Jackpot") != MsgAnswer::Ok)
        return;
    progressive_.clear();
    Save_Progressive();
    Display_Progressive_Payout();
}

void Machine::Show_Percent_Dialog() {
    PercentModel percent(progressive_.Jackpot_Percent, svc_.dialogs, [this](int16_t value) {
        progressive_.Jackpot_Percent = value;
        Save_Progressive();
    });
    percent.Form_Load();
    svc_.dialogs.show_percent(percent);
    vm.hourglass = false;
}

PercentModel::PercentModel(int16_t percent, Dialogs& dialogs, std::function<void(int16_t)> set)
    : percent_(percent), dialogs_(dialogs), set_(std::move(set)) {}

void PercentModel::Form_Load() { text = std::to_string(percent_); }

bool PercentModel::Key_Press(char key) {
    if (digit_key(key)) return true;
    dialogs_.beep();
    return false;
}

void PercentModel::Text_Changed(const std::string& new_text) {
    const std::string digits = digits_of(new_text, 5);
    if (digits != new_text) dialogs_.beep();
    text = digits;
    if (text.empty()) return;
    const int value = std::stoi(text);
    if (value > 20) {
        text = "20";
        dialogs_.beep();
    } else if (value < 1) {
        text = "1";
        dialogs_.beep();
    }
}

void PercentModel::Lost_Focus() {
    if (text.empty()) text = "2";
}

void PercentModel::Btn_Ok_Click() {
    if (text.empty()) text = "2";
    done = true;
    if (set_) set_(static_cast<int16_t>(std::stoi(text)));
}

void PercentModel::Btn_Cancel_Click() { done = true; }

// ---- start-up and exit --------------------------------------------------------------------

void Machine::Load_Records(bool show_goodies) {
    player_.player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
    Load_Config();
    if (show_goodies) Setup_Goodies();
    player_.Player_Number = 1;
    Choose_Player();
}

void Machine::Main_Initialisation(intptr_t card_window) {
    vm.hourglass = true;
    Load_Payouts();
    game_ = 1;
    Check_Menu();
    wallet_.start_session();
    vm.Lbl_Credits.caption = std::to_string(wallet_.Credits);
    Load_Stats();
    Load_Progressive();
    load_trainer();
    Display_Progressive_Payout();
    vm.menu("Mnu_Fancy_Cards").checked = table_.Fancy_Cards;
    vm.menu("Mnu_Plain_Cards").checked = !table_.Fancy_Cards;
    table_.Card_Surface = card_window;
    if (svc_.cards.InitializeDeck(card_window) == 0)
        throw FatalError("Fatal Error",
                         "Either another application is using QCards32.DLL or it is not available on your system.  "
                         "Make sure QCARDS.DLL is in either the application's directory or your WINDOWS\\SYSTEM "
                         "directory.");
    svc_.cards.SetCurrentBack(6);
    svc_.cards.SetCurrentBack(rnd_1_to(svc_.rng, 6));
    vm.menu("Mnu_Autohold").checked = true;
    player_.stats.Winnings[Stats::kSessionWinnings] = 0;
    Show_Winnings();
    vm.Pnl_Banner.caption = "";
    main_window_shown = true;
    timers_.Timer3_Enabled = true;
    load_hands_choice();
    Prepare_Hand();
    Repaint_Hand();
    vm.hourglass = false;
}

bool Machine::Exit_Requested() {
    Play_Sound(sound_path("exit.wav"));
    if (svc_.dialogs.message_box("Do you REALLY want to exit?", "Exit Program", MsgButtons::YesNo,
                                 MsgIcon::Question) != MsgAnswer::Yes)
        return false;
    vm.hourglass = true;
    Save_Config();
    vm.hourglass = false;
    // The side bet's window goes with the machine: left up, it would keep the program running.
    juicy_->view.visible = false;
    juicy_->view.activate = false;
    return true;
}

}  // namespace dw
