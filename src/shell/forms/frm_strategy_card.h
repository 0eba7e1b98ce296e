#pragma once
#include <QDialog>
#include <memory>
#include <thread>

#include "strategy/strategy_card.h"
#include "trainer/card_view.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace dw::shell {

// Trainer > Strategy Card...: the card of the chart, written on a worker, its lines with an
// example each, what it costs against perfect play; saved as text or PDF, or printed.
class Frm_Strategy_Card : public QDialog {
    Q_OBJECT
public:
    Frm_Strategy_Card(StrategyCardModel& model, QWidget* parent);
    QTableWidget* lines() const { return lines_; }
    QLabel* summary() const { return summary_; }
    const strategy::StrategyCard* card() const { return card_.get(); }
    // Writes the card to a file: text, or PDF when the name ends in .pdf. False when it cannot.
    bool save_to(const QString& path) const;
    // Room for the card's thirty-odd lines before they are written.
    QSize sizeHint() const override;

private:
    void show_card(std::shared_ptr<const strategy::StrategyCard> card);
    void save(bool pdf);
    void print();
    StrategyCardModel model_;
    std::shared_ptr<const strategy::StrategyCard> card_;
    QLabel* summary_ = nullptr;
    QTableWidget* lines_ = nullptr;
    QPushButton* save_text_ = nullptr;
    QPushButton* save_pdf_ = nullptr;
    QPushButton* print_ = nullptr;
    std::jthread writer_;  // last: stopped and joined before the window's parts go
};

}  // namespace dw::shell
