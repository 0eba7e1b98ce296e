#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "games/pay_table.h"
#include "types.h"

namespace dw {

// One hold the trainer judged a mistake, with the chart it was played on.
struct Mistake {
    GameId game = 1;
    int coins = 5;
    std::array<int32_t, 20> pays{};  // the chart's pay per coin, rows 1 to 20, as it stood
    Hand dealt{};
    int held = 0, best = 0;          // by position: bit p - 1 holds position p
    double held_value = 0, best_value = 0;  // credits
    int64_t when = 0;                // seconds since 1970
    double cost() const { return best_value - held_value; }
    bool operator==(const Mistake&) const = default;
};

// The record of a player's mistakes, MISTAKESn.VPK: a line each, oldest first, the newest 1,000
// kept. A line that cannot be read is left out; the others are kept.
inline constexpr size_t kMistakesKept = 1000;
std::string write_mistakes(const std::vector<Mistake>& list);
std::vector<Mistake> read_mistakes(std::string_view text);
void keep_mistake(std::vector<Mistake>& list, const Mistake& mistake);
// The chart of the mistake's game as it was played: `base` with the mistake's pays in its slot.
Pay_Table chart_of(const Mistake& mistake, const Pay_Table& base);
// What the mistake's hold kept, as text ("TH JH", or "(nothing)").
std::string held_text(const Hand& dealt, int mask);

// Trainer > Mistakes...: the player's mistakes, newest or costliest first, of one game or all.
class MistakesModel {
public:
    enum class Order { Newest, Costliest };
    explicit MistakesModel(std::vector<Mistake> list) : list_(std::move(list)) {}
    const std::vector<Mistake>& list() const { return list_; }
    Order order = Order::Newest;
    GameId game = 0;  // 0: every game
    // The mistakes shown, in order, as indexes into list().
    std::vector<size_t> shown() const;
    // The columns of a mistake: when, game, dealt, held, best hold, cost in credits.
    static std::vector<std::string> columns(const Mistake& mistake);
    std::string summary() const;  // "12 mistakes, 34.56 credits given up"

    std::function<void(const Mistake&)> open;  // Analyze a Hand on the mistake
    std::function<bool()> confirm_clear;      // the question before Clear
    std::function<void()> cleared;            // the record is emptied
    void Open(size_t shown_row);
    void Clear_Click();
    void Exit_Click() { done = true; }
    bool done = false;

private:
    std::vector<Mistake> list_;
};

}  // namespace dw
