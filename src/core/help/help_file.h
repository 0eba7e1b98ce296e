#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace dw {

struct HelpTopic {
    std::string title;
    std::string text;  // lines joined by CR LF
};

// POKER.HLP: "HELP FILE", then topics (a title line, text lines, a terminator line), the last
// ended by "@@##$$EOF$$##@@" and every other by "@@##$$END$$##@@".
struct HelpFile {
    enum class Error { None, NotAvailable, WrongFirstLine, Truncated };
    std::vector<HelpTopic> topics;
    Error error = Error::None;
};

HelpFile read_help(std::string_view text);

// The largest help file read (the machine's own is about 15 KB).
inline constexpr size_t kMaxHelpSize = 4 << 20;

// The message box text of a help file that cannot be used.
std::string_view help_error_text(HelpFile::Error error);

// The help window: the titles, the selected one and its text.
struct HelpModel {
    std::vector<std::string> Help_List;
    int selected = -1;
    std::string Help_Text;
    bool done = false;

    // Opens on the last topic titled `topic`, or on the first with no text.
    HelpModel(const std::vector<HelpTopic>& topics, std::string_view topic);
    void select(int index) { selected = index; }
    void View_Button_Click();  // also a double click in the list
    void Exit_Button_Click() { done = true; }

private:
    const std::vector<HelpTopic>& topics_;
};

// The lines of Frm_Keyboard, "Keyboard Equivalents", joined by CR LF.
std::string keyboard_help_text();

}  // namespace dw
