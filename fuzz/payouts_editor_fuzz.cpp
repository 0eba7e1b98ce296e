// The payout editor driven by any run of keystrokes, pastes and focus changes: what OK stores is
// always a pay the editor takes (the stored pay, or a positive number of at most the box's
// digits), and rows that share one chart line keep one pay.
#include <string>

#include "fuzz_check.h"
#include "games/payouts_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    dw::Pay_Table table;
    dw::Set_Default_Payouts(table, 0);
    const dw::Pay_Table stored = table;
    const int slot = data[0] % dw::kSlots + 1;
    dw::PayoutsModel editor(table, slot);
    size_t i = 1;
    auto next = [&] { return i < size ? data[i++] : uint8_t{0}; };
    while (i < size) {
        const uint8_t op = next();
        int k = next() % editor.rows;
        while (k < editor.rows - 1 && !editor.Txt_Value[static_cast<size_t>(k)].enabled) ++k;  // greyed: never typed in
        std::string text = editor.Txt_Value[static_cast<size_t>(k)].caption;
        switch (op % 4) {
        case 0: {  // a key, as the box's key filter lets it through
            const char key = static_cast<char>(next());
            if (!dw::PayoutsModel::Key_Press(key)) break;
            if (key == '\b') {
                if (!text.empty()) text.pop_back();
            } else {
                text += key;
            }
            editor.Text_Changed(k, text);
            break;
        }
        case 1: {  // a paste of anything
            std::string pasted;
            for (int n = next() % 9; n > 0 && i < size; --n) pasted += static_cast<char>(next());
            editor.Text_Changed(k, pasted);
            break;
        }
        case 2: editor.Lost_Focus(k); break;
        default: {
            const dw::Pay_Table preview = editor.preview(table);
            for (int row = 1; row <= editor.rows; ++row) FUZZ_CHECK(preview.pay(slot, row) > 0);
        }
        }
    }
    editor.Btn_Ok_Click();
    editor.apply(table);
    int32_t line_pay = 0;
    for (int row = editor.rows; row >= 1; --row) {
        const int32_t pay = table.pay(slot, row);
        int32_t limit = 1;
        for (int d = 0; d < editor.max_length[static_cast<size_t>(row - 1)]; ++d) limit *= 10;
        FUZZ_CHECK(pay == stored.pay(slot, row) || (pay > 0 && pay < limit));
        if (table.shown(slot, row)) line_pay = pay;
        else FUZZ_CHECK(pay == line_pay);
    }
    return 0;
}
