#pragma once
#include <QDialog>
#include <thread>
#include <vector>

#include "records/luck.h"

class QBarSeries;
class QBarCategoryAxis;
class QChartView;
class QComboBox;
class QLabel;
class QValueAxis;

namespace dw::shell {

// Stats > Luck Against the Odds...: each row of the current game's chart, how often it came this
// session or over all sessions, against how often perfect play expects it from as many hands.
// The chances come from the engine on a worker.
class Frm_Luck : public QDialog {
    Q_OBJECT
public:
    Frm_Luck(const LuckModel& model, QWidget* parent);
    ~Frm_Luck() override;
    QBarSeries* bars() const { return bars_; }
    QComboBox* scope() const { return scope_; }
    QLabel* sentences() const { return sentences_; }
    QLabel* status() const { return status_; }

private:
    GameId game_;
    Stats stats_;
    Pay_Table chart_;
    std::vector<double> chances_;
    bool known_ = false;
    QBarSeries* bars_ = nullptr;
    QBarCategoryAxis* rows_axis_ = nullptr;
    QValueAxis* count_axis_ = nullptr;
    QComboBox* scope_ = nullptr;
    QLabel* sentences_ = nullptr;
    QLabel* status_ = nullptr;
    std::jthread worker_;
    void draw();
};

}  // namespace dw::shell
