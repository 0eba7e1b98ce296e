#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QHash>
#include <QMap>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

#include "card_painter.h"
#include "control_binder.h"
#include "machine_host.h"
#include "strategy/return_worker.h"

class QComboBox;
class QAction;

namespace dw::shell {

class CoinSlot;
class Frm_Juicy;
class PlainCard;
class SmallHands;

// The main window: draws the machine's view model and hands every click, key and menu command
// to the machine through its host. It decides no rule of the game.
class Frm_Main : public QMainWindow, public MachineView {
    Q_OBJECT
public:
    struct Options : MachineHost::Options {
        bool start = true;          // run the start-up (records, first hand)
        bool show_goodies = false;  // the splash was clicked: the goodies dialog comes first
    };
    explicit Frm_Main(Options options);
    Frm_Main() : Frm_Main(Options{}) {}
    ~Frm_Main() override;

    MachineHost& host() { return *host_; }
    Machine& machine() { return host_->machine(); }
    CardPainter& painter() { return *painter_; }
    Frm_Juicy* juicy() { return juicy_; }
    QtSoundPlayer& sound() { return host_->sound(); }
    QAction* action(const QString& name) const { return actions_.value(name); }
    // Runs a machine routine as an event would: afterwards every window shows the new state.
    void run(const std::function<void()>& routine) { host_->run(routine); }
    void refresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    // The cabinet is laid out at its design size of 680 x 590 and scales with the window as a
    // whole: places, fonts, cards and the card surface.
    static constexpr QSize kDesignSize{680, 590};
    double scale() const { return scale_; }

private:
    CardSurface* surface_ = nullptr;
    std::unique_ptr<CardPainter> painter_;
    std::unique_ptr<MachineHost> host_;
    Frm_Juicy* juicy_ = nullptr;
    QMap<QString, QAction*> actions_;
    bool closing_ = false;
    bool cursor_overridden_ = false;
    QComboBox* games_ = nullptr;
    CoinSlot* coin_slot_ = nullptr;
    std::array<PlainCard*, 5> plain_{};

    std::vector<Binding> bindings_;
    double scale_ = 1;
    QLabel* win_row_ = nullptr;
    QPoint origin_;
    QHash<QWidget*, QRect> design_;  // every widget of the cabinet at its design place
    QHash<QWidget*, QRect> base_design_;  // the same with one hand
    SmallHands* small_hands_ = nullptr;
    std::vector<QLabel*> won_rows_;  // the chart's rows won by several hands
    int grow_ = 0;                   // design height the hands above the main one add
    void show_small_hands();
    QRect row_outline(int line) const;
    void place(QWidget* widget, const QRect& design);
    // A one-line label shrinks its font from `points` at the design size until its text fits.
    void fit_one_line(QLabel* label, double points);
    void rescale();

    void build_menus();
    void build_window();
    void build_deck_menu();
    QLabel* label(const QString& name, const Control& control, QRect at, const QString& style, bool colours = true);
    QPushButton* button(const QString& name, const Control& control, QRect at);
    void dispatch(const QString& menu);
    void apply(Binding& b);
    QPushButton* button_for_mnemonic(int key) const;
    // The trainer's figure in the chart's title line, worked out on a worker per chart.
    void show_return_in_title();
    QMap<QString, QString> returns_;
    QString return_asked_;
    strategy::ReturnWorker return_worker_;
};

}  // namespace dw::shell
