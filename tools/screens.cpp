// Screenshots of the main window for a person to look at (not a test): every game's chart at the
// design size, a hand with a joker and a wild deuce in both card styles at scale 1 and 2, a
// paid hand with its marks, the dialogs over the cabinet at scale 1 and 1.5, and the analysis
// windows (Analyze a Hand on a dealt hand and on a stud hand, the mistakes) at scale 1 and 1.5.
// Usage: dazzlewick_screens OUTDIR
#include <QApplication>
#include <QDir>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>

#include "cards/cheat.h"
#include "forms/frm_pick5.h"
#include "frm_main.h"
#include "games/payouts_model.h"
#include "qt_dialogs.h"
#include "round/double_up.h"
#include "games/catalogue.h"
#include "scripted_dialogs.h"
#include "records/luck.h"
#include "records/session_series.h"
#include "trainer/progress.h"
#include "strategy/hold_analysis.h"
#include "trainer/analysis.h"
#include "trainer/card_view.h"
#include "trainer/mistakes.h"
#include <QFile>
#include <QTableWidget>

using namespace dw;

namespace {

bool wait_for(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 10000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QApplication::processEvents();
    return true;
}

// Brings the named cards to the top of the deck, in order, as the cheat dialog would.
void stack(Machine& m, const std::vector<std::string>& names) {
    int at = m.table().cards.Next_Card;
    for (const auto& name : names) {
        const CardCode want = *parse_card(name);
        for (int i = at; i <= 54; ++i) {
            const CardCode& c = m.table().cards.Deck[static_cast<size_t>(i)];
            if (want.Value == 1 ? c.Value == 1 : c.Value == want.Value && c.Suit == want.Suit) {
                swap_deck_cards(m.table().cards, at++, i);
                break;
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dazzlewick_screens OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir records;
    // Mistakes for the list to show.
    {
        std::vector<Mistake> kept;
        const char* hands[] = {"TH JH QH KH 2C", "2C 2D 7H 9S KD", "AS KD QC 4H 4S", "JH JD 2C 5S 9H"};
        for (int i = 0; i < 4; ++i) {
            Mistake k{static_cast<GameId>(i == 1 ? 4 : 1), 5, {1, 2, 3, 4, 6, 9, 25, 50, 250}, *parse_hand(hands[i]),
                      1 << 4, 0b1111, 1.4 + i, 10.0 + 20 * i, 1765000000 + 3600 * i};
            if (i == 1) k.pays = {1, 2, 2, 3, 4, 4, 9, 15, 25, 200, 250};
            kept.push_back(k);
        }
        QFile file(records.filePath("MISTAKES1.VPK"));
        if (file.open(QIODevice::WriteOnly)) file.write(write_mistakes(kept).c_str());
    }
    test::ScriptedDialogs dialogs;
    dialogs.goodies_script = [](GoodiesModel& g) { g.boxes[2] = g.boxes[3] = false; };
    shell::Frm_Main::Options o;
    o.program_directory = records.path();
    o.asset_directory = QCoreApplication::applicationDirPath();
    o.dialogs = &dialogs;
    shell::Frm_Main w(o);
    w.show();
    Machine& m = w.machine();
    wait_for([&] { return m.phase() == Phase::Idle; });
    auto save = [&](const QString& name) {
        QApplication::processEvents();
        w.grab().save(out.filePath(name + ".png"));
        std::printf("%s\n", qPrintable(out.filePath(name + ".png")));
    };

    for (const auto& g : kGames) {
        w.run([&] { m.Select_Game(g.id); });
        save(QString("chart-%1").arg(g.id, 2, 10, QChar('0')));
    }

    // A joker and a wild deuce, fancy and plain, at the design size and at twice it.
    w.run([&] { m.Select_Game(6); });
    const QSize design = w.size();
    for (bool plain : {false, true}) {
        w.run([&] { plain ? m.Menu_Command("Mnu_Plain_Cards") : m.Menu_Command("Mnu_Fancy_Cards"); });
        for (int scale : {1, 2}) {
            w.resize(design + (scale - 1) * shell::Frm_Main::kDesignSize);
            wait_for([&] { return w.scale() == scale; });
            stack(m, {"JK", "2H", "7S", "7D", "KC"});
            w.run([&] { m.Bet_Max(); });
            wait_for([&] { return m.phase() == Phase::Dealt; });
            save(QString("wild-%1-x%2").arg(plain ? "plain" : "fancy").arg(scale));
            w.run([&] { m.Draw(); });
            wait_for([&] { return m.phase() == Phase::Idle; });
        }
        w.resize(design);
        wait_for([&] { return w.scale() == 1; });
    }

    // A paid hand keeps its marks: a pair of jacks.
    w.run([&] {
        m.Menu_Command("Mnu_Fancy_Cards");
        m.Select_Game(1);
    });
    stack(m, {"JH", "4C", "JD", "8S", "2H", "9C", "5D", "3S"});
    w.run([&] { m.Bet_Max(); });
    wait_for([&] { return m.phase() == Phase::Dealt; });
    w.run([&] {
        for (int p = 1; p <= 5; ++p)
            if (m.held(p) != (p == 1 || p == 3)) m.Toggle_Hold(p);
        m.Draw();
    });
    wait_for([&] { return m.phase() == Phase::Idle; });
    save("paid");

    // And a chart of thirteen rows at one and a half times the size: four aces with a kicker.
    w.resize(design + shell::Frm_Main::kDesignSize / 2);
    wait_for([&] { return w.scale() == 1.5; });
    w.run([&] { m.Select_Game(14); });
    stack(m, {"AH", "AC", "AD", "AS", "3H"});
    w.run([&] { m.Bet_Max(); });
    wait_for([&] { return m.phase() == Phase::Dealt; });
    w.run([&] {
        for (int p = 1; p <= 5; ++p)
            if (!m.held(p)) m.Toggle_Hold(p);
        m.Draw();
    });
    wait_for([&] { return m.phase() == Phase::Idle; });
    save("paid-x1.5");

    // The return of perfect play in the title of the longest one.
    w.resize(design);
    wait_for([&] { return w.scale() == 1; });
    w.action("Mnu_Show_Return")->trigger();
    wait_for([&] { return w.findChild<QLabel*>("Lbl_Pay_0")->text().contains("return"); });
    save("return-in-title");

    // Two hundred hands of Jacks or Better, each held as the engine says, for the session graph.
    w.run([&] {
        m.Menu_Command("Mnu_New_Game");  // a session of its own: 80 credits, then the cashier's 920
        m.Select_Game(1);
        m.Menu_Command("Mnu_Speed_Instant");
    });
    dialogs.cashier_script = [](CashierModel& c) {
        c.Text_Changed("920");
        c.Btn_Ok_Click();
    };
    w.run([&] { m.Insert_Coin(); });
    {
        const strategy::FinalHandTable table({1, &m.pay_table(), 5, false, 0}, 2);
        for (int n = 0; n < 200; ++n) {
            w.run([&] { m.Bet_Max(); });
            wait_for([&] { return m.phase() == Phase::Dealt; });
            w.run([&] {
                const int best = strategy::analyse_holds(table, m.table().cards.hand)[0].mask;
                for (int p = 1; p <= 5; ++p)
                    if (m.held(p) != ((best >> (p - 1)) & 1)) m.Toggle_Hold(p);
                m.Draw();
            });
            wait_for([&] { return m.phase() == Phase::Idle; });
        }
    }

    // The dialogs over the cabinet at scale 1 and 1.5, each as it stands on the main window.
    shell::QtDialogs real(&w);
    auto over_window = [&](const QString& name, const std::function<void()>& open,
                           const std::function<bool(QWidget*)>& ready = {}) {
        // Taken once the dialog is up and laid out.
        auto* poll = new QTimer;
        poll->setInterval(100);
        QObject::connect(poll, &QTimer::timeout, [&, name, poll] {
            QWidget* d = QApplication::activeModalWidget();
            if (!d || !d->isVisible() || (ready && !ready(d))) return;
            poll->deleteLater();
            poll->stop();
            QImage image = w.grab().toImage();
            {
                QPainter g(&image);
                g.drawPixmap(d->mapToGlobal(QPoint(0, 0)) - w.mapToGlobal(QPoint(0, 0)), d->grab());
            }
            // A window larger than the cabinet is taken on its own.
            if (d->width() > w.width() || d->height() > w.height()) image = d->grab().toImage();
            image.save(out.filePath(name + ".png"));
            std::printf("%s\n", qPrintable(out.filePath(name + ".png")));
            // The card pickers answer only their keys; the others close.
            const QString key = d->objectName() == "Frm_Pick" ? "2" : d->objectName() == "Frm_Pick5" ? "1" : "";
            if (!key.isEmpty()) {
                QKeyEvent press(QEvent::KeyPress, key == "2" ? Qt::Key_2 : Qt::Key_1, Qt::NoModifier, key);
                QApplication::sendEvent(d, &press);
            } else {
                d->close();
                if (auto* dialog = qobject_cast<QDialog*>(d)) dialog->done(0);
            }
        });
        poll->start();
        open();
    };
    for (double scale : {1.0, 1.5}) {
        w.resize(design + (scale - 1) * shell::Frm_Main::kDesignSize);
        wait_for([&] { return w.scale() == scale; });
        const QString x = scale == 1 ? "x1" : "x1.5";
        w.run([&] { m.Select_Game(1); });
        DoubleOfferModel offer;
        offer.question = double_up_question(10);
        over_window("double-offer-" + x, [&] { real.show_double(offer); });
        DoublePickModel pick;
        over_window("double-pick-" + x, [&] { real.show_pick(pick); });
        PayoutsModel payouts(m.pay_table(), 1);
        // Once the return and the facts of one hand are in.
        over_window("payouts-" + x, [&] { real.show_payouts(payouts); }, [](QWidget* d) {
            auto* facts = d->findChild<QLabel*>("Lbl_Facts");
            return !facts || !facts->text().isEmpty();
        });
        PickFiveModel five;
        five.lblCount = "The first card in your hand can be either of these two cards:";
        five.Card1Value = 12;
        five.Card1Suit = 'H';
        five.Card2Value = 7;
        five.Card2Suit = 'S';
        over_window("pick-five-" + x, [&] { real.show_pick5(five); });
        // The analyser once its holds and the chart's risk are in.
        auto analysed = [](QWidget* d) {
            auto* holds = d->findChild<QTableWidget*>("Tbl_Holds");
            auto* risk = d->findChild<QLabel*>("Lbl_Risk");
            return holds && holds->rowCount() > 0 && risk && !risk->text().isEmpty();
        };
        AnalysisModel analysis(1, m.pay_table(), 5);
        analysis.type_cards("TH JH QH KH 2H");
        over_window("analyze-" + x, [&] { real.show_analysis(analysis); }, analysed);
        AnalysisModel stud(24, m.pay_table(), 5);
        stud.type_cards("AH AD 7C 2S 9H");
        over_window("analyze-stud-" + x, [&] { real.show_analysis(stud); }, [](QWidget* d) {
            auto* facts = d->findChild<QLabel*>("Lbl_Facts");
            return facts && !facts->text().contains("working");
        });
        QFile kept(records.filePath("MISTAKES1.VPK"));
        kept.open(QIODevice::ReadOnly);
        MistakesModel list(read_mistakes(kept.readAll().toStdString()));
        over_window("mistakes-" + x, [&] { real.show_mistakes(list); });
        SessionGraphModel graph{m.history().hands(), m.pay_table()};
        over_window("session-graph-" + x, [&] { real.show_session_graph(graph); }, [](QWidget* d) {
            auto* status = d->findChild<QLabel*>("Lbl_Status");
            return status && !status->text().contains("Working");
        });
        LuckModel luck{1, m.player().stats, m.pay_table()};
        over_window("luck-" + x, [&] { real.show_luck(luck); }, [](QWidget* d) {
            auto* sentences = d->findChild<QLabel*>("Lbl_Sentences");
            return sentences && !sentences->text().isEmpty();
        });
        // A learner's sessions (made up here: the trainer was off for the 200 hands above).
        std::vector<SessionLog> sessions;
        for (int i = 0; i < 12; ++i)
            sessions.push_back({1765000000 + 86400 * i, 150 + 20 * i, std::max(2, 30 - 3 * i), std::max(1.5, 40.0 - 3.5 * i)});
        ProgressModel progress{sessions};
        over_window("progress-" + x, [&] { real.show_progress(progress); });
        StrategyCardModel jacks{1, m.pay_table(), 5};
        over_window("strategy-card-" + x, [&] { real.show_strategy_card(jacks); }, [](QWidget* d) {
            auto* lines = d->findChild<QTableWidget*>("Lst_Lines");
            return lines && lines->rowCount() > 0;
        });
        StrategyCardModel deuces{4, m.pay_table(), 5};
        over_window("strategy-card-deuces-" + x, [&] { real.show_strategy_card(deuces); }, [](QWidget* d) {
            auto* lines = d->findChild<QTableWidget*>("Lst_Lines");
            return lines && lines->rowCount() > 0;
        });
    }
    return 0;
}
