#include "widgets/coin_slot.h"

#include <QPainter>

namespace dw::shell {

void CoinSlot::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    // Drawn at its design size of 72 pixels, scaled to its size on screen.
    constexpr double kDesign = 72;
    g.scale(width() / kDesign, height() / kDesign);
    const QRectF plate = QRectF(0, 0, kDesign, kDesign).adjusted(4, 4, -4, -4);
    QLinearGradient brass(plate.topLeft(), plate.bottomRight());
    brass.setColorAt(0, QColor(240, 210, 120));
    brass.setColorAt(1, QColor(150, 110, 40));
    g.setPen(QPen(QColor(90, 60, 20), 1.5));
    g.setBrush(brass);
    g.drawRoundedRect(plate, 8, 8);
    const QRectF slot(plate.center().x() - 5, plate.top() + 10, 10, plate.height() - 20);
    g.setBrush(QColor(20, 20, 20));
    g.drawRoundedRect(slot, 3, 3);
    if (frame >= 2) {
        // The coin goes into the slot: fully outside, half in, nearly gone.
        const double shown = frame == 2 ? 1.0 : (frame == 3 ? 0.55 : 0.2);
        const double d = slot.height() * 0.8;
        QRectF coin(slot.center().x() - 4, slot.top() - d * shown + d * 0.25, 8, d);
        g.save();
        g.setClipRect(QRectF(0, 0, kDesign, slot.top() + slot.height() * 0.2));
        g.setBrush(QColor(200, 200, 210));
        g.drawEllipse(coin);
        g.restore();
    }
}

void CoinSlot::mousePressEvent(QMouseEvent*) {
    if (on_click) on_click();
}

}  // namespace dw::shell
