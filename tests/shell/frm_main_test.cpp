#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>

#include "frm_main.h"
#include "widgets/plain_card.h"
#include "widgets/small_hands.h"
#include <QSettings>
#include "machine/cashier.h"
#include "machine/dialog_models.h"
#include "scripted_dialogs.h"
#include "forms/frm_cashier.h"
#include "forms/frm_double.h"
#include "forms/frm_pick5.h"
#include "forms/frm_cheat.h"
#include "forms/frm_juicy.h"
#include "forms/frm_payouts.h"
#include "forms/frm_statistics.h"
#include "forms/help_dialog.h"
#include "qt_dialogs.h"
#include "records/stats_screens.h"
#include "trainer/trainer_state.h"
#include "variants/juicy_jackpots.h"
#include "widgets/digit_box.h"
#include <QElapsedTimer>
#include <QMessageBox>
#include <QListWidget>

using namespace dw;
using dw::shell::Frm_Main;
using dw::test::ScriptedDialogs;

namespace {

QString text_of(Frm_Main& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;

    std::unique_ptr<Frm_Main> open(const char* speed = "Mnu_Speed_Instant") {
        Frm_Main::Options o;
        o.program_directory = dir_.path();
        o.asset_directory = QCoreApplication::applicationDirPath();
        o.dialogs = &dialogs_;
        auto w = std::make_unique<Frm_Main>(o);
        w->show();
        w->action(speed)->trigger();  // the animations have tests of their own
        return w;
    }

private slots:
    void init() {
        QSettings().remove("hands");  // one hand, as a new player has it
        dialogs_ = ScriptedDialogs{};
        // The player unticks Double Up and the side bet.
        dialogs_.goodies_script = [](GoodiesModel& g) { g.boxes[2] = g.boxes[3] = false; };
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    void opensReadyForTheFirstHand() {
        auto w = open();
        QCOMPARE(w->windowTitle(), QString("Dazzlewick 3.0"));
        auto* games = w->findChild<QComboBox*>("Lst_Games");
        QCOMPARE(games->count(), 25);
        QCOMPARE(games->itemText(0), QString("Jacks or Better"));
        QCOMPARE(games->itemText(24), QString("Let It Ride"));
        QCOMPARE(text_of(*w, "Lbl_Pay_0"), QString("Winning Hands for Jacks or Better Draw Poker"));
        QVERIFY(text_of(*w, "Lbl_Pay_1").contains("Royal Flush\nStraight Flush"));
        QVERIFY(text_of(*w, "Lbl_Pay_6").startsWith("5 Credits\n*4000*\n250"));
        QCOMPARE(text_of(*w, "Lbl_Credits"), QString("80"));
        QCOMPARE(text_of(*w, "Lbl_Coins"), QString("-80"));
        QCOMPARE(text_of(*w, "Pnl_Show_Payoffs"), QString("Welcome to Dazzlewick!"));
        // Menus: captions, shortcuts and check marks.
        QCOMPARE(w->action("Mnu_New_Game")->text(), QString("&New Game  "));
        QCOMPARE(w->action("Mnu_Dbl_Dbl")->shortcut(), QKeySequence("Shift+Ctrl+F5"));
        QCOMPARE(w->action("Mnu_Sound")->text(), QString("Turn Sound &Off"));
        for (const char* on : {"Mnu_Jacks", "Mnu_Progressive", "Mnu_Autohold", "Mnu_Fancy_Cards"}) QVERIFY2(w->action(on)->isChecked(), on);
        QVERIFY(!w->action("Mnu_Double")->isChecked());  // unticked in the goodies dialog
        QVERIFY(!w->action("Mnu_Double_Down_Deuces")->isVisible());
        QCOMPARE(dialogs_.goodies_shown, 1);
        // Five backs lie on the table.
        const QImage table = w->findChild<QWidget*>("Pnl_Cards")->grab().toImage();
        for (int p = 1; p <= 5; ++p) {
            const QColor middle = table.pixelColor(21 + 88 * (p - 1) + 35, 266 + 48);
            QVERIFY2(middle != QColor(0, 96, 48), "a card back is drawn at every position");
        }
    }

    void choosingAGameRedrawsTheChartAndMovesTheCheck() {
        auto w = open();
        auto* games = w->findChild<QComboBox*>("Lst_Games");
        w->run([&] { w->machine().Lst_Games_Click(3); });
        QCOMPARE(text_of(*w, "Lbl_Pay_0"), QString("Winning Hands for Deuces Wild"));
        QVERIFY(w->action("Mnu_Deuces")->isChecked() && !w->action("Mnu_Jacks")->isChecked());
        w->action("Mnu_Same_4")->trigger();
        QCOMPARE(games->currentIndex(), 18);
        QCOMPARE(text_of(*w, "Lbl_Pay_0"), QString("Winning Hands for Same 4 Wins More Bonus Poker"));
        QVERIFY(w->action("Mnu_Same_4")->isChecked() && !w->action("Mnu_Deuces")->isChecked());
    }

    // No keeps the window; yes saves the goodies and closes the side bet's window with it.
    void closingAsksAndTakesTheSideBetsWindowAlong() {
        dialogs_.goodies_script = [](GoodiesModel&) {};  // every goody on, the side bet's window up
        auto w = open();
        auto* juicy = w->juicy();
        QVERIFY(juicy->isVisible());
        QCOMPARE(juicy->windowTitle(), QString("Velmora's Juicy Jackpots!"));
        juicy->close();  // the side bet's window is not closed on its own
        QVERIFY(juicy->isVisible());
        dialogs_.answers = {MsgAnswer::No};
        w->close();
        QVERIFY(w->isVisible());
        QCOMPARE(dialogs_.asked().back(), std::string("Exit Program: Do you REALLY want to exit?"));
        QVERIFY(!QFile::exists(dir_.filePath("CONFIG.VPK")));
        dialogs_.answers = {MsgAnswer::Yes};
        w->close();
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(QFile::exists(dir_.filePath("CONFIG.VPK")));
        QVERIFY(!juicy->isVisible() && !w->machine().juicy_view().visible);
    }

    void theSideBetWindowLeavesTheKeyboardToTheMachine() {
        dialogs_.goodies_script = [](GoodiesModel& g) { g.boxes[2] = false; };  // the side bet on, no double up
        auto w = open();
        Machine& m = w->machine();
        auto* juicy = w->findChild<dw::shell::Frm_Juicy*>("Frm_Juicy");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // From a game without the side bet to one with it, by key: the machine keeps the keyboard.
        QTest::keyClick(w.get(), Qt::Key_F8, Qt::ControlModifier);
        QCOMPARE(m.game(), GameId{24});
        QVERIFY(!juicy->isVisible());
        QTest::keyClick(w.get(), Qt::Key_F8);
        QCOMPARE(m.game(), GameId{23});
        QTRY_VERIFY(juicy->isVisible());
        QVERIFY(QApplication::activeWindow() == w.get());
        // Enter presses the side-bet window's focused Continue!, and the machine's keys typed there play.
        m.juicy_view().Btn_Continue.visible = true;
        juicy->refresh();
        auto* go_on = juicy->findChild<QPushButton*>("Btn_Continue");
        QVERIFY(go_on->isVisible());
        go_on->setFocus();
        bool pressed = false;
        connect(go_on, &QPushButton::clicked, this, [&pressed] { pressed = true; });
        QTest::keyClick(go_on, Qt::Key_Return);
        QVERIFY(pressed);
        m.wallet().Credits = 100;
        QTest::keyClick(go_on, 'm');
        QVERIFY(m.in_hand());
    }

    void textsFromThePlayerAreNeverMarkup() {
        // A name that Qt would read as an image to load is shown as the characters typed.
        const QString name = "<img src=/dev/zero>";
        Stats stats;
        StatisticsModel model(stats, name.toStdString());
        dw::shell::Frm_Statistics window(model, nullptr);
        auto* label = window.findChild<QLabel*>("Lbl_PlayerName");
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->text().contains(name));
        dw::shell::QtDialogs dialogs(nullptr);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            format = box->textFormat();
            box->accept();
        });
        dialogs.message_box("Thanks for playing, " + name.toStdString() + "!", "Cash Out", MsgButtons::Ok,
                            MsgIcon::Information);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, "Thanks for playing, " + name + "!");
    }

    void keysPlayAWholeHand() {
        auto w = open();
        Machine& m = w->machine();
        QTest::keyClick(w.get(), 'm');
        QCOMPARE(m.wallet().Coins_Bet, int16_t{5});
        QCOMPARE(text_of(*w, "Lbl_Credits"), QString("75"));
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        QCOMPARE(m.table().cards.Next_Card, int16_t{6});
        for (char key : {'1', '3'}) QTest::keyClick(w.get(), key);
        QVERIFY(m.held(1) && m.held(3) && !m.held(2) && w->findChild<QLabel*>("Pnl_Hold_1")->isVisible());
        QTest::keyClick(w.get(), '3');
        QVERIFY(!m.held(3));
        const Hand dealt = m.table().cards.hand;
        QTest::keyClick(w.get(), 'd');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Idle, 5000);
        QCOMPARE(m.table().cards.hand[0], dealt[0]);
        QVERIFY(m.table().cards.hand[1] != dealt[1]);
        QCOMPARE(text_of(*w, "Lbl_Played"), QString("0"));
    }

    // Ten hands: the cabinet grows by five rows of smaller hands above the main hand, drawn face
    // down at the deal and face up after the draw; one hand puts the cabinet back.
    void tenHandsGrowTheCabinetAndDrawEachHand() {
        auto w = open();
        Machine& m = w->machine();
        auto* deal = w->findChild<QWidget*>("Btn_Deal");
        const int deal_top = deal->y();
        w->action("Mnu_Hands_10")->trigger();
        QCOMPARE(m.hands(), 10);
        auto* small = w->findChild<dw::shell::SmallHands*>("Pnl_Small_Hands");
        QVERIFY(small->isVisible());
        QTRY_COMPARE(w->property("cabinet_design").toSize(), QSize(680, 590 + 5 * dw::shell::SmallHands::kRowHeight + 4));
        QVERIFY(!w->action("Mnu_Double")->isEnabled());
        QTest::keyClick(w.get(), 'm');
        QCOMPARE(text_of(*w, "Lbl_Played"), QString("50"));
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        QCOMPARE(small->hands().size(), 9u);
        QVERIFY(!small->hands()[0].face_up);
        QTest::keyClick(w.get(), 'd');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Idle, 5000);
        for (const auto& h : small->hands()) QVERIFY(h.face_up);
        QCOMPARE(m.history().hands().size(), 10u);
        // The cabinet scales as a whole: its buttons are higher in the design, smaller on screen.
        QVERIFY(deal->y() != deal_top || w->scale() < 1);
        w->action("Mnu_Hands_1")->trigger();
        QVERIFY(!small->isVisible());
        QTRY_COMPARE(w->property("cabinet_design").toSize(), QSize(680, 590));
        QVERIFY(w->action("Mnu_Double")->isEnabled());
    }

    // Twice the design size: everything lies twice as far and twice as large, the cards are drawn
    // with every pixel, and a click on a card holds that card, fancy or plain.
    void theCabinetScalesAndCardsTakeClicks() {
        auto w = open();
        Machine& m = w->machine();
        w->resize(w->width() + 680, w->height() + 590);
        QTRY_COMPARE(w->scale(), 2.0);
        QCOMPARE(w->findChild<QWidget*>("Btn_Deal")->geometry(), QRect(504, 1096, 232, 68));
        QCOMPARE(w->findChild<QLabel*>("Lbl_Credits")->font().pointSizeF(), 28.0);  // 14 points at the design size
        QCOMPARE(dw::shell::scaled_style("border: 1px solid #305060; padding: 0px 3px; font-size: 8.25pt;", 1.5),
                 QString("border: 2px solid #305060; padding: 0px 5px; font-size: 12.4pt;"));
        // A long message keeps to its line.
        w->run([&] { m.view().Pnl_Show_Payoffs.caption = "Take back 1/3 of bet?  Trainer: Take Back 1/3 (12.09 against 8.81 credits) and a few more words"; });
        auto* message = w->findChild<QLabel*>("Pnl_Show_Payoffs");
        QVERIFY(QFontMetrics(message->font()).horizontalAdvance(message->text()) < message->contentsRect().width());
        auto* surface = w->findChild<QWidget*>("Pnl_Cards");
        QCOMPARE(surface->width(), 930);
        QTest::keyClick(w.get(), 'm');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        const QPoint third(2 * (21 + 88 * 2 + 35), 2 * (266 + 48));
        QTest::mouseClick(surface, Qt::LeftButton, {}, third);
        QVERIFY(m.held(3));
        QVERIFY(!m.held(2) && !m.held(4));
        // The picture behind the surface has a pixel for every pixel on screen.
        auto* cards = static_cast<dw::shell::CardSurface*>(surface);
        QCOMPARE(cards->picture().width(), qRound(930 * cards->devicePixelRatioF()));
        QTest::keyClick(w.get(), 'd');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Idle, 5000);
        w->action("Mnu_Plain_Cards")->trigger();
        QTest::keyClick(w.get(), 'm');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        auto* plain = w->findChild<dw::shell::PlainCard*>("Pnl_Card_4");
        QVERIFY(plain->isVisible());
        QCOMPARE(plain->QWidget::size(), QSize(142, 192));
        QTest::mouseClick(plain, Qt::LeftButton, {}, plain->rect().center());
        QVERIFY(m.held(4));
        w->resize(w->width() - 680, w->height() - 590);
        QTRY_COMPARE(w->scale(), 1.0);
        QCOMPARE(plain->QWidget::size(), QSize(71, 96));
    }

    void dealClickedTwiceDealsOneHand() {
        auto w = open();
        Machine& m = w->machine();
        auto* play = w->findChild<QPushButton*>("Btn_Play_Credit");
        auto* deal = w->findChild<QPushButton*>("Btn_Deal");
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(deal->isEnabled());
        deal->click();
        deal->click();
        QTest::mouseClick(deal, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        QCOMPARE(m.table().cards.Next_Card, int16_t{6});
        QCOMPARE(m.wallet().Credits, 79);
        QVERIFY(!deal->isEnabled() && w->findChild<QPushButton*>("Btn_Redeal")->isEnabled());
    }

    void aModalDialogDuringTheDealHoldsTheDeal() {
        auto w = open("Mnu_Speed_Fast");
        Machine& m = w->machine();
        w->run([&] { m.Bet_Max(); });
        QVERIFY(m.timers().Timer1_Enabled);
        int16_t before = 0, after = 0;
        // A routine whose modal dialog runs its own event loop for longer than the whole deal.
        w->run([&] {
            before = m.table().cards.Next_Card;
            QTest::qWait(600);
            after = m.table().cards.Next_Card;
        });
        QCOMPARE(after, before);
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        QCOMPARE(m.table().cards.Next_Card, int16_t{6});
    }

    void doubleUpAndPickFiveWindowsAnswerOnlyTheirKeys() {
        struct Offer {
            std::function<void(QWidget&)> act;
            int choice;
        } offers[] = {{[](QWidget& w) { QTest::keyClick(&w, 'y'); }, 1},
                      {[](QWidget& w) { QTest::keyClick(&w, 'N'); }, 0},
                      {[](QWidget& w) { w.close(); }, 0},
                      {[](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, 0}};
        for (const auto& o : offers) {
            DoubleOfferModel model;
            model.question = "You've won 5 credits!\r\n\r\nDouble up to 10 credits?";
            dw::shell::Frm_Double dialog(model, nullptr);
            dialog.show();
            QCOMPARE(dialog.Lbl_Info->text(), QString("You've won 5 credits!\n\nDouble up to 10 credits?"));
            o.act(dialog);
            QCOMPARE(model.choice, o.choice);
            QVERIFY(!dialog.isVisible());
        }

        DoublePickModel pick;
        dw::shell::Frm_Pick picker(pick, nullptr);
        picker.show();
        picker.close();
        QTest::keyClick(&picker, Qt::Key_Escape);
        QTest::keyClick(&picker, '6');
        QVERIFY(picker.isVisible());
        QTest::keyClick(&picker, '4');
        QCOMPARE(pick.choice, 4);
        QVERIFY(!picker.isVisible());

        PickFiveModel five;
        five.Card1Value = 10;
        five.Card2Value = 13;
        dw::shell::Frm_Pick5 window(five, nullptr);
        window.show();
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_3)}) QTest::keyClick(&window, Qt::Key(key));
        QVERIFY(window.isVisible());
        QCOMPARE(five.CardReturn, int16_t{0});
        QCOMPARE(window.card(1)->rank, QString("10"));
        QCOMPARE(window.card(2)->rank, QString("K"));
        QTest::keyClick(&window, '2');
        QCOMPARE(five.CardReturn, int16_t{2});
        QVERIFY(!window.isVisible());
    }

    // The double-up offer keeps its place on the cabinet and grows with it; Pick Five's chooser
    // sits under the hand; the help window shows every topic whole.
    void dialogsGrowAndMoveWithTheCabinet() {
        auto w = open();
        const QSize design = w->size();
        dw::shell::QtDialogs dialogs(w.get());
        QPoint offer_at[2];
        double offer_points[2] = {0, 0};
        for (int i : {0, 1}) {
            const double scale = i == 0 ? 1.0 : 1.5;
            w->resize(design + (scale - 1) * Frm_Main::kDesignSize);
            QTRY_COMPARE(w->scale(), scale);
            const QPoint cabinet = w->centralWidget()->mapToGlobal(QPoint(0, 0));
            QTimer::singleShot(0, [&] {
                if (auto* d = qobject_cast<dw::shell::Frm_Double*>(QApplication::activeModalWidget())) {
                    offer_at[i] = d->pos() - cabinet;
                    offer_points[i] = d->Lbl_Info->font().pointSizeF();
                    QTest::keyClick(d, 'n');
                }
            });
            DoubleOfferModel offer;
            offer.question = "You've won 5 credits!";
            dialogs.show_double(offer);
            QCOMPARE(offer.choice, 0);

            QRect chooser;
            int card_width = 0, screen_bottom = 0;
            QTimer::singleShot(0, [&] {
                if (auto* d = qobject_cast<dw::shell::Frm_Pick5*>(QApplication::activeModalWidget())) {
                    chooser = d->frameGeometry();
                    card_width = d->card(1)->width();
                    screen_bottom = d->screen()->availableGeometry().bottom();
                    QTest::keyClick(d, '1');
                }
            });
            PickFiveModel five;
            five.Card1Value = 10;
            five.Card2Value = 13;
            dialogs.show_pick5(five);
            QCOMPARE(five.CardReturn, int16_t{1});
            // Under the hand, unless the screen ends first.
            const int hand_bottom = cabinet.y() + static_cast<int>(std::lround((68 + 266 + 96 + 4) * scale));
            QVERIFY2(chooser.top() >= hand_bottom - 1 || chooser.bottom() >= screen_bottom - 1,
                     qPrintable(QString("%1 against %2").arg(chooser.top()).arg(hand_bottom)));
            QCOMPARE(card_width, static_cast<int>(std::lround(71 * scale)));
            // The side bet's window grows with the cabinet too.
            auto* side_bet = w->findChild<dw::shell::Frm_Juicy*>();
            QVERIFY(side_bet);
            QCOMPARE(side_bet->card(0)->width(), static_cast<int>(std::lround(71 * scale)));
            QCOMPARE(side_bet->scale(), scale);
        }
        // Offsets and fonts one and a half times those at the design size.
        QVERIFY2(std::abs(offer_at[1].x() - offer_at[0].x() * 1.5) <= 2 && std::abs(offer_at[1].y() - offer_at[0].y() * 1.5) <= 2,
                 qPrintable(QString("%1,%2 against %3,%4").arg(offer_at[0].x()).arg(offer_at[0].y()).arg(offer_at[1].x()).arg(offer_at[1].y())));
        QCOMPARE(offer_points[1], offer_points[0] * 1.5);

        QStringList cut;
        QTimer::singleShot(0, [&] {
            auto* help = QApplication::activeModalWidget();
            if (!help) return;
            if (auto* list = help->findChild<QListWidget*>("Help_List"))
                for (int r = 0; r < list->count(); ++r)
                    if (list->fontMetrics().horizontalAdvance(list->item(r)->text()) > list->viewport()->width())
                        cut << list->item(r)->text();
            help->close();
        });
        HelpModel help({{"About Dazzlewick", "Welcome"}, {"Playing Crazy Eights Double Payout Poker", "Eights"},
                        {"Playing Hot Hands Multi-Payout Poker", "Lines"}},
                       "About Dazzlewick");
        dialogs.show_help(help);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    void studButtonsAnswerAltKeysAndEnter() {
        auto w = open();
        Machine& m = w->machine();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->action("Mnu_Stud")->trigger();
        QTest::keyClick(w.get(), 'm');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Deciding, 5000);
        QTest::keyClick(w.get(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(m.wallet().Coins_Bet, int16_t{10});
        QCOMPARE(m.phase(), Phase::AwaitCard);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!m.in_hand(), 5000);
    }

    void payoutEditorBoxesAndOk() {
        auto w = open();
        Machine& m = w->machine();
        PayoutsModel model(m.pay_table(), 1);
        dw::shell::Frm_Payouts dialog(model, w.get(), {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* royal = dialog.box(8);
        royal->setFocus();
        royal->selectAll();
        QTest::keyClicks(royal, "0");
        QTest::keyClick(royal, Qt::Key_Tab);
        QCOMPARE(royal->text(), QString("250"));
        const int beeps = dialogs_.beeps;
        royal->setFocus();
        QTest::keyClick(royal, Qt::Key_End);
        QTest::keyClicks(royal, "x");
        QCOMPARE(royal->text(), QString("250"));
        QCOMPARE(dialogs_.beeps, beeps);  // the box beeps through the system, not the machine
        royal->selectAll();
        QTest::keyClicks(royal, "500");
        dialog.findChild<QPushButton*>("Btn_Ok")->click();
        QVERIFY(model.ok);
        w->run([&] {
            model.apply(m.pay_table());
            m.Save_Payouts();
        });
        QFile file(dir_.filePath("PAYOUTS.VPK"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(" 500\r\n"));
    }

    void payoutEditorShowsTheReturnWithoutWaiting() {
        if (qEnvironmentVariableIsEmpty("DAZZLEWICK_LONG")) QSKIP("a whole return: run with the long tests");
        auto w = open();
        Machine& m = w->machine();
        PayoutsModel model(m.pay_table(), 1);
        QElapsedTimer clock;
        clock.start();
        dw::shell::Frm_Payouts dialog(model, w.get(), {}, &m.pay_table());
        QVERIFY(clock.elapsed() < 500);  // the engine works away from the window's thread
        QCOMPARE(dialog.return_label()->text(), QString("Return with perfect play: working it out..."));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.return_label()->text(), QString("Return with perfect play: 99.54%"), 30000);
        QCOMPARE(dialog.facts_label()->text(), QString("One hand: standard deviation 4.42 bets, a win 45.5% of the "
                                                       "time, a royal flush every 40391 hands."));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.facts_label()->toolTip().contains("  100            16.3%"), 30000);
    }

    // The chart's title gives the return of the deck as dealt, and Pick Five's simulated figure.
    void chartTitleShowsEveryGamesReturn() {
        if (qEnvironmentVariableIsEmpty("DAZZLEWICK_LONG")) QSKIP("whole returns: run with the long tests");
        auto w = open();
        w->action("Mnu_Show_Return")->trigger();
        w->run([&] { w->machine().Lst_Games_Click(9); });
        QTRY_COMPARE_WITH_TIMEOUT(text_of(*w, "Lbl_Pay_0"),
                                  QString("Winning Hands for Double Jokers Wild Poker   (return with perfect play: 100.28%)"), 60000);
        w->run([&] { w->machine().Lst_Games_Click(21); });
        QTRY_VERIFY_WITH_TIMEOUT(text_of(*w, "Lbl_Pay_0").endsWith("%, simulated)"), 120000);
        QVERIFY(text_of(*w, "Lbl_Pay_0").contains("(return with perfect play: 152% \u00b1 4%, simulated)"));
    }

    void mistakeAlertAsksAndChangeHoldsGoesBack() {
        for (bool draw : {false, true}) {
            MistakeModel model;
            model.text = "Best: hold 8♠ 8♥ — 4.12 credits; yours: 1.36 credits";
            dw::shell::QtDialogs dialogs(nullptr);
            QTimer::singleShot(100, [draw] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QString("Mistake Alert"));
                for (auto* b : box->buttons())
                    if (b->text() == (draw ? "&Draw Anyway" : "&Change Holds")) b->click();
            });
            dialogs.show_mistake(model);
            QVERIFY(model.done);
            QCOMPARE(model.draw, draw);
        }
    }

    void cheatListIsTheOrderDealt() {
        auto w = open();
        Machine& m = w->machine();
        CheatModel model(m.table().cards, deck_size(m.game()));
        dw::shell::Frm_Cheat dialog(model, w.get());
        dialog.show();
        // The seventh card moves up to fifth place and comes out fifth.
        const CardCode seventh = m.table().cards.Deck[7];
        dialog.Lst_Cards->setCurrentRow(6);
        QTest::keyClick(dialog.Lst_Cards, 'u');
        QTest::keyClick(dialog.Lst_Cards, 'U');
        QCOMPARE(model.selected, 4);
        QCOMPARE(dialog.Lst_Cards->item(4)->text().toStdString(), cheat_entry(5, seventh));
        dialog.findChild<QPushButton*>("Btn_Ok")->click();
        QTest::keyClick(w.get(), 'm');
        QTRY_VERIFY_WITH_TIMEOUT(m.phase() == Phase::Dealt, 5000);
        QVERIFY(m.table().cards.hand[4] == seventh);
    }

    void startupWithPlayerTwoAndASecondCopyRefused() {
        dialogs_.player_choices = {2};
        auto w = open();
        QCOMPARE(w->machine().player().Player_Number, int16_t{2});
        w->action("Mnu_Show_Stats")->trigger();
        QCOMPARE(dialogs_.statistics_names.back(), std::string("Player 2"));
        using Lock = dw::shell::RecordsLock;
        Lock first(dir_.path());
        QCOMPARE(first.state(), Lock::State::Held);
        Lock second(dir_.path());
        QCOMPARE(second.state(), Lock::State::Elsewhere);
        QTemporaryDir other;
        QCOMPARE(Lock(other.path()).state(), Lock::State::Held);
        // A folder that cannot exist (under a plain file) is no place for records, not a second copy.
        QFile file(other.filePath("plain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(Lock(other.filePath("plain/records")).state(), Lock::State::NoPlace);
    }

    void cashierFiltersKeysAndCapsTheBox() {
        auto w = open();
        Machine& m = w->machine();
        m.wallet().Credits = 99990;
        int32_t bought = -1;
        CashierModel model(m.wallet(), dialogs_, {.opened = {}, .buy = [&](int32_t coins) { bought = coins; }});
        model.Form_Load();
        dw::shell::Frm_Cashier dialog(model, w.get());
        dialog.show();
        QCOMPARE(dialog.Txt_Credits->text(), QString("9"));
        dialog.Txt_Credits->selectAll();
        QTest::keyClicks(dialog.Txt_Credits, "x5");
        QCOMPARE(dialog.Txt_Credits->text(), QString("5"));
        QTest::keyClick(dialog.Txt_Credits, '0');
        QCOMPARE(dialog.Txt_Credits->text(), QString("9"));
        QCOMPARE(dialogs_.beeps, 2);
        QTest::keyClick(dialog.Txt_Credits, Qt::Key_Backspace);
        QCOMPARE(dialog.Txt_Credits->text(), QString(""));
        QTest::keyClicks(dialog.Txt_Credits, "3");
        dialog.findChild<QPushButton*>("Btn_Ok")->click();
        QCOMPARE(bought, 3);
        QVERIFY(model.done);
    }

    void goodyAndCardMenusCheckThemselves() {
        auto w = open();
        w->action("Mnu_Royals")->trigger();
        QVERIFY(!w->action("Mnu_Royals")->isChecked());
        QVERIFY(QFile::exists(dir_.filePath("CONFIG.VPK")));
        w->action("Mnu_Plain_Cards")->trigger();
        QVERIFY(w->action("Mnu_Plain_Cards")->isChecked() && !w->action("Mnu_Fancy_Cards")->isChecked());
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
