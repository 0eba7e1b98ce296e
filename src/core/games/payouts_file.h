#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "games/pay_table.h"

namespace dw {

// PAYOUTS.VPK: for slot 1..26, row 0..20, a line with Pay and a line with Shown; 1092 lines.
std::string write_payouts(const Pay_Table& table);

// The table, or nothing when any line is missing, not a number or out of its range: the
// caller then falls back to the defaults for the whole table.
std::optional<Pay_Table> read_payouts(std::string_view text);

}  // namespace dw
