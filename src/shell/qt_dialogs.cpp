#include "qt_dialogs.h"

#include "forms/frm_cashier.h"
#include "forms/frm_config.h"
#include "forms/frm_double.h"
#include "forms/frm_pick5.h"
#include "forms/frm_cheat.h"
#include "forms/frm_payouts.h"
#include "forms/help_dialog.h"
#include "forms/frm_player.h"
#include "forms/frm_statistics.h"
#include "trainer/trainer_state.h"
#include "forms/frm_percent.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "machine/machine.h"

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

void QtDialogs::show_cashier(CashierModel& cashier) {
    Frm_Cashier dialog(cashier, parent_);
    dialog.exec();
}

void QtDialogs::show_goodies(GoodiesModel& goodies) {
    Frm_Config dialog(goodies, machine_, parent_);
    // Centred on the screen: at the first start the main window is not up yet.
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    dialog.exec();
}

namespace {
// Places a dialog at an offset in twips from the main window's top-left corner.
void place(QDialog& dialog, QWidget* main, int left_twips, int top_twips) {
    if (main) dialog.move(main->frameGeometry().topLeft() + QPoint(left_twips / 15, top_twips / 15));
}
}  // namespace

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
    dialog.exec();
}

void QtDialogs::show_payouts(PayoutsModel& payouts) {
    Machine* machine = machine_;
    Frm_Payouts dialog(payouts, parent_, [machine] {
        if (machine) machine->Show_Help("Customize Payouts");
    }, machine ? &machine->pay_table : nullptr);
    place(dialog, parent_, 3300, 450);
    dialog.exec();
    if (!payouts.done) payouts.Btn_Cancel_Click();
}

namespace {
// Centred across the screen, a third of the free height down.
void centre_high(QDialog& dialog) {
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.move(area.left() + (area.width() - dialog.width()) / 2, area.top() + (area.height() - dialog.height()) / 3);
    }
}
}  // namespace

void QtDialogs::show_help(HelpModel& help) {
    Help_Dialog dialog(help, parent_);
    centre_high(dialog);
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
