// The double-up round: the offer, the hand from a fresh shuffle, the pick, the reveal with its
// half-second pause, and the comparison.
#include "round/double_up.h"

#include "round/dialogs.h"

namespace dw {

bool DoubleOfferModel::Key_Press(char key) {
    if (key == 'y' || key == 'Y') Btn_Return_Click(1);
    else if (key == 'n' || key == 'N') Btn_Return_Click(0);
    else return false;
    return true;
}

bool DoublePickModel::Key_Press(char key) {
    if (key < '2' || key > '5') return false;
    Btn_Choose_Click(key - '0');
    return true;
}

std::string double_up_question(int64_t amount) {
    return "You've won " + std::to_string(amount) + (amount == 1 ? " credit!" : " credits!") + "\r\n\r\nDouble up to " +
           std::to_string(2 * amount) + " credits?";
}

DoubleResult double_up_outcome(bool deuces_wild, const CardCode& dealer, const CardCode& chosen) {
    auto wild = [&](const CardCode& c) { return c.Value == 1 || (deuces_wild && c.Value == 2); };
    if (wild(dealer) && wild(chosen)) return DoubleResult::Push;
    if (wild(dealer)) return DoubleResult::Loss;
    if (wild(chosen)) return DoubleResult::Win;
    if (dealer.Value > chosen.Value) return DoubleResult::Loss;
    return dealer.Value == chosen.Value ? DoubleResult::Push : DoubleResult::Win;
}

void DoubleUpRound::Start() {
    ViewModel& vm = p_.vm;
    for (size_t i = 0; i < 5; ++i) {
        vm.Pnl_Hold[i].visible = false;
        vm.Btn_Hold[i].enabled = false;
        vm.Btn_Hold[i].fore_colour = colour::kBlack;
    }
    offer();
}

void DoubleUpRound::offer() {
    ++round_;
    DoubleOfferModel offer;
    offer.question = double_up_question(amount_);
    p_.dialogs.show_double(offer);
    if (offer.choice != 1) return finish();

    // The paid hand's marks go with its cards.
    ViewModel& view = p_.vm;
    for (auto& c : view.Pnl_Win_Card) c.visible = false;
    view.Pnl_Win_Row.visible = false;
    CardState& cards = p_.table.cards;
    cards.hand[0].Value = kEmptyHandMarker;
    Shuffle_Deck(cards, joker_count(p_.game), p_.rng);
    for (int p = 1; p <= 5; ++p) cards.Hand_At(p) = cards.Deck[static_cast<size_t>(p)];
    cards.Next_Card = 6;
    p_.table.Double_Up_Mode = true;
    p_.repaint();

    ViewModel& vm = p_.vm;
    vm.hourglass = true;
    DoublePickModel pick;
    p_.dialogs.show_pick(pick);
    vm.hourglass = false;
    p_.table.Double_Up_Mode = false;
    choice_ = pick.done() ? pick.choice : 2;

    p_.play("deal.wav");
    p_.draw_card(choice_);
    vm.Pnl_Win_Card[static_cast<size_t>(choice_ - 1)].visible = true;  // the card the player took
    revealing_ = true;
    p_.pause_half();
}

void DoubleUpRound::Pause_Done() {
    if (!revealing_) return;
    revealing_ = false;
    for (int p = 2; p <= 5; ++p) p_.draw_card(p);
    const CardState& cards = p_.table.cards;
    const CardCode& dealer = cards.Hand_At(1);
    const CardCode& chosen = cards.Hand_At(choice_);
    const DoubleResult result = double_up_outcome(p_.info.deuces_wild, dealer, chosen);
    ViewModel& vm = p_.vm;
    if (result == DoubleResult::Loss) {
        amount_ = 0;
        vm.Pnl_Show_Payoffs.caption = "Too bad, better luck next time!";
        return finish();
    }
    played_ = true;
    if (result == DoubleResult::Win) amount_ *= 2;
    vm.Pnl_Show_Payoffs.caption = result == DoubleResult::Push ? "A Push!  You keep your winnings!"
                                                               : "Great!  You've doubled your winnings!";
    if (round_ <= 4 && amount_ <= 4999) return offer();
    finish();
}

void DoubleUpRound::finish() {
    if (played_ && amount_ != 0)
        p_.vm.Pnl_Show_Payoffs.caption = "You've won " + std::to_string(amount_) + " credits!";
    h_.finish_payoff(code_, amount_);
}

}  // namespace dw
