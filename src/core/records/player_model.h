#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace dw {

// Frm_Player, "Select a Player!": four players to choose from, each can be renamed.
class PlayerModel {
public:
    PlayerModel(std::array<std::string, 4> names, int player_number);

    std::array<std::string, 4> names;  // Btn_Player captions
    int selected;                       // 0..3
    bool done = false;

    void Btn_Player_Click(int index) {
        if (index >= 0 && index < 4) selected = index;
    }
    // Renames player `index` to the answer of the input box (nothing for Cancel or empty).
    // True when the name had to be cut to twenty characters.
    bool Btn_Rename_Click(int index, const std::optional<std::string>& answer);
    void Btn_Exit_Click() { done = true; }
    // The close box is refused (the shell beeps).
    bool Close() const { return false; }

    std::function<void()> renamed;  // Save_Config, after every rename
    std::function<void()> help;
};

inline constexpr const char* kNameTooLong = "The name was too long and has been truncated to twenty characters!";

}  // namespace dw
