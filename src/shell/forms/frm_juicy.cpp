#include "forms/frm_juicy.h"

#include <algorithm>
#include <cmath>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "card_painter.h"
#include "variants/juicy_jackpots.h"
#include "widgets/plain_card.h"

namespace dw::shell {

Frm_Juicy::Frm_Juicy(MachineHost& host, QWidget* main_window)
    : QWidget(main_window, Qt::Window), host_(host), main_(main_window) {
    setObjectName("Frm_Juicy");
    setWindowTitle("Velmora's Juicy Jackpots!");
    // Shown beside the machine without taking the keyboard; it asks for the focus only after a win.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setStyleSheet("QWidget#Frm_Juicy { background: #5a1040; } QLabel { color: white; }");
    JuicyModel& m = host_.machine().juicy_view();
    auto label = [this](const QString& name, const Control& c, const QString& style, bool colours = true) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        bindings_.push_back({&c, l, style, colours});
        return l;
    };
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Payouts for one coin side bet");
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet("color: #ffe040; font-weight: bold; font-size: 12pt;");
    layout->addWidget(heading);
    auto* pays = new QGridLayout;
    pays->setVerticalSpacing(1);
    for (int k = 0; k < 11; ++k) {
        const QString row = "background: white; padding: 1px 4px;";
        pays->addWidget(label(QString("Hand_Name_%1").arg(k), m.Hand_Name[static_cast<size_t>(k)], row), k, 0);
        auto* value = label(QString("Hand_Value_%1").arg(k), m.Hand_Value[static_cast<size_t>(k)], row + "font-weight: bold;");
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pays->addWidget(value, k, 1);
    }
    layout->addLayout(pays);
    auto* top = label("Pnl_50000", m.Pnl_50000, "background: black; font-size: 20pt; font-weight: bold; border: 2px ridge #c0a040;");
    top->setAlignment(Qt::AlignCenter);
    layout->addWidget(top);
    auto* match = new QLabel("Match these cards in any order on the deal for");
    match->setAlignment(Qt::AlignCenter);
    layout->insertWidget(layout->count() - 1, match);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (size_t i = 0; i < 5; ++i) {
        auto* c = new PlainCard(this);
        c->setObjectName(QString("Pnl_Card_%1").arg(i + 1));
        c->setFixedSize(kCardWidth, kCardHeight);
        cards_[i] = c;
        row->addWidget(c);
    }
    row->addStretch();
    layout->addLayout(row);
    auto* info = label("Pnl_Info", m.Pnl_Info, "background: #f0f0e0; font-weight: bold; border: 1px inset #808080; padding: 3px;");
    info->setAlignment(Qt::AlignCenter);
    layout->addWidget(info);
    auto* buttons = new QHBoxLayout;
    Machine* machine = &host_.machine();
    struct B {
        const char* name;
        Control* control;
        std::function<void()> act;
    } row_buttons[] = {
        {"Btn_Continue", &m.Btn_Continue, [machine] { machine->Juicy_Continue_Click(); }},
        {"Btn_New_Cards", &m.Btn_New_Cards, [machine] { machine->Juicy_New_Cards_Click(); }},
        {"Btn_Customize", &m.Btn_Customize, [machine] { machine->Juicy_Customize_Click(); }},
        {"Btn_Reset", &m.Btn_Reset, [machine] { machine->Juicy_Reset_Click(); }},
        {"Btn_Help", &m.Btn_Help, [machine] { machine->Show_Help("Velmora's Juicy Jackpots"); }},
    };
    for (const auto& b : row_buttons) {
        auto* w = new QPushButton(this);
        w->setObjectName(b.name);
        bindings_.push_back({b.control, w, "QPushButton { font-weight: bold; }", true});
        connect(w, &QPushButton::clicked, this, [this, act = b.act] { host_.run(act); });
        buttons->addWidget(w);
    }
    layout->addLayout(buttons);
    host_.add_view(this);
    refresh();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Frm_Juicy::~Frm_Juicy() { host_.remove_view(this); }

void Frm_Juicy::set_scale(double scale) {
    if (scale == scale_ || scale <= 0) return;
    if (design_fonts_.isEmpty()) {
        QList<QWidget*> all = findChildren<QWidget*>();
        all.prepend(this);
        for (QWidget* w : all) {
            design_fonts_.insert(w, w->font());
            const bool bound = std::any_of(bindings_.begin(), bindings_.end(), [w](const Binding& b) { return b.widget == w; });
            if (!bound && !w->styleSheet().isEmpty()) design_styles_.insert(w, w->styleSheet());
        }
    }
    scale_ = scale;
    for (auto it = design_fonts_.cbegin(); it != design_fonts_.cend(); ++it) {
        QFont f = it.value();
        if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * scale);
        it.key()->setFont(f);
    }
    for (auto it = design_styles_.cbegin(); it != design_styles_.cend(); ++it)
        it.key()->setStyleSheet(scaled_style(it.value(), scale));
    for (PlainCard* c : cards_)
        c->setFixedSize(static_cast<int>(std::lround(kCardWidth * scale)), static_cast<int>(std::lround(kCardHeight * scale)));
    for (auto& b : bindings_) {
        b.scale = scale;
        b.drawn = false;
    }
    refresh();
    adjustSize();
    if (isVisible() && main_->isVisible()) place();
}

void Frm_Juicy::place() {
    // Beside the main window when the screen has room, else over its left edge; a little above it.
    const QRect main = main_->frameGeometry();
    const QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    const int screen_width = screen ? screen->geometry().width() : 1024;
    adjustSize();
    const int width = frameGeometry().width();
    // The rules give the offsets in twips, fifteen to a pixel; rounded, so ten twips stay a pixel.
    auto px = [](int twips) { return (twips + 7) / 15; };
    int left = main.left() + main.width() + px(100);
    if (left + width >= screen_width) left = main.left() - px(500) > px(10) ? main.left() - px(500) : main.left() - px(60);
    const int top = main.top() - px(900) > px(10) ? main.top() - px(900) : main.top() - px(70);
    move(left, top);
}

void Frm_Juicy::refresh() {
    JuicyModel& m = host_.machine().juicy_view();
    for (auto& b : bindings_) apply_binding(b);
    for (size_t i = 0; i < 5; ++i) {
        cards_[i]->back = colour_of(m.Pnl_Card[i].back_colour);
        cards_[i]->show_control(m.Pnl_Card[i], m.Img_Card[i]);
    }
    if (m.visible && !isVisible()) {
        if (main_->isVisible()) place();
        show();
    } else if (!m.visible && isVisible()) {
        hide();
    }
    if (m.activate && m.visible) {
        m.activate = false;
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) showNormal();
        raise();
        activateWindow();
    }
    if (!m.focus.empty()) {
        if (auto* w = findChild<QWidget*>(QString::fromStdString(m.focus)); w && w->isVisible()) w->setFocus();
        m.focus.clear();
    }
}

void Frm_Juicy::closeEvent(QCloseEvent* e) {
    // Only the machine hides this window; the user's close goes back to the main window.
    if (!host_.machine().juicy_view().visible || host_.dead()) return e->accept();
    e->ignore();
    host_.run([this] { host_.machine().Juicy_Query_Unload(); });
}

void Frm_Juicy::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()); b && b->isEnabled() && b->isVisible()) b->click();
        return;
    }
    // Any other key is the machine's: the main window takes it as if typed there.
    QCoreApplication::sendEvent(main_, e);
}

void Frm_Juicy::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        host_.run([this] { host_.machine().Juicy_Activate(); });
    QWidget::changeEvent(e);
}

}  // namespace dw::shell
