#include "view/view_model.h"

#include <stdexcept>

namespace dw {

MenuItem& ViewModel::menu(std::string_view name) {
    auto it = menus.find(name);
    if (it == menus.end()) throw std::out_of_range("no menu item " + std::string(name));
    return it->second;
}

const MenuItem& ViewModel::menu(std::string_view name) const {
    auto it = menus.find(name);
    if (it == menus.end()) throw std::out_of_range("no menu item " + std::string(name));
    return it->second;
}

}  // namespace dw
