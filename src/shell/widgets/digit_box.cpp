#include "widgets/digit_box.h"

#include <QKeyEvent>
#include <QTimer>

namespace dw::shell {

void DigitBox::keyPressEvent(QKeyEvent* e) {
    // Shift+Insert and Shift+Delete would paste or cut around the filter.
    if ((e->modifiers() & Qt::ShiftModifier) && (e->key() == Qt::Key_Insert || e->key() == Qt::Key_Delete)) return;
    const QString t = e->text();
    if (key_filter && t.size() == 1 && !(e->modifiers() & Qt::ControlModifier)) {
        const char c = t[0] == QChar('\b') || e->key() == Qt::Key_Backspace ? '\b' : t[0].toLatin1();
        if (c != 0 && (t[0].isPrint() || c == '\b') && !key_filter(c)) return;
    }
    QLineEdit::keyPressEvent(e);
}

void DigitBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // After the click that gave the focus has placed the cursor.
    if (select_all_on_focus) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

}  // namespace dw::shell
