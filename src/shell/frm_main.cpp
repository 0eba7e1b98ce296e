#include "frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>

#include "errors.h"
#include "games/catalogue.h"
#include "view/menu_tree.h"
#include "forms/frm_juicy.h"
#include "strategy/variant_returns.h"
#include "svg_deck.h"
#include "widgets/coin_slot.h"
#include "widgets/plain_card.h"
#include "widgets/small_hands.h"

namespace dw::shell {

namespace {


constexpr int kWidth = Frm_Main::kDesignSize.width();
constexpr int kCardsX = 107;     // the card surface's place in the window
constexpr int kCardsY = 68;      // cards are drawn 266 pixels down the surface
constexpr int kChartTop = 34;
constexpr int kShiftFrom = 230;  // what lies from here down moves under the hands above the main one
const QString kWinMark = "background: transparent; border: 2px solid #ff40d0;";

int card_left(int p) { return kCardsX + 21 + 88 * (p - 1); }

}  // namespace

Frm_Main::Frm_Main(Options options) {
    setObjectName("Frm_Main");
    auto* central = new QWidget(this);
    central->setObjectName("Pnl_Table");
    central->setMinimumSize(kDesignSize);
    central->setStyleSheet("QWidget#Pnl_Table { background: #006030; }");
    setCentralWidget(central);
    surface_ = new CardSurface(central);
    surface_->setObjectName("Pnl_Cards");
    surface_->setGeometry(kCardsX, kCardsY, 465, 266 + kCardHeight + 4);
    painter_ = std::make_unique<CardPainter>(*surface_);
    // The deck the player chose last, else the first classic deck installed; without one the
    // cards are painted here.
    const QStringList decks = SvgDeck::installed();
    const QString chosen = QSettings().value("deck", decks.value(0)).toString();
    if (!painter_->use_deck(chosen) && !decks.isEmpty() && chosen != "") painter_->use_deck(decks.first());
    host_ = std::make_unique<MachineHost>(options, *painter_, this);
    host_->on_fatal = [this] {
        closing_ = true;
        close();
    };

    build_menus();
    build_deck_menu();
    build_window();
    for (QWidget* w : central->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        design_.insert(w, w->geometry());
        w->setProperty("design_font", w->font());  // buttons and lists may have fonts of their own
    }
    design_.remove(win_row_);  // placed over the chart's text as it is laid out
    base_design_ = design_;
    setWindowTitle("Dazzlewick 3.0");
    host_->add_view(this);
    qApp->installEventFilter(this);
    juicy_ = new Frm_Juicy(*host_, this);

    Machine* m = &machine();
    run([m] { m->Form_Load(); });
    if (options.start) {
        run([this, m, goodies = options.show_goodies] {
            m->Load_Records(goodies);
            m->Main_Initialisation(reinterpret_cast<intptr_t>(surface_));
        });
    }
}

Frm_Main::~Frm_Main() {
    delete juicy_;  // a view of the host, which goes before Qt would delete the window's children
    host_->remove_view(this);
    host_->stop_timers();
    if (cursor_overridden_) QApplication::restoreOverrideCursor();
}

void Frm_Main::build_menus() {
    std::vector<QMenu*> stack;
    static const QStringList kCheckable = {"Mnu_Progressive", "Mnu_Royals",      "Mnu_Double",     "Mnu_Juicy_Jackpots",
                                           "Mnu_Fancy_Cards", "Mnu_Plain_Cards", "Mnu_Autohold",
                                           "Mnu_Window_Juicy_Jackpots", "Mnu_Show_Best_Hold", "Mnu_Mistake_Alert",
                                           "Mnu_Show_Return", "Mnu_Judge_By_Card", "Mnu_Hands_1", "Mnu_Hands_3",
                                           "Mnu_Hands_5", "Mnu_Hands_10",
                                           "Mnu_Speed_Normal",  "Mnu_Speed_Fast",  "Mnu_Speed_Instant"};
    const auto& tree = menu_tree();
    for (size_t i = 0; i < tree.size(); ++i) {
        const MenuEntry& e = tree[i];
        const QString name = QString::fromUtf8(e.name.data(), static_cast<int>(e.name.size()));
        const QString caption = QString::fromUtf8(e.caption.data(), static_cast<int>(e.caption.size()));
        stack.resize(static_cast<size_t>(e.depth));
        const bool has_children = i + 1 < tree.size() && tree[i + 1].depth > e.depth;
        QAction* action = nullptr;
        if (has_children) {
            QMenu* menu = e.depth == 0 ? menuBar()->addMenu(caption) : stack.back()->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            stack.push_back(menu);
        } else if (caption == "-") {
            action = stack.back()->addSeparator();
        } else {
            action = e.depth == 0 ? menuBar()->addAction(caption) : stack.back()->addAction(caption);
            if (!e.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromUtf8(e.shortcut.data())));
            bool checkable = kCheckable.contains(name);
            for (const auto& g : kGames) checkable = checkable || name == QString::fromUtf8(g.menu_item.data());
            action->setCheckable(checkable);
            connect(action, &QAction::triggered, this, [this, name] { dispatch(name); });
        }
        action->setObjectName(name);
        actions_[name] = action;
    }
    // Hands per deal: several hands leave the double up and the side bet out.
    if (QMenu* hands = menuBar()->findChild<QMenu*>("Mnu_Hands")) {
        hands->setToolTipsVisible(true);
        const QString why = "With more than one hand, double up and Velmora's Juicy Jackpots are not offered; "
                            "several hands are played in the draw games (Jacks or Better to Hot Hands).";
        hands->menuAction()->setToolTip(why);
        for (QAction* a : hands->actions()) a->setToolTip(why);
        if (QMenu* goodies = menuBar()->findChild<QMenu*>("Mnu_Goodies")) goodies->setToolTipsVisible(true);
    }
    // The deal speeds are one choice.
    auto* speeds = new QActionGroup(this);
    for (const char* speed : {"Mnu_Speed_Normal", "Mnu_Speed_Fast", "Mnu_Speed_Instant"})
        if (QAction* a = actions_.value(speed)) speeds->addAction(a);
}

void Frm_Main::build_deck_menu() {
    QMenu* options = menuBar()->findChild<QMenu*>("Mnu_Options");
    if (!options) return;
    QMenu* menu = options->addMenu("Card &Deck");
    menu->setObjectName("Mnu_Card_Deck");
    auto* group = new QActionGroup(menu);
    auto add = [&](const QString& caption, const QString& deck) {
        QAction* a = menu->addAction(caption);
        a->setCheckable(true);
        a->setChecked(painter_->deck() == deck);
        a->setData(deck);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, deck] {
            painter_->use_deck(deck);
            QSettings().setValue("deck", deck);
            run([this] { machine().Repaint_Hand(); });
        });
    };
    add("Dazzlewick's Own Cards", "");
    for (const QString& deck : SvgDeck::installed()) {
        QString caption = deck.mid(4).replace('-', ' ');
        caption[0] = caption[0].toUpper();
        add(caption, deck);
    }
}

void Frm_Main::dispatch(const QString& menu) {
    const std::string name = menu.toStdString();
    Machine& m = machine();
    bool handled = false;
    run([&m, &handled, name] { handled = m.Menu_Command(name); });
    if (handled) return;
    if (name == "Mnu_Exit") {
        close();
    } else if (name == "Mnu_About") {
        QMessageBox::about(this, "About Dazzlewick", "Dazzlewick\nVersion 3.00a (June 21, 2000)");
    }
    // The remaining commands open windows this machine does not have yet.
}

QLabel* Frm_Main::label(const QString& name, const Control& control, QRect at, const QString& style, bool colours) {
    auto* l = new QLabel(centralWidget());
    l->setObjectName(name);
    l->setGeometry(at);
    l->setTextFormat(Qt::PlainText);
    bindings_.push_back({&control, l, style, colours, name.startsWith("Lbl_Pay")});
    return l;
}

QPushButton* Frm_Main::button(const QString& name, const Control& control, QRect at) {
    auto* b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setGeometry(at);
    bindings_.push_back({&control, b, "QPushButton { font-weight: bold; }", true});
    return b;
}

void Frm_Main::build_window() {
    ViewModel& vm = machine().view();
    QWidget* c = centralWidget();
    auto fixed = [c](const QString& text, QRect at, const QString& style) {
        auto* l = new QLabel(text, c);
        l->setGeometry(at);
        l->setStyleSheet(style);
        l->setProperty("design_style", style);
        return l;
    };

    games_ = new QComboBox(c);
    games_->setObjectName("Lst_Games");
    games_->setGeometry(8, 5, 220, 24);
    games_->setFocusPolicy(Qt::NoFocus);
    for (const auto& g : kGames) games_->addItem(QString::fromUtf8(g.list_text.data(), static_cast<int>(g.list_text.size())));
    connect(games_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { run([this, index] { machine().Lst_Games_Click(index); }); });
    label("Lbl_Multi_Payout", vm.Lbl_Multi_Payout, {236, 5, 436, 24},
          "color: #ffff60; font-weight: bold; font-size: 8pt;", false)
        ->setWordWrap(true);

    const QString chart = "border: 1px solid #305060; padding: 0px 3px; color: black;";
    label("Lbl_Pay_0", vm.Lbl_Pay[0], {8, kChartTop, 664, 20}, chart + "font-weight: bold;")
        ->setAlignment(Qt::AlignCenter);
    label("Lbl_Pay_1", vm.Lbl_Pay[1], {8, kChartTop + 20, 224, 167}, chart)
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 2; i <= 6; ++i)
        label(QString("Lbl_Pay_%1").arg(i), vm.Lbl_Pay[static_cast<size_t>(i)], {232 + (i - 2) * 88, kChartTop + 20, 88, 167},
              chart)
            ->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // What the last hand paid for stays outlined until the next bet: its row of the chart here,
    // its cards below.
    win_row_ = label("Pnl_Win_Row", vm.Pnl_Win_Row, {8, kChartTop + 20, 664, 16}, kWinMark, false);
    win_row_->setAttribute(Qt::WA_TransparentForMouseEvents);

    label("Pnl_Progressive_Display", vm.Pnl_Progressive_Display, {8, 240, 420, 32},
          "background: black; border: 2px ridge #c0a040; font-size: 17pt; font-weight: bold;")
        ->setAlignment(Qt::AlignCenter);
    // Light on the felt: the machine's own colour for this line is black, unreadable here.
    auto* bet = label("Lbl_Progressive_Bet", vm.Lbl_Progressive_Bet, {436, 240, 236, 32},
                      "color: #fff0a0; font-weight: bold; font-size: 10pt;", false);
    bet->setAlignment(Qt::AlignCenter);
    bet->setWordWrap(true);
    // An LED marquee: a bar as wide as its fifteen characters.
    label("Pnl_Banner", vm.Pnl_Banner, {kWidth / 2 - 130, 276, 260, 24},
          "background: #101010; color: #ffb020; border: 2px ridge #c0a040; font-family: monospace; "
          "font-size: 15pt; font-weight: bold;", false)
        ->setAlignment(Qt::AlignCenter);
    label("Pnl_Show_Payoffs", vm.Pnl_Show_Payoffs, {8, 304, 664, 26},
          "color: white; font-size: 12pt; font-weight: bold; background: #00502a; border: 1px solid #003018;", false)
        ->setAlignment(Qt::AlignCenter);

    surface_->on_card_click = [this](int p) { run([this, p] { machine().Toggle_Hold(p); }); };
    surface_->lower();
    for (int p = 1; p <= 5; ++p) {
        const size_t i = static_cast<size_t>(p - 1);
        auto* plain = new PlainCard(c);
        plain->setObjectName(QString("Pnl_Card_%1").arg(p));
        plain->setGeometry(card_left(p), kCardsY + 266, kCardWidth, kCardHeight);
        plain->on_click = [this, p] { run([this, p] { machine().Toggle_Hold(p); }); };
        plain->hide();
        plain_[i] = plain;
        // The WILD markers keep clear of what they mark: a tab on the top edge of a fancy card,
        // between its corner indices; a strip under the suit of a plain card.
        for (auto* wild : {label(QString("Pnl_Wild_%1").arg(p), vm.Pnl_Wild[i],
                                 {card_left(p) + 16, kCardsY + 266 - 7, kCardWidth - 32, 15},
                                 "background: #ffe040; border: 1px solid #806000; font-weight: bold; font-size: 7pt;"),
                           label(QString("Pnl_Plain_Wild_%1").arg(p), vm.Pnl_Plain_Wild[i],
                                 {card_left(p) + 8, kCardsY + 266 + kCardHeight - 20, kCardWidth - 16, 16},
                                 "background: #ffe040; border: 1px solid #806000; font-weight: bold; font-size: 8pt;")})
            wild->setAlignment(Qt::AlignCenter);
        label(QString("Pnl_Win_Card_%1").arg(p), vm.Pnl_Win_Card[i],
              {card_left(p) - 6, kCardsY + 266 - 6, kCardWidth + 12, kCardHeight + 12}, kWinMark + "border-width: 3px; border-radius: 8px;", false)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The trainer's mark: an outline around a card of the best hold.
        auto* hint = label(QString("Pnl_Hint_%1").arg(p), vm.Pnl_Hint[i],
                           {card_left(p) - 4, kCardsY + 266 - 4, kCardWidth + 8, kCardHeight + 8},
                           "background: transparent; border: 3px solid #40e0ff; border-radius: 6px;", false);
        hint->setAttribute(Qt::WA_TransparentForMouseEvents);
        label(QString("Pnl_Hold_%1").arg(p), vm.Pnl_Hold[i], {card_left(p), 436, kCardWidth, 18},
              "background: #202020; color: #ffe040; font-weight: bold; border: 1px solid #ffe040;", false)
            ->setAlignment(Qt::AlignCenter);
        auto* hold = button(QString("Btn_Hold_%1").arg(p), vm.Btn_Hold[i], {card_left(p) - 4, 456, kCardWidth + 8, 26});
        connect(hold, &QPushButton::clicked, this, [this, p] { run([this, p] { machine().Toggle_Hold(p); }); });
    }
    auto* dbl = button("Btn_Double", vm.Btn_Double, {card_left(1) - 4, 456, 150, 26});
    connect(dbl, &QPushButton::clicked, this, [this] { run([this] { machine().Btn_Double_Click(); }); });
    auto* stand = button("Btn_Stand", vm.Btn_Stand, {card_left(4) - 4, 456, 150, 26});
    connect(stand, &QPushButton::clicked, this, [this] { run([this] { machine().Btn_Stand_Click(); }); });
    auto* fifth = button("Btn_Show_Fifth", vm.Btn_Show_Fifth, {card_left(2), 456, 3 * 88 - 17, 26});
    connect(fifth, &QPushButton::clicked, this, [this] { run([this] { machine().Btn_Show_Fifth_Click(); }); });

    label("Pnl_Game_Over", vm.Pnl_Game_Over, {4, 346, 116, 60},
          "background: #101010; color: #ff4040; border: 2px ridge #c0a040; font-weight: bold; font-size: 9pt;", false)
        ->setAlignment(Qt::AlignCenter);

    coin_slot_ = new CoinSlot(c);
    coin_slot_->setObjectName("Coin_Slot");
    coin_slot_->setGeometry(592, 338, 72, 72);
    coin_slot_->on_click = [this] { run([this] { machine().Coin_Slot_Click(); }); };
    label("Lbl_CoinSlot", vm.Lbl_CoinSlot, {580, 412, 96, 36}, "color: white; font-size: 8pt;", false)
        ->setWordWrap(true);
    static_cast<QLabel*>(bindings_.back().widget)->setAlignment(Qt::AlignCenter);

    const QString meter_title = "color: #e0ffe0; font-weight: bold; font-size: 9pt;";
    const QString meter = "background: black; color: #ff3030; font-family: monospace; font-size: 14pt; "
                          "font-weight: bold; border: 2px inset #404040; padding-right: 4px;";
    fixed("Credits:", {8, 490, 90, 16}, meter_title);
    label("Lbl_Credits", vm.Lbl_Credits, {8, 506, 100, 30}, meter, false)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fixed("Coin Bucket:", {116, 490, 100, 16}, meter_title);
    label("Lbl_Coins", vm.Lbl_Coins, {116, 506, 100, 30}, meter, false)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* clear = button("Btn_Clear_Coins", vm.Btn_Clear_Coins, {220, 509, 52, 24});
    connect(clear, &QPushButton::clicked, this, [this] { run([this] { machine().Btn_Clear_Coins_Click(); }); });
    fixed("Played:", {282, 490, 70, 16}, meter_title);
    label("Lbl_Played", vm.Lbl_Played, {282, 506, 60, 30}, meter, false)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label("Lbl_Juicy_Bet", vm.Lbl_Juicy_Bet, {350, 512, 140, 18}, "color: #ffe040; font-weight: bold;", false);
    fixed("WINNINGS", {500, 482, 172, 16}, meter_title + "qproperty-alignment: AlignCenter;");
    fixed("This Session:", {500, 496, 80, 17}, "color: white; font-size: 8pt;");  // level with its box
    fixed("All Sessions:", {500, 514, 80, 17}, "color: white; font-size: 8pt;");
    for (size_t k = 0; k < 2; ++k)
        label(QString("Lbl_Winnings_%1").arg(k), vm.Lbl_Winnings[k], {580, 496 + static_cast<int>(k) * 18, 92, 17},
              "background: #f0f0e0; font-weight: bold; padding-right: 3px;")
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    struct B {
        const char* name;
        Control* control;
        QRect at;
        std::function<void()> act;
    };
    Machine* m = &machine();
    const B row[] = {
        {"Btn_Play_Credit", &vm.Btn_Play_Credit, {8, 548, 116, 34}, [m] { m->Bet_One_Credit(); }},
        {"Btn_Play_5", &vm.Btn_Play_5, {130, 548, 116, 34}, [m] { m->Bet_Max(); }},
        {"Btn_Deal", &vm.Btn_Deal, {252, 548, 116, 34}, [m] { m->Start_Hand(); }},
        {"Btn_Redeal", &vm.Btn_Redeal, {374, 548, 116, 34}, [m] { m->Draw(); }},
        {"Btn_Insert_Coin", &vm.Btn_Insert_Coin, {500, 548, 172, 34}, [m] { m->Insert_Coin(); }},
    };
    for (const auto& b : row) {
        auto* w = button(b.name, *b.control, b.at);
        connect(w, &QPushButton::clicked, this, [this, act = b.act] { run(act); });
    }
    // The hands above the main one, between the chart and the rest of the cabinet.
    small_hands_ = new SmallHands(c);
    small_hands_->setObjectName("Pnl_Small_Hands");
    small_hands_->setGeometry(8, kShiftFrom - 4, 664, 1);
    small_hands_->hide();
}

void Frm_Main::show_small_hands() {
    const ViewModel& vm = machine().view();
    const int rows = SmallHands::rows_for(vm.Extra_Hands.size());
    const int grow = rows > 0 ? rows * SmallHands::kRowHeight + 4 : 0;
    if (grow != grow_ && !base_design_.isEmpty()) {
        // The cabinet grows by the rows of hands: everything under the chart moves down.
        grow_ = grow;
        for (auto it = base_design_.cbegin(); it != base_design_.cend(); ++it) {
            QRect at = it.value();
            if (it.key() == surface_ || at.top() >= kShiftFrom) at.translate(0, grow_);
            design_[it.key()] = at;
        }
        design_[small_hands_] = QRect(8, kShiftFrom - 4, 664, std::max(1, grow_));
        small_hands_->setVisible(grow_ > 0);
        // Every place again, once this refresh is over.
        QTimer::singleShot(0, this, [this] {
            scale_ = 0;
            rescale();
        });
    }
    small_hands_->show_hands(vm.Extra_Hands);
    small_hands_->raise();
    // The chart's rows won by several hands, each outlined with its count.
    size_t used = 0;
    if (!vm.Win_Rows.empty()) {
        win_row_->hide();
        for (const auto& [line, count] : vm.Win_Rows) {
            if (used == won_rows_.size()) {
                auto* l = new QLabel(centralWidget());
                l->setObjectName(QString("Pnl_Won_Row_%1").arg(used + 1));
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                won_rows_.push_back(l);
            }
            QLabel* l = won_rows_[used++];
            l->setStyleSheet(kWinMark + QString("color: #ff40d0; font-weight: bold; font-size: %1px;").arg(std::max(6, static_cast<int>(11 * scale_))));
            l->setText(count > 1 ? QString("%1 hands ").arg(count) : QString("1 hand "));
            const QRect at = row_outline(line);
            l->setGeometry(at);
            // The count stands at the end of the row's name, clear of the pays.
            const auto* names = centralWidget()->findChild<QLabel*>("Lbl_Pay_1");
            l->setContentsMargins(0, 0, std::max(0, at.right() - names->geometry().right() + 4), 0);
            l->show();
            l->raise();
        }
    }
    for (size_t i = used; i < won_rows_.size(); ++i) won_rows_[i]->hide();
}

void Frm_Main::apply(Binding& b) {
    const bool changed = !b.drawn || !(*b.control == b.last);
    apply_binding(b);
    const Control& c = *b.control;
    auto* l = qobject_cast<QLabel*>(b.widget);
    if (!changed || !l) return;
    // One-line panels keep a long message (a trainer's hint after the machine's question, a large
    // jackpot) on their line with a smaller font, measured at the design size.
    static const QMap<QString, double> kOneLine = {{"Pnl_Show_Payoffs", 12}, {"Pnl_Progressive_Display", 17}};
    if (const auto points = kOneLine.find(l->objectName()); points != kOneLine.end()) return fit_one_line(l, *points);
    if (!b.widget->objectName().startsWith("Lbl_Pay")) return;
    const int i = b.widget->objectName().back().digitValue();
    if (i < 1 || c.height <= 0) return;
    const int top = kChartTop + c.top / 15;
    // The machine's heights are in twips of its own fonts. Every column reaches down to the award
    // line; a chart with more rows than fit gets a smaller font instead of running into it.
    constexpr int kChartBottom = 236;
    const int available = kChartBottom - top;
    QFont font = l->font();
    font.setBold(c.bold);
    const int lines = static_cast<int>(std::count(c.caption.begin(), c.caption.end(), '\n')) + 1;
    double size = c.font_size;
    auto needed = [&] {
        font.setPointSizeF(size);
        return (QFontMetrics(font).lineSpacing() + 1) * lines + 8;
    };
    while (size > 6 && needed() > available) size -= 0.25;
    if (size != c.font_size) l->setStyleSheet(l->styleSheet() + scaled_style(QString("font-size: %1pt;").arg(size), scale_));
    QRect at = design_.value(l, l->geometry());
    at.setTop(top);
    at.setHeight(available);
    place(l, at);
    if (i == 1) {
        // The title sits above the columns and takes the height they leave.
        for (auto& other : bindings_)
            if (other.widget->objectName() == "Lbl_Pay_0") {
                QRect title = design_.value(other.widget, other.widget->geometry());
                title.setHeight(std::max(14, top - kChartTop));
                place(other.widget, title);
            }
    }
}

void Frm_Main::fit_one_line(QLabel* l, double points) {
    QFont font = l->property("design_font").value<QFont>();
    font.setBold(true);
    double size = points;
    const int room = design_.value(l).width() - 12;
    for (font.setPointSizeF(size); size > 6 && QFontMetrics(font).horizontalAdvance(l->text()) > room; font.setPointSizeF(size))
        size -= 0.5;
    QString style = l->styleSheet();
    const qsizetype fitted = style.indexOf(" /* fitted */");
    if (fitted >= 0) style.truncate(fitted);
    if (size != points) style += " /* fitted */" + scaled_style(QString("font-size: %1pt;").arg(size), scale_);
    if (style != l->styleSheet()) l->setStyleSheet(style);
}

void Frm_Main::place(QWidget* widget, const QRect& design) {
    if (design_.contains(widget)) design_[widget] = design;
    // Edges are scaled, not sizes, so that neighbours stay neighbours.
    auto x = [this](int v) { return origin_.x() + static_cast<int>(std::lround(v * scale_)); };
    auto y = [this](int v) { return origin_.y() + static_cast<int>(std::lround(v * scale_)); };
    const QRect at(QPoint(x(design.left()), y(design.top())), QPoint(x(design.right() + 1) - 1, y(design.bottom() + 1) - 1));
    if (widget->geometry() != at) widget->setGeometry(at);
}

void Frm_Main::rescale() {
    QWidget* c = centralWidget();
    const int height = kDesignSize.height() + grow_;
    const double s = std::min(c->width() / static_cast<double>(kWidth), c->height() / static_cast<double>(height));
    const QPoint origin((c->width() - static_cast<int>(std::lround(kWidth * s))) / 2,
                        (c->height() - static_cast<int>(std::lround(height * s))) / 2);
    // The dialogs read where the cabinet is and how large, to grow and move with it.
    setProperty("cabinet_scale", s);
    setProperty("cabinet_origin", origin);
    setProperty("cabinet_design", QSize(kWidth, height));
    setProperty("cabinet_hand_bottom", kCardsY + 266 + kCardHeight + 4 + grow_);
    if (juicy_ && juicy_->isVisible() && !QApplication::activeModalWidget()) juicy_->raise();
    if (s == scale_ && origin == origin_) return;
    scale_ = s;
    origin_ = origin;
    surface_->set_scale(s);
    if (juicy_) juicy_->set_scale(s);
    for (auto it = design_.cbegin(); it != design_.cend(); ++it) {
        QWidget* w = it.key();
        place(w, it.value());
        QFont font = w->property("design_font").value<QFont>();
        if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * s);
        else if (font.pixelSize() > 0) font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * s)));
        w->setFont(font);
        if (const QVariant style = w->property("design_style"); style.isValid()) w->setStyleSheet(scaled_style(style.toString(), s));
    }
    for (auto& b : bindings_) {
        b.scale = s;
        b.drawn = false;
    }
    painter_->redraw();
    refresh();
}

// Around a row's line of text across every column of the chart, found as the label lays it out.
QRect Frm_Main::row_outline(int line) const {
    auto* rows = centralWidget()->findChild<QLabel*>("Lbl_Pay_1");
    auto* last = centralWidget()->findChild<QLabel*>("Lbl_Pay_6");
    const QStringList lines = rows->text().split('\n');
    const int n = std::min<int>(line, static_cast<int>(lines.size()) - 1);
    const QFontMetrics metrics(rows->font());
    auto height_of = [&](int count) {
        return count == 0 ? 0 : count == 1 && lines[0].isEmpty() ? metrics.lineSpacing() : metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop,
                                                      lines.mid(0, count).join('\n')).height();
    };
    // A framed label indents its text from the aligned edges, the top one included, by half an
    // "x"; the outline's edges lie on the boundaries between the lines, half above and half below.
    const int indent = rows->indent() >= 0 ? rows->indent()
                       : rows->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int first = rows->y() + rows->contentsRect().top() + rows->margin() + indent;
    const int edge = std::max(1, static_cast<int>(std::lround(2 * scale_)));
    const QRect at(QPoint(rows->x() - edge, first + height_of(n) - edge / 2),
                   QPoint(last->geometry().right() + edge, first + height_of(n + 1) - 1 + (edge - edge / 2)));
    return at;
}

void Frm_Main::refresh() {
    ViewModel& vm = machine().view();
    for (auto& b : bindings_) apply(b);
    if (vm.Pnl_Win_Row.visible) {
        const QRect at = row_outline(vm.Pnl_Win_Row.picture);
        if (win_row_->geometry() != at) win_row_->setGeometry(at);
    }
    show_small_hands();
    show_return_in_title();
    for (size_t i = 0; i < 5; ++i) {
        plain_[i]->size = vm.Pnl_Card[i].font_size;
        plain_[i]->show_control(vm.Pnl_Card[i], vm.Img_Card[i]);
        // The markers lie over the card they mark.
        for (auto& b : bindings_)
            if (b.widget->objectName().endsWith(QString("Wild_%1").arg(i + 1))) b.widget->raise();
    }
    if (games_->currentIndex() != vm.Lst_Games.picture) games_->setCurrentIndex(vm.Lst_Games.picture);
    games_->setEnabled(vm.Lst_Games.enabled);
    if (coin_slot_->frame != vm.Coin_Slot.picture) {
        coin_slot_->frame = vm.Coin_Slot.picture;
        coin_slot_->update();
    }
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        auto found = vm.menus.find(it.key().toStdString());
        if (found == vm.menus.end() || it.value()->isSeparator()) continue;
        const MenuItem& item = found->second;
        QAction* a = it.value();
        const QString caption = QString::fromUtf8(item.caption.c_str());
        if (a->text() != caption) a->setText(caption);
        if (a->isCheckable() && a->isChecked() != item.checked) a->setChecked(item.checked);
        if (a->isEnabled() != item.enabled) a->setEnabled(item.enabled);
        if (a->isVisible() != item.visible) a->setVisible(item.visible);
    }
    setWindowTitle(QString::fromStdString(vm.caption));
    if (vm.hourglass != cursor_overridden_) {
        if (vm.hourglass) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
        cursor_overridden_ = vm.hourglass;
    }
    if (vm.activate) {
        vm.activate = false;
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) showNormal();
        raise();
        activateWindow();
    }
    if (!vm.focus.empty()) {
        if (auto* w = centralWidget()->findChild<QWidget*>(QString::fromStdString(vm.focus)); w && w->isEnabled())
            w->setFocus();
        vm.focus.clear();
    }
}

void Frm_Main::show_return_in_title() {
    Machine& m = machine();
    auto* title = centralWidget()->findChild<QLabel*>("Lbl_Pay_0");
    if (!title) return;
    QString text = shown_text(m.view().Lbl_Pay[0].caption);
    const auto finish = [&] {
        if (title->text() == text) return;
        title->setText(text);
        fit_one_line(title, m.view().Lbl_Pay[0].font_size);
    };
    if (!m.view().menu("Mnu_Show_Return").checked || !is_game(m.game())) return finish();
    // One figure per game and chart, at the full bet, the progressive left out.
    QString key = QString::number(m.game());
    for (int r = 1; r < kRows; ++r) key += "," + QString::number(m.pay_table().pay(m.game(), r));
    const auto known = returns_.find(key);
    if (known != returns_.end()) {
        text += QString("   (return with perfect play: %1)").arg(*known);
        return finish();
    }
    finish();
    if (return_asked_ == key) return;
    return_asked_ = key;
    QPointer<Frm_Main> self(this);
    return_worker_.request(m.game(), m.pay_table(), [self, key](const strategy::ReturnReport& report) {
        QMetaObject::invokeMethod(qApp, [self, key, value = QString::fromStdString(report.figure)] {
            if (!self) return;
            self->returns_[key] = value;
            self->refresh();
        }, Qt::QueuedConnection);
    });
}

void Frm_Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A window manager may raise the main window over the side-bet window that belongs to it
    // (when it is activated, maximised or grown over it): the side-bet window comes back on top.
    // Never over a dialog the machine has open.
    const bool raised = event->type() == QEvent::WindowStateChange ||
                        (event->type() == QEvent::ActivationChange && isActiveWindow());
    if (raised && juicy_ && juicy_->isVisible() && !QApplication::activeModalWidget()) juicy_->raise();
}

void Frm_Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The side bet's window was shown with the main window still unplaced: place it again now.
    if (juicy_ && juicy_->isVisible()) juicy_->place();
}

void Frm_Main::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    bool leave = false;
    run([this, &leave] { leave = machine().Exit_Requested(); });
    if (leave) {
        closing_ = true;
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) QSettings().setValue("window_size", size());
        host_->stop_timers();
        if (juicy_) juicy_->hide();  // a window left up would keep the program (and its lock) alive
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

QPushButton* Frm_Main::button_for_mnemonic(int key) const {
    for (const auto& b : bindings_) {
        auto* button = qobject_cast<QPushButton*>(b.widget);
        if (!button || !button->isVisible() || !button->isEnabled()) continue;
        const QString text = button->text();
        const int amp = text.indexOf('&');
        if (amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper().unicode() == key) return button;
    }
    return nullptr;
}

bool Frm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize && !design_.isEmpty()) rescale();
    // Alt with the underlined letter presses the button that is there to be pressed now. Qt's own
    // mnemonics would find the same letter on a disabled button or a menu title ("&Draw!" and
    // "&Double Down!", "&Stats" and "&Stand Pat!") and then do nothing at all.
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && isActiveWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier) {
            if (QPushButton* b = button_for_mnemonic(key->key())) {
                if (event->type() == QEvent::KeyPress) b->click();
                event->accept();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Frm_Main::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, as it does in a dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()); b && b->isEnabled() && b->isVisible()) b->click();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const char key = text[0].toLatin1();
        run([this, key] { machine().Key_Press(key); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace dw::shell
