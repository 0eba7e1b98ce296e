#include "qt_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "machine/machine.h"

namespace dw::shell {

QString shown_text(const std::string& text) {
    QString s = QString::fromUtf8(text.c_str());
    s.replace("\r\n", "\n");
    s.replace("&&", "&");
    return s;
}

MsgAnswer QtDialogs::message_box(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
    QString body = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    body.replace("\r\n", "\n");
    box.setText(body);
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    switch (pressed) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

void QtDialogs::beep() { QApplication::beep(); }

void QtDialogs::show_cashier(CashierModel& cashier) {
    Frm_Cashier dialog(cashier, parent_);
    dialog.exec();
}

void QtDialogs::show_goodies(GoodiesModel& goodies) {
    Frm_Config dialog(goodies, machine_, parent_);
    dialog.exec();
}

void QtDialogs::show_percent(PercentModel& percent) {
    Frm_Percent dialog(percent, parent_);
    dialog.exec();
}

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

namespace {
// Keeps a box and its model's text the same after every edit.
template <typename Model>
void bind_box(DigitBox* box, Model& model, QDialog* dialog) {
    box->setMaxLength(5);
    box->setText(QString::fromStdString(model.text));
    box->key_filter = [&model](char c) { return model.Key_Press(c); };
    QObject::connect(box, &QLineEdit::textEdited, dialog, [box, &model](const QString& text) {
        model.Text_Changed(text.toStdString());
        if (box->text() != QString::fromStdString(model.text)) box->setText(QString::fromStdString(model.text));
    });
    QObject::connect(box, &QLineEdit::editingFinished, dialog, [box, &model] {
        model.Lost_Focus();
        box->setText(QString::fromStdString(model.text));
    });
}
}  // namespace

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
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("&Ok!");
    ok->setObjectName("Btn_Ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel!");
    cancel->setObjectName("Btn_Cancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    bind_box(Txt_Credits, model_, this);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Btn_Ok_Click();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        model_.Btn_Cancel_Click();
        reject();
    });
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

Frm_Config::Frm_Config(GoodiesModel& model, Machine* machine, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("First-Time-User Goodies Setup!");
    setMinimumWidth(460);
    setObjectName("Frm_Config");
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Choose your goodies!");
    QFont f = heading->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    heading->setFont(f);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* text = new QLabel(
        "Select the goodies you want in your Video Poker games by clicking on the check-box next to the goodies you "
        "want.  An \"x\" means the goody is turned on.  You can change these settings later by using the "
        "\"Goodies\" drop-down menu.");
    text->setWordWrap(true);
    layout->addWidget(text);
    static const char* kCaptions[4] = {"&Progressive Jackpot!", "&Reversible Royals!", "&Double Up!",
                                       "&Velmora's Juicy Jackpots!"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(kCaptions[i]);
        box->setObjectName(QString("Btn_Check_%1").arg(i));
        box->setChecked(model_.boxes[static_cast<size_t>(i)]);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { model_.boxes[static_cast<size_t>(i)] = on; });
        auto* help = new QPushButton("?");
        help->setObjectName(QString("Btn_Help_%1").arg(i));
        help->setFixedWidth(28);
        connect(help, &QPushButton::clicked, this, [machine, box, i] {
            if (machine) machine->Goody_Help(i);
            box->setFocus();
        });
        grid->addWidget(box, i, 0);
        grid->addWidget(help, i, 1);
    }
    layout->addLayout(grid);
    auto* go = new QPushButton("&Continue!");
    go->setObjectName("Btn_Continue");
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, [this] {
        model_.Btn_Continue_Click();
        accept();
    });
    layout->addWidget(go);
}

void Frm_Config::closeEvent(QCloseEvent* e) {
    model_.Btn_Continue_Click();
    e->accept();
}

Frm_Percent::Frm_Percent(PercentModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("Progressive Jackpot Percent");
    setObjectName("Frm_Percent");
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
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("&Ok!");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel!");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    bind_box(Txt_Pct, model_, this);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Lost_Focus();
        model_.Btn_Ok_Click();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        model_.Btn_Cancel_Click();
        reject();
    });
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
