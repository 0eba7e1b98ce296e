#include "widgets/ok_cancel.h"

namespace dw::shell {

OkCancel add_ok_cancel(QDialog* dialog, QBoxLayout* layout, std::function<void()> ok, std::function<void()> cancel) {
    OkCancel out{new QHBoxLayout, new QPushButton("&Ok!"), new QPushButton("&Cancel!")};
    out.ok->setObjectName("Btn_Ok");
    out.ok->setDefault(true);
    out.cancel->setObjectName("Btn_Cancel");
    out.row->addWidget(out.ok);
    out.row->addWidget(out.cancel);
    layout->addLayout(out.row);
    QObject::connect(out.ok, &QPushButton::clicked, dialog, [dialog, ok = std::move(ok)] {
        ok();
        dialog->accept();
    });
    QObject::connect(out.cancel, &QPushButton::clicked, dialog, [dialog, cancel = std::move(cancel)] {
        cancel();
        dialog->reject();
    });
    return out;
}

}  // namespace dw::shell
