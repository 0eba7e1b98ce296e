#include "forms/frm_session_graph.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "games/catalogue.h"
#include "widgets/ok_cancel.h"
#include "strategy/variant_returns.h"

namespace dw::shell {

Frm_Session_Graph::Frm_Session_Graph(const SessionGraphModel& model, QWidget* parent)
    : QDialog(parent), hands_(model.hands), chart_(model.chart) {
    setObjectName("Frm_Session_Graph");
    setWindowTitle("Session Graph");
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QChart;
    chart->setTitle("Credits after each hand of this session");
    credits_ = new QLineSeries;
    credits_->setName("Credits");
    expected_ = new QLineSeries;
    expected_->setName("Perfect play's return for the same bets");
    QPen dashed(QColor(0x80, 0x80, 0x80));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    expected_->setPen(dashed);
    big_wins_ = new QScatterSeries;
    big_wins_->setName("Four of a kind or better");
    big_wins_->setMarkerSize(9);
    big_wins_->setColor(QColor(0xd0, 0x20, 0x20));
    for (auto* s : std::initializer_list<QAbstractSeries*>{credits_, expected_, big_wins_}) chart->addSeries(s);
    x_ = new QValueAxis;
    x_->setTitleText("Hands");
    x_->setLabelFormat("%d");
    y_ = new QValueAxis;
    y_->setTitleText("Credits");
    y_->setLabelFormat("%d");
    chart->addAxis(x_, Qt::AlignBottom);
    chart->addAxis(y_, Qt::AlignLeft);
    for (auto* s : std::initializer_list<QAbstractSeries*>{credits_, expected_, big_wins_}) {
        s->attachAxis(x_);
        s->attachAxis(y_);
    }
    auto* view = new QChartView(chart);
    view->setObjectName("Chart_Session");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(560, 360);
    layout->addWidget(view, 1);
    status_ = new QLabel;
    status_->setObjectName("Lbl_Status");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    add_close(this, layout);
    resize(760, 520);
    draw(nullptr);
    if (hands_.empty()) return;

    // The return of each game and bet played, once each, on a worker.
    std::set<std::pair<int, int>> wanted;
    for (const auto& h : hands_) wanted.insert({h.game, return_bet(h.game, h.bet)});
    QPointer<Frm_Session_Graph> self(this);
    worker_ = std::jthread([self, wanted, chart = chart_](std::stop_token stop) {
        auto returns = std::make_shared<std::map<std::pair<int, int>, double>>();
        for (const auto& [game, coins] : wanted) {
            const auto r = strategy::game_return({static_cast<GameId>(game), &chart, coins, false, 0}, 1, stop, {}, 20000);
            if (stop.stop_requested() || !r.complete) return;
            (*returns)[{game, coins}] = r.value;
        }
        QMetaObject::invokeMethod(
            qApp, [self, returns] { if (self) self->draw(returns.get()); }, Qt::QueuedConnection);
    });
}

Frm_Session_Graph::~Frm_Session_Graph() = default;

void Frm_Session_Graph::draw(const std::map<std::pair<int, int>, double>* returns) {
    if (hands_.empty()) {
        status_->setText("No hand has been played this session yet.");
        return;
    }
    const auto points = thin_out(session_series(hands_, [returns](GameId game, int bet) {
                                     if (!returns) return 1.0;
                                     const auto it = returns->find({game, return_bet(game, bet)});
                                     return it == returns->end() ? 1.0 : it->second;
                                 }),
                                 kMostPoints);
    QList<QPointF> credits, expected, wins;
    double low = points.front().credits, high = low;
    for (const auto& p : points) {
        credits.append({static_cast<double>(p.hand), p.credits});
        if (returns) expected.append({static_cast<double>(p.hand), p.expected});
        if (p.big_win) wins.append({static_cast<double>(p.hand), p.credits});
        low = std::min({low, p.credits, returns ? p.expected : p.credits});
        high = std::max({high, p.credits, returns ? p.expected : p.credits});
    }
    credits_->replace(credits);
    expected_->replace(expected);
    big_wins_->replace(wins);
    x_->setRange(1, std::max<double>(2, static_cast<double>(hands_.size())));
    const double margin = std::max(5.0, (high - low) * 0.05);
    y_->setRange(std::floor(low - margin), std::ceil(high + margin));
    y_->applyNiceNumbers();
    const auto& last = points.back();
    const auto big = std::count_if(points.begin(), points.end(), [](const SessionPoint& p) { return p.big_win; });
    status_->setText(returns ? QString("%1 hands: %2 credits now, %3 by perfect play's return; %4 %5.")
                                   .arg(hands_.size())
                                   .arg(last.credits, 0, 'f', 0)
                                   .arg(last.expected, 0, 'f', 1)
                                   .arg(big)
                                   .arg(big == 1 ? "four of a kind or better" : "hands of four of a kind or better")
                             : QString("%1 hands.  Working out the returns of the games played...").arg(hands_.size()));
}

}  // namespace dw::shell
