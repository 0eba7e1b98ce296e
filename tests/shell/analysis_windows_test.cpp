// The analysis windows as a player uses them: cards picked by click and by typing, the holds and
// the rows of the one selected, and a mistake opened in the analyser from the list.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "forms/frm_analyze.h"
#include "forms/frm_mistakes.h"
#include "forms/frm_luck.h"
#include "forms/frm_progress.h"
#include "forms/frm_session_graph.h"
#include "forms/frm_strategy_card.h"
#include <QTemporaryDir>
#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QScatterSeries>
#include "games/pay_table.h"

using namespace dw;
using dw::shell::Frm_Analyze;
using dw::shell::Frm_Mistakes;
using dw::shell::Frm_Session_Graph;
using dw::shell::Frm_Luck;
using dw::shell::Frm_Progress;
using dw::shell::Frm_Strategy_Card;

namespace {

Pay_Table defaults() {
    Pay_Table t;
    Set_Default_Payouts(t, 0);
    return t;
}

CardCode card(const char* text) { return *parse_card(text); }

}  // namespace

class AnalysisWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cardsByClickAndByTyping() {
        const Pay_Table chart = defaults();
        AnalysisModel model(1, chart, 5);
        Frm_Analyze w(model, nullptr);
        w.show();
        QCOMPARE(w.status()->text(), QString("Pick 5 cards"));
        for (const char* c : {"TH", "JH", "QH", "KH"}) QTest::mouseClick(w.card_button(card(c)), Qt::LeftButton);
        QCOMPARE(w.status()->text(), QString("Pick 1 more card"));
        QVERIFY(w.card_button(card("JH"))->isChecked());
        QTest::mouseClick(w.card_button(card("2H")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w.holds()->rowCount(), 32, 20000);
        QCOMPARE(w.holds()->item(0, 0)->text(), QString("TH JH QH KH"));
        QCOMPARE(w.holds()->item(0, 1)->text(), QString("97.7660"));
        QCOMPARE(w.holds()->item(1, 2)->text(), QString("67.7660"));  // the pat flush gives up
        // The rows after the draw of the best hold: a royal in 47, one straight flush, ...
        QCOMPARE(w.rows()->item(0, 0)->text(), QString("Royal Flush"));
        QCOMPARE(w.rows()->item(0, 2)->text(), QString("1"));
        QCOMPARE(w.findChild<QLabel*>("Lbl_No_Win")->text(), QString("No win: 51.0638% of 47 draws"));
        w.holds()->setCurrentCell(1, 0);
        QCOMPARE(w.rows()->rowCount(), 1);
        QCOMPARE(w.rows()->item(0, 0)->text(), QString("Flush"));

        // Typing: a bad card says why and keeps the hand; good cards replace it.
        w.cards_box()->setText("AS KS QS JS 1S");
        QTest::keyClick(w.cards_box(), Qt::Key_Return);
        QVERIFY(w.status()->text().startsWith("\"1S\" is not a card"));
        QVERIFY(w.isVisible());  // Enter went to the box, not to a button that closes the window
        QCOMPARE(w.holds()->rowCount(), 32);
        w.cards_box()->setText("as ks qs js ts");
        QTest::keyClick(w.cards_box(), Qt::Key_Return);
        QCOMPARE(w.holds()->item(0, 0)->text(), QString("AS KS QS JS TS"));
        QVERIFY(w.card_button(card("TS"))->isChecked());
        QVERIFY(!w.card_button(card("2H"))->isChecked());
        w.coins()->setValue(1);  // one coin: the royal pays 250
        QTRY_COMPARE_WITH_TIMEOUT(w.holds()->rowCount(), 32, 20000);
        QCOMPARE(w.holds()->item(0, 1)->text(), QString("250.0000"));
        QTest::mouseClick(w.card_button(card("TS")), Qt::LeftButton);  // given back
        QCOMPARE(w.holds()->rowCount(), 0);
        QTest::mouseClick(w.findChild<QPushButton*>("Btn_Clear"), Qt::LeftButton);
        QCOMPARE(w.status()->text(), QString("Pick 5 cards"));
        QTRY_VERIFY_WITH_TIMEOUT(w.facts()->text().contains("standard deviation 4.42 bets"), 20000);
    }

    void theStudGamesShowTheirChoices() {
        const Pay_Table chart = defaults();
        AnalysisModel model(24, chart, 5);
        QVERIFY(!model.type_cards("AH AD 7C 2S 9H"));
        Frm_Analyze w(model, nullptr);
        QCOMPARE(w.holds()->rowCount(), 2);
        QCOMPARE(w.holds()->item(0, 0)->text(), QString("AH AD 7C 2S up: Double Down"));
        QVERIFY(w.findChild<QPushButton*>("Card_JK1") == nullptr);
        AnalysisModel jokers(10, chart, 5);
        Frm_Analyze two(jokers, nullptr);
        QVERIFY(two.findChild<QPushButton*>("Card_JK1") && two.findChild<QPushButton*>("Card_JK2"));
    }

    void aMistakeOpensInTheAnalyser() {
        const Pay_Table chart = defaults();
        Mistake cheap{1, 5, {}, *parse_hand("TH JH QH KH 2C"), 0b10000, 0b01111, 1.4, 98.4, 100};
        Mistake dear{4, 5, {}, *parse_hand("2C 2D 2H 2S 5C"), 0, 0b01111, 0, 1000, 200};
        MistakesModel model({cheap, dear});
        std::vector<std::string> opened;
        model.open = [&](const Mistake& m) {
            AnalysisModel analysis(m.game, chart_of(m, chart), m.coins);
            std::string dealt;
            for (const auto& c : m.dealt) dealt += card_text(c) + " ";
            QVERIFY(!analysis.type_cards(dealt));
            Frm_Analyze window(analysis, nullptr);
            opened.push_back(window.cards_box()->text().toStdString());
        };
        Frm_Mistakes w(model, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.list()->rowCount(), 2);
        QCOMPARE(w.list()->item(0, 1)->text(), QString("Deuces Wild"));  // newest first
        w.order()->setCurrentIndex(1);
        QCOMPARE(w.list()->item(0, 5)->text(), QString("1000.00"));
        w.games()->setCurrentIndex(1);  // Jacks or Better
        QCOMPARE(w.list()->rowCount(), 1);
        const QRect cell = w.list()->visualItemRect(w.list()->item(0, 2));
        QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, cell.center());  // a view sees a double click
        QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, {}, cell.center());  // after a click
        QCOMPARE(opened, std::vector<std::string>{"TH JH QH KH 2C"});
        QCOMPARE(w.findChild<QLabel*>("Lbl_Summary")->text(),
                 QString("1 mistake, 97.00 credits given up.  Double-click a hand to analyze it."));
    }

    // The session graph after a scripted session: a point a hand at once, the expected line once
    // the returns are known, a mark at the four of a kind.
    void theSessionGraphOpensAfterASession() {
        const Pay_Table chart = defaults();
        std::vector<HandRecord> hands;
        int32_t credits = 100;
        for (int i = 0; i < 200; ++i) {
            HandRecord h;
            h.bet = 5;
            h.paid = i == 50 ? 125 : i % 3 == 0 ? 5 : 0;
            h.row = i == 50 ? 7 : i % 3 == 0 ? 1 : 0;
            credits += static_cast<int32_t>(h.paid - h.bet);
            h.credits = credits;
            hands.push_back(h);
        }
        SessionGraphModel model{hands, chart};
        Frm_Session_Graph w(model, nullptr);
        w.show();
        QCOMPARE(w.credits()->count(), 200);
        QCOMPARE(w.credits()->at(199).y(), double(credits));
        QCOMPARE(w.big_wins()->count(), 1);
        QCOMPARE(w.big_wins()->at(0).x(), 51.0);
        QTRY_COMPARE_WITH_TIMEOUT(w.expected()->count(), 200, 20000);
        // 100 credits less 5 x (1 - 0.9954390437) a hand.
        QVERIFY(std::abs(w.expected()->at(199).y() - (100 - 200 * 5 * (1 - 0.9954390437))) < 1e-6);
        QVERIFY(w.status()->text().startsWith("200 hands: " + QString::number(credits) + " credits now"));
        SessionGraphModel none{{}, chart};
        Frm_Session_Graph empty(none, nullptr);
        QCOMPARE(empty.status()->text(), QString("No hand has been played this session yet."));
    }

    void luckAgainstTheOddsOpensAfterASession() {
        const Pay_Table chart = defaults();
        Stats stats;
        stats.Hand_Stats[1][0] = {110, 110};
        stats.Hand_Stats[1][1] = {50, 60};
        stats.Hand_Stats[1][2] = {25, 25};
        stats.Hand_Stats[1][7] = {1, 2};
        LuckModel model{1, stats, chart};
        Frm_Luck w(model, nullptr);
        w.show();
        QCOMPARE(w.bars()->count(), 2);
        QVERIFY(w.status()->text().startsWith("186 hands."));
        QTRY_VERIFY_WITH_TIMEOUT(!w.sentences()->text().isEmpty(), 20000);
        QVERIFY2(w.sentences()->text().contains("4 of a Kind: 1 against 0.4 expected \u2014 as expected"), qPrintable(w.sentences()->text()));
        QCOMPARE(w.bars()->barSets()[0]->at(0), 1.0);  // the top row shown: four of a kind
        w.scope()->setCurrentIndex(1);
        QVERIFY(w.sentences()->text().contains("4 of a Kind: 2 against"));
        QCOMPARE(w.status()->text(), QString("197 hands, against perfect play's chances at the full bet."));
    }

    void trainerProgressDrawsEachSession() {
        const std::vector<SessionLog> sessions = {{1765000000, 40, 4, 12.5}, {1765090000, 0, 0, 0}, {1765180000, 50, 1, 2}};
        ProgressModel model{sessions};
        Frm_Progress w(model, nullptr);
        w.show();
        QCOMPARE(w.accuracy()->count(), 2);  // a session with nothing judged is left out
        QCOMPARE(w.accuracy()->at(0), QPointF(1, 90));
        QCOMPARE(w.cost()->at(1), QPointF(2, 4));
        QVERIFY(w.status()->text().startsWith("2 sessions.  The last, "));
        QVERIFY(w.status()->text().endsWith(": 50 holds judged, 98.0% best, 4.00 credits given up per 100 hands."));
        const std::vector<SessionLog> none;
        ProgressModel empty{none};
        QVERIFY(Frm_Progress(empty, nullptr).status()->text().startsWith("No hand judged yet."));
    }

    void strategyCardWrittenShownAndSaved() {
        StrategyCardModel model{1, defaults(), 5};
        Frm_Strategy_Card w(model, nullptr);
        w.show();
        QVERIFY(!w.findChild<QPushButton*>("Btn_Save_Text")->isEnabled());  // nothing to save yet
        QTRY_VERIFY_WITH_TIMEOUT(w.card() != nullptr, 30000);
        QCOMPARE(w.lines()->rowCount(), static_cast<int>(w.card()->lines.size()));
        QCOMPARE(w.lines()->item(0, 0)->text(), QString("1"));
        QCOMPARE(w.lines()->item(w.lines()->rowCount() - 1, 1)->text(), QString("Discard everything"));
        QVERIFY(w.summary()->text().contains("perfect play returns 99.5439%"));
        QVERIFY(w.findChild<QPushButton*>("Btn_Save_PDF")->isEnabled());
        QTemporaryDir dir;
        const QString text = dir.filePath("card.txt"), pdf = dir.filePath("card.pdf");
        QVERIFY(w.save_to(text));
        QFile saved(text);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), QString::fromStdString(strategy::card_text(*w.card())));
        QVERIFY(w.save_to(pdf));
        QFile page(pdf);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.read(5) == "%PDF-");
        QVERIFY(!w.save_to(dir.filePath("no such folder/card.txt")));
    }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
