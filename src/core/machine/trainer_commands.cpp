// The trainer: hints, the mistake gate, accuracy and the deal speed.
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "games/catalogue.h"
#include "machine/machine.h"
#include "records/record_store.h"
#include "strategy/decisions.h"
#include "trainer/analysis.h"
#include "trainer/card_view.h"
#include "strategy/strategy_card.h"
#include "trainer/mistakes.h"
#include "trainer/trainer_state.h"

namespace dw {

namespace {
constexpr std::pair<std::string_view, DealSpeed> kSpeeds[] = {
    {"Mnu_Speed_Normal", DealSpeed::Normal}, {"Mnu_Speed_Fast", DealSpeed::Fast}, {"Mnu_Speed_Instant", DealSpeed::Instant}};

// Pick Five's refused cards, seen and out of the draw: the offered cards (deck cards 1 to 10)
// that are not in the hand.
std::vector<CardCode> out_of_draw(const CardState& cards, GameId game) {
    std::vector<CardCode> dead;
    if (game_info(game).flow != Flow::PickFive) return dead;
    for (size_t i = 1; i <= 10; ++i)
        if (std::find(cards.hand.begin(), cards.hand.end(), cards.Deck[i]) == cards.hand.end()) dead.push_back(cards.Deck[i]);
    return dead;
}

std::string credits_text(double ev) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", ev);
    return std::string(buffer) + " credits";
}

// Cards as a player reads them: "J♥ Q♥ K♥".
std::string shown_cards(const Hand& hand, int mask) {
    std::string out;
    for (int p = 0; p < 5; ++p) {
        if (!(mask & (1 << p))) continue;
        const CardCode& c = hand[static_cast<size_t>(p)];
        // Ranks as the cards show them: "10", not "T".
        std::string card = c.Value == 1 ? "Joker" : c.Value == 10 ? "10" : card_text(c).substr(0, card_text(c).size() - 1);
        if (c.Value != 1) card += c.Suit == 'H' ? "\u2665" : c.Suit == 'D' ? "\u2666" : c.Suit == 'C' ? "\u2663" : "\u2660";
        out += (out.empty() ? "" : " ") + card;
    }
    return out.empty() ? "nothing" : out;
}
}  // namespace

void Machine::load_trainer() {
    const auto text = svc_.store.read(player_.file("TRAINER"));
    const auto read = text ? read_trainer(*text) : std::nullopt;
    trainer_->options = read.value_or(TrainerOptions{});
    vm.menu("Mnu_Show_Best_Hold").checked = trainer_->options.show_best_hold;
    vm.menu("Mnu_Mistake_Alert").checked = trainer_->options.mistake_alert;
    vm.menu("Mnu_Show_Return").checked = trainer_->options.show_return;
    vm.menu("Mnu_Judge_By_Card").checked = trainer_->options.judge_by_card;
    for (const auto& [item, speed] : kSpeeds) vm.menu(item).checked = trainer_->options.speed == speed;
    const auto mistakes = svc_.store.read(player_.file("MISTAKES"));
    trainer_->mistakes = mistakes ? read_mistakes(*mistakes) : std::vector<Mistake>{};
    trainer_->session_from = trainer_->mistakes.size();
    trainer_->accuracy = {};
    const auto sessions = svc_.store.read(player_.file("TRAINLOG"));
    trainer_->sessions = sessions ? read_sessions(*sessions) : std::vector<SessionLog>{};
    trainer_->session_logged = false;
}

void Machine::save_mistakes() {
    save(player_.file("MISTAKES"), write_mistakes(trainer_->mistakes),
         "Error saving the trainer's mistakes.  Your hard drive may be full, or the file may be write-protected.");
}

void Machine::reset_accuracy() {
    trainer_->accuracy = {};
    trainer_->session_from = trainer_->mistakes.size();
    trainer_->session_logged = false;  // the next judged hold starts a new session's line
}

int64_t Machine::now() const { return svc_.clock ? svc_.clock() : static_cast<int64_t>(std::time(nullptr)); }

void Machine::log_judgement(const Judgement& j) {
    auto& sessions = trainer_->sessions;
    if (!trainer_->session_logged) {
        sessions.push_back({now(), 0, 0, 0});
        if (sessions.size() > kSessionsKept) sessions.erase(sessions.begin());
        trainer_->session_logged = true;
    }
    SessionLog& now = sessions.back();
    ++now.decisions;
    if (j.mistake()) {
        ++now.mistakes;
        now.cost += j.best_ev - j.held_ev;
    }
    save(player_.file("TRAINLOG"), write_sessions(sessions),
         "Error saving the trainer's sessions.  Your hard drive may be full, or the file may be write-protected.");
}

void Machine::show_analysis() {
    const GameInfo& info = game_info(game_);
    AnalysisModel analysis(game_, pay_table_, wallet_.Coins_Bet > 0 ? wallet_.Coins_Bet : info.full_bet);
    if (!table_.cards.no_hand_yet()) {
        analysis.type_cards(strategy::hold_text(table_.cards.hand, 31));
        std::string refused;
        for (const auto& c : out_of_draw(table_.cards, game_)) refused += card_text(c) + " ";
        analysis.type_refused(refused);
    }
    svc_.dialogs.show_analysis(analysis);
}

CardKeeper& Machine::trainer_cards() { return trainer_->cards; }

void Machine::show_strategy_card() {
    if (!strategy::has_strategy_card(game_)) {
        svc_.dialogs.message_box("A strategy card is written for the draw games: choose one from the Games menu first.",
                                 "Strategy Card", MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    StrategyCardModel card{game_, pay_table_, wallet_.Coins_Bet > 0 ? wallet_.Coins_Bet : game_info(game_).full_bet};
    svc_.dialogs.show_strategy_card(card);
}

void Machine::show_mistakes() {
    MistakesModel list(trainer_->mistakes);
    list.open = [this](const Mistake& m) {
        AnalysisModel analysis(m.game, chart_of(m, pay_table_), m.coins);
        analysis.type_cards(strategy::hold_text(m.dealt, 31));
        svc_.dialogs.show_analysis(analysis);
    };
    list.confirm_clear = [this] {
        return confirm("Clear every mistake the trainer has kept for " + player_.name() + "?", "Mistakes") == MsgAnswer::Ok;
    };
    list.cleared = [this] {
        trainer_->mistakes.clear();
        reset_accuracy();
        save_mistakes();
    };
    svc_.dialogs.show_mistakes(list);
}

int Machine::Deal_Interval() const { return animation_interval(trainer_->options.speed); }

bool Machine::Trainer_Command(std::string_view menu) {
    TrainerOptions& o = trainer_->options;
    if (menu == "Mnu_Show_Best_Hold") o.show_best_hold = !o.show_best_hold;
    else if (menu == "Mnu_Mistake_Alert") o.mistake_alert = !o.mistake_alert;
    else if (menu == "Mnu_Show_Return") o.show_return = !o.show_return;
    else if (menu == "Mnu_Judge_By_Card") o.judge_by_card = !o.judge_by_card;
    else if (menu == "Mnu_Strategy_Card") {
        show_strategy_card();
        return true;
    }
    else if (menu == "Mnu_Hint") {
        show_hint(true);
        return true;
    } else if (menu == "Mnu_Analyze") {
        show_analysis();
        return true;
    } else if (menu == "Mnu_Mistakes") {
        show_mistakes();
        return true;
    } else if (menu == "Mnu_Trainer_Progress") {
        ProgressModel progress{trainer_->sessions};
        svc_.dialogs.show_progress(progress);
        return true;
    } else if (menu == "Mnu_Accuracy") {
        // The mistakes and what they gave up come from the record, from this session's first.
        std::string text;
        const auto& record = trainer_->mistakes;
        for (const auto& info : kGames) {
            const Accuracy& a = trainer_->accuracy[static_cast<size_t>(info.id)];
            if (a.decisions == 0) continue;
            int mistakes = 0;
            double given_up = 0;
            for (size_t i = std::min(trainer_->session_from, record.size()); i < record.size(); ++i)
                if (record[i].game == info.id) {
                    ++mistakes;
                    given_up += record[i].cost();
                }
            text += std::string(info.list_text) + ":  " + std::to_string(a.decisions) +
                    (a.decisions == 1 ? " decision, " : " decisions, ") +
                    std::to_string(mistakes) + (mistakes == 1 ? " mistake, " : " mistakes, ") +
                    credits_text(given_up) + " given up\r\n";
        }
        // Only hands drawn while the hints or the mistake alert were on are judged.
        svc_.dialogs.message_box(text.empty() ? "No hand judged this session yet.  Hands are judged while the best "
                                                "hold or the mistake alert is on."
                                              : "Hands judged while the trainer was on:\r\n\r\n" + text,
                                 "Accuracy", MsgButtons::Ok, MsgIcon::Information);
        return true;
    } else {
        bool found = false;
        for (const auto& [item, speed] : kSpeeds)
            if (menu == item) {
                o.speed = speed;
                found = true;
            }
        if (!found) return false;
    }
    save(player_.file("TRAINER"), write_trainer(o),
         "Error saving the trainer file.  Your hard drive may be full, or the file may be write-protected.");
    vm.menu("Mnu_Show_Best_Hold").checked = o.show_best_hold;
    vm.menu("Mnu_Mistake_Alert").checked = o.mistake_alert;
    vm.menu("Mnu_Show_Return").checked = o.show_return;
    vm.menu("Mnu_Judge_By_Card").checked = o.judge_by_card;
    for (const auto& [item, speed] : kSpeeds) vm.menu(item).checked = o.speed == speed;
    if (menu == "Mnu_Show_Best_Hold" && o.show_best_hold) show_hint(false);
    return true;
}

void Machine::warm_trainer() {
    const TrainerOptions& o = trainer_->options;
    const GameInfo& info = game_info(game_);
    if (svc_.advisor && (o.show_best_hold || o.mistake_alert) && (info.flow == Flow::Draw || info.flow == Flow::PickFive))
        svc_.advisor->prepare({game_, &pay_table_, info.full_bet, false, 0});
}

void Machine::show_hint(bool asked) {
    if (phase() != Phase::Dealt || !svc_.advisor || (!asked && !trainer_->options.show_best_hold)) return;
    // The machine's own announcement of the dealt hand stays, with the hint after it.
    const std::string& said = trainer_->announcement;
    const std::string before = said.empty() ? "" : said + "  \u2014  ";
    const auto values = svc_.advisor->holds({game_, &pay_table_, wallet_.Coins_Bet, false, 0}, table_.cards.hand, out_of_draw(table_.cards, game_));
    trainer_->hint_waiting = !values;
    if (!values) {
        vm.Pnl_Show_Payoffs.caption = before + "The trainer is still working out this chart...";
        return;
    }
    int held = 0;
    for (int p = 1; p <= 5; ++p) held |= this->held(p) ? 1 << (p - 1) : 0;
    Judgement j = judge(*values, held);
    j.best_ev *= wallet_.Hands;
    j.held_ev *= wallet_.Hands;
    for (int p = 0; p < 5; ++p) vm.Pnl_Hint[static_cast<size_t>(p)].visible = (j.best_mask & (1 << p)) != 0;
    vm.Pnl_Show_Payoffs.caption = before + "Best: hold " + shown_cards(table_.cards.hand, j.best_mask) + " \u2014 " +
                                  credits_text(j.best_ev) + "; yours: " + credits_text(j.held_ev);
    trainer_->hint_shown = true;
}

void Machine::show_decision_hint(int shown, int parts) {
    if (!trainer_->options.show_best_hold) return;
    const bool stud = game_info(game_).flow == Flow::Stud;
    const PayRule rule{game_, &pay_table_, wallet_.Coins_Bet / std::max(1, parts), progressive_on(), progressive_.Jackpot};
    const auto choice = stud ? strategy::double_down_choice(rule, table_.cards.hand)
                             : strategy::let_it_ride_choice(rule, table_.cards.hand, shown, parts);
    // What each choice leaves the player on average, in credits, the better one named first.
    const char* go_on = stud ? "Double Down!" : "Let It Ride!";
    const char* hold_back = stud ? "Stand Pat!" : "Take Back 1/3";
    const bool go = choice.goes_on();
    char line[160];
    std::snprintf(line, sizeof line, "  Trainer: %s (%.2f credits; %s %.2f)", go ? go_on : hold_back,
                  go ? choice.go_on : choice.hold_back, go ? hold_back : go_on, go ? choice.hold_back : choice.go_on);
    vm.Pnl_Show_Payoffs.caption += line;
}

bool Machine::judge_draw() {
    // The best hold's outline goes with the draw; when the player goes back to change the holds
    // it stays to help.
    const auto drawing = [this] {
        for (auto& h : vm.Pnl_Hint) h.visible = false;
        trainer_->hint_waiting = false;
        return true;
    };
    // The hand's history keeps the deal and the holds drawn to.
    pending_.dealt = table_.cards.hand;
    pending_.held = 0;
    for (int p = 1; p <= 5; ++p) pending_.held |= this->held(p) ? 1 << (p - 1) : 0;
    pending_.loss = -1;
    // With the trainer off nothing is judged, and no table is built for it.
    const TrainerOptions& o = trainer_->options;
    if (!svc_.advisor || !(o.show_best_hold || o.mistake_alert)) return drawing();
    const auto values = svc_.advisor->holds({game_, &pay_table_, wallet_.Coins_Bet, false, 0}, table_.cards.hand, out_of_draw(table_.cards, game_));
    if (!values) return drawing();  // not known yet: nothing is judged
    int held = 0;
    for (int p = 1; p <= 5; ++p) held |= this->held(p) ? 1 << (p - 1) : 0;
    Judgement j = judge(*values, held);
    // With several hands the one hold plays on each of them.
    j.best_ev *= wallet_.Hands;
    j.held_ev *= wallet_.Hands;
    // By the card, a hold is a mistake only when it breaks the card; its cost is still against
    // the best hold, as the record keeps it.
    std::string card_words;
    const PayRule rule{game_, &pay_table_, wallet_.Coins_Bet, false, 0};
    if (o.judge_by_card && game_info(game_).flow == Flow::Draw)
        if (const auto card = trainer_->cards.card(rule)) {
            const CardJudgement c = judge_by_card(*card, rule, table_.cards.hand, *values, held);
            if (!c.broken) j.best_mask = held, j.best_ev = j.held_ev;
            else card_words = "The card says: " + c.line + ", hold " + shown_cards(table_.cards.hand, c.card_mask) + ".  ";
        }
    if (j.mistake() && trainer_->options.mistake_alert) {
        MistakeModel alert;
        alert.text = card_words + "Best: hold " + shown_cards(table_.cards.hand, j.best_mask) + " \u2014 " + credits_text(j.best_ev) +
                     "; yours: " + credits_text(j.held_ev);
        svc_.dialogs.show_mistake(alert);
        if (!alert.draw) return false;
    }
    pending_.loss = j.best_ev - j.held_ev;
    Accuracy& a = trainer_->accuracy[static_cast<size_t>(game_)];
    ++a.decisions;
    log_judgement(j);
    if (j.mistake()) {
        Mistake m{game_, wallet_.Coins_Bet, {}, table_.cards.hand, held, j.best_mask, j.held_ev, j.best_ev,
                  now()};
        for (int row = 1; row <= 20; ++row) m.pays[static_cast<size_t>(row - 1)] = pay_table_.pay(game_, row);
        const size_t before = trainer_->mistakes.size();
        keep_mistake(trainer_->mistakes, m);
        // The oldest ones let go move this session's first down with them.
        const size_t dropped = before + 1 - trainer_->mistakes.size();
        trainer_->session_from -= std::min(trainer_->session_from, dropped);
        save_mistakes();
    }
    return drawing();
}

}  // namespace dw
