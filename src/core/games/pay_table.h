#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "types.h"

namespace dw {

struct Pay_Entry {
    int32_t Pay = 0;     // row 0: the row count; rows 1..count: credits per coin; above: 0
    int16_t Shown = -1;  // -1 the row has its own chart line, 0 it shares the line above
    bool operator==(const Pay_Entry&) const = default;
};

constexpr int kSlots = 26;
constexpr int kRows = 21;

// Indexed [slot][row], slot 1..26 (element 0 unused), row 0..20.
struct Pay_Table {
    std::array<std::array<Pay_Entry, kRows>, kSlots + 1> cell{};
    Pay_Entry& at(int slot, int row) { return cell[static_cast<size_t>(slot)][static_cast<size_t>(row)]; }
    const Pay_Entry& at(int slot, int row) const {
        return cell[static_cast<size_t>(slot)][static_cast<size_t>(row)];
    }
    int32_t pay(int slot, int row) const { return at(slot, row).Pay; }
    int32_t row_count(int slot) const { return at(slot, 0).Pay; }
    bool shown(int slot, int row) const { return at(slot, row).Shown != 0; }
    bool operator==(const Pay_Table&) const = default;
};

// One row of a default chart: the label of the payout dialog, the line of the main-window
// chart (empty when the row shares the line above it), and the pay per coin.
struct DefaultRow {
    std::string_view label;
    std::string_view chart_line;
    int32_t pay;
};

// The default chart of a slot 1..26, top row first.
const std::vector<DefaultRow>& default_chart(int slot);

// A row's label as it reads on screen: the payout editor's "&&" (a dialog label's literal
// ampersand) is one "&".
std::string label_text(std::string_view label);

// Writes the default chart of one slot, or of all 26 when slot is 0. Nothing is saved.
void Set_Default_Payouts(Pay_Table& table, int16_t slot);

// The chart lines of a slot's main-window chart, top row first (one per default shown row).
std::vector<std::string_view> chart_lines(int slot);

}  // namespace dw
