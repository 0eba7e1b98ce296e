#include "records/player_model.h"

#include "records/config_file.h"

namespace dw {

PlayerModel::PlayerModel(std::array<std::string, 4> names_, int player_number)
    : names(std::move(names_)), selected(player_number >= 1 && player_number <= 4 ? player_number - 1 : 0) {}

bool PlayerModel::Btn_Rename_Click(int index, const std::optional<std::string>& answer) {
    if (index < 0 || index > 3 || !answer) return false;
    // A name is one line of CONFIG.VPK: a pasted line break or tab becomes a blank.
    std::string name = one_line_name(*answer);
    if (name.empty()) return false;
    // Twenty characters, not bytes: a name may hold letters beyond ASCII.
    size_t chars = 0, cut = name.size();
    for (size_t i = 0; i < name.size(); ++i)
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && ++chars == 21) {
            cut = i;
            break;
        }
    const bool too_long = cut < name.size();
    name.resize(cut);
    names[static_cast<size_t>(index)] = name;
    if (renamed) renamed();
    return too_long;
}

}  // namespace dw
