#include "view/view_model.h"

#include "errors.h"

namespace dw {

MenuItem& ViewModel::menu(std::string_view name) {
    auto it = menus.find(name);
    if (it == menus.end()) throw FatalError("Internal Error", "There is no menu item " + std::string(name) + ".");
    return it->second;
}

const MenuItem& ViewModel::menu(std::string_view name) const {
    auto it = menus.find(name);
    if (it == menus.end()) throw FatalError("Internal Error", "There is no menu item " + std::string(name) + ".");
    return it->second;
}

}  // namespace dw
