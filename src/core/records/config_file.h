#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dw {

// CONFIG.VPK: four goody lines ("T" on, anything else off) and the four player names.
struct Config {
    std::array<bool, 4> goodies{true, true, true, true};  // progressive, royals, double up, side bet
    std::array<std::string, 4> names{"Player 1", "Player 2", "Player 3", "Player 4"};
};

// A name as the rename box keeps it: control characters (a pasted line break, a tab) become blanks.
std::string one_line_name(std::string_view name);
// A line break inside a name is written as a blank, so no name can split into two lines.
std::string write_config(const Config& config);

// Reads as many of the eight lines as there are into `config` (a line read keeps its effect);
// false when the file ends before line 8.
bool read_config(std::string_view text, Config& config);

// The four goodies as their menu items and the texts of their help buttons.
inline constexpr std::array<std::string_view, 4> kGoodyMenus = {"Mnu_Progressive", "Mnu_Royals", "Mnu_Double",
                                                                "Mnu_Juicy_Jackpots"};
extern const std::array<std::string, 4> kGoodyHelp;

}  // namespace dw
