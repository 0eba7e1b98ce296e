// TRAINERn.VPK: any text reads without harm, and a file that reads writes back and reads the same.
#include <string_view>

#include "fuzz_check.h"
#include "trainer/trainer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto options = dw::read_trainer(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!options) return 0;
    const std::string written = dw::write_trainer(*options);
    const auto again = dw::read_trainer(written);
    FUZZ_CHECK(again && *again == *options);
    FUZZ_CHECK(dw::write_trainer(*again) == written);
    FUZZ_CHECK(dw::animation_interval(options->speed) >= 0);
    return 0;
}
