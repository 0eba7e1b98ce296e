#pragma once
#include <QDialog>

#include "machine/cashier.h"
#include "widgets/digit_box.h"

namespace dw::shell {

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

}  // namespace dw::shell
