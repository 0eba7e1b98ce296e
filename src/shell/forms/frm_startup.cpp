#include "forms/frm_startup.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include "card_painter.h"

namespace dw::shell {

Frm_Startup::Frm_Startup(QString asset_directory) : QWidget(nullptr), assets_(std::move(asset_directory)) {
    setObjectName("Frm_Startup");
    setWindowTitle("Dazzlewick 3.0");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);  // a splash: no title bar, no close box
    setFixedSize(460, 300);
    setCursor(Qt::WaitCursor);
    timer_.setSingleShot(true);
    timer_.setInterval(2400);
    connect(&timer_, &QTimer::timeout, this, &Frm_Startup::finished);
}

bool Frm_Startup::event(QEvent* e) {
    // The first activation speaks the welcome and starts the clock; later ones change nothing.
    // A window manager that never activates the splash must not keep the machine from
    // starting, so being shown counts as well.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && activations_++ == 0) {
        sound_.play(QDir(assets_).filePath("Welcome.Wav").toStdString());
        timer_.start();
    }
    return QWidget::event(e);
}

void Frm_Startup::mousePressEvent(QMouseEvent*) {
    show_goodies_ = true;
    QApplication::beep();
}

void Frm_Startup::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient felt(0, 0, 0, height());
    felt.setColorAt(0, QColor(0, 110, 55));
    felt.setColorAt(1, QColor(0, 60, 30));
    g.fillRect(rect(), felt);
    g.setPen(QPen(QColor(200, 160, 64), 4));
    g.drawRect(rect().adjusted(2, 2, -3, -3));
    // A royal flush fanned out, and the four suits along the foot.
    static const int kRoyal[] = {49, 50, 51, 52, 40};
    for (int i = 0; i < 5; ++i) {
        g.save();
        g.translate(120 + i * 55, 80);
        g.rotate(-20 + i * 10);
        paint_card(g, QRectF(-kCardWidth / 2.0, 0, kCardWidth, kCardHeight), kRoyal[i], 1);
        g.restore();
    }
    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    g.setFont(title);
    g.setPen(QColor(255, 224, 64));
    g.drawText(QRect(0, 195, width(), 44), Qt::AlignCenter, "Dazzlewick 3.0");
    QFont small = font();
    small.setPointSize(11);
    g.setFont(small);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 236, width(), 20), Qt::AlignCenter, "Velmora's video poker machine");
    const char suits[] = {'H', 'C', 'D', 'S'};
    for (int i = 0; i < 4; ++i) paint_suit(g, suits[i], QRectF(width() / 2.0 - 70 + i * 38, 262, 24, 24));
}

}  // namespace dw::shell
