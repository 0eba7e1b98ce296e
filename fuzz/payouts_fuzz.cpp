// PAYOUTS.VPK: a table is read whole or not at all; a read one keeps the ranges of the rules
// (row counts 9 to 20, no negative pay, game pays up to 1500) and writes back the same.
#include <string_view>

#include "fuzz_check.h"
#include "games/payouts_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto table = dw::read_payouts(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!table) return 0;
    for (int slot = 1; slot <= dw::kSlots; ++slot) {
        FUZZ_CHECK(table->row_count(slot) >= 9 && table->row_count(slot) <= 20);
        for (int row = 1; row < dw::kRows; ++row) {
            FUZZ_CHECK(table->pay(slot, row) >= 0);
            if (slot <= 25) FUZZ_CHECK(table->pay(slot, row) <= 1500);
        }
    }
    const auto again = dw::read_payouts(dw::write_payouts(*table));
    FUZZ_CHECK(again && *again == *table);
    return 0;
}
