#include "cards/rng.h"

#include <chrono>
#include <cmath>

namespace dw {

int rnd_1_to(Rng& rng, int n) { return static_cast<int>(std::floor(rng.next() * n + 1)); }

// MT19937-64, written out here so the stream of numbers does not depend on the standard library.
namespace {
constexpr int kN = 312, kM = 156;
constexpr uint64_t kMatrix = 0xB5026F5AA96619E9ULL, kUpper = 0xFFFFFFFF80000000ULL, kLower = 0x7FFFFFFFULL;
uint64_t clock_seed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

ClockRng::ClockRng() { seed(clock_seed()); }
ClockRng::ClockRng(uint64_t s) { seed(s); }
void ClockRng::reseed() { seed(clock_seed()); }

void ClockRng::seed(uint64_t s) {
    state_[0] = s;
    for (int i = 1; i < kN; ++i)
        state_[i] = 6364136223846793005ULL * (state_[i - 1] ^ (state_[i - 1] >> 62)) + static_cast<uint64_t>(i);
    index_ = kN;
}

void ClockRng::twist() {
    for (int i = 0; i < kN; ++i) {
        const uint64_t x = (state_[i] & kUpper) | (state_[(i + 1) % kN] & kLower);
        uint64_t xa = x >> 1;
        if (x & 1) xa ^= kMatrix;
        state_[i] = state_[(i + kM) % kN] ^ xa;
    }
    index_ = 0;
}

double ClockRng::next() {
    if (index_ >= kN) twist();
    uint64_t x = state_[index_++];
    x ^= (x >> 29) & 0x5555555555555555ULL;
    x ^= (x << 17) & 0x71D67FFFEDA60000ULL;
    x ^= (x << 37) & 0xFFF7EEE000000000ULL;
    x ^= x >> 43;
    return static_cast<double>(x >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace dw
