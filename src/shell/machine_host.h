#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "machine/machine.h"
#include "qt_dialogs.h"
#include "records/record_store.h"
#include "sound_player.h"
#include "trainer/trainer.h"

namespace dw::shell {

// Where the records live: `requested` when given; else beside the program while that directory
// is writable (a build tree), else the user's data directory, which a read-only install first
// fills with any records left beside the program. The directory is created.
QString records_directory(const QString& requested = {});
// Where the wave files and the help file lie: beside the program, or share/dazzlewick of an
// installed copy.
QString asset_directory();

// One machine per records directory: held by the first process that asks, refused to any other
// while that one runs, so a second copy can never overwrite the first one's records.
class RecordsLock {
public:
    // Held: this process keeps the records. Elsewhere: another copy runs on them. NoPlace: the
    // directory cannot be written at all, so no copy could keep records there.
    enum class State { Held, Elsewhere, NoPlace };
    explicit RecordsLock(const QString& directory);
    State state() const { return state_; }

private:
    QLockFile lock_;
    State state_ = State::NoPlace;
};

// A window that shows some of the machine's view model.
class MachineView {
public:
    virtual ~MachineView() = default;
    virtual void refresh() = 0;
};

// Owns the machine, its services and its timers, and runs every call into it: a fatal error
// ends the program, and afterwards every open view redraws and the timers follow the
// machine's flags. Animation ticks that arrive while a routine's modal dialog runs its own
// event loop are dropped, so a dialog opened during a deal never has the deal run on under it.
class MachineHost : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString program_directory;  // records; empty: beside the executable or the user's data directory
        QString asset_directory;    // wave files; empty: beside the executable
        Dialogs* dialogs = nullptr; // null: real modal dialogs
        Rng* rng = nullptr;         // null: the clock-seeded generator
    };
    MachineHost(Options options, CardLibrary& cards, QWidget* dialog_parent);
    ~MachineHost() override;

    Machine& machine() { return *machine_; }
    QtSoundPlayer& sound() { return sound_; }
    const Options& options() const { return options_; }
    // Runs a machine routine as an event would.
    void run(const std::function<void()>& routine);
    void add_view(MachineView* view) { views_.push_back(view); }
    void remove_view(MachineView* view);
    void stop_timers();
    bool dead() const { return dead_; }
    // Called once when a fatal error has ended the machine, after its message was shown.
    std::function<void()> on_fatal;

private:
    struct TimedTick {
        QTimer timer;
        std::function<bool()> enabled;
        void (Machine::*tick)();
        bool animation;
    };
    Options options_;
    QWidget* dialog_parent_;
    std::unique_ptr<QtDialogs> own_dialogs_;
    std::unique_ptr<ClockRng> own_rng_;
    std::unique_ptr<DiskStore> store_;
    ThreadedAdvisor advisor_;  // the trainer's tables, built away from the window's thread
    QtSoundPlayer sound_;
    std::unique_ptr<Machine> machine_;
    std::array<std::unique_ptr<TimedTick>, 7> timers_;
    std::vector<MachineView*> views_;
    int depth_ = 0;
    bool dead_ = false;

    void tick(TimedTick& t);
    void sync_timers();
};

}  // namespace dw::shell
