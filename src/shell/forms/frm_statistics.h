#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "control_binder.h"
#include "records/stats_screens.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace dw::shell {

// "Statistics": credits played and paid out per game, twenty games a page.
class Frm_Statistics : public QDialog {
    Q_OBJECT
public:
    Frm_Statistics(StatisticsModel& model, QWidget* parent);
    QPushButton* Btn_View;

private:
    StatisticsModel& model_;
    std::vector<Binding> bindings_;
    void refresh();
};

// "Detailed Statistics": the hands one game has made.
class Frm_Stats_Detail : public QDialog {
    Q_OBJECT
public:
    Frm_Stats_Detail(StatsDetailModel& model, QWidget* parent);

private:
    StatsDetailModel& model_;
    QLabel* game_;
    std::vector<Binding> bindings_;
    void refresh();
};

}  // namespace dw::shell
