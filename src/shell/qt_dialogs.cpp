#include "qt_dialogs.h"

#include "forms/frm_cashier.h"
#include "forms/frm_config.h"
#include "forms/frm_double.h"
#include "forms/frm_pick5.h"
#include "forms/frm_analyze.h"
#include "forms/frm_cheat.h"
#include "forms/frm_mistakes.h"
#include "forms/frm_luck.h"
#include "forms/frm_progress.h"
#include "forms/frm_strategy_card.h"
#include "forms/frm_session_graph.h"
#include "forms/frm_payouts.h"
#include "forms/help_dialog.h"
#include "forms/frm_player.h"
#include "forms/frm_statistics.h"
#include "trainer/trainer_state.h"
#include "forms/frm_percent.h"

#include <cmath>
#include <optional>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QDir>
#include <QStandardPaths>
#include <QFileDialog>
#include <algorithm>
#include <QInputDialog>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "control_binder.h"

namespace dw::shell {

MsgAnswer QtDialogs::message_box(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
    // Over the dialog that asks (the player dialog's "name was too long"), else over the machine.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox box(over ? over : parent_);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
    QString body = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    body.replace("\r\n", "\n");
    box.setTextFormat(Qt::PlainText);  // names and numbers from the records are never markup
    box.setText(body);
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    switch (pressed) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

void QtDialogs::beep() { QApplication::beep(); }

namespace {

// The cabinet as the main window lays it out: its scale and its top-left corner on the screen,
// and the distance from the window's frame to the cabinet at the design size.
struct Cabinet {
    double scale = 1;
    QPoint corner;  // the cabinet's top-left corner on the screen
    QPoint chrome;  // from the window's frame to the cabinet at the design size
    QRect area;     // the cabinet on the screen
    int hand_bottom = 0;  // the bottom of the hand's cards on the screen
};

std::optional<Cabinet> cabinet_of(QWidget* main) {
    auto* window = qobject_cast<QMainWindow*>(main);
    if (!window || !window->centralWidget() || !window->isVisible()) return std::nullopt;
    Cabinet c;
    const double s = main->property("cabinet_scale").toDouble();
    c.scale = s > 0 ? s : 1;
    QWidget* central = window->centralWidget();
    c.corner = central->mapToGlobal(main->property("cabinet_origin").toPoint());
    const QSize design = main->property("cabinet_design").toSize();
    c.area = QRect(c.corner, design * c.scale);
    c.chrome = central->mapToGlobal(QPoint(0, 0)) - main->frameGeometry().topLeft();
    c.hand_bottom = c.corner.y() + static_cast<int>(std::lround(main->property("cabinet_hand_bottom").toInt() * c.scale));
    return c;
}

// A dialog made for the cabinet at its design size grows with it: fonts, sizes set in style
// sheets, and the widths and sizes its widgets were given.
void scale_with_cabinet(QWidget& dialog, double s) {
    if (s == 1 || dialog.property("cabinet_scaled").toBool()) return;
    dialog.setProperty("cabinet_scaled", true);
    QList<QWidget*> all = dialog.findChildren<QWidget*>();
    all.prepend(&dialog);
    auto grown = [s](int v) { return static_cast<int>(std::lround(v * s)); };
    // Every widget's font as it is now, each then set grown: a font inherited through a widget
    // with a style sheet would not follow its parent's.
    QList<QFont> fonts;
    for (QWidget* w : all) fonts.append(w->font());
    for (qsizetype i = 0; i < all.size(); ++i) {
        QWidget* w = all[i];
        QFont f = fonts[i];
        if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * s);
        else if (f.pixelSize() > 0) f.setPixelSize(grown(f.pixelSize()));
        w->setFont(f);
        if (!w->styleSheet().isEmpty()) w->setStyleSheet(scaled_style(w->styleSheet(), s));
        const QSize low = w->minimumSize(), high = w->maximumSize();
        if (low.width() > 0) w->setMinimumWidth(grown(low.width()));
        if (low.height() > 0) w->setMinimumHeight(grown(low.height()));
        if (high.width() < QWIDGETSIZE_MAX) w->setMaximumWidth(grown(high.width()));
        if (high.height() < QWIDGETSIZE_MAX) w->setMaximumHeight(grown(high.height()));
    }
    // The layout learns the new sizes now, not at the next event loop, so the size is right.
    if (QLayout* layout = dialog.layout()) {
        layout->invalidate();
        layout->activate();
    }
    dialog.adjustSize();
}

// Places a dialog at an offset in twips from the main window's top-left corner, as laid out at
// the design size: the part of the offset inside the cabinet grows with it, and a maximised
// window's cabinet, centred on the screen, takes its dialogs with it.
void place(QDialog& dialog, QWidget* main, int left_twips, int top_twips) {
    const auto c = cabinet_of(main);
    if (!c) return;
    scale_with_cabinet(dialog, c->scale);
    const QPoint inside = QPoint(left_twips / 15, top_twips / 15) - c->chrome;
    dialog.move(c->corner + QPoint(static_cast<int>(std::lround(inside.x() * c->scale)),
                                   static_cast<int>(std::lround(inside.y() * c->scale))));
}

// A dialog the rules give no place: scaled with the cabinet and centred over it, `height_share`
// of the way down the free height (1 puts its bottom on the cabinet's bottom).
void over_cabinet(QDialog& dialog, QWidget* main, double height_share = 0.5) {
    const auto c = cabinet_of(main);
    if (!c) return;
    scale_with_cabinet(dialog, c->scale);
    dialog.adjustSize();
    const QSize size = dialog.frameGeometry().size().expandedTo(dialog.size());
    dialog.move(c->area.left() + (c->area.width() - size.width()) / 2,
                c->area.top() + static_cast<int>((c->area.height() - size.height()) * height_share));
}

}  // namespace

void QtDialogs::show_cashier(CashierModel& cashier) {
    Frm_Cashier dialog(cashier, parent_);
    over_cabinet(dialog, parent_);
    dialog.exec();
}

void QtDialogs::show_goodies(GoodiesModel& goodies) {
    Frm_Config dialog(goodies, parent_);
    // Centred on the screen: at the first start the main window is not up yet.
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    dialog.exec();
}

void QtDialogs::show_double(DoubleOfferModel& offer) {
    Frm_Double dialog(offer, parent_);
    place(dialog, parent_, 1200, 1300);
    dialog.exec();
    if (!offer.done()) offer.Close();
}

void QtDialogs::show_pick(DoublePickModel& pick) {
    Frm_Pick dialog(pick, parent_);
    place(dialog, parent_, 180, 2640);
    while (!pick.done()) dialog.exec();
}

void QtDialogs::show_pick5(PickFiveModel& pick) {
    Frm_Pick5 dialog(pick, parent_);
    // Below the hand it builds, over the buttons it does not need, and on the screen.
    if (const auto c = cabinet_of(parent_)) {
        scale_with_cabinet(dialog, c->scale);
        dialog.adjustSize();
        int top = c->hand_bottom;
        if (const QScreen* screen = parent_->screen())
            top = std::min(top, screen->availableGeometry().bottom() - dialog.frameGeometry().height());
        dialog.move(c->area.left() + (c->area.width() - dialog.frameGeometry().width()) / 2, top);
    }
    dialog.exec();
}

void QtDialogs::show_payouts(PayoutsModel& payouts) {
    Frm_Payouts dialog(payouts, parent_, payouts.help, &payouts.source());
    place(dialog, parent_, 3300, 450);
    dialog.exec();
    if (!payouts.done) payouts.Btn_Cancel_Click();
}

void QtDialogs::show_help(HelpModel& help) {
    Help_Dialog dialog(help, parent_);
    if (const auto c = cabinet_of(parent_)) scale_with_cabinet(dialog, c->scale);
    // Room for the topic list and a text column of some seventy characters.
    const QFontMetrics metrics(dialog.font());
    dialog.resize(dialog.sizeHint().expandedTo(QSize(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 34)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(dialog.size().boundedTo(area.size() * 0.9));
        dialog.move(area.left() + (area.width() - dialog.width()) / 2, area.top() + (area.height() - dialog.height()) / 3);
    }
    dialog.exec();
}

void QtDialogs::show_keyboard(const std::string& text) {
    Frm_Keyboard dialog(text, parent_);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    dialog.exec();
}

void QtDialogs::show_cheat(CheatModel& cheat) {
    Frm_Cheat dialog(cheat, parent_);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    dialog.exec();
}

void QtDialogs::show_statistics(StatisticsModel& stats) {
    Frm_Statistics dialog(stats, parent_);
    over_cabinet(dialog, parent_);
    dialog.exec();
}

void QtDialogs::show_stats_detail(StatsDetailModel& detail) {
    Frm_Stats_Detail dialog(detail, parent_);
    place(dialog, parent_, 100, 100);
    dialog.exec();
}

void QtDialogs::show_player(PlayerModel& player) {
    Frm_Player dialog(
        player, parent_ && parent_->isVisible() ? parent_ : nullptr,
        [this] { return input_box("Enter a new name for this player!", "Rename a Player"); },
        [this] { message_box(kNameTooLong, "Rename a Player", MsgButtons::Ok, MsgIcon::Exclamation); });
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    while (!player.done) dialog.exec();
}

// A window larger than the screen's free area shrinks to it and stays whole on it.
static void fit_screen(QDialog& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QSize frame = dialog.frameGeometry().size() - dialog.size();
    dialog.resize(dialog.size().boundedTo(free.size() - frame));
    QPoint at = dialog.pos();
    at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() - dialog.width() - frame.width())));
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - dialog.height() - frame.height())));
    dialog.move(at);
}

// A large window of its own over the cabinet, whole on the screen, shown modally.
template <typename Form, typename Model>
static void show_large(Model& model, QWidget* parent, double height_share) {
    Form dialog(model, parent);
    over_cabinet(dialog, parent, height_share);
    fit_screen(dialog);
    dialog.exec();
}

void QtDialogs::show_analysis(AnalysisModel& analysis) { show_large<Frm_Analyze>(analysis, parent_, 0.2); }
void QtDialogs::show_session_graph(SessionGraphModel& graph) { show_large<Frm_Session_Graph>(graph, parent_, 0.3); }
void QtDialogs::show_luck(LuckModel& luck) { show_large<Frm_Luck>(luck, parent_, 0.3); }
void QtDialogs::show_progress(ProgressModel& progress) { show_large<Frm_Progress>(progress, parent_, 0.3); }
void QtDialogs::show_strategy_card(StrategyCardModel& card) { show_large<Frm_Strategy_Card>(card, parent_, 0.5); }

void QtDialogs::show_mistakes(MistakesModel& mistakes) {
    show_large<Frm_Mistakes>(mistakes, parent_, 0.5);
    mistakes.Exit_Click();
}

std::optional<std::string> QtDialogs::save_file_name(std::string_view title, std::string_view suggested) {
    const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                              .filePath(QString::fromUtf8(suggested.data(), static_cast<int>(suggested.size())));
    const QString path = QFileDialog::getSaveFileName(parent_, QString::fromUtf8(title.data(), static_cast<int>(title.size())),
                                                      start, "CSV files (*.csv);;All files (*)");
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

void QtDialogs::show_mistake(MistakeModel& mistake) {
    QMessageBox box(parent_);
    box.setWindowTitle("Mistake Alert");
    box.setIcon(QMessageBox::Warning);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(mistake.text));
    auto* draw = box.addButton("&Draw Anyway", QMessageBox::AcceptRole);
    auto* change = box.addButton("&Change Holds", QMessageBox::RejectRole);
    box.setDefaultButton(change);
    box.exec();
    if (box.clickedButton() == draw) mistake.Draw_Anyway_Click();
    else mistake.Change_Holds_Click();
}

std::optional<std::string> QtDialogs::input_box(std::string_view prompt, std::string_view title) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_ && parent_->isVisible() ? parent_ : nullptr,
                                               QString::fromUtf8(title.data(), static_cast<int>(title.size())),
                                               QString::fromUtf8(prompt.data(), static_cast<int>(prompt.size())),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

void QtDialogs::show_percent(PercentModel& percent) {
    Frm_Percent dialog(percent, parent_);
    dialog.exec();
}

}  // namespace dw::shell
