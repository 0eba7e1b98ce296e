#include "widgets/plain_card.h"

#include <QPainter>

#include "card_painter.h"
#include "control_binder.h"

namespace dw::shell {

void PlainCard::show_control(const Control& card, const Control& image) {
    rank = QString::fromStdString(card.caption);
    colour = colour_of(card.fore_colour);
    suit = image.picture;
    setVisible(card.visible);
    update();
}

void PlainCard::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    // Drawn at the card's design size, scaled to the size it has on screen.
    g.scale(width() / static_cast<double>(kCardWidth), height() / static_cast<double>(kCardHeight));
    const QRectF card(0, 0, kCardWidth, kCardHeight);
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.setBrush(back);
    g.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    // The rank fits inside the card ("Joker" included), in the same red as the suit.
    QFont f = font();
    f.setBold(true);
    double points = size;
    do {
        f.setPointSizeF(points);
        points -= 1;
    } while (points > 6 && QFontMetrics(f).horizontalAdvance(rank) > kCardWidth - 8);
    g.setFont(f);
    g.setPen(colour == QColor(255, 0, 0) ? QColor(200, 16, 32) : colour);
    g.drawText(QRectF(0, 4, kCardWidth, kCardHeight / 2.0 - 2), Qt::AlignCenter, rank);
    static const char kLetters[] = {' ', 'H', 'D', 'C', 'S'};
    if (suit >= kHeart && suit <= kSpade)
        paint_suit(g, kLetters[suit], QRectF(kCardWidth / 2.0 - 12, kCardHeight / 2.0, 24, 24));
}

void PlainCard::mousePressEvent(QMouseEvent*) {
    if (on_click) on_click();
}

}  // namespace dw::shell
