#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace dw {

// The keys a box of digits takes: the digits and backspace ('\b').
inline bool digit_key(char key) { return (key >= '0' && key <= '9') || key == '\b'; }

// What a box of digits keeps of a text (a paste, say): its digits, at most `max_length` of them.
inline std::string digits_of(std::string_view text, size_t max_length) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && digits.size() < max_length) digits += c;
    return digits;
}

}  // namespace dw
