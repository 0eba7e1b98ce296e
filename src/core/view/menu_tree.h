#pragma once
#include <string_view>
#include <vector>

namespace dw {

// One entry of the main window's menu bar. Depth 0 is a top-level menu; a separator has the
// caption "-". The shell builds the real menus from this table; the core keeps their state
// in the view model under `name`.
struct MenuEntry {
    int depth;
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut;  // "Ctrl+N", "Shift+F2", "Shift+Ctrl+F4" or empty
    bool checked_at_start = false;
};

const std::vector<MenuEntry>& menu_tree();

}  // namespace dw
