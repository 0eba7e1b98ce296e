#include "records/progressive_file.h"

#include <charconv>
#include <cmath>

#include "files/file_io.h"

namespace dw {

std::string write_progressive(const ProgressiveRecord& r, char sep) {
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, r.jackpot);
    std::string jackpot(buffer, res.ptr);
    // Every reader takes '.' and ','; a locale's other separator (or none in Latin-1) is written as '.'.
    const char written = sep == ',' ? ',' : '.';
    for (char& c : jackpot)
        if (c == '.') c = written;
    std::string out = files::number_line(r.percent);
    out += (r.jackpot >= 0 ? " " : "") + jackpot + "\r\n";
    out += files::number_line(r.all_winnings);
    out += files::number_line(r.fancy_cards);
    return out;
}

namespace {
// The jackpot line: blanks around the number, one sign, and either decimal separator (the file
// may come from a session under another locale; the line never holds a thousands separator).
std::optional<double> parse_double(std::string_view line, char sep) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
    std::string s;
    for (char c : line) s += (c == sep || c == ',') ? '.' : c;
    if (!s.empty() && s[0] == '+') {
        s.erase(0, 1);
        if (!s.empty() && (s[0] == '+' || s[0] == '-')) return std::nullopt;
    }
    if (s.empty()) return std::nullopt;
    double v = 0;
    const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (err != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}
}  // namespace

ProgressiveRecord read_progressive(std::string_view text, char sep, RecordRead* how) {
    const auto lines = files::split_lines(text);
    ProgressiveRecord r;
    if (how) *how = RecordRead::Unreadable;
    if (lines.size() < 3) return r;
    const auto percent = files::parse_int(lines[0]);
    const auto jackpot = parse_double(lines[1], sep);
    const auto winnings = files::parse_int(lines[2]);
    if (!percent || *percent < INT16_MIN || *percent > INT16_MAX || !jackpot || !winnings) return r;
    r.percent = static_cast<int16_t>(*percent < 1 || *percent > 20 ? 2 : *percent);
    r.jackpot = *jackpot < 0 ? 1.0 : (*jackpot > 40000 ? 40000.0 : *jackpot);
    r.all_winnings = *winnings;
    if (how) *how = RecordRead::Partial;
    if (lines.size() >= 4) {
        const auto fancy = files::parse_int(lines[3]);
        if (fancy && *fancy >= INT16_MIN && *fancy <= INT16_MAX) {
            r.fancy_cards = static_cast<int16_t>(*fancy);
            if (how) *how = RecordRead::Whole;
        }
    }
    return r;
}

}  // namespace dw
