// The strategy engine: the table of a pay rule, the 32 holds of one hand, a whole return.
#include <benchmark/benchmark.h>

#include "cards/rng.h"
#include "cards/deck.h"
#include "games/catalogue.h"
#include "strategy/chart_facts.h"
#include "strategy/strategy_card.h"
#include "strategy/variant_returns.h"
#include "trainer/analysis.h"

namespace {

dw::Pay_Table defaults() {
    dw::Pay_Table t;
    dw::Set_Default_Payouts(t, 0);
    return t;
}

void BM_FinalHandTable(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    for (auto _ : state) {
        dw::strategy::FinalHandTable finals({static_cast<dw::GameId>(state.range(0)), &table, 5, false, 0}, 1);
        benchmark::DoNotOptimize(finals.pay_sum(0, 0));
    }
}
BENCHMARK(BM_FinalHandTable)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The memory of a table as built and as the trainer keeps it: Jacks or Better (52 cards),
// Deuces Jokers Wild (53), Double Jokers Wild (54).
void BM_TableMemory(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    for (auto _ : state) {
        dw::strategy::FinalHandTable finals({static_cast<dw::GameId>(state.range(0)), &table, 5, false, 0}, 2);
        state.counters["built_MB"] = static_cast<double>(finals.bytes()) / (1 << 20);
        finals.keep_hold_values_only();
        state.counters["kept_MB"] = static_cast<double>(finals.bytes()) / (1 << 20);
    }
}
BENCHMARK(BM_TableMemory)->Arg(1)->Arg(6)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);


// The 32 holds of a hand of the deck as dealt: Args are the game (Jacks or Better, or Double
// Jokers Wild, whose holds average over the two unseen replaced cards) and 0 for a whole table,
// 1 for a lean one (which prices the dealt hand itself, as the trainer's do).
void BM_HoldsOfOneHand(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    const auto game = static_cast<dw::GameId>(state.range(0));
    dw::strategy::FinalHandTable finals({game, &table, 5, false, 0}, 2);
    if (state.range(1) == 1) finals.keep_hold_values_only();
    dw::ClockRng rng(3);
    dw::CardState cards;
    for (auto _ : state) {
        state.PauseTiming();
        dw::Shuffle_Deck(cards, dw::joker_count(game), rng);
        dw::Hand hand;
        for (int p = 1; p <= 5; ++p) hand[static_cast<size_t>(p - 1)] = cards.Deck[static_cast<size_t>(p)];
        state.ResumeTiming();
        benchmark::DoNotOptimize(dw::strategy::analyse_holds(finals, hand));
    }
}
BENCHMARK(BM_HoldsOfOneHand)->ArgsProduct({{1, 10}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The return of a game at its full bet: Args are the game and the threads. Jacks or Better
// (52 cards), Deuces Jokers Wild (53), Double Jokers Wild (54), Double Down Stud, Let It Ride.
void BM_Return(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    const auto game = static_cast<dw::GameId>(state.range(0));
    const int coins = dw::game_info(game).full_bet;
    for (auto _ : state)
        benchmark::DoNotOptimize(dw::strategy::game_return({game, &table, coins, false, 0}, static_cast<unsigned>(state.range(1))));
}
BENCHMARK(BM_Return)
    ->ArgsProduct({{1, 6, 10, 24, 25}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A strategy card, one core, the chart's table built first: Arg is the game (Jacks or Better,
// Deuces Wild, Jokers Wild with Kings or Better, All American, Double Jokers Wild).
void BM_StrategyCard(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    const dw::PayRule rule{static_cast<dw::GameId>(state.range(0)), &table, 5, false, 0};
    for (auto _ : state) benchmark::DoNotOptimize(dw::strategy::write_card(rule, 0, 1));
}
BENCHMARK(BM_StrategyCard)->Arg(1)->Arg(4)->Arg(7)->Arg(2)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

// Pick Five: 10,000 simulated hands.
void BM_PickFive(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(dw::strategy::pick_five_return({22, &table, 5, false, 0}, 10000, 2));
}
BENCHMARK(BM_PickFive)->Unit(benchmark::kMillisecond)->Iterations(1);

// The chart's facts from its return, then the risk table (bankrolls of 100 to 4,000 bets within
// 1,000 to 100,000 hands), one core: Arg is the game (Jacks or Better, Deuces Wild, Double Bonus).
void BM_ChartFactsAndRisk(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    const dw::PayRule rule{static_cast<dw::GameId>(state.range(0)), &table, 5, false, 0};
    const auto rows = dw::strategy::chart_return(rule, 1);
    const int bankrolls[] = {100, 400, 1000, 4000};
    const int hands[] = {1000, 10000, 100000};
    for (auto _ : state) {
        const auto facts = dw::strategy::chart_facts(rule, rows);
        benchmark::DoNotOptimize(dw::strategy::risk_of_ruin(facts->outcomes, bankrolls, hands));
    }
}
BENCHMARK(BM_ChartFactsAndRisk)->Arg(1)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond)->Iterations(1);

// Analyze a Hand after a card click, once the chart's table exists: the 32 holds and the rows of
// the best one. Arg is the game (Jacks or Better, Deuces Wild, Double Jokers Wild).
void BM_AnalysisRefresh(benchmark::State& state) {
    const dw::Pay_Table table = defaults();
    const auto game = static_cast<dw::GameId>(state.range(0));
    dw::AnalysisModel model(game, table, 5);
    model.type_cards(game == 10 ? "JK 7C 7D KS 4C" : "TH JH QH KH 2H");
    const dw::strategy::FinalHandTable finals(model.rule(), 1);
    for (auto _ : state) {
        const auto holds = model.holds(finals);
        benchmark::DoNotOptimize(model.detail(finals, holds[0].mask));
    }
}
BENCHMARK(BM_AnalysisRefresh)->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
