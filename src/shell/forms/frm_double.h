#pragma once
#include <QDialog>

#include "round/double_up.h"

class QLabel;

namespace dw::shell {

// "Double Up!": the offer, answered by "&No!" / "&Yes!", the keys n and y, or the close box (No).
class Frm_Double : public QDialog {
    Q_OBJECT
public:
    Frm_Double(DoubleOfferModel& model, QWidget* parent);
    QLabel* Lbl_Info;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    DoubleOfferModel& model_;
};

// "Pick a Card!": four buttons and the keys 2 to 5; the close box is refused with a beep.
class Frm_Pick : public QDialog {
    Q_OBJECT
public:
    Frm_Pick(DoublePickModel& model, QWidget* parent);
    ~Frm_Pick() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    DoublePickModel& model_;
};

}  // namespace dw::shell
