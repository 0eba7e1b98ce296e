// STATSn.VPK: a record either reads whole or not at all, and a read one writes back byte-stable.
#include <string_view>

#include "fuzz_check.h"
#include "records/stats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto stats = dw::read_stats(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!stats) return 0;
    for (const auto& slot : stats->Hand_Stats)
        for (const auto& row : slot) FUZZ_CHECK(row[dw::Stats::kSessionCount] == 0);
    const std::string written = dw::write_stats(*stats);
    const auto again = dw::read_stats(written);
    FUZZ_CHECK(again);
    FUZZ_CHECK(again->Game_Stats == stats->Game_Stats && again->Hand_Stats == stats->Hand_Stats);
    FUZZ_CHECK(dw::write_stats(*again) == written);
    return 0;
}
