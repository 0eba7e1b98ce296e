#include "forms/frm_progress.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "widgets/ok_cancel.h"

namespace dw::shell {

Frm_Progress::Frm_Progress(const ProgressModel& model, QWidget* parent) : QDialog(parent) {
    setObjectName("Frm_Progress");
    setWindowTitle("Trainer Progress");
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QChart;
    chart->setTitle("Judged holds, session by session");
    accuracy_ = new QLineSeries;
    accuracy_->setName("Accuracy (%)");
    accuracy_->setPointsVisible(true);
    cost_ = new QLineSeries;
    cost_->setName("Credits given up per 100 hands");
    cost_->setPointsVisible(true);
    chart->addSeries(accuracy_);
    chart->addSeries(cost_);
    auto* sessions = new QValueAxis;
    sessions->setTitleText("Session");
    sessions->setLabelFormat("%d");
    auto* percent = new QValueAxis;
    percent->setTitleText("Accuracy (%)");
    percent->setRange(0, 100);
    auto* credits = new QValueAxis;
    credits->setTitleText("Credits per 100 hands");
    chart->addAxis(sessions, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    chart->addAxis(credits, Qt::AlignRight);
    accuracy_->attachAxis(sessions);
    accuracy_->attachAxis(percent);
    cost_->attachAxis(sessions);
    cost_->attachAxis(credits);
    double most_cost = 1;
    int n = 0;
    for (const auto& s : model.sessions) {
        if (s.decisions == 0) continue;
        ++n;
        accuracy_->append(n, s.accuracy());
        cost_->append(n, s.cost_per_100());
        most_cost = std::max(most_cost, s.cost_per_100());
    }
    sessions->setRange(1, std::max(2, n));
    // A tick at each session while they are few, round numbers after.
    if (n <= 13) sessions->setTickCount(std::max(2, n));
    else sessions->applyNiceNumbers();
    credits->setRange(0, std::ceil(most_cost * 1.1));
    credits->applyNiceNumbers();
    auto* view = new QChartView(chart);
    view->setObjectName("Chart_Progress");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(560, 340);
    layout->addWidget(view, 1);
    status_ = new QLabel;
    status_->setObjectName("Lbl_Status");
    status_->setWordWrap(true);
    if (n == 0) {
        status_->setText("No hand judged yet.  Holds are judged while the best hold or the mistake alert is on.");
    } else {
        const SessionLog& last = *std::find_if(model.sessions.rbegin(), model.sessions.rend(),
                                               [](const SessionLog& s) { return s.decisions > 0; });
        status_->setText(QString("%1 sessions.  The last, %2: %3 holds judged, %4% best, %5 credits given up per 100 hands.")
                             .arg(n)
                             .arg(QDateTime::fromSecsSinceEpoch(last.start).toString("yyyy-MM-dd hh:mm"))
                             .arg(last.decisions)
                             .arg(last.accuracy(), 0, 'f', 1)
                             .arg(last.cost_per_100(), 0, 'f', 2));
    }
    layout->addWidget(status_);
    add_close(this, layout);
    resize(760, 500);
}

}  // namespace dw::shell
