#pragma once
#include <cstdint>

namespace dw {

// The player's money on the machine: the credits, the coin bucket (the coins put in, counted
// below zero), the coins bet on the hand and the side bet's coin. The rules that move money live
// here; the machine says what the player sees (meters, messages).
struct Wallet {
    static constexpr int32_t kSessionCredits = 80;
    static constexpr int32_t kMaxCredits = 99999;

    int32_t Credits = 0, Coin_Bucket = 0;
    int16_t Coins_Bet = 0, Side_Bet_Placed = 0;  // Coins_Bet: on each hand
    int16_t Hands = 1;  // hands of the bet: every credit bet goes on each of them
    // The coin slot's animation: a coin drops for every credit bought, four frames a coin.
    bool coin_slot_busy = false;
    int coin_frames_left = 0;

    // A session starts with 80 credits bought from the bucket.
    void start_session();
    bool full() const { return Credits >= kMaxCredits; }
    // Whether the bucket can move by `delta` coins and still be counted.
    bool bucket_fits(int64_t delta) const;
    // Adds a win; true when the credits stopped at the cap of 99,999.
    bool add_capped(int64_t amount);
    // The cashier: `coins` from the bucket become credits.
    void buy(int32_t coins);
    // Every credit back to the bucket; the coins paid out.
    int32_t cash_out();
    // Doubles the bet from the credits, the bucket paying what they lack; the coins it paid.
    int32_t double_bet();
    // Coins taken back off the bet: the bet becomes `coins`, `refund` credits come back.
    void take_back(int16_t coins, int32_t refund);
};

}  // namespace dw
