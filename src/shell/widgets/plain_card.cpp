#include "widgets/plain_card.h"

#include <QPainter>

#include "card_painter.h"

namespace dw::shell {

void PlainCard::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.setBrush(back);
    g.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    QFont f = font();
    f.setPointSizeF(size);
    f.setBold(true);
    g.setFont(f);
    g.setPen(colour);
    g.drawText(QRect(0, 6, width(), height() / 2), Qt::AlignCenter, rank);
    static const char kLetters[] = {' ', 'H', 'D', 'C', 'S'};
    if (suit >= kHeart && suit <= kSpade)
        paint_suit(g, kLetters[suit], QRectF(width() / 2.0 - 13, height() / 2.0 + 6, 26, 26));
}

void PlainCard::mousePressEvent(QMouseEvent*) {
    if (on_click) on_click();
}

}  // namespace dw::shell
