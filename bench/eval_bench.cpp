// Speed of the evaluators: Check_Hand over random hands, and the whole-deck census.
#include <benchmark/benchmark.h>

#include <vector>

#include "cards/deck.h"
#include "games/catalogue.h"
#include "games/census.h"
#include "eval/evaluators.h"

namespace {

std::vector<dw::Hand> random_hands(dw::GameId game, size_t count) {
    dw::ClockRng rng(99);
    dw::CardState cards;
    std::vector<dw::Hand> hands;
    while (hands.size() < count) {
        dw::Shuffle_Deck(cards, dw::joker_count(game), rng);
        for (int h = 0; h < 10; ++h) {
            dw::Hand hand;
            for (int i = 0; i < 5; ++i) hand[static_cast<size_t>(i)] = cards.Deck[static_cast<size_t>(1 + h * 5 + i)];
            hands.push_back(hand);
        }
    }
    return hands;
}

void BM_Check_Hand(benchmark::State& state) {
    const auto game = static_cast<dw::GameId>(state.range(0));
    const auto hands = random_hands(game, 1 << 16);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dw::Check_Hand(game, hands[i]));
        i = (i + 1) & (hands.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Check_Hand)->Arg(1)->Arg(4)->Arg(6)->Arg(10)->Arg(14)->Arg(21)->Arg(24);

void BM_Census_All_Games(benchmark::State& state) {
    const unsigned threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        int64_t total = 0;
        for (dw::GameId g = 1; g <= 25; ++g) total += dw::count_deal(g, threads).hands;
        benchmark::DoNotOptimize(total);
        state.counters["hands"] = static_cast<double>(total);
    }
}
BENCHMARK(BM_Census_All_Games)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
