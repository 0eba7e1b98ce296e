#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>

class QSvgRenderer;
class QPainter;

namespace dw::shell {

// A scalable card deck of the desktop's card games (/usr/share/carddecks/svg-*): faces, jokers
// where the deck has them, and its back, each rendered once per size and kept.
class SvgDeck {
public:
    // The decks installed, by directory name ("svg-standard"), the default first.
    static QStringList installed();
    static QString deck_directory();  // where they lie
    // Nothing when the deck cannot be read.
    static std::unique_ptr<SvgDeck> open(const QString& name);
    ~SvgDeck();

    const QString& name() const { return name_; }
    // Draws the machine's card picture (faces 1..52, back 105, jokers 110 and 111); false when
    // the deck has no drawing for it, so the caller paints its own.
    bool draw(QPainter& painter, const QRectF& rect, int picture);

private:
    SvgDeck() = default;
    QString name_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QHash<quint64, QPixmap> cache_;
    static QString element(int picture);
};

}  // namespace dw::shell
