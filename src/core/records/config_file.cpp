#include "records/config_file.h"

#include "files/file_io.h"

namespace dw {

const std::array<std::string, 4> kGoodyHelp = {
    "Hit a Natural Royal Flush and win the Progressive Jackpot... it gets bigger every time you play!\r\n\r\nYou "
    "can control how much of each bet gets added to the progressive jackpot.",
    "Hit a Reversible Royal and win the SUPER PAYOUT:  50,000 Coins!\r\n\r\nA Reversible Royal is a Natural Royal "
    "Flush dealt in order:  10-J-Q-K-A or A-K-Q-J-10.  C'mon... you can do it!",
    "Here's a chance to DOUBLE your winnings!  Beat the dealer's card and extra winnings can be yours!",
    "An all-new twist to Video Poker and only Velmora has it!  Make a side bet of one coin on any non-wildcard draw "
    "poker game (we've got LOTS of them!) and win extra payouts from a second payout chart!  This is one juicy "
    "goody!",
};

std::string one_line_name(std::string_view name) {
    std::string out;
    for (char c : name) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    return out;
}

std::string write_config(const Config& config) {
    std::string out;
    for (bool on : config.goodies) out += on ? "T\r\n" : "F\r\n";
    for (std::string name : config.names) {
        for (char& c : name)
            if (c == '\r' || c == '\n') c = ' ';  // a name never splits into two lines
        out += name + "\r\n";
    }
    return out;
}

bool read_config(std::string_view text, Config& config) {
    const auto lines = files::split_lines(text);
    for (size_t i = 0; i < 8; ++i) {
        if (i >= lines.size()) return false;
        if (i < 4) config.goodies[i] = lines[i] == "T";
        else config.names[i - 4] = std::string(lines[i]);
    }
    return true;
}

}  // namespace dw
