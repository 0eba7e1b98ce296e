#pragma once
#include <QColor>
#include <QWidget>
#include <functional>

#include "view/view_model.h"

namespace dw::shell {

// A plain card: the rank as text over the suit's picture.
class PlainCard : public QWidget {
public:
    explicit PlainCard(QWidget* parent) : QWidget(parent) {}
    QString rank;
    double size = 24;
    QColor colour;
    QColor back{255, 255, 240};
    int suit = kNothing;  // the suit picture of the view model
    std::function<void()> on_click;
    // Takes the rank, colour and visibility of `card` and the suit of `image` and repaints.
    void show_control(const Control& card, const Control& image);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
};

}  // namespace dw::shell
