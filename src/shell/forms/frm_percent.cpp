#include "forms/frm_percent.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ok_cancel.h"

namespace dw::shell {

Frm_Percent::Frm_Percent(PercentModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("Progressive Jackpot Percent");
    setObjectName("Frm_Percent");
    setMinimumWidth(380);  // room for the whole title
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel("Enter the percent of each bet you want to add to the Progressive Jackpot, from 1% to 20%.");
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    Txt_Pct = new DigitBox;
    Txt_Pct->setObjectName("Txt_Pct");
    row->addWidget(Txt_Pct);
    row->addWidget(new QLabel("percent."));
    layout->addLayout(row);
    add_ok_cancel(
        this, layout,
        [this] {
            model_.Lost_Focus();
            model_.Btn_Ok_Click();
        },
        [this] { model_.Btn_Cancel_Click(); });
    bind_box(Txt_Pct, model_, this);
}

void Frm_Percent::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Txt_Pct->setFocus();
    Txt_Pct->selectAll();
}

void Frm_Percent::closeEvent(QCloseEvent* e) {
    if (!model_.done) model_.Btn_Cancel_Click();
    e->accept();
}

}  // namespace dw::shell
