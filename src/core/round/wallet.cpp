#include "round/wallet.h"

#include "records/stats.h"

namespace dw {

void Wallet::start_session() {
    Credits = kSessionCredits;
    Coin_Bucket = -kSessionCredits;
}

bool Wallet::bucket_fits(int64_t delta) const { return fits32(static_cast<int64_t>(Coin_Bucket) + delta); }

bool Wallet::add_capped(int64_t amount) {
    const int64_t total = static_cast<int64_t>(Credits) + amount;
    const bool capped = total > kMaxCredits;
    Credits = capped ? kMaxCredits : static_cast<int32_t>(total);
    return capped;
}

void Wallet::buy(int32_t coins) {
    Coin_Bucket -= coins;
    Credits += coins;
}

int32_t Wallet::cash_out() {
    const int32_t paid = Credits;
    Coin_Bucket += paid;
    Credits = 0;
    return paid;
}

int32_t Wallet::double_bet() {
    const int32_t bet = Coins_Bet;
    Credits -= bet;
    Coins_Bet = static_cast<int16_t>(bet * 2);
    if (Credits >= 0) return 0;
    const int32_t shortfall = -Credits;
    Coin_Bucket -= shortfall;
    Credits = 0;
    return shortfall;
}

void Wallet::take_back(int16_t coins, int32_t refund) {
    Coins_Bet = coins;
    Credits += refund;
}

}  // namespace dw
