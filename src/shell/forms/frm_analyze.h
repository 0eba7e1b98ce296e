#pragma once
#include <QDialog>
#include <memory>
#include <thread>

#include "strategy/final_hands.h"
#include "strategy/return_worker.h"
#include "trainer/analysis.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace dw::shell {

// "Analyze a Hand": a picker of the game's cards and a box to type them, the 32 holds best first
// (or the stud games' choices), the rows after the draw of the hold selected, and the chart's facts
// with its risk of ruin. The engine's table is built away from the window's thread.
class Frm_Analyze : public QDialog {
    Q_OBJECT
public:
    Frm_Analyze(AnalysisModel& model, QWidget* parent);
    ~Frm_Analyze() override;
    QTableWidget* holds() const { return holds_; }
    QTableWidget* rows() const { return rows_; }
    QLineEdit* cards_box() const { return cards_; }
    QLabel* status() const { return status_; }
    QLabel* facts() const { return facts_; }
    QSpinBox* coins() const { return coins_; }
    QPushButton* card_button(const CardCode& card) const;
    bool table_ready() const { return table_ != nullptr; }

private:
    AnalysisModel& model_;
    QLabel* status_ = nullptr;
    QLabel* no_win_ = nullptr;
    QLabel* facts_ = nullptr;
    QLabel* risk_ = nullptr;
    QLineEdit* cards_ = nullptr;
    QLineEdit* refused_ = nullptr;
    QSpinBox* coins_ = nullptr;
    QTableWidget* holds_ = nullptr;
    QTableWidget* rows_ = nullptr;
    std::vector<std::pair<CardCode, QPushButton*>> buttons_;
    std::shared_ptr<const strategy::FinalHandTable> table_;
    int table_coins_ = -1;      // the bet the table (or the one being built) is for
    std::jthread builder_;
    strategy::ReturnWorker facts_worker_;
    std::vector<HoldLine> lines_;
    void refresh();             // the holds, after any change of the cards
    void show_detail(int row);  // the rows after the draw of the hold in that row
    void need_table();          // the table of the model's rule, built if it is not there
};

}  // namespace dw::shell
