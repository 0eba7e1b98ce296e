#pragma once
#include <QDialog>

#include "trainer/mistakes.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace dw::shell {

// Trainer > Mistakes...: the player's judged mistakes, newest or costliest first, of one game or
// all; a double-click opens the hand in Analyze a Hand; Clear empties the record after a question.
class Frm_Mistakes : public QDialog {
    Q_OBJECT
public:
    Frm_Mistakes(MistakesModel& model, QWidget* parent);
    QTableWidget* list() const { return list_; }
    QComboBox* games() const { return games_; }
    QComboBox* order() const { return order_; }

private:
    MistakesModel& model_;
    QTableWidget* list_ = nullptr;
    QComboBox* games_ = nullptr;
    QComboBox* order_ = nullptr;
    QLabel* summary_ = nullptr;
    void show_list();
};

}  // namespace dw::shell
