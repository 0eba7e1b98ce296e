#include <malloc.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include "forms/frm_startup.h"
#include "frm_main.h"
#include "machine_host.h"

namespace {

// The first start fills most of the screen; later starts open at the size the player left.
QSize opening_size(QWidget& window) {
    window.adjustSize();
    const QSize smallest = window.size();
    const QSize kept = QSettings().value("window_size").toSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return smallest;
    const QRect area = screen->availableGeometry();
    if (kept.isValid()) return kept.boundedTo(area.size()).expandedTo(smallest);
    const QSize cabinet = dw::shell::Frm_Main::kDesignSize;
    const QSize extra = smallest - cabinet;  // the menu bar and the frame's insides
    const double scale = std::max(1.0, std::min((area.width() * 0.92 - extra.width()) / cabinet.width(),
                                                (area.height() * 0.9 - extra.height()) / cabinet.height()));
    return (QSizeF(cabinet) * scale).toSize() + extra;
}

// The settings file once lay under "Unknown Organization"; it moves to the program's own folder
// the first time, and the old one goes.
void adopt_old_settings() {
    QApplication::setOrganizationName("Dazzlewick");
    QSettings settings;
    QSettings old("Unknown Organization", "Dazzlewick");
    if (!settings.allKeys().isEmpty() || old.allKeys().isEmpty()) return;
    for (const QString& key : old.allKeys()) settings.setValue(key, old.value(key));
    settings.sync();
    if (settings.status() != QSettings::NoError) return;
    QFile::remove(old.fileName());
    QDir().rmdir(QFileInfo(old.fileName()).path());  // only when nothing else is left in it
}

// Centred across; down the screen, a little below the middle on a tall screen and a fifth of
// the free height on a short one.
void place_main_window(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameSize();
    const int free_height = area.height() - size.height();
    const int top = area.height() * 15 > 8000 ? free_height / 2 + 3 : free_height / 5;
    window.move(area.left() + (area.width() - size.width()) / 2, area.top() + std::max(0, top));
}

}  // namespace

namespace {
// Qt's audio backend speaks up where there is no sound server; the sound player says it once itself.
QtMessageHandler qt_handler = nullptr;
void quieter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("PulseAudioService:") || message == "No audio device detected") return;
    if (qt_handler) qt_handler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    // The strategy engine's tables are large and short-lived: blocks of a megabyte and more are
    // mapped on their own and go back to the system when freed, instead of staying in a heap.
    ::mallopt(M_MMAP_THRESHOLD, 1 << 20);
    qt_handler = qInstallMessageHandler(quieter);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Dazzlewick");
    QApplication::setApplicationVersion("3.0");
    adopt_old_settings();

    QCommandLineParser parser;
    parser.setApplicationDescription("Velmora's video poker machine.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption records({"r", "records"}, "Keep the records (statistics, jackpots, charts) in DIR.", "DIR");
    parser.addOption(records);
    parser.process(app);

    dw::shell::Frm_Main::Options options;
    options.program_directory = dw::shell::records_directory(parser.value(records));
    options.asset_directory = dw::shell::asset_directory();

    const dw::shell::RecordsLock lock(options.program_directory);
    if (lock.state() == dw::shell::RecordsLock::State::Elsewhere) {
        QMessageBox::critical(nullptr, "Error", "You are already running this program!");
        return 1;
    }
    if (lock.state() == dw::shell::RecordsLock::State::NoPlace) {
        // Nothing can be saved, but the machine still plays: every save then says so itself.
        QMessageBox box(QMessageBox::Warning, "File Error",
                        "There is no place to keep your records: the folder\n" + options.program_directory +
                            "\ncannot be written.\n\nYou can play, but nothing will be saved. Start with --records DIR "
                            "to keep them in a folder of your choice.",
                        QMessageBox::NoButton);
        box.setTextFormat(Qt::PlainText);
        QPushButton* play = box.addButton("&Play Anyway", QMessageBox::AcceptRole);
        box.addButton("&Quit", QMessageBox::RejectRole);
        box.setDefaultButton(play);
        box.exec();
        if (box.clickedButton() != play) return 1;
    }

    dw::shell::Frm_Startup splash(options.asset_directory);
    std::unique_ptr<dw::shell::Frm_Main> window;
    QObject::connect(&splash, &dw::shell::Frm_Startup::finished, [&] {
        options.show_goodies = splash.show_goodies();
        splash.hide();
        window = std::make_unique<dw::shell::Frm_Main>(options);
        window->resize(opening_size(*window));
        place_main_window(*window);
        window->show();
        splash.close();
    });
    splash.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash.move(screen->availableGeometry().center() - splash.rect().center());
    splash.show();
    splash.activateWindow();
    return app.exec();
}
