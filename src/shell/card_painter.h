#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "cards/card_library.h"

namespace dw::shell {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

// Draws one card picture (faces 1..52, back 105, jokers 110 and 111) of the given back design.
void paint_card(QPainter& painter, const QRectF& rect, int picture, int back_design);

// Draws a suit symbol ('H', 'D', 'C', 'S') filling the box.
void paint_suit(QPainter& painter, char suit, const QRectF& box);

// The table the cards lie on: a felt surface with its own backing picture, so what is drawn
// stays drawn until drawn over, and whatever covers the window is repaired on the next paint.
class CardSurface : public QWidget {
    Q_OBJECT
public:
    explicit CardSurface(QWidget* parent = nullptr);
    QPixmap& picture() { return picture_; }
    void clear();
    // The machine draws in design pixels; on screen the surface is `scale` times as large, and
    // its picture holds every device pixel. Takes effect with the next resize.
    void set_scale(double scale) { scale_ = scale; }
    double scale() const { return scale_; }
    std::function<void(int position)> on_card_click;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    QPixmap picture_;
    double scale_ = 1;
    void click(const QPoint& at);
};

// The card-picture library of the machine, painted with QPainter onto a CardSurface.
class SvgDeck;

class CardPainter : public CardLibrary {
public:
    explicit CardPainter(CardSurface& surface);
    ~CardPainter() override;
    // Draws with an installed SVG deck ("svg-standard"), or with its own painting for an empty
    // name or a deck that cannot be read; true when the deck is in use.
    bool use_deck(const QString& name);
    QString deck() const;
    int32_t InitializeDeck(intptr_t window) override;
    void SetCurrentBack(int32_t design) override;
    void DrawCard(intptr_t surface, int32_t picture, int32_t x, int32_t y) override;
    int back() const { return back_; }
    // Draws again every card that lies on the surface, as it was drawn (after a change of scale).
    void redraw();

private:
    struct Drawn {
        int32_t picture, x, y;
        int back;
    };
    CardSurface& surface_;
    int back_ = 6;
    std::vector<Drawn> drawn_;  // the cards on the surface, each place once, in the order drawn
    void draw(const Drawn& card);
    std::unique_ptr<SvgDeck> deck_;
};

}  // namespace dw::shell
