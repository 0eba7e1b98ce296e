#include "forms/frm_luck.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

#include "games/catalogue.h"
#include "widgets/ok_cancel.h"
#include "strategy/variant_returns.h"

namespace dw::shell {

Frm_Luck::Frm_Luck(const LuckModel& model, QWidget* parent)
    : QDialog(parent), game_(model.game), stats_(model.stats), chart_(model.chart) {
    setObjectName("Frm_Luck");
    setWindowTitle("Luck Against the Odds");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    const auto& info = game_info(game_);
    auto* title = new QLabel(QString::fromUtf8(info.list_text.data(), static_cast<int>(info.list_text.size())));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    top->addWidget(title, 1);
    scope_ = new QComboBox;
    scope_->setObjectName("Cmb_Scope");
    scope_->addItems({"This session", "All sessions"});
    top->addWidget(scope_);
    layout->addLayout(top);
    auto* chart = new QChart;
    bars_ = new QBarSeries;
    chart->addSeries(bars_);
    rows_axis_ = new QBarCategoryAxis;
    count_axis_ = new QValueAxis;
    count_axis_->setLabelFormat("%d");
    count_axis_->setTitleText("Hands");
    chart->addAxis(rows_axis_, Qt::AlignBottom);
    chart->addAxis(count_axis_, Qt::AlignLeft);
    bars_->attachAxis(rows_axis_);
    bars_->attachAxis(count_axis_);
    auto* view = new QChartView(chart);
    view->setObjectName("Chart_Luck");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(620, 320);
    layout->addWidget(view, 1);
    sentences_ = new QLabel;
    sentences_->setObjectName("Lbl_Sentences");
    sentences_->setWordWrap(true);
    layout->addWidget(sentences_);
    status_ = new QLabel;
    status_->setObjectName("Lbl_Status");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    add_close(this, layout);
    connect(scope_, &QComboBox::currentIndexChanged, this, [this] { draw(); });
    resize(780, 620);
    draw();
    if (!is_game(game_)) return;
    QPointer<Frm_Luck> self(this);
    worker_ = std::jthread([self, game = game_, chart = chart_](std::stop_token stop) {
        const auto r = strategy::game_return({game, &chart, game_info(game).full_bet, false, 0}, 1, stop, {}, 20000);
        if (stop.stop_requested() || !r.complete) return;
        QMetaObject::invokeMethod(
            qApp,
            [self, rows = r.rows] {
                if (!self) return;
                self->chances_ = rows;
                self->known_ = true;
                self->draw();
            },
            Qt::QueuedConnection);
    });
}

Frm_Luck::~Frm_Luck() = default;

void Frm_Luck::draw() {
    const bool all = scope_->currentIndex() == 1;
    const Luck luck = luck_of(game_, stats_, chances_);
    const int64_t hands = all ? luck.hands_all : luck.hands_session;
    bars_->clear();
    rows_axis_->clear();
    auto* came = new QBarSet(all ? "Came, all sessions" : "Came this session");
    auto* expected = new QBarSet("Perfect play expects");
    QStringList labels;
    QStringList lines;
    double most = 1;
    for (const auto& r : luck.rows) {
        const int64_t count = all ? r.all : r.session;
        const double e = all ? r.expected_all : r.expected_session;
        // Rows that neither came nor are expected to once leave the bars readable.
        if (count == 0 && e < 0.5) continue;
        labels << QString::fromStdString(r.label);
        *came << static_cast<double>(count);
        *expected << e;
        most = std::max({most, static_cast<double>(count), e});
        if (known_) lines << QString::fromStdString(luck_sentence(r.label, count, e));
    }
    bars_->append(came);
    bars_->append(expected);
    rows_axis_->append(labels);
    rows_axis_->setLabelsAngle(labels.size() > 4 ? -45 : 0);  // every label whole
    count_axis_->setRange(0, std::ceil(most * 1.1));
    count_axis_->applyNiceNumbers();
    sentences_->setText(lines.join("\n"));
    if (hands == 0) status_->setText(all ? "No hand of this game played yet." : "No hand of this game played this session.");
    else if (!known_) status_->setText(QString("%1 hands.  Working out perfect play's chances...").arg(hands));
    else status_->setText(QString("%1 hands, against perfect play's chances at the full bet.").arg(hands));
}

}  // namespace dw::shell
