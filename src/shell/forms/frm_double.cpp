#include "forms/frm_double.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt_dialogs.h"

namespace dw::shell {

namespace {
// The forms' decorative border, drawn around their inside.
constexpr const char* kBorder = "QDialog { border: 3px ridge #c0a040; background: #104a28; } QLabel { color: white; }";
}  // namespace

Frm_Double::Frm_Double(DoubleOfferModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Double");
    setWindowTitle("Double Up!");
    setStyleSheet(kBorder);
    auto* layout = new QVBoxLayout(this);
    Lbl_Info = new QLabel(shown_text(model.question));
    Lbl_Info->setObjectName("Lbl_Info");
    Lbl_Info->setAlignment(Qt::AlignCenter);
    QFont f = Lbl_Info->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    Lbl_Info->setFont(f);
    layout->addWidget(Lbl_Info);
    auto* row = new QHBoxLayout;
    for (int index : {0, 1}) {
        auto* b = new QPushButton(index == 0 ? "&No!" : "&Yes!");
        b->setObjectName(QString("Btn_Return_%1").arg(index));
        b->setMinimumWidth(90);
        connect(b, &QPushButton::clicked, this, [this, index] {
            model_.Btn_Return_Click(index);
            accept();
        });
        row->addWidget(b);
    }
    layout->addLayout(row);
}

void Frm_Double::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && model_.Key_Press(t[0].toLatin1())) return accept();
    QDialog::keyPressEvent(e);
}

void Frm_Double::closeEvent(QCloseEvent* e) {
    if (!model_.done()) model_.Close();
    e->accept();
}

void Frm_Double::reject() {
    // Escape is the close box: No.
    model_.Close();
    QDialog::reject();
}

Frm_Pick::Frm_Pick(DoublePickModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Pick");
    setWindowTitle("Pick a Card!");
    setStyleSheet(kBorder);
    auto* layout = new QVBoxLayout(this);
    auto* panels = new QHBoxLayout;
    for (const char* text : {"DOUBLE UP!", "Dealer's Card!"}) {
        auto* p = new QLabel(text);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setStyleSheet("color: #ffe040; font-weight: bold; font-size: 13pt;");
        panels->addWidget(p);
    }
    layout->addLayout(panels);
    auto* info = new QLabel("Choose the card you want... beat the Dealer's card and DOUBLE your winnings!");
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);
    layout->addWidget(info);
    auto* row = new QHBoxLayout;
    static const char* const kCaptions[] = {"2nd &Card", "3rd C&ard", "4th Ca&rd", "5th Car&d"};
    for (int index = 2; index <= 5; ++index) {
        auto* b = new QPushButton(kCaptions[index - 2]);
        b->setObjectName(QString("Btn_Choose_%1").arg(index));
        connect(b, &QPushButton::clicked, this, [this, index] {
            model_.Btn_Choose_Click(index);
            accept();
        });
        row->addWidget(b);
    }
    layout->addLayout(row);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

Frm_Pick::~Frm_Pick() { QApplication::restoreOverrideCursor(); }

void Frm_Pick::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && model_.Key_Press(t[0].toLatin1())) return accept();
    QDialog::keyPressEvent(e);
}

void Frm_Pick::closeEvent(QCloseEvent* e) {
    if (model_.done()) return e->accept();
    QApplication::beep();
    e->ignore();
}

void Frm_Pick::reject() {
    if (model_.done()) return QDialog::reject();
    QApplication::beep();
}

}  // namespace dw::shell
