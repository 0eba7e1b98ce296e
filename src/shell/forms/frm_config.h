#pragma once
#include <QDialog>

#include "machine/dialog_models.h"

namespace dw {
class Machine;
}

namespace dw::shell {

class Frm_Config : public QDialog {
    Q_OBJECT
public:
    Frm_Config(GoodiesModel& model, QWidget* parent);

protected:
    void closeEvent(QCloseEvent*) override;

private:
    GoodiesModel& model_;
};

}  // namespace dw::shell
