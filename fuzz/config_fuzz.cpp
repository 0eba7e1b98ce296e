// CONFIG.VPK: any text reads without harm, and what is read writes back and reads the same.
#include <string_view>

#include "fuzz_check.h"
#include "records/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dw::Config config;
    const bool whole = dw::read_config(std::string_view(reinterpret_cast<const char*>(data), size), config);
    dw::Config again;
    FUZZ_CHECK(dw::read_config(dw::write_config(config), again));
    FUZZ_CHECK(again.goodies == config.goodies);
    if (whole) FUZZ_CHECK(again.names == config.names);
    return 0;
}
