#include "forms/frm_payouts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "control_binder.h"
#include "widgets/digit_box.h"

namespace dw::shell {

Frm_Payouts::Frm_Payouts(PayoutsModel& model, QWidget* parent, std::function<void()> help)
    : QDialog(parent), model_(model) {
    setObjectName("Frm_Payouts");
    setWindowTitle("Customize Payout Chart");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromStdString(model.Lbl_Game));
    title->setObjectName("Lbl_Game");
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    title->setFont(f);
    layout->addWidget(title);
    auto* grid = new QGridLayout;
    auto* heading = new QLabel("Payout per Coin");
    heading->setObjectName("Label2");
    grid->addWidget(heading, 0, 1);
    // The top row first, as the chart shows it: box k is row k + 1, so the highest row is last.
    for (int k = model.rows - 1, line = 1; k >= 0; --k, ++line) {
        const size_t i = static_cast<size_t>(k);
        auto* label = new QLabel(QString::fromStdString(model.Lbl_Hand[i].caption));
        label->setObjectName(QString("Lbl_Hand_%1").arg(k));
        label->setStyleSheet(QString("color: %1;").arg(colour_of(model.Lbl_Hand[i].fore_colour).name()));
        auto* box = new DigitBox;
        box->setObjectName(QString("Txt_Value_%1").arg(k));
        box->setMaxLength(model.max_length[i]);
        box->setEnabled(model.Txt_Value[i].enabled);
        box->setMaximumWidth(90);
        box->select_all_on_focus = true;
        box->key_filter = [](char c) {
            if (PayoutsModel::Key_Press(c)) return true;
            QApplication::beep();
            return false;
        };
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
            if (!model_.Text_Changed(k, text.toStdString())) QApplication::beep();
            show_texts();
        });
        connect(box, &QLineEdit::editingFinished, this, [this, k] {
            model_.Lost_Focus(k);
            show_texts();
        });
        boxes_[i] = box;
        grid->addWidget(label, line, 0);
        grid->addWidget(box, line, 1);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("&Ok!");
    ok->setObjectName("Btn_Ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel!");
    cancel->setObjectName("Btn_Cancel");
    auto* help_button = new QPushButton("&Help!");
    help_button->setObjectName("Btn_Help");
    for (auto* b : {ok, cancel, help_button}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Btn_Ok_Click();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        model_.Btn_Cancel_Click();
        reject();
    });
    connect(help_button, &QPushButton::clicked, this, [ok, help = std::move(help)] {
        if (help) help();
        ok->setFocus();
    });
    show_texts();
}

void Frm_Payouts::show_texts() {
    for (int k = 0; k < model_.rows; ++k) {
        const QString text = QString::fromStdString(model_.Txt_Value[static_cast<size_t>(k)].caption);
        DigitBox* box = boxes_[static_cast<size_t>(k)];
        if (box->text() != text) box->setText(text);
    }
}

void Frm_Payouts::closeEvent(QCloseEvent* e) {
    if (!model_.done) model_.Btn_Cancel_Click();
    e->accept();
}

}  // namespace dw::shell
