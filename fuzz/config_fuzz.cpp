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
    if (whole) {
        // A bare CR inside a name is written as a blank; nothing else changes.
        for (auto& name : config.names)
            for (char& c : name)
                if (c == '\r') c = ' ';
        FUZZ_CHECK(again.names == config.names);
    }
    return 0;
}
