#include "card_painter.h"

#include "svg_deck.h"

#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace dw::shell {

namespace {

const QColor kRed(200, 16, 32);
const QColor kBlack(20, 20, 20);
const QColor kFelt(0, 96, 48);

// A suit symbol filling a unit square.
QPainterPath suit_path(char suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 'H':
        p.addEllipse(QRectF(0.0, 0.05, 0.54, 0.5));
        p.addEllipse(QRectF(0.46, 0.05, 0.54, 0.5));
        p.moveTo(0.04, 0.4);
        p.lineTo(0.96, 0.4);
        p.lineTo(0.5, 1.0);
        p.closeSubpath();
        break;
    case 'D':
        p.moveTo(0.5, 0.0);
        p.lineTo(0.9, 0.5);
        p.lineTo(0.5, 1.0);
        p.lineTo(0.1, 0.5);
        p.closeSubpath();
        break;
    case 'C':
        p.addEllipse(QRectF(0.28, 0.02, 0.44, 0.44));
        p.addEllipse(QRectF(0.02, 0.36, 0.44, 0.44));
        p.addEllipse(QRectF(0.54, 0.36, 0.44, 0.44));
        // The middle where the three lobes meet, filled, and a stem that grows out of it.
        p.addEllipse(QRectF(0.32, 0.3, 0.36, 0.36));
        p.moveTo(0.44, 0.6);
        p.lineTo(0.56, 0.6);
        p.lineTo(0.64, 1.0);
        p.lineTo(0.36, 1.0);
        p.closeSubpath();
        break;
    default:
        p.moveTo(0.5, 0.0);
        p.lineTo(0.95, 0.52);
        p.lineTo(0.05, 0.52);
        p.closeSubpath();
        p.addEllipse(QRectF(0.03, 0.36, 0.48, 0.42));
        p.addEllipse(QRectF(0.49, 0.36, 0.48, 0.42));
        p.moveTo(0.5, 0.55);
        p.lineTo(0.65, 1.0);
        p.lineTo(0.35, 1.0);
        p.closeSubpath();
        break;
    }
    return p;
}

void draw_suit(QPainter& g, char suit, const QRectF& box, bool upside_down = false) {
    g.save();
    g.translate(box.center());
    if (upside_down) g.rotate(180);
    g.translate(-box.width() / 2, -box.height() / 2);
    g.scale(box.width(), box.height());
    g.setPen(Qt::NoPen);
    g.setBrush(suit == 'H' || suit == 'D' ? kRed : kBlack);
    g.drawPath(suit_path(suit));
    g.restore();
}

struct Face {
    int rank;  // 2..14
    char suit;
};

Face face_of(int picture) {
    static const char kSuits[] = {'C', 'D', 'H', 'S'};
    const int base = (picture - 1) / 13;
    const int within = (picture - 1) % 13 + 1;  // 1 = ace
    return {within == 1 ? 14 : within, kSuits[base]};
}

QString rank_text(int rank) {
    switch (rank) {
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    case 14: return "A";
    default: return QString::number(rank);
    }
}

void card_blank(QPainter& g, const QRectF& r) {
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.setBrush(Qt::white);
    g.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void corner_indices(QPainter& g, const QRectF& r, const QString& text, char suit) {
    QFont f("DejaVu Sans", 1);
    f.setPixelSize(text.size() > 1 ? 11 : 13);
    f.setBold(true);
    for (int corner = 0; corner < 2; ++corner) {
        g.save();
        g.translate(r.center());
        if (corner == 1) g.rotate(180);
        g.translate(-r.width() / 2, -r.height() / 2);
        g.setFont(f);
        g.setPen(suit == 'H' || suit == 'D' ? kRed : kBlack);
        g.drawText(QRectF(1, 2, 15, 14), Qt::AlignCenter, text);
        if (suit != ' ') draw_suit(g, suit, QRectF(4, 16, 9, 9));
        g.restore();
    }
}

// Pip places for 2..10 in a grid of columns 0..2 and rows 0..6 (row 6 the bottom).
const std::vector<std::pair<int, int>>& pips(int rank) {
    static const std::vector<std::vector<std::pair<int, int>>> layouts = [] {
        std::vector<std::vector<std::pair<int, int>>> l(11);
        l[2] = {{1, 0}, {1, 6}};
        l[3] = {{1, 0}, {1, 3}, {1, 6}};
        l[4] = {{0, 0}, {2, 0}, {0, 6}, {2, 6}};
        l[5] = {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}};
        l[6] = {{0, 0}, {2, 0}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
        l[7] = {{0, 0}, {2, 0}, {1, 1}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
        l[8] = {{0, 0}, {2, 0}, {1, 1}, {0, 3}, {2, 3}, {1, 5}, {0, 6}, {2, 6}};
        l[9] = {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 3}, {0, 4}, {2, 4}, {0, 6}, {2, 6}};
        l[10] = {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}, {0, 4}, {2, 4}, {1, 5}, {0, 6}, {2, 6}};
        return l;
    }();
    return layouts[static_cast<size_t>(rank)];
}

void draw_pips(QPainter& g, const QRectF& r, int rank, char suit) {
    const double size = 12;
    const QRectF area(r.left() + 22, r.top() + 9, r.width() - 44, r.height() - 18 - size);
    for (auto [col, row] : pips(rank)) {
        const double x = area.left() + col * area.width() / 2 - size / 2;
        const double y = area.top() + row * area.height() / 6;
        draw_suit(g, suit, QRectF(x, y, size, size), row > 3);
    }
}

// A court card: a framed half figure drawn twice, head to foot.
void draw_court(QPainter& g, const QRectF& r, int rank, char suit) {
    const QRectF frame(r.left() + 14, r.top() + 12, r.width() - 28, r.height() - 24);
    const bool red = suit == 'H' || suit == 'D';
    const QColor robe = red ? QColor(190, 30, 40) : QColor(30, 50, 140);
    const QColor trim(230, 180, 40);
    g.setPen(QPen(QColor(60, 60, 60), 1));
    g.setBrush(QColor(250, 242, 215));
    g.drawRect(frame);
    for (int half = 0; half < 2; ++half) {
        g.save();
        g.setClipRect(frame);
        g.translate(frame.center());
        if (half == 1) g.rotate(180);
        const double w = frame.width(), h = frame.height() / 2;
        // Robe.
        QPainterPath body;
        body.moveTo(-w * 0.42, 0);
        body.lineTo(-w * 0.3, -h * 0.38);
        body.lineTo(w * 0.3, -h * 0.38);
        body.lineTo(w * 0.42, 0);
        body.closeSubpath();
        g.setPen(QPen(kBlack, 0.8));
        g.setBrush(robe);
        g.drawPath(body);
        g.setBrush(trim);
        g.drawRect(QRectF(-w * 0.06, -h * 0.38, w * 0.12, h * 0.38));
        // Head.
        g.setBrush(QColor(245, 210, 170));
        g.drawEllipse(QPointF(0, -h * 0.56), w * 0.16, h * 0.17);
        // Headwear: crown for the king, tiara for the queen, cap for the jack.
        g.setBrush(trim);
        QPainterPath hat;
        const double top = -h * 0.72;
        if (rank == 13) {
            hat.moveTo(-w * 0.18, top + 3);
            hat.lineTo(-w * 0.18, top - 7);
            hat.lineTo(-w * 0.09, top - 2);
            hat.lineTo(0, top - 9);
            hat.lineTo(w * 0.09, top - 2);
            hat.lineTo(w * 0.18, top - 7);
            hat.lineTo(w * 0.18, top + 3);
            hat.closeSubpath();
        } else if (rank == 12) {
            hat.moveTo(-w * 0.17, top + 3);
            hat.quadTo(0, top - 9, w * 0.17, top + 3);
            hat.closeSubpath();
        } else {
            g.setBrush(robe.darker(130));
            hat.moveTo(-w * 0.18, top + 4);
            hat.lineTo(w * 0.22, top + 1);
            hat.lineTo(w * 0.05, top - 7);
            hat.closeSubpath();
        }
        g.drawPath(hat);
        g.restore();
    }
    // The suit in the middle, on the fold.
    draw_suit(g, suit, QRectF(frame.left() + 2, frame.center().y() - 5, 10, 10));
    g.setPen(QPen(QColor(60, 60, 60), 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(frame);
}

void draw_joker(QPainter& g, const QRectF& r, int picture) {
    card_blank(g, r);
    const bool second = picture == 111;
    const QColor a = second ? QColor(20, 110, 40) : QColor(150, 20, 160);
    const QColor b = second ? QColor(230, 120, 0) : QColor(200, 20, 30);
    QFont f("DejaVu Sans", 1);
    f.setPixelSize(9);
    f.setBold(true);
    g.setFont(f);
    g.setPen(a);
    const QString word = "JOKER";
    for (int corner = 0; corner < 2; ++corner) {
        g.save();
        g.translate(r.center());
        if (corner == 1) g.rotate(180);
        g.translate(-r.width() / 2, -r.height() / 2);
        for (int i = 0; i < word.size(); ++i) g.drawText(QRectF(2, 3 + i * 9, 10, 10), Qt::AlignCenter, word.mid(i, 1));
        g.restore();
    }
    // A jester's cap of three points with bells over a smiling face.
    const QPointF c = r.center();
    g.setPen(QPen(kBlack, 0.8));
    g.setBrush(QColor(245, 210, 170));
    g.drawEllipse(c + QPointF(0, 10), 11, 12);
    QPainterPath cap;
    cap.moveTo(c + QPointF(-14, 2));
    cap.quadTo(c + QPointF(-26, -16), c + QPointF(-20, -26));
    cap.quadTo(c + QPointF(-8, -10), c + QPointF(0, -30));
    cap.quadTo(c + QPointF(8, -10), c + QPointF(20, -26));
    cap.quadTo(c + QPointF(26, -16), c + QPointF(14, 2));
    cap.closeSubpath();
    g.setBrush(a);
    g.drawPath(cap);
    g.setBrush(b);
    for (QPointF bell : {QPointF(-20, -26), QPointF(0, -30), QPointF(20, -26)}) g.drawEllipse(c + bell, 3.5, 3.5);
    g.setBrush(kBlack);
    g.drawEllipse(c + QPointF(-4, 7), 1.5, 1.5);
    g.drawEllipse(c + QPointF(4, 7), 1.5, 1.5);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(b, 1.4));
    g.drawArc(QRectF(c.x() - 6, c.y() + 8, 12, 9), 200 * 16, 140 * 16);
    g.setPen(QPen(b, 1));
    g.setBrush(b);
    g.drawPolygon(QPolygonF({c + QPointF(-12, 23), c + QPointF(0, 30), c + QPointF(12, 23), c + QPointF(0, 26)}));
}

void draw_back(QPainter& g, const QRectF& r, int design) {
    static const QColor kColours[7] = {{}, {30, 60, 170}, {170, 25, 35}, {20, 120, 60}, {110, 40, 140},
                                       {15, 30, 90}, {120, 20, 30}};
    const QColor c = kColours[std::clamp(design, 1, 6)];
    card_blank(g, r);
    const QRectF in = r.adjusted(5, 5, -5, -5);
    g.save();
    g.setClipRect(in);
    g.fillRect(in, c);
    const QColor light = c.lighter(160);
    g.setPen(QPen(light, 1));
    switch (design) {
    case 1:
    case 2:  // lattice
        for (double d = -in.height(); d < in.width() + in.height(); d += 6) {
            g.drawLine(QPointF(in.left() + d, in.top()), QPointF(in.left() + d + in.height(), in.bottom()));
            g.drawLine(QPointF(in.left() + d, in.bottom()), QPointF(in.left() + d + in.height(), in.top()));
        }
        break;
    case 3:  // checks
        g.setPen(Qt::NoPen);
        g.setBrush(light);
        for (int y = 0; y * 6 < in.height(); ++y)
            for (int x = 0; x * 6 < in.width(); ++x)
                if ((x + y) % 2 == 0) g.drawRect(QRectF(in.left() + x * 6, in.top() + y * 6, 6, 6));
        break;
    case 4:  // rings
        g.setBrush(Qt::NoBrush);
        for (double y = in.top() + 4; y < in.bottom(); y += 9)
            for (double x = in.left() + 4 + (static_cast<int>((y - in.top()) / 9) % 2) * 4.5; x < in.right(); x += 9)
                g.drawEllipse(QPointF(x, y), 3.5, 3.5);
        break;
    case 5:  // diamonds
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(220, 190, 80));
        for (double y = in.top(); y < in.bottom() + 8; y += 8)
            for (double x = in.left(); x < in.right() + 8; x += 8)
                g.drawPolygon(QPolygonF({QPointF(x, y - 3), QPointF(x + 3, y), QPointF(x, y + 3), QPointF(x - 3, y)}));
        break;
    default:  // stripes
        g.setPen(QPen(QColor(220, 190, 80), 2));
        for (double x = in.left() + 2; x < in.right(); x += 6) g.drawLine(QPointF(x, in.top()), QPointF(x, in.bottom()));
        break;
    }
    g.restore();
    g.setPen(QPen(c.darker(150), 1.5));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(in.adjusted(2, 2, -2, -2), 3, 3);
}

}  // namespace

void paint_suit(QPainter& g, char suit, const QRectF& box) {
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    draw_suit(g, suit, box);
    g.restore();
}

void paint_card(QPainter& g, const QRectF& r, int picture, int back_design) {
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    if (picture == 105) {
        draw_back(g, r, back_design);
    } else if (picture == 110 || picture == 111) {
        draw_joker(g, r, picture);
    } else if (picture >= 1 && picture <= 52) {
        const Face f = face_of(picture);
        card_blank(g, r);
        corner_indices(g, r, rank_text(f.rank), f.suit);
        if (f.rank == 14) {
            const double s = f.suit == 'S' ? 36 : 28;
            draw_suit(g, f.suit, QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s));
        } else if (f.rank >= 11) {
            draw_court(g, r, f.rank, f.suit);
        } else {
            draw_pips(g, r, f.rank, f.suit);
        }
    }
    g.restore();
}

CardSurface::CardSurface(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CardSurface::clear() {
    // Below one pixel a point a painter on the picture would not scale down: the picture then
    // keeps a pixel a point and is scaled down when it is shown.
    const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF() * scale_);
    const QSize design(qRound(width() / scale_), qRound(height() / scale_));
    picture_ = QPixmap(design * dpr);
    picture_.setDevicePixelRatio(dpr);
    picture_.fill(kFelt);
    update();
}

void CardSurface::paintEvent(QPaintEvent*) {
    QPainter g(this);
    if (picture_.isNull()) {
        g.fillRect(rect(), kFelt);
        return;
    }
    g.scale(scale_, scale_);
    g.drawPixmap(0, 0, picture_);
}

void CardSurface::resizeEvent(QResizeEvent*) {
    const QPixmap old = picture_;
    clear();
    if (!old.isNull()) {
        QPainter g(&picture_);
        g.drawPixmap(0, 0, old);
    }
}

void CardSurface::click(const QPoint& at) {
    for (int p = 1; p <= 5; ++p) {
        const QRectF card(21 + 88 * (p - 1), 266, kCardWidth, kCardHeight);
        if (card.contains(QPointF(at) / scale_) && on_card_click) on_card_click(p);
    }
}

void CardSurface::mousePressEvent(QMouseEvent* e) { click(e->position().toPoint()); }
void CardSurface::mouseDoubleClickEvent(QMouseEvent* e) { click(e->position().toPoint()); }

CardPainter::CardPainter(CardSurface& surface) : surface_(surface) {}
CardPainter::~CardPainter() = default;

bool CardPainter::use_deck(const QString& name) {
    deck_ = name.isEmpty() ? nullptr : SvgDeck::open(name);
    return deck_ != nullptr;
}

QString CardPainter::deck() const { return deck_ ? deck_->name() : QString(); }

int32_t CardPainter::InitializeDeck(intptr_t) {
    surface_.clear();
    drawn_.clear();
    return surface_.picture().isNull() ? 0 : 1;
}

void CardPainter::SetCurrentBack(int32_t design) { back_ = std::clamp(design, 1, 6); }

void CardPainter::DrawCard(intptr_t, int32_t picture, int32_t x, int32_t y) {
    if (surface_.picture().isNull()) surface_.clear();
    std::erase_if(drawn_, [&](const Drawn& d) { return d.x == x && d.y == y; });
    drawn_.push_back({picture, x, y, back_});
    draw(drawn_.back());
}

void CardPainter::redraw() {
    surface_.clear();
    for (const Drawn& d : drawn_) draw(d);
}

void CardPainter::draw(const Drawn& card) {
    const auto [picture, x, y, back] = card;
    QPainter g(&surface_.picture());
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(x, y, kCardWidth, kCardHeight);
    // The deck draws faces, its back and its jokers; the machine's own six backs and any card
    // the deck lacks are painted here, so every picture keeps its look.
    // A card replaces whatever lay in its place (a back of another shape, a card of the last hand).
    g.fillRect(rect.adjusted(-1, -1, 1, 1), kFelt);
    if (!(deck_ && deck_->draw(g, rect, picture))) paint_card(g, rect, picture, back);
    g.end();
    const double s = surface_.scale();
    surface_.update(QRectF(x * s, y * s, kCardWidth * s, kCardHeight * s).toAlignedRect().adjusted(-1, -1, 1, 1));
}

}  // namespace dw::shell
