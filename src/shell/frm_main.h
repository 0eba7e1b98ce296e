#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "card_painter.h"
#include "machine/machine.h"
#include "qt_dialogs.h"
#include "sound_player.h"

class QComboBox;
class QAction;

namespace dw::shell {

class CoinSlot;
class PlainCard;

// The main window: draws the machine's view model and hands every click, key, menu command
// and timer tick to the machine. It decides no rule of the game.
class Frm_Main : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        QString program_directory;  // records; empty: beside the executable or the user's data directory
        QString asset_directory;    // wave files; empty: beside the executable
        Dialogs* dialogs = nullptr; // null: real modal dialogs
        Rng* rng = nullptr;         // null: the clock-seeded generator
        bool start = true;          // run the start-up (records, first hand)
    };
    explicit Frm_Main(Options options);
    Frm_Main() : Frm_Main(Options{}) {}
    ~Frm_Main() override;

    Machine& machine() { return *machine_; }
    CardPainter& painter() { return *painter_; }
    QtSoundPlayer& sound() { return sound_; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    // Runs a machine routine as an event would: afterwards the window shows the new state.
    void run(const std::function<void()>& routine);
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Options options_;
    std::unique_ptr<QtDialogs> own_dialogs_;
    std::unique_ptr<ClockRng> own_rng_;
    QtSoundPlayer sound_;
    CardSurface* surface_ = nullptr;
    std::unique_ptr<CardPainter> painter_;
    std::unique_ptr<Machine> machine_;
    QMap<QString, QAction*> actions_;
    QTimer timer1_, timer2_, timer3_, timer4_, coin_timer_;
    bool dead_ = false;
    bool closing_ = false;
    bool cursor_overridden_ = false;
    QComboBox* games_ = nullptr;
    CoinSlot* coin_slot_ = nullptr;
    std::array<PlainCard*, 5> plain_{};

    struct Binding {
        const Control* control;
        QWidget* widget;
        QString base_style;
        bool styled_colours;
        Control last;
        bool drawn = false;
    };
    std::vector<Binding> bindings_;

    void build_menus();
    void build_window();
    QLabel* label(const QString& name, const Control& control, QRect at, const QString& style, bool colours = true);
    QPushButton* button(const QString& name, const Control& control, QRect at);
    void dispatch(const QString& menu);
    void apply(Binding& b);
    void sync_timers();
};

}  // namespace dw::shell
