// POKER.HLP: any text reads without harm; a file that reads has topics whose texts hold no
// terminator line, and written back in its format it reads the same.
#include <algorithm>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "help/help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const dw::HelpFile help = dw::read_help(std::string_view(reinterpret_cast<const char*>(data), size));
    if (help.error != dw::HelpFile::Error::None) {
        FUZZ_CHECK(help.topics.empty());
        return 0;
    }
    FUZZ_CHECK(!help.topics.empty());
    std::string written = "HELP FILE\r\n";
    for (size_t i = 0; i < help.topics.size(); ++i) {
        const auto& t = help.topics[i];
        size_t start = 0;
        while (start <= t.text.size()) {  // no line of a text is a terminator
            const size_t end = std::min(t.text.find("\r\n", start), t.text.size());
            const std::string_view line(t.text.data() + start, end - start);
            FUZZ_CHECK(line != "@@##$$END$$##@@" && line != "@@##$$EOF$$##@@");
            start = end + 2;
        }
        written += t.title + "\r\n" + (t.text.empty() ? "" : t.text + "\r\n");
        written += i + 1 < help.topics.size() ? "@@##$$END$$##@@\r\n" : "@@##$$EOF$$##@@\r\n";
    }
    const dw::HelpFile again = dw::read_help(written);
    FUZZ_CHECK(again.error == dw::HelpFile::Error::None && again.topics.size() == help.topics.size());
    for (size_t i = 0; i < help.topics.size(); ++i)
        FUZZ_CHECK(again.topics[i].title == help.topics[i].title && again.topics[i].text == help.topics[i].text);
    return 0;
}
