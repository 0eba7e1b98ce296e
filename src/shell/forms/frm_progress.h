#pragma once
#include <QDialog>

#include "trainer/progress.h"

class QLabel;
class QLineSeries;

namespace dw::shell {

// Trainer > Progress...: the player's accuracy and the cost of mistakes per 100 judged hands,
// session by session, as lines.
class Frm_Progress : public QDialog {
    Q_OBJECT
public:
    Frm_Progress(const ProgressModel& model, QWidget* parent);
    QLineSeries* accuracy() const { return accuracy_; }
    QLineSeries* cost() const { return cost_; }
    QLabel* status() const { return status_; }

private:
    QLineSeries* accuracy_ = nullptr;
    QLineSeries* cost_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace dw::shell
