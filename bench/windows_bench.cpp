// The session windows after a long session: Session Graph, Luck Against the Odds and Progress
// opened (built, laid out and painted once, offscreen) over 100,000 hands, and the memory the
// hand history takes. Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <random>

#include "forms/frm_luck.h"
#include "forms/frm_progress.h"
#include "forms/frm_session_graph.h"
#include "records/hand_history.h"
#include "frm_main.h"
#include "machine/services.h"
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

dw::Pay_Table defaults() {
    dw::Pay_Table t;
    dw::Set_Default_Payouts(t, 0);
    return t;
}

// 100,000 hands of Jacks or Better at five coins with a plausible run of pays.
dw::HandHistory long_session() {
    dw::HandHistory history;
    std::mt19937 gen(7);
    std::discrete_distribution<int> row({54.5, 21.5, 12.9, 7.4, 1.1, 1.1, 1.2, 0.24, 0.011, 0.0025});
    const int pays[] = {0, 1, 2, 3, 4, 6, 9, 25, 50, 800};
    int32_t credits = 99999;
    const dw::Hand hand = *dw::parse_hand("TH JH QH KH 2C");
    for (int i = 0; i < 100000; ++i) {
        const int r = row(gen);
        dw::HandRecord h{1, 5, hand, 15, hand, 5LL * pays[r], -1, 0, static_cast<dw::HandCode>(r)};
        credits = std::clamp<int32_t>(credits - 5 + static_cast<int32_t>(h.paid), 0, 99999);
        h.credits = credits;
        history.add(h);
    }
    return history;
}

void BM_SessionGraphOpens(benchmark::State& state) {
    const auto history = long_session();
    const auto chart = defaults();
    for (auto _ : state) {
        dw::SessionGraphModel model{history.hands(), chart};
        dw::shell::Frm_Session_Graph w(model, nullptr);
        w.show();
        benchmark::DoNotOptimize(w.grab());
    }
    // The history's own memory: the records and the vector's spare room.
    state.counters["history_MB"] = static_cast<double>(history.hands().capacity() * sizeof(dw::HandRecord)) / (1 << 20);
}
BENCHMARK(BM_SessionGraphOpens)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LuckOpens(benchmark::State& state) {
    const auto chart = defaults();
    dw::Stats stats;
    for (int r = 0; r < 10; ++r) stats.Hand_Stats[1][static_cast<size_t>(r)] = {10000 - r * 900, 100000};
    for (auto _ : state) {
        dw::LuckModel model{1, stats, chart};
        dw::shell::Frm_Luck w(model, nullptr);
        w.show();
        benchmark::DoNotOptimize(w.grab());
    }
}
BENCHMARK(BM_LuckOpens)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ProgressOpens(benchmark::State& state) {
    std::vector<dw::SessionLog> sessions;
    for (int i = 0; i < 1000; ++i) sessions.push_back({1765000000 + i * 3600, 100, i % 7, 0.5 * (i % 11)});
    for (auto _ : state) {
        dw::ProgressModel model{sessions};
        dw::shell::Frm_Progress w(model, nullptr);
        w.show();
        benchmark::DoNotOptimize(w.grab());
    }
}
BENCHMARK(BM_ProgressOpens)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ten hands at instant speed in the real window (offscreen): from the Draw key until the last
// hand is paid, the timers' ticks, the ten draws, the pays and the repaints included.
void BM_TenHandDraw(benchmark::State& state) {
    QTemporaryDir dir;
    dw::DefaultDialogs dialogs;
    dw::shell::Frm_Main::Options o;
    o.program_directory = dir.path();
    o.asset_directory = QCoreApplication::applicationDirPath();
    o.dialogs = &dialogs;
    dw::shell::Frm_Main w(o);
    w.show();
    dw::Machine& m = w.machine();
    w.run([&] {
        m.Menu_Command("Mnu_Speed_Instant");
        m.Menu_Command("Mnu_Hands_10");
    });
    auto wait_for = [&](dw::Phase phase) {
        QElapsedTimer limit;
        limit.start();
        while (m.phase() != phase && limit.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    };
    for (auto _ : state) {
        w.run([&] {
            if (m.wallet().Credits < 100) m.wallet().Credits = 5000;
            m.Bet_Max();
        });
        wait_for(dw::Phase::Dealt);
        QElapsedTimer clock;
        clock.start();
        w.run([&] { m.Draw(); });
        wait_for(dw::Phase::Idle);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    m.Menu_Command("Mnu_Hands_1");
}
BENCHMARK(BM_TenHandDraw)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
