#pragma once
#include <QColor>
#include <QWidget>
#include <functional>

namespace dw::shell {

// The coin slot: a brass plate whose coin sinks deeper with each animation frame.
class CoinSlot : public QWidget {
public:
    explicit CoinSlot(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }
    int frame = 1;
    std::function<void()> on_click;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
};

}  // namespace dw::shell
