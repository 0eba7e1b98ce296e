#pragma once
#include <cstdint>

namespace dw {

// The machine's source of randomness: uniform doubles in [0, 1). Every random choice of the
// machine (shuffle, card back, sound variants) goes through here so a test can script it.
class Rng {
public:
    virtual ~Rng() = default;
    virtual double next() = 0;
};

// Int(Rnd * n + 1): a whole number from 1 to n.
int rnd_1_to(Rng& rng, int n);

// The default generator: a 64-bit Mersenne twister seeded once from the clock.
class ClockRng : public Rng {
public:
    ClockRng();
    explicit ClockRng(uint64_t seed);
    void reseed();
    double next() override;

private:
    uint64_t state_[312];
    int index_ = 312;
    void seed(uint64_t s);
    void twist();
};

}  // namespace dw
