#include "machine_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "errors.h"

namespace dw::shell {

QString records_directory(const QString& requested) {
    if (!requested.isEmpty()) {
        QDir().mkpath(requested);
        return QFileInfo(requested).absoluteFilePath();
    }
    const QString exe = QCoreApplication::applicationDirPath();
    if (QFileInfo(exe).isWritable() && !QFileInfo::exists(QDir(exe).filePath("../share/dazzlewick/POKER.HLP")))
        return exe;
    // ~/.local/share/Dazzlewick, named by the program alone (as before it had an organisation).
    const QString data = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("Dazzlewick");
    QDir().mkpath(data);
    adopt_records(exe.toStdString(), data.toStdString());
    return data;
}

RecordsLock::RecordsLock(const QString& directory) : lock_(QDir(directory).filePath(".dazzlewick.lock")) {
    lock_.setStaleLockTime(0);  // only a running process holds it; a crashed one's lock is stale
    if (lock_.tryLock(0)) state_ = State::Held;
    else state_ = lock_.error() == QLockFile::LockFailedError ? State::Elsewhere : State::NoPlace;
}

QString asset_directory() {
    const QDir exe(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(exe.filePath("POKER.HLP"))) return exe.path();
    const QString installed = QDir::cleanPath(exe.filePath("../share/dazzlewick"));
    return QFileInfo::exists(installed) ? installed : exe.path();
}

MachineHost::MachineHost(Options options, CardLibrary& cards, QWidget* dialog_parent)
    : options_(std::move(options)), dialog_parent_(dialog_parent) {
    if (options_.program_directory.isEmpty()) options_.program_directory = records_directory();
    if (options_.asset_directory.isEmpty()) options_.asset_directory = asset_directory();
    Dialogs* dialogs = options_.dialogs;
    if (!dialogs) {
        own_dialogs_ = std::make_unique<QtDialogs>(dialog_parent);
        dialogs = own_dialogs_.get();
    }
    Rng* rng = options_.rng;
    if (!rng) {
        own_rng_ = std::make_unique<ClockRng>();
        rng = own_rng_.get();
    }
    store_ = std::make_unique<DiskStore>(options_.program_directory.toStdString());
    store_->remove_stale_temporaries();

    QLocale locale = QLocale::system();
    Machine::Services services{*rng, *dialogs, cards, sound_, *store_,
                               [locale](double amount) { return locale.toCurrencyString(amount).toStdString(); },
                               locale.decimalPoint().isEmpty() ? '.' : locale.decimalPoint()[0].toLatin1(),
                               nullptr, {}, {}, {}};
    if (locale.language() == QLocale::C) services.currency = format_us_currency;
    services.advisor = &advisor_;
    // The program's settings file keeps what is not in a record file (the hands per deal).
    services.setting = [](std::string_view name) -> std::optional<std::string> {
        const QVariant v = QSettings().value(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        if (!v.isValid()) return std::nullopt;
        return v.toString().toStdString();
    };
    services.keep_setting = [](std::string_view name, std::string_view value) {
        QSettings().setValue(QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                             QString::fromUtf8(value.data(), static_cast<int>(value.size())));
    };
    machine_ = std::make_unique<Machine>(services);
    machine_->voice().Asset_Directory = options_.asset_directory.toStdString();

    // The timers of the machine: the deal and draw animations, the idle display, the button
    // blinking, the coin slot, the juicy cards appearing and the one-shot pause (last).
    Machine* m = machine_.get();
    struct Row {
        int interval;
        std::function<bool()> enabled;
        void (Machine::*tick)();
        bool animation, single_shot;
    };
    const Row rows[] = {
        {180, [m] { return m->timers().Timer1_Enabled; }, &Machine::Timer1_Tick, true, false},
        {180, [m] { return m->timers().Timer2_Enabled; }, &Machine::Timer2_Tick, true, false},
        {100, [m] { return m->timers().Timer3_Enabled; }, &Machine::Timer3_Tick, false, false},
        {500, [m] { return m->timers().Timer4_Enabled; }, &Machine::Timer4_Tick, false, false},
        {50, [m] { return m->wallet().coin_slot_busy; }, &Machine::Coin_Slot_Tick, true, false},
        {50, [m] { return m->juicy_showing(); }, &Machine::Juicy_Tick, false, false},
        {500, [m] { return m->timers().Pause_Enabled; }, &Machine::Pause_Tick, true, true},
    };
    for (size_t i = 0; i < timers_.size(); ++i) {
        auto t = std::make_unique<TimedTick>();
        t->timer.setInterval(rows[i].interval);
        t->timer.setSingleShot(rows[i].single_shot);
        t->enabled = rows[i].enabled;
        t->tick = rows[i].tick;
        t->animation = rows[i].animation;
        TimedTick* raw = t.get();
        connect(&t->timer, &QTimer::timeout, this, [this, raw] { tick(*raw); });
        timers_[i] = std::move(t);
    }
}

MachineHost::~MachineHost() = default;

void MachineHost::remove_view(MachineView* view) { std::erase(views_, view); }

void MachineHost::stop_timers() {
    for (auto& t : timers_) t->timer.stop();
}

void MachineHost::tick(TimedTick& t) {
    // A tick inside a modal dialog's event loop waits: the routine that opened the dialog
    // carries on when it closes, and the timer fires again.
    if (t.animation && depth_ > 0) {
        if (t.timer.isSingleShot()) t.timer.start();
        return;
    }
    run([this, &t] { (machine_.get()->*t.tick)(); });
}

void MachineHost::run(const std::function<void()>& routine) {
    if (dead_) return;
    ++depth_;
    try {
        routine();
    } catch (const FatalError& e) {
        --depth_;
        dead_ = true;
        stop_timers();
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(e.title), QString::fromStdString(e.text),
                        QMessageBox::Ok, dialog_parent_);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        if (on_fatal) on_fatal();
        QCoreApplication::exit(1);
        return;
    }
    --depth_;
    for (MachineView* v : views_) v->refresh();
    sync_timers();
}

void MachineHost::sync_timers() {
    for (auto& t : timers_) {
        const bool on = t->enabled();
        if (t->timer.isSingleShot()) {
            // The pause runs once for Pause_Ms; setting the interval of a running timer would
            // restart it, so it is set only at the start.
            if (on && !t->timer.isActive()) t->timer.start(machine_->timers().Pause_Ms);
        } else {
            // The deal and draw animations run at the trainer's deal speed.
            const bool animation = t.get() == timers_[0].get() || t.get() == timers_[1].get();
            if (on && !t->timer.isActive()) {
                if (animation) t->timer.setInterval(machine_->Deal_Interval());
                t->timer.start();
            }
            if (!on && t->timer.isActive()) t->timer.stop();
        }
    }
}

}  // namespace dw::shell
