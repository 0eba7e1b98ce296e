#pragma once
#include <stdexcept>
#include <string>

namespace dw {

// An internal error that ends the program: the shell shows `text` under `title` with the
// critical icon and quits. The core never exits by itself; it throws and lets the shell decide.
struct FatalError : std::runtime_error {
    FatalError(std::string title_, std::string text_)
        : std::runtime_error(text_), title(std::move(title_)), text(std::move(text_)) {}
    std::string title;
    std::string text;
};

}  // namespace dw
