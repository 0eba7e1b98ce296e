#pragma once
#include <QDialog>

#include "cards/cheat.h"

class QListWidget;

namespace dw::shell {

// "Cheat!": the deck in dealing order, and Up / Down for the selected card.
class Frm_Cheat : public QDialog {
    Q_OBJECT
public:
    Frm_Cheat(CheatModel& model, QWidget* parent);
    QListWidget* Lst_Cards;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CheatModel& model_;
    void show_list();
};

}  // namespace dw::shell
