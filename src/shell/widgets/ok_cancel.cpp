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

QPushButton* add_close(QDialog* dialog, QBoxLayout* layout) {
    auto* close = new QPushButton("&Close");
    close->setObjectName("Btn_Close");
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
    return close;
}

}  // namespace dw::shell
