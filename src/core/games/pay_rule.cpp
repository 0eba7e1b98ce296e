#include "games/pay_rule.h"

#include <cmath>

#include "games/announcements.h"
#include "games/catalogue.h"

namespace dw {

int hot_line_count(const HotHits& hits) {
    int n = 0;
    for (auto h : hits) n += h != 0;
    return n;
}

int hot_highest_line(const HotHits& hits) {
    if (hot_line_count(hits) < 2) return 0;
    int highest = 0;
    for (size_t i = 0; i < hits.size(); ++i)
        if (hits[i]) highest = static_cast<int>(i) + 1;
    return highest;
}

FinalPay pay_final(const PayRule& rule, HandCode code, const HotHits& hits) {
    const GameInfo& info = game_info(rule.game);
    const Pay_Table& table = *rule.table;
    FinalPay out;
    // Crazy Eights counts three and four eights of the final hand as the ordinary rows.
    if (info.eights_bonus && code == 3) code = 4;
    if (info.eights_bonus && code == 8) code = 9;
    if (info.every_line && hot_line_count(hits) >= 2) code = 10;
    out.code = code;

    int64_t per_coin = 0;
    if (code != 0 && info.every_line) {
        for (size_t i = 0; i < hits.size(); ++i)
            if (hits[i]) per_coin += table.pay(rule.game, static_cast<int>(i) + 1);
    } else if (code != 0) {
        per_coin = table.pay(rule.game, code);
    }
    const auto name = payoff_name(rule.game, code);
    if (!name) {
        out.found = false;
        return out;
    }
    out.name = std::string(*name);
    out.amount = per_coin * rule.coins;

    // Hot Hands pays a royal flush also as a straight flush, a flush and a straight.
    const int64_t hot_top = (static_cast<int64_t>(table.pay(rule.game, 4)) + table.pay(rule.game, 5) +
                             table.pay(rule.game, 8)) * info.max_bet + info.top.amount;
    bool top_hit = false;
    if (rule.coins == info.max_bet) {
        if (info.every_line) {
            if (hits[static_cast<size_t>(info.top.code - 1)]) {
                out.amount = hot_top;
                out.name = std::string(info.top.name);
            }
        } else {
            for (const TopPrize& p : {info.top, info.second_top})
                if (p.code != 0 && p.code == code) {
                    out.amount = p.amount;
                    out.name = std::string(p.name);
                }
        }
    }
    // The jackpot goes with any win worth a top prize, whatever row pays it.
    if (info.every_line) top_hit = out.amount == hot_top;
    else
        for (const TopPrize& p : {info.top, info.second_top}) top_hit = top_hit || (p.code != 0 && out.amount == p.amount);
    if (rule.progressive && top_hit) {
        out.amount += static_cast<int64_t>(std::floor(rule.jackpot));
        out.jackpot_won = true;
    }
    return out;
}

}  // namespace dw
