#pragma once
#include <QDialog>

#include "machine/dialog_models.h"
#include "widgets/digit_box.h"

namespace dw::shell {

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
