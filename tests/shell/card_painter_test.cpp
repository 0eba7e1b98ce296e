#include <QPainter>
#include <QtTest>
#include <set>

#include "card_painter.h"
#include "svg_deck.h"

using dw::shell::CardPainter;
using dw::shell::CardSurface;
using dw::shell::kCardHeight;
using dw::shell::kCardWidth;
using dw::shell::paint_card;
using dw::shell::SvgDeck;

namespace {
QImage picture(int number, int back = 1) {
    QImage img(dw::shell::kCardWidth, dw::shell::kCardHeight, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter g(&img);
    paint_card(g, QRectF(0, 0, img.width(), img.height()), number, back);
    return img;
}
}  // namespace

class CardPainterTest : public QObject {
    Q_OBJECT
private slots:
    void anInstalledDeckDrawsAndAMissingOneFallsBack() {
        CardSurface surface;
        surface.resize(465, 370);
        CardPainter painter(surface);
        const QStringList decks = SvgDeck::installed();
        QVERIFY(!painter.use_deck("svg-no-such-deck"));
        QVERIFY(!painter.use_deck("../carddecks/" + SvgDeck::installed().value(0)));  // names outside the list are refused
        painter.InitializeDeck(0);
        painter.DrawCard(0, 40, 21, 266);  // the ace of spades, painted here
        const QImage own = surface.picture().toImage().copy(21, 266, kCardWidth, kCardHeight);
        QVERIFY(own.pixelColor(kCardWidth / 2, 5) != QColor(0, 96, 48));
        if (decks.isEmpty()) QSKIP("no SVG card deck installed");
        QVERIFY(painter.use_deck(decks.first()));
        painter.DrawCard(0, 40, 21, 266);
        painter.DrawCard(0, 110, 109, 266);  // a joker: from the deck, or painted when it has none
        painter.DrawCard(0, 111, 197, 266);
        const QImage picture = surface.picture().toImage();
        QVERIFY(picture.copy(21, 266, kCardWidth, kCardHeight) != own);
        QVERIFY(picture.copy(109, 266, kCardWidth, kCardHeight) != picture.copy(197, 266, kCardWidth, kCardHeight));
    }

    void everyPictureDrawsAndNoTwoLookAlike() {
        std::vector<int> numbers;
        for (int n = 1; n <= 52; ++n) numbers.push_back(n);
        numbers.insert(numbers.end(), {110, 111});
        std::vector<QImage> images;
        for (int n : numbers) {
            const QImage img = picture(n);
            // The card covers its place: corners rounded, the middle opaque.
            QCOMPARE(img.pixelColor(35, 4).alpha(), 255);
            QCOMPARE(img.pixelColor(35, 90).alpha(), 255);
            for (const auto& other : images) QVERIFY2(other != img, qPrintable(QString::number(n)));
            images.push_back(img);
        }
        for (int design = 1; design <= 6; ++design) {  // the six backs differ too
            const QImage img = picture(105, design);
            for (const auto& other : images) QVERIFY2(other != img, qPrintable(QString("back %1").arg(design)));
            images.push_back(img);
        }
        // Red suits are drawn red and black suits black at the corner index.
        auto has_red = [](const QImage& img) {
            for (int y = 0; y < 26; ++y)
                for (int x = 0; x < 16; ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.red() > 150 && c.green() < 80) return true;
                }
            return false;
        };
        QVERIFY(has_red(picture(27)));   // ace of hearts
        QVERIFY(has_red(picture(14)));   // ace of diamonds
        QVERIFY(!has_red(picture(1)));   // ace of clubs
        QVERIFY(!has_red(picture(52)));  // king of spades
    }

    void drawingGoesOverWhatWasThere() {
        dw::shell::CardSurface surface;
        surface.resize(465, 370);
        dw::shell::CardPainter painter(surface);
        QVERIFY(painter.InitializeDeck(1) != 0);
        painter.SetCurrentBack(2);
        painter.DrawCard(0, 105, 21, 266);
        const QColor back = surface.picture().toImage().pixelColor(21 + 35, 266 + 48);
        painter.DrawCard(0, 40, 21, 266);
        const QColor face = surface.picture().toImage().pixelColor(21 + 5, 266 + 48);
        QVERIFY(back != face);
        QCOMPARE(face, QColor(Qt::white));
        painter.SetCurrentBack(9);
        QCOMPARE(painter.back(), 6);
    }
};

QTEST_MAIN(CardPainterTest)
#include "card_painter_test.moc"
