#pragma once
#include <QColor>
#include <QString>
#include <QWidget>

#include "view/view_model.h"

namespace dw::shell {

QColor colour_of(int32_t bgr);  // 0xBBGGRR as the machine writes colours

// One control of a model shown by one widget: its caption, colours, enabled and visible state,
// redrawn only when the control changed.
struct Binding {
    const Control* control;
    QWidget* widget;
    QString base_style;
    bool styled_colours = true;  // the caption colour follows the control
    bool background = false;     // so do the back colour, weight and font size
    double scale = 1;            // the cabinet's scale: sizes in the style grow with it
    Control last{};
    bool drawn = false;
};

void apply_binding(Binding& b);

// A style sheet with its point and pixel sizes multiplied by `scale`.
QString scaled_style(const QString& style, double scale);

// Text as the machine writes it, as a label shows it: CR LF line breaks, "&&" for one ampersand.
QString shown_text(const std::string& text);

}  // namespace dw::shell
