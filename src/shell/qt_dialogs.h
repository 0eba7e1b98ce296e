#pragma once
#include <QDialog>
#include <QLineEdit>

#include "machine/cashier.h"
#include "machine/dialog_models.h"
#include "machine/services.h"

namespace dw {
class Machine;
}

namespace dw::shell {

// Turns text as the machine writes it into text as a label shows it: CR LF line breaks, and
// "&&" for one ampersand.
QString shown_text(const std::string& text);

// The machine's questions as real modal dialogs over the main window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void set_machine(Machine* machine) { machine_ = machine; }
    MsgAnswer message_box(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override;
    void beep() override;
    void show_cashier(CashierModel& cashier) override;
    void show_goodies(GoodiesModel& goodies) override;
    void show_percent(PercentModel& percent) override;

private:
    QWidget* parent_;
    Machine* machine_ = nullptr;
};

// A digits-only box that asks its model about every key and every change.
class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    std::function<bool(char)> key_filter;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class Frm_Cashier : public QDialog {
    Q_OBJECT
public:
    Frm_Cashier(CashierModel& model, QWidget* parent);
    DigitBox* Txt_Credits;

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    CashierModel& model_;
};

class Frm_Config : public QDialog {
    Q_OBJECT
public:
    Frm_Config(GoodiesModel& model, Machine* machine, QWidget* parent);

protected:
    void closeEvent(QCloseEvent*) override;

private:
    GoodiesModel& model_;
};

class Frm_Percent : public QDialog {
    Q_OBJECT
public:
    Frm_Percent(PercentModel& model, QWidget* parent);
    DigitBox* Txt_Pct;

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    PercentModel& model_;
};

}  // namespace dw::shell
