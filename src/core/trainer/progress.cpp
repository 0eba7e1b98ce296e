#include "trainer/progress.h"

#include <charconv>
#include <cstdio>

#include "files/file_io.h"

namespace dw {

std::string write_sessions(const std::vector<SessionLog>& sessions) {
    std::string out;
    char line[96];
    for (const auto& s : sessions) {
        std::snprintf(line, sizeof line, "%lld;%d;%d;%.6f\r\n", static_cast<long long>(s.start), s.decisions, s.mistakes,
                      s.cost);
        out += line;
    }
    return out;
}

std::vector<SessionLog> read_sessions(std::string_view text) {
    std::vector<SessionLog> out;
    for (auto line : files::split_lines(text)) {
        SessionLog s;
        const char* p = line.data();
        const char* end = line.data() + line.size();
        auto field = [&](auto& value) {
            const auto [next, ec] = std::from_chars(p, end, value);
            if (ec != std::errc{}) return false;
            p = next;
            if (p < end && *p == ';') {
                ++p;
                return true;
            }
            return p == end;
        };
        const bool ok = field(s.start) && field(s.decisions) && field(s.mistakes) && field(s.cost) && p == end &&
                        s.decisions >= 0 && s.mistakes >= 0 && s.mistakes <= s.decisions && s.cost >= 0;
        if (ok) out.push_back(s);
    }
    if (out.size() > kSessionsKept) out.erase(out.begin(), out.end() - static_cast<std::ptrdiff_t>(kSessionsKept));
    return out;
}

}  // namespace dw
