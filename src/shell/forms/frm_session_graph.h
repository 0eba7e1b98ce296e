#pragma once
#include <QDialog>
#include <map>
#include <thread>

#include "records/session_series.h"

class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace dw::shell {

// Stats > Session Graph...: the credits after every hand of the session, the line perfect play's
// return gives for the same bets, and a mark at each four of a kind or better. The returns are
// worked out away from the window's thread; the expected line comes when they are known.
class Frm_Session_Graph : public QDialog {
    Q_OBJECT
public:
    Frm_Session_Graph(const SessionGraphModel& model, QWidget* parent);
    ~Frm_Session_Graph() override;
    QLineSeries* credits() const { return credits_; }
    QLineSeries* expected() const { return expected_; }
    QScatterSeries* big_wins() const { return big_wins_; }
    QLabel* status() const { return status_; }
    static constexpr size_t kMostPoints = 4000;

private:
    std::vector<HandRecord> hands_;
    Pay_Table chart_;
    QLineSeries* credits_ = nullptr;
    QLineSeries* expected_ = nullptr;
    QScatterSeries* big_wins_ = nullptr;
    QValueAxis* x_ = nullptr;
    QValueAxis* y_ = nullptr;
    QLabel* status_ = nullptr;
    std::jthread worker_;
    void draw(const std::map<std::pair<int, int>, double>* returns);
};

}  // namespace dw::shell
