#include "help/help_file.h"

#include "files/file_io.h"

namespace dw {

namespace {
constexpr std::string_view kEnd = "@@##$$END$$##@@";
constexpr std::string_view kEof = "@@##$$EOF$$##@@";
}  // namespace

HelpFile read_help(std::string_view text) {
    HelpFile out;
    const auto lines = files::split_lines(text);
    if (lines.empty() || lines[0] != "HELP FILE") {
        out.error = HelpFile::Error::WrongFirstLine;
        return out;
    }
    size_t i = 1;
    for (;;) {
        if (i >= lines.size()) {
            out.error = HelpFile::Error::Truncated;
            out.topics.clear();
            return out;
        }
        HelpTopic topic{std::string(lines[i++]), ""};
        bool first = true, ended = false, last = false;
        while (i < lines.size()) {
            const std::string_view line = lines[i++];
            if (line == kEnd || line == kEof) {
                ended = true;
                last = line == kEof;
                break;
            }
            if (!first) topic.text += "\r\n";
            topic.text += line;
            first = false;
        }
        if (!ended) {
            out.error = HelpFile::Error::Truncated;
            out.topics.clear();
            return out;
        }
        out.topics.push_back(std::move(topic));
        if (last) return out;
    }
}

std::string_view help_error_text(HelpFile::Error error) {
    switch (error) {
    case HelpFile::Error::NotAvailable: return "Help File not available.";
    case HelpFile::Error::WrongFirstLine: return "Help File not readable.  Unable to load help.";
    case HelpFile::Error::Truncated: return "Help File not readable.  Unable to load Help.";
    case HelpFile::Error::None: break;
    }
    return "";
}

HelpModel::HelpModel(const std::vector<HelpTopic>& topics, std::string_view topic) : topics_(topics) {
    int found = -1;
    for (size_t i = 0; i < topics.size(); ++i) {
        Help_List.push_back(topics[i].title);
        if (topics[i].title == topic) found = static_cast<int>(i);
    }
    if (found >= 0) {
        selected = found;
        Help_Text = topics[static_cast<size_t>(found)].text;
    } else {
        selected = topics.empty() ? -1 : 0;
    }
}

void HelpModel::View_Button_Click() {
    Help_Text = selected >= 0 && selected < static_cast<int>(topics_.size()) ? topics_[static_cast<size_t>(selected)].text
                                                                             : std::string();
}

std::string keyboard_help_text() {
    static constexpr const char* kLines[] = {
        "P:   Play Credit",
        "M:   Play Max Credits",
        "V:   Visit Cashier",
        "E:   Deal",
        "D:   Draw",
        "1:   Hold/Discard First Card",
        "2:   Hold/Discard Second Card",
        "3:   Hold/Discard Third Card",
        "4:   Hold/Discard Fourth Card",
        "5:   Hold/Discard Fifth Card",
        "Y or N: Yes or No to Double Up",
        "2,3,4,5: Select Card in Double Up",
        "",
        "Note:  You do not need to hold down \"Alternate\" or \"Control\" to use these keyboard commands.",
    };
    std::string out;
    for (const char* line : kLines) out += (out.empty() ? "" : "\r\n") + std::string(line);
    return out;
}

}  // namespace dw
