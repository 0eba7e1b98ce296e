#pragma once
#include <QDialog>

#include "variants/pick_five.h"

namespace dw::shell {

class PlainCard;

// "Pick Five Poker!": two offered cards, chosen by a click or the keys 1 and 2; every other key
// is ignored, and the close box takes the second card.
class Frm_Pick5 : public QDialog {
    Q_OBJECT
public:
    Frm_Pick5(PickFiveModel& model, QWidget* parent);
    ~Frm_Pick5() override;
    PlainCard* card(int index) const { return cards_[index - 1]; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}  // Escape does nothing

private:
    PickFiveModel& model_;
    PlainCard* cards_[2]{};
    void choose(int index);
};

}  // namespace dw::shell
