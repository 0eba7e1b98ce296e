#pragma once
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace dw::shell {

// The row of "&Ok!" (Btn_Ok, the default button) and "&Cancel!" (Btn_Cancel) at the foot of a
// dialog: Ok runs `ok` and accepts, Cancel runs `cancel` and rejects. More buttons may join the row.
struct OkCancel {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel add_ok_cancel(QDialog* dialog, QBoxLayout* layout, std::function<void()> ok, std::function<void()> cancel);

// "&Close" (Btn_Close) at the right of the foot of a window that only shows: it accepts.
QPushButton* add_close(QDialog* dialog, QBoxLayout* layout);

}  // namespace dw::shell
