// PROGRESn.VPK: whatever the text, the values read are inside the rules' ranges, and they
// write back and read the same under either decimal separator.
#include <cmath>
#include <string_view>

#include "fuzz_check.h"
#include "records/progressive_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char sep : {'.', ','}) {
        dw::RecordRead how;
        const dw::ProgressiveRecord r = dw::read_progressive(text, sep, &how);
        FUZZ_CHECK(r.percent >= 1 && r.percent <= 20);
        FUZZ_CHECK(std::isfinite(r.jackpot) && r.jackpot >= 0 && r.jackpot <= 40000);
        if (how == dw::RecordRead::Unreadable) FUZZ_CHECK(r.percent == 2 && r.jackpot == 0 && r.all_winnings == 0);
        for (char written : {'.', ','}) {
            dw::RecordRead again_how;
            const dw::ProgressiveRecord again = dw::read_progressive(dw::write_progressive(r, written), sep, &again_how);
            FUZZ_CHECK(again_how == dw::RecordRead::Whole);
            FUZZ_CHECK(again.percent == r.percent && again.jackpot == r.jackpot &&
                       again.all_winnings == r.all_winnings && again.fancy_cards == r.fancy_cards);
        }
    }
    return 0;
}
