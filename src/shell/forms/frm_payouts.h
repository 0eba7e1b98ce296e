#pragma once
#include <QDialog>
#include <array>

#include "games/payouts_model.h"

class QLabel;

namespace dw::shell {

class DigitBox;

// "Customize Payout Chart": a box per row of one chart, shown from PayoutsModel.
class Frm_Payouts : public QDialog {
    Q_OBJECT
public:
    Frm_Payouts(PayoutsModel& model, QWidget* parent, std::function<void()> help);
    DigitBox* box(int k) const { return boxes_[static_cast<size_t>(k)]; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    PayoutsModel& model_;
    std::array<DigitBox*, PayoutsModel::kBoxes> boxes_{};
    void show_texts();
};

}  // namespace dw::shell
