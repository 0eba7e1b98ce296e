#include "svg_deck.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace dw::shell {

QString SvgDeck::deck_directory() {
    const QByteArray custom = qgetenv("DAZZLEWICK_CARDDECKS");
    return custom.isEmpty() ? QStringLiteral("/usr/share/carddecks") : QString::fromLocal8Bit(custom);
}

QStringList SvgDeck::installed() {
    QStringList decks = QDir(deck_directory()).entryList({"svg-*"}, QDir::Dirs, QDir::Name);
    // A classic French deck first.
    for (const char* preferred : {"svg-nicu-white", "svg-standard"})
        if (decks.removeOne(preferred)) decks.prepend(preferred);
    return decks;
}

std::unique_ptr<SvgDeck> SvgDeck::open(const QString& name) {
    // Only a deck of the directory, by its own name: the name comes from the settings file.
    if (!installed().contains(name)) return nullptr;
    const QDir dir(QDir(deck_directory()).filePath(name));
    const QStringList files = dir.entryList({"*.svgz", "*.svg"}, QDir::Files);
    if (files.isEmpty()) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(dir.filePath(files.first()));
    if (!renderer->isValid() || !renderer->elementExists("1_club")) return nullptr;
    std::unique_ptr<SvgDeck> deck(new SvgDeck);
    deck->name_ = name;
    deck->renderer_ = std::move(renderer);
    return deck;
}

SvgDeck::~SvgDeck() = default;

QString SvgDeck::element(int picture) {
    if (picture == 105) return "back";
    if (picture == 110) return "red_joker";
    if (picture == 111) return "black_joker";
    if (picture < 1 || picture > 52) return {};
    static const char* const kSuits[] = {"club", "diamond", "heart", "spade"};
    static const char* const kCourt[] = {"jack", "queen", "king"};
    const int rank = (picture - 1) % 13 + 1;  // the ace first
    const char* suit = kSuits[(picture - 1) / 13];
    return rank >= 11 ? QString("%1_%2").arg(kCourt[rank - 11], suit) : QString("%1_%2").arg(rank).arg(suit);
}

bool SvgDeck::draw(QPainter& painter, const QRectF& rect, int picture) {
    const QString id = element(picture);
    if (id.isEmpty() || !renderer_->elementExists(id)) return false;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (rect.size() * ratio).toSize();
    const quint64 key = (static_cast<quint64>(picture) << 32) | (static_cast<quint64>(pixels.width()) << 16) |
                        static_cast<quint64>(pixels.height());
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        QPixmap image(pixels);
        image.fill(Qt::transparent);
        QPainter g(&image);
        g.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&g, id, QRectF(QPointF(0, 0), QSizeF(pixels)));
        g.end();
        image.setDevicePixelRatio(ratio);
        it = cache_.insert(key, image);
    }
    painter.drawPixmap(rect.topLeft(), *it);
    return true;
}

}  // namespace dw::shell
