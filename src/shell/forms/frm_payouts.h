#pragma once
#include <QDialog>
#include <array>
#include <thread>
#include <vector>

#include "games/payouts_model.h"
#include "strategy/return_worker.h"

class QLabel;

namespace dw::shell {

class DigitBox;

// "Customize Payout Chart": a box per row of one chart, shown from PayoutsModel.
class Frm_Payouts : public QDialog {
    Q_OBJECT
public:
    // `table` is the chart the boxes start from; the return of perfect play is shown for it and
    // worked out again, away from the window's thread, after every change.
    Frm_Payouts(PayoutsModel& model, QWidget* parent, std::function<void()> help, const Pay_Table* table = nullptr);
    ~Frm_Payouts() override;
    QLabel* return_label() const { return return_; }
    QLabel* facts_label() const { return facts_; }
    DigitBox* box(int k) const { return boxes_[static_cast<size_t>(k)]; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    PayoutsModel& model_;
    std::array<DigitBox*, PayoutsModel::kBoxes> boxes_{};
    const Pay_Table* table_;
    QLabel* return_ = nullptr;
    QLabel* facts_ = nullptr;
    strategy::ReturnWorker worker_;
    int request_ = 0;
    void show_texts();
    void work_out_return();
};

}  // namespace dw::shell
