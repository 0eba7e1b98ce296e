// The machine started on damaged records: the input is split at 0x1E into CONFIG.VPK, PAYOUTS.VPK,
// STATS1.VPK, PROGRES1.VPK and TRAINER1.VPK. The start must go through, and a hand of every game
// must play to its end with the credits and the bucket moving by what the statistics say.
#include <array>
#include <string>
#include <string_view>

#include "cards/card_library.h"
#include "cards/rng.h"
#include "fuzz_check.h"
#include "games/catalogue.h"
#include "machine/machine.h"
#include "random_play.h"
#include "records/record_store.h"
#include "variants/juicy_jackpots.h"

namespace {

struct NoCards : dw::CardLibrary {
    int32_t InitializeDeck(intptr_t) override { return 1; }
    void SetCurrentBack(int32_t) override {}
    void DrawCard(intptr_t, int32_t, int32_t, int32_t) override {}
};

struct NoSound : dw::SoundPlayer {
    void play(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::array<const char*, 5> names = {"CONFIG.VPK", "PAYOUTS.VPK", "STATS1.VPK", "PROGRES1.VPK",
                                                     "TRAINER1.VPK"};
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    dw::MemoryStore store;
    size_t start = 0;
    uint64_t seed = 1469598103934665603ull;
    for (unsigned char c : input) seed = (seed ^ c) * 1099511628211ull;
    for (size_t k = 0; k < names.size() && start <= input.size(); ++k) {
        size_t end = input.find('\x1e', start);
        if (end == std::string_view::npos) end = input.size();
        store.files[names[k]] = std::string(input.substr(start, end - start));
        start = end + 1;
    }
    dw::ClockRng rng(seed), choices(seed + 1);
    dw::DefaultDialogs dialogs;
    NoCards cards;
    NoSound sound;
    dw::Machine m({rng, dialogs, cards, sound, store, [](double v) { return std::to_string(v); }, '.', nullptr, {}, {}, {}});
    m.Form_Load();
    m.Load_Records();
    m.Main_Initialisation(1);
    for (const auto& info : dw::kGames) {
        m.Select_Game(info.id);
        if (m.wallet().Credits < 50) m.Insert_Coin();
        // The hand's game and the side bet each count what they took and paid in their own slot.
        auto net = [&m, &info] {
            int64_t sum = 0;
            for (size_t s : {static_cast<size_t>(info.id), static_cast<size_t>(dw::kSideBetSlot)}) {
                const auto& slot = m.player().stats.Game_Stats[s][dw::Stats::kThisSession];
                sum += static_cast<int64_t>(slot[dw::Stats::kWon]) - slot[dw::Stats::kPlayed];
            }
            return sum;
        };
        const int64_t before = static_cast<int64_t>(m.wallet().Credits) + m.wallet().Coin_Bucket - net();
        m.Bet_Max();
        if (!m.in_hand()) m.Start_Hand();
        dw::test::play_out(m, choices);
        FUZZ_CHECK(!m.in_hand());
        FUZZ_CHECK(static_cast<int64_t>(m.wallet().Credits) + m.wallet().Coin_Bucket - net() == before);
    }
    return 0;
}
