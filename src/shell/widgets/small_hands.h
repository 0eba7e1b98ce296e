#pragma once
#include <QWidget>
#include <vector>

#include "view/view_model.h"

namespace dw::shell {

// The hands above the main hand when several are played: smaller cards, face down until drawn,
// in two columns from the bottom up, each with the line of its win beside it.
class SmallHands : public QWidget {
    Q_OBJECT
public:
    explicit SmallHands(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    void show_hands(const std::vector<SmallHand>& hands);
    // Rows of hands for so many hands above the main one, and the design height they take.
    static int rows_for(size_t hands) { return hands <= 2 ? static_cast<int>(hands > 0) : static_cast<int>((hands + 1) / 2); }
    static constexpr int kRowHeight = 46;
    const std::vector<SmallHand>& hands() const { return hands_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SmallHand> hands_;
};

}  // namespace dw::shell
