#include "widgets/small_hands.h"

#include <QPainter>
#include <QPainterPath>

namespace dw::shell {

void SmallHands::show_hands(const std::vector<SmallHand>& hands) {
    if (hands == hands_) return;
    hands_ = hands;
    update();
}

namespace {

QString rank_text(int16_t value) {
    switch (value) {
    case 1: return "\u2605";  // the joker
    case 10: return "10";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    case 14: return "A";
    default: return QString::number(value);
    }
}

QString suit_text(char suit) {
    switch (suit) {
    case 'H': return "\u2665";
    case 'D': return "\u2666";
    case 'C': return "\u2663";
    default: return "\u2660";
    }
}

}  // namespace

void SmallHands::paintEvent(QPaintEvent*) {
    if (hands_.empty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int rows = rows_for(hands_.size());
    const int columns = hands_.size() > 1 ? 2 : 1;
    const double row_h = height() / static_cast<double>(std::max(1, rows));
    const double col_w = width() / static_cast<double>(columns);
    const double card_h = row_h * 0.86;
    const double card_w = card_h * 0.72;
    const double gap = card_w * 0.1;
    QFont rank_font = font();
    rank_font.setBold(true);
    rank_font.setPixelSize(std::max(6, static_cast<int>(card_h * 0.38)));
    QFont win_font = font();
    win_font.setBold(true);
    win_font.setPixelSize(std::max(6, static_cast<int>(row_h * 0.3)));
    for (size_t k = 0; k < hands_.size(); ++k) {
        // From the bottom up, the left column first: the hand nearest the main hand is the first.
        const int row = rows - 1 - static_cast<int>(k) / columns;
        const int column = static_cast<int>(k) % columns;
        const double x0 = column * col_w + gap;
        const double y0 = row * row_h + (row_h - card_h) / 2;
        const SmallHand& h = hands_[k];
        for (int i = 0; i < 5; ++i) {
            const QRectF card(x0 + i * (card_w + gap), y0, card_w, card_h);
            QPainterPath outline;
            outline.addRoundedRect(card, card_w * 0.12, card_w * 0.12);
            if (!h.face_up) {
                p.fillPath(outline, QColor(30, 60, 150));
                p.setPen(QPen(QColor(200, 210, 255), 1));
                p.drawPath(outline);
                continue;
            }
            p.fillPath(outline, Qt::white);
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawPath(outline);
            const char suit = h.suit[static_cast<size_t>(i)];
            const int16_t value = h.value[static_cast<size_t>(i)];
            p.setPen(value == 1 ? QColor(120, 0, 160) : (suit == 'H' || suit == 'D') ? QColor(200, 0, 0) : Qt::black);
            p.setFont(rank_font);
            p.drawText(card.adjusted(0, 0, 0, -card_h * 0.45), Qt::AlignHCenter | Qt::AlignBottom, rank_text(value));
            if (value != 1)
                p.drawText(card.adjusted(0, card_h * 0.5, 0, 0), Qt::AlignHCenter | Qt::AlignTop, suit_text(suit));
        }
        if (!h.win.empty()) {
            const QRectF line(x0 + 5 * (card_w + gap) + gap, row * row_h, col_w - 5 * (card_w + gap) - 3 * gap, row_h);
            p.setFont(win_font);
            p.setPen(QColor(255, 230, 0));
            p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, QString::fromStdString(h.win));
        }
    }
}

}  // namespace dw::shell
