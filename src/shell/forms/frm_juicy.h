#pragma once
#include <QHash>
#include <QWidget>
#include <array>
#include <vector>

#include "control_binder.h"
#include "machine_host.h"

class QLabel;
class QPushButton;

namespace dw::shell {

class PlainCard;

// "Velmora's Juicy Jackpots!": the side bet's own window, modeless beside the main window. It
// shows JuicyModel and hands its buttons to the machine; the user cannot close it.
class Frm_Juicy : public QWidget, public MachineView {
    Q_OBJECT
public:
    Frm_Juicy(MachineHost& host, QWidget* main_window);
    ~Frm_Juicy() override;
    void refresh() override;
    PlainCard* card(int i) const { return cards_[static_cast<size_t>(i)]; }
    void place();  // beside the main window, as far as the screen allows
    // Grows with the main window's cabinet: fonts, style sizes and cards.
    void set_scale(double scale);
    double scale() const { return scale_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Enter presses the focused button (Continue!); the machine's keys typed here still play.
    void keyPressEvent(QKeyEvent* e) override;

private:
    MachineHost& host_;
    QWidget* main_;
    std::vector<Binding> bindings_;
    std::array<PlainCard*, 5> cards_{};
    double scale_ = 1;
    // Every widget's font and (for those no binding styles) style sheet at the design size.
    QHash<QWidget*, QFont> design_fonts_;
    QHash<QWidget*, QString> design_styles_;
};

}  // namespace dw::shell
