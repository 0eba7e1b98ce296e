#include "control_binder.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace dw::shell {

QColor colour_of(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QString shown_text(const std::string& text) {
    QString s = QString::fromUtf8(text.c_str());
    s.replace("\r\n", "\n");
    s.replace("&&", "&");
    return s;
}

QString scaled_style(const QString& style, double scale) {
    if (scale == 1) return style;
    static const QRegularExpression size(R"((\d+(?:\.\d+)?)(pt|px)\b)");
    QString out;
    qsizetype from = 0;
    for (auto it = size.globalMatch(style); it.hasNext();) {
        const auto match = it.next();
        out += style.mid(from, match.capturedStart() - from);
        const double value = match.captured(1).toDouble() * scale;
        out += match.captured(2) == "pt" ? QString::number(value, 'f', 1) + "pt"
                                         : QString::number(value == 0 ? 0L : std::max(1L, std::lround(value))) + "px";
        from = match.capturedEnd();
    }
    return out + style.mid(from);
}

void apply_binding(Binding& b) {
    const Control& c = *b.control;
    if (b.drawn && c == b.last) return;
    QString style = b.base_style;
    if (b.styled_colours && qobject_cast<QPushButton*>(b.widget)) {
        // The caption colour shows only while the button works; a disabled one greys as usual.
        style += QString(" QPushButton:enabled { color: %1; }").arg(colour_of(c.fore_colour).name());
    } else if (b.styled_colours) {
        style += QString("color: %1;").arg(colour_of(c.fore_colour).name());
        if (b.background) {
            style += QString("background: %1; font-size: %2pt;").arg(colour_of(c.back_colour).name()).arg(c.font_size);
            if (c.bold) style += "font-weight: bold;";
        }
    }
    style = scaled_style(style, b.scale);
    if (!b.drawn || style != b.widget->styleSheet()) b.widget->setStyleSheet(style);
    if (auto* l = qobject_cast<QLabel*>(b.widget)) {
        l->setTextFormat(Qt::PlainText);  // a caption may hold a player's name: never markup
        l->setText(shown_text(c.caption));
    }
    if (auto* p = qobject_cast<QPushButton*>(b.widget)) p->setText(QString::fromUtf8(c.caption.c_str()));
    b.widget->setEnabled(c.enabled);
    b.widget->setVisible(c.visible);
    b.last = c;
    b.drawn = true;
}

}  // namespace dw::shell
