#pragma once
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "cards/card_library.h"
#include "cards/deck.h"
#include "cards/rng.h"
#include "eval/evaluators.h"
#include "games/chart.h"
#include "games/pay_table.h"
#include "round/round_flow.h"
#include "round/timer_flags.h"
#include "round/voice.h"
#include "round/table.h"
#include "round/wallet.h"
#include "records/hand_history.h"
#include "records/player_records.h"
#include "view/chart_panel.h"
#include "variants/progressive.h"
#include "machine/services.h"
#include "view/view_model.h"
#include "eval/juicy.h"
#include "help/help_file.h"
#include "records/stats.h"

namespace dw {

class DoubleUpRound;
class JuicyJackpots;
class MachineRounds;
struct TrainerState;
class CardKeeper;
struct Judgement;
struct JuicyModel;

// The whole machine: its state, its routines and the view model of the main window. The shell
// turns window events and timer ticks into calls of these routines and draws the view model.
// A hand runs in the flow of its game (a RoundFlow), which sees the machine only through
// MachineRounds, its RoundHost.
// A natural royal flush dealt in order, ten to ace or ace to ten: the reversible royal.
bool reversible_royal(const Hand& h);

class Machine {
public:
    using Services = MachineServices;
    explicit Machine(Services services);
    ~Machine();
    void Form_Load();              // captions, game list, hold markers
    // Names, configuration, the goodies dialog when the splash was clicked, the player.
    void Load_Records(bool show_goodies = false);
    void Main_Initialisation(intptr_t card_window);  // game 1, 80 credits, card library, first hand
    void Select_Game(GameId game);                 // a game menu item
    void Lst_Games_Click(int index);
    bool Load_Payouts();  // false when the file could not be used and the defaults stand
    bool Save_Payouts();
    void Bet_One_Credit();
    void Bet_Max();
    void Coin_Slot_Click();
    void Coin_Slot_Tick();  // one frame of the coin-slot animation, every 50 ms
    void Insert_Coin();
    void Btn_Clear_Coins_Click();
    void Start_Hand();
    void Toggle_Hold(int position);
    void Draw();  // Btn_Redeal
    void Btn_Show_Fifth_Click();
    void Btn_Double_Click();
    void Btn_Stand_Click();
    void Timer1_Tick();
    void Timer2_Tick();
    void Timer3_Tick();
    void Timer4_Tick();
    void Pause_Tick();  // the one-shot pause timer ran out
    void Prepare_Hand();
    bool in_hand() const;  // from the deal until the payoff is done
    Phase phase() const;
    void Key_Press(char key);
    // Any item of the window's menus by its name: a game, a goody, a command, a help topic, the
    // trainer's. False for a name the machine does not know (the window's own Exit and About).
    bool Menu_Command(std::string_view menu);
    void Repaint_Hand();
    bool Load_Config();
    bool Save_Config();
    bool Load_Stats();
    bool Save_Stats();
    bool Load_Progressive();
    bool Save_Progressive();
    void Show_Winnings();
    // Records a side bet of one coin that paid `win` credits in row `row` of the side-bet chart.
    void Record_Side_Bet(HandCode row, int32_t win);
    bool Exit_Requested();  // the exit question; true when the program should end
    void Show_Help(std::string_view topic);
    int Deal_Interval() const;                    // of the deal and draw animations, in ms
    const JuicyModel& juicy_view() const;
    JuicyModel& juicy_view();
    const JuicyCards& juicy_cards() const;
    const HandHistory& history() const { return history_; }  // every hand of the session
    CardKeeper& trainer_cards();  // the strategy card holds are judged by
    int hands() const { return wallet_.Hands; }  // hands of the deal: 1, or 3, 5 or 10 in the draw games
    void Juicy_Continue_Click();
    void Juicy_New_Cards_Click();
    void Juicy_Reset_Click();
    void Juicy_Customize_Click();  // the side-bet chart in the payout editor
    void Juicy_Activate();
    void Juicy_Query_Unload();  // the close box: refused, the focus goes back to the main window
    void Juicy_Tick();          // one juicy card appears, every 50 ms while they are shown
    bool juicy_showing() const;
    bool auto_hold_on() const { return vm.menu("Mnu_Autohold").checked; }
    bool held(int position) const { return vm.Pnl_Hold[static_cast<size_t>(position - 1)].visible; }
    // The parts the machine owns: the money (credits, coin bucket, bets) and the progressive
    // jackpot. Read by the window and by tests, which may also set them; the machine's rules
    // change them through the parts' own routines.
    Wallet& wallet() { return wallet_; }
    const Wallet& wallet() const { return wallet_; }
    Progressive& progressive() { return progressive_; }
    const Progressive& progressive() const { return progressive_; }
    const TimerFlags& timers() const { return timers_; }
    // The cards on the table and how they are drawn.
    Table& table() { return table_; }
    const Table& table() const { return table_; }
    // The player at the machine: names, number and statistics.
    PlayerRecords& player() { return player_; }
    const PlayerRecords& player() const { return player_; }
    ChartPanel& chart_panel() { return chart_panel_; }
    const ChartPanel& chart_panel() const { return chart_panel_; }
    // The window's view model: what every control shows.
    ViewModel& view() { return vm; }
    const ViewModel& view() const { return vm; }
    GameId game() const { return game_; }
    // Every game's chart and the side bet's, as the payout editor and the records change them.
    Pay_Table& pay_table() { return pay_table_; }
    const Pay_Table& pay_table() const { return pay_table_; }
    // Velmora and the machine sounds; the asset folder (wave files and help) is set on it.
    Voice& voice() { return voice_; }
    const Voice& voice() const { return voice_; }
private:
    // The menu commands, reached through Menu_Command.
    void Mnu_Payouts_Reset_C();
    void Mnu_Payouts_Reset();
    void Mnu_Cash_Out();
    void Mnu_Visit_Cashier();
    void Mnu_Progressive_Click();
    void Mnu_Royals_Click();
    void Mnu_Double_Click();
    void Mnu_Juicy_Jackpots_Click();
    void Mnu_Autohold_Click();
    void Mnu_Sound_Click();
    void Mnu_Fancy_Cards_Click();
    void Mnu_Plain_Cards_Click();
    void Mnu_Clear_Session_Stats();
    void Mnu_Clear_All_Stats();
    void Mnu_Reset_Winnings();
    void Mnu_Reset_All_Winnings();
    void Mnu_New_Game();
    void Mnu_Reset_Progressive();
    void Show_Percent_Dialog();
    void Show_Payout_Dialog();  // the current game's chart in the payout editor
    void Show_Keyboard_Help();
    void Show_Cheat();
    bool Menu_Help(std::string_view menu);  // a help menu item; false when it is none
    void Show_Stats();
    void Mnu_Player_Click();
    bool Trainer_Command(std::string_view menu);  // a Trainer menu item; false when it is none
    void Mnu_Window_Juicy_Jackpots_Click();
    void Goody_Help(int box);
    void Display_Progressive_Payout();
    void Play_Sound(const std::string& path);
    std::string sound_path(std::string_view file) const;  // the wave file in the voice's asset folder
    bool Load_Help();
    void Check_Menu();
    void Show_Chart(ChartKind kind);  // a chart routine of the current game
    void Juicy_Setup();
    void Show_Coin_Bucket();
    void Lock_Menus();
    void Unlock_Menus();
    bool side_bet_active() const;
    int max_bet_now() const;
    void Display_Hand_Value(HandCode& code);
    void Display_Hand_Eights(HandCode& code);
    // Prices the final hand and pays it (after the double up, when offered); ends the hand.
    void Payoff(HandCode& code);
    void Draw_One_Card(int position);
    void Show_Backs();
    void Setup_Goodies();
    void Choose_Player();
    int16_t Pay_Juicy();  // pays the side bet of the dealt hand; returns its row
    bool progressive_on() const { return vm.menu("Mnu_Progressive").checked; }
    bool royals_on() const { return vm.menu("Mnu_Royals").checked; }
    bool double_up_on() const { return vm.menu("Mnu_Double").checked && wallet_.Hands == 1; }
    bool sound_on() const { return sound_menu_on(vm); }
    Services svc_;
    ViewModel vm;
    GameId game_ = 1;
    Pay_Table pay_table_;
    Table table_;
    PlayerRecords player_;
    ChartPanel chart_panel_;
    bool Game_List_Busy = false;
    bool main_window_shown = false;
    Wallet wallet_;
    Progressive progressive_;
    TimerFlags timers_;
    Voice voice_;
    struct IdleDisplay { int marquee = 0, blink = 1, phase = 1, step = 1, colour = 1; } idle_;
    std::unique_ptr<RoundFlow> round_;
    std::unique_ptr<DoubleUpRound> double_up_;
    std::unique_ptr<MachineRounds> rounds_;
    std::unique_ptr<JuicyJackpots> juicy_;
    std::vector<HelpTopic> help_topics_;
    bool help_loaded_ = false;
    std::unique_ptr<TrainerState> trainer_;
    HandHistory history_;
    HandRecord pending_;  // the hand being played: its deal and holds, kept at the draw
    void export_history();  // File > Export Hand History...
    void show_session_graph();
    void show_luck();
    ChartKind shown_chart_ = ChartKind::Standard;  // the chart on the table
    bool accepting_bets();
    RoundParts round_parts();  // what a hand flow works with directly
    const TableLook& table_look() const;  // what the game's family shows at the table
    void bet_steps(bool from_slot);
    void highlight(int panel, bool on);
    void mark_win(HandCode code);  // code 0 clears the marks
    void finish_payoff(HandCode code, int64_t amount);
    void end_hand();
    void show_credits();
    void add_credits_capped(int64_t amount);
    void focus_first_enabled_bet_button();
    void enable_bet_buttons();  // between hands: Play 1 and Play Max as the credits allow, every hand counted
    void set_all_holds(bool visible, bool enabled);
    MsgAnswer confirm(std::string_view text, std::string_view title);
    // Writes a record; a failure shows the "File Error" box with `error_text` and keeps memory.
    bool save(std::string_view name, std::string_view text, std::string_view error_text);
    void apply_chart(const ChartPanels& chart);
    void play_announcement_sound(std::string_view key);
    void keep_unreadable(const std::string& name);
    void edit_payouts(int slot);
    void show_hint(bool asked);  // the best hold of the dealt hand, when the trainer knows it
    void show_decision_hint(int shown, int parts);
    void warm_trainer();  // the trainer's table for this game's full bet starts building, if it helps
    bool judge_draw();           // the mistake gate before a draw; false: the player changes holds
    void load_trainer();  // the options and the mistakes of the player; the accuracy starts again
    void save_mistakes();
    void reset_accuracy();  // this session's accuracy starts again (its mistakes stay in the record)
    void log_judgement(const Judgement& judgement);  // this session's line of the trainer's log
    int64_t now() const;  // seconds since 1970, from the services' clock or the system's
    void show_analysis();   // Analyze a Hand on the cards on the table
    void show_mistakes();
    void show_strategy_card();
    // Several hands from one deal: the player's choice (from the settings file), the hands of
    // this game, and paying every hand of a round.
    int hands_chosen_ = 1;
    ExtraHands extra_;
    int hands_now() const;
    void load_hands_choice();
    bool choose_hands(std::string_view menu);  // a Hands per Deal item; false when it is none
    void apply_hands();
    void settle_hands(HandCode main_code);
    void add_winnings(int64_t delta);  // both totals; a message when they cannot hold the result
    bool bucket_takes(int64_t delta);  // false, with a message, when the bucket cannot hold the result
    friend class MachineRounds;
};

}  // namespace dw
