#include "widgets/coin_slot.h"

#include <QPainter>

namespace dw::shell {

void CoinSlot::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(4, 4, -4, -4);
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
        g.setClipRect(QRectF(rect()).adjusted(0, 0, 0, -(height() - slot.top() - slot.height() * 0.2)));
        g.setBrush(QColor(200, 200, 210));
        g.drawEllipse(coin);
        g.restore();
    }
}

void CoinSlot::mousePressEvent(QMouseEvent*) {
    if (on_click) on_click();
}

}  // namespace dw::shell
