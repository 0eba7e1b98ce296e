#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "records/player_model.h"

class QRadioButton;

namespace dw::shell {

// "Select a Player!": four players to choose from and rename; only "&Ok!" closes it.
class Frm_Player : public QDialog {
    Q_OBJECT
public:
    // `ask_name` is the input box of a rename; `warn` shows the too-long message.
    Frm_Player(PlayerModel& model, QWidget* parent, std::function<std::optional<std::string>()> ask_name,
               std::function<void()> warn);
    QRadioButton* player(int i) const { return buttons_[static_cast<size_t>(i)]; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    PlayerModel& model_;
    std::array<QRadioButton*, 4> buttons_{};
};

}  // namespace dw::shell
