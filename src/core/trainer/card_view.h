#pragma once
#include <string>

#include "games/catalogue.h"
#include "games/pay_rule.h"
#include "games/pay_table.h"

namespace dw {

// Trainer > Strategy Card...: the chart the card is written for (edited charts included) and the
// bet it is priced at. The window writes the card away from its own thread.
struct StrategyCardModel {
    GameId game = 1;
    Pay_Table chart{};
    int coins = 5;
    PayRule rule() const { return {game, &chart, coins, false, 0}; }
    // The name a saved card is offered: "Jacks or Better strategy card".
    std::string file_stem() const { return std::string(game_info(game).list_text) + " strategy card"; }
};

}  // namespace dw
