#include "games/payouts_file.h"

#include "files/file_io.h"

namespace dw {

std::string write_payouts(const Pay_Table& table) {
    std::string out;
    out.reserve(1092 * 6);
    for (int s = 1; s <= kSlots; ++s)
        for (int r = 0; r < kRows; ++r) {
            out += files::number_line(table.at(s, r).Pay);
            out += files::number_line(table.at(s, r).Shown);
        }
    return out;
}

std::optional<Pay_Table> read_payouts(std::string_view text) {
    const auto lines = files::split_lines(text);
    if (lines.size() < 1092) return std::nullopt;
    Pay_Table table;
    size_t i = 0;
    for (int s = 1; s <= kSlots; ++s)
        for (int r = 0; r < kRows; ++r) {
            const auto pay = files::parse_int(lines[i++]);
            const auto shown = files::parse_int(lines[i++]);
            if (!pay || !shown) return std::nullopt;
            if (r == 0 && (*pay < 9 || *pay > 20)) return std::nullopt;
            // A negative pay would take credits from a winning hand; it is as corrupt as a large one.
            if (r >= 1 && s <= 25 && *pay > 1500) return std::nullopt;
            if (r >= 1 && *pay < 0) return std::nullopt;
            if (*shown < INT16_MIN || *shown > INT16_MAX) return std::nullopt;
            table.at(s, r) = Pay_Entry{*pay, static_cast<int16_t>(*shown)};
        }
    return table;
}

}  // namespace dw
