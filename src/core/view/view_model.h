#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dw {

// Colours are 0xBBGGRR, as the machine has always written them.
namespace colour {
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kRed = 0x0000FF;       // 255
constexpr int32_t kCyan = 0xFFFF00;      // chart back colour
constexpr int32_t kDarkRed = 0x000080;   // 128
constexpr int32_t kDarkBlue = 0x800000;  // 8,388,608
constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kMagenta = 0xFF00FF;
constexpr int32_t kWhite = 0xFFFFFF;
}  // namespace colour

// The state of one control as the machine sees it. Texts keep the machine's own line ends
// (CR LF) and "&&" for a shown ampersand.
struct Control {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    int32_t fore_colour = colour::kBlack;
    int32_t back_colour = colour::kCyan;
    bool bold = false;
    double font_size = 8.25;  // points
    int32_t top = 0;          // twips, where the machine moves a control
    int32_t height = 0;
    int32_t picture = 0;      // Img_Card: suit picture (see SuitPicture); Coin_Slot: frame 1..4
    bool operator==(const Control&) const = default;
};

enum SuitPicture : int32_t { kNothing = 0, kHeart = 1, kDiamond = 2, kClub = 3, kSpade = 4 };

struct MenuItem {
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool operator==(const MenuItem&) const = default;
};

// One of the smaller hands above the main hand when several hands are played: its cards (value
// 2..14, 1 a joker, and the suit letter), face up once drawn, and the line of its win.
struct SmallHand {
    std::array<int16_t, 5> value{};
    std::array<char, 5> suit{};
    bool face_up = false;
    std::string win;  // "Full House  45"; empty: no win
    bool operator==(const SmallHand&) const = default;
};

// Every control of the main window the machine talks about, named after the controls.
struct ViewModel {
    std::array<Control, 7> Lbl_Pay;
    Control Pnl_Progressive_Display, Lbl_Progressive_Bet, Pnl_Banner, Pnl_Game_Over, Pnl_Show_Payoffs;
    Control Lbl_Multi_Payout, Lbl_CoinSlot, Lbl_Credits, Lbl_Coins, Lbl_Played, Lbl_Juicy_Bet;
    std::array<Control, 2> Lbl_Winnings;
    Control Btn_Play_Credit, Btn_Play_5, Btn_Deal, Btn_Redeal, Btn_Insert_Coin, Btn_Clear_Coins;
    Control Btn_Double, Btn_Stand, Btn_Show_Fifth, Coin_Slot;
    // Per hand position, index 0 = position 1.
    std::array<Control, 5> Btn_Hold, Pnl_Hold, Pnl_Wild, Pnl_Plain_Wild, Pnl_Card, Img_Card, Pnl_InvisiCard;
    std::array<Control, 5> Pnl_Hint;  // the trainer's mark on the cards of the best hold
    // What the last hand paid for, marked until the next bet: the cards that made it, and the
    // chart's row (picture = its line in the chart's text, the header being line 0).
    std::array<Control, 5> Pnl_Win_Card;
    Control Pnl_Win_Row;
    // Several hands: the hands above the main one (lowest first; none with one hand), and each
    // chart line that paid with the number of hands that won it.
    std::vector<SmallHand> Extra_Hands;
    std::map<int, int> Win_Rows;
    Control Lst_Games;  // picture = selected index
    std::string caption;  // the window title
    std::map<std::string, MenuItem, std::less<>> menus;
    bool hourglass = false;
    std::string focus;  // name of the control that has the focus
    bool activate = false;  // the main window asks for the focus (and leaves a minimised or maximised state)

    // A menu item by name; a name that is none throws FatalError, which the host shows and ends on.
    MenuItem& menu(std::string_view name);
    const MenuItem& menu(std::string_view name) const;
};

}  // namespace dw
