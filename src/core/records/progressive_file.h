#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace dw {

// PROGRESn.VPK: jackpot percent, jackpot, all-sessions winnings, card style.
struct ProgressiveRecord {
    int16_t percent = 2;
    double jackpot = 0;
    int32_t all_winnings = 0;
    int16_t fancy_cards = -1;
};

// The jackpot is written with `decimal_separator` when it is ',' (else with '.', which every reader
// takes), in the shortest form that reads back exactly.
std::string write_progressive(const ProgressiveRecord& record, char decimal_separator);

// How much of a progressive record could be read.
enum class RecordRead { Whole, Partial, Unreadable };

// Reads with the corrections: percent outside 1..20 becomes 2, a jackpot below 0 becomes 1,
// above 40000 becomes 40000. A file that fails in lines 1 to 3 gives the defaults
// (Unreadable); one that fails only in line 4 keeps the rest and gives fancy cards (Partial).
// '.', ',' and `decimal_separator` are all read as the decimal point.
ProgressiveRecord read_progressive(std::string_view text, char decimal_separator, RecordRead* how = nullptr);

}  // namespace dw
