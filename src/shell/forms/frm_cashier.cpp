#include "forms/frm_cashier.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ok_cancel.h"

namespace dw::shell {

Frm_Cashier::Frm_Cashier(CashierModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("Cashier");
    setObjectName("Frm_Cashier");
    auto* layout = new QVBoxLayout(this);
    auto* welcome = new QLabel("Welcome to the Cashier! How many credits would you like to purchase?");
    welcome->setWordWrap(true);
    welcome->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(welcome);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Purchase"));
    Txt_Credits = new DigitBox;
    Txt_Credits->setObjectName("Txt_Credits");
    row->addWidget(Txt_Credits);
    row->addWidget(new QLabel("credits"));
    layout->addLayout(row);
    auto* dollars = new QLabel(QString(24, '$'));
    dollars->setAlignment(Qt::AlignCenter);
    dollars->setStyleSheet("color: #0a7a2a; font-weight: bold;");
    layout->addWidget(dollars);
    add_ok_cancel(this, layout, [this] { model_.Btn_Ok_Click(); }, [this] { model_.Btn_Cancel_Click(); });
    bind_box(Txt_Credits, model_, this);
}

void Frm_Cashier::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    model_.Activate();
    Txt_Credits->setFocus();
    Txt_Credits->selectAll();
}

void Frm_Cashier::closeEvent(QCloseEvent* e) {
    if (!model_.done) model_.Btn_Cancel_Click();
    e->accept();
}

}  // namespace dw::shell
