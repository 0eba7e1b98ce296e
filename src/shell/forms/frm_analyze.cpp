#include "forms/frm_analyze.h"

#include <QApplication>
#include <cmath>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "games/catalogue.h"
#include "widgets/ok_cancel.h"

namespace dw::shell {

namespace {

// A card as its button shows it: "A♠", "10♥", "Joker".
QString face(const CardCode& c) {
    if (c.Value == 1) return "Joker";
    const std::string text = card_text(c);
    const QString rank = c.Value == 10 ? "10" : QString::fromStdString(text.substr(0, 1));
    const char* suit = c.Suit == 'H' ? "\u2665" : c.Suit == 'D' ? "\u2666" : c.Suit == 'C' ? "\u2663" : "\u2660";
    return rank + QString::fromUtf8(suit);
}

QString credits(double value) { return QString::number(value, 'f', 4); }

QTableWidgetItem* cell(const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* table_of(const QStringList& headings, const char* name) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()));
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headings);
    t->verticalHeader()->setVisible(false);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setMinimumHeight(160);  // five holds or more in sight
    return t;
}

}  // namespace

Frm_Analyze::Frm_Analyze(AnalysisModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Analyze");
    setWindowTitle("Analyze a Hand");
    const GameInfo& info = game_info(model.game());
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString("%1%2")
                                 .arg(QString::fromUtf8(info.list_text.data(), static_cast<int>(info.list_text.size())))
                                 .arg(model.deck_size() > 52 ? " \u2014 values of the deck as dealt" : ""));
    title->setObjectName("Lbl_Game");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* heading = new QHBoxLayout;
    heading->addWidget(title, 1);
    auto* coins_label = new QLabel("C&oins:");
    coins_ = new QSpinBox;
    coins_->setObjectName("Spn_Coins");
    coins_->setRange(1, model.most_coins());
    if (info.flow == Flow::Ride) coins_->setSingleStep(3), coins_->setMinimum(3);
    coins_->setValue(model.coins());
    coins_label->setBuddy(coins_);
    heading->addWidget(coins_label);
    heading->addWidget(coins_);
    connect(coins_, &QSpinBox::valueChanged, this, [this](int coins) {
        model_.set_coins(coins);
        refresh();
    });
    layout->addLayout(heading);

    // The picker: a row per suit, the jokers under them.
    auto* picker = new QGridLayout;
    picker->setSpacing(2);
    int at = 0;
    for (const auto& card : model.deck()) {
        auto* b = new QPushButton(face(card));
        const bool joker = card.Value == 1;
        b->setObjectName("Card_" + QString::fromStdString(card_text(card)) +
                         (joker ? QString::number(card.Image - kFirstJokerImage + 1) : QString()));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(38);
        const QString ink = joker ? "#6a1b9a" : card.Suit == 'H' || card.Suit == 'D' ? "#c00000" : "black";
        // A picked card stands out: yellow and bold.
        b->setStyleSheet(QString("QPushButton { color: %1; } QPushButton:checked { background: #ffe066; font-weight: bold; "
                                 "border: 2px solid #806000; }").arg(ink));
        connect(b, &QPushButton::clicked, this, [this, card] {
            if (!model_.click(card)) QApplication::beep();
            refresh();
        });
        buttons_.push_back({card, b});
        if (joker) picker->addWidget(b, 4, at - 52, 1, 2);
        else picker->addWidget(b, at / 13, at % 13);
        at += joker ? 2 : 1;
    }
    layout->addLayout(picker);

    auto* typed = new QHBoxLayout;
    typed->addWidget(new QLabel("&Cards:"));
    cards_ = new QLineEdit;
    cards_->setObjectName("Txt_Cards");
    cards_->setPlaceholderText("TH JH QH KH 2C, then Enter");
    qobject_cast<QLabel*>(typed->itemAt(0)->widget())->setBuddy(cards_);
    typed->addWidget(cards_, 1);
    connect(cards_, &QLineEdit::returnPressed, this, [this] {
        if (const auto why = model_.type_cards(cards_->text().toStdString())) {
            QApplication::beep();
            status_->setText(QString::fromStdString(*why));
            return;
        }
        refresh();
    });
    if (info.flow == Flow::PickFive) {
        typed->addWidget(new QLabel("Refused:"));
        refused_ = new QLineEdit;
        refused_->setObjectName("Txt_Refused");
        refused_->setPlaceholderText("the five cards not taken");
        typed->addWidget(refused_, 1);
        connect(refused_, &QLineEdit::returnPressed, this, [this] {
            if (const auto why = model_.type_refused(refused_->text().toStdString())) {
                QApplication::beep();
                status_->setText(QString::fromStdString(*why));
                return;
            }
            refresh();
        });
    }
    auto* clear = new QPushButton("C&lear");
    clear->setObjectName("Btn_Clear");
    typed->addWidget(clear);
    connect(clear, &QPushButton::clicked, this, [this] {
        model_.clear();
        if (refused_) refused_->clear();
        refresh();
    });
    layout->addLayout(typed);
    status_ = new QLabel;
    status_->setObjectName("Lbl_Status");
    layout->addWidget(status_);

    auto* tables = new QHBoxLayout;
    holds_ = model.has_draw() ? table_of({"Hold", "Value (credits)", "Loss"}, "Tbl_Holds")
                              : table_of({"Choice", "Value (credits)"}, "Tbl_Holds");
    holds_->setMinimumWidth(380);
    tables->addWidget(holds_, 3);
    auto* right = new QVBoxLayout;
    rows_ = table_of({"After the draw", "Chance", "Draws"}, "Tbl_Rows");
    rows_->setMinimumWidth(330);
    right->addWidget(rows_, 1);
    no_win_ = new QLabel;
    no_win_->setObjectName("Lbl_No_Win");
    right->addWidget(no_win_);
    tables->addLayout(right, 3);
    layout->addLayout(tables, 1);
    connect(holds_, &QTableWidget::currentCellChanged, this, [this](int row) { show_detail(row); });
    if (!model.has_draw()) {  // the stud games: the choices take the width
        rows_->setVisible(false);
        tables->setStretch(0, 1);
        tables->setStretch(1, 0);
    }

    facts_ = new QLabel("Chart facts: working them out...");
    facts_->setObjectName("Lbl_Facts");
    facts_->setWordWrap(true);
    layout->addWidget(facts_);
    risk_ = new QLabel;
    risk_->setObjectName("Lbl_Risk");
    risk_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    risk_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(risk_);
    add_close(this, layout);
    resize(760, 720);
    // Enter belongs to the boxes of cards: no button closes the window on it.
    for (auto* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

    // The chart's facts for its full bet, and the risk of ruin once it is known.
    QPointer<Frm_Analyze> self(this);
    auto shown = [self](bool risk) {
        return [self, risk](const strategy::ReturnReport& report) {
            QMetaObject::invokeMethod(
                qApp,
                [self, risk, report] {
                    if (!self) return;
                    if (risk) {
                        self->risk_->setText("Chance of losing the bankroll within so many hands of perfect play:\n" +
                                             QString::fromStdString(report.risk).trimmed());
                        return;
                    }
                    QString text = "Return with perfect play at the full bet: " + QString::fromStdString(report.figure);
                    if (!report.facts.empty()) text += ".  One hand: " + QString::fromStdString(report.facts) + ".";
                    else text += ".  The other facts need a hand paid by one row of the chart.";
                    self->facts_->setText(text);
                },
                Qt::QueuedConnection);
        };
    };
    if (is_game(model.game())) facts_worker_.request(model.game(), model.chart(), shown(false), shown(true));
    if (!model.cards().empty()) {
        std::string text;
        for (const auto& c : model.cards()) text += (text.empty() ? "" : " ") + card_text(c);
        cards_->setText(QString::fromStdString(text));
        if (refused_) {
            std::string refused;
            for (const auto& c : model.refused()) refused += (refused.empty() ? "" : " ") + card_text(c);
            refused_->setText(QString::fromStdString(refused));
        }
    }
    refresh();
}

Frm_Analyze::~Frm_Analyze() = default;

QPushButton* Frm_Analyze::card_button(const CardCode& card) const {
    for (const auto& [c, b] : buttons_)
        if (c.Value == card.Value && (c.Value == 1 ? c.Image == card.Image : c.Suit == card.Suit)) return b;
    return nullptr;
}

void Frm_Analyze::need_table() {
    const PayRule rule = model_.rule();
    if (table_coins_ == rule.coins) return;
    table_.reset();
    table_coins_ = rule.coins;
    // A new build stops the one before it (the jthread asks it to stop and joins it).
    auto chart = std::make_shared<Pay_Table>(model_.chart());
    QPointer<Frm_Analyze> self(this);
    builder_ = std::jthread([self, chart, rule](std::stop_token stop) {
        PayRule r = rule;
        r.table = chart.get();
        auto built = std::make_shared<const strategy::FinalHandTable>(r, 1, stop);
        if (built->stopped()) return;
        QMetaObject::invokeMethod(
            qApp,
            [self, built, coins = r.coins] {
                if (!self || self->table_coins_ != coins) return;
                self->table_ = built;
                self->refresh();
            },
            Qt::QueuedConnection);
    });
}

void Frm_Analyze::refresh() {
    for (const auto& [card, b] : buttons_) b->setChecked(model_.is_picked(card));
    holds_->setRowCount(0);
    rows_->setRowCount(0);
    no_win_->clear();
    lines_.clear();
    if (const auto problem = model_.problem()) {
        status_->setText(QString::fromStdString(*problem));
        return;
    }
    if (!model_.has_draw()) {
        const auto choices = model_.decisions();
        holds_->setRowCount(static_cast<int>(choices.size()));
        for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
            holds_->setItem(i, 0, cell(QString::fromStdString(choices[static_cast<size_t>(i)].what)));
            holds_->setItem(i, 1, cell(credits(choices[static_cast<size_t>(i)].value), true));
        }
        status_->setText("What each choice leaves on average, in credits, every unseen card counted.");
        return;
    }
    need_table();
    if (!table_) {
        status_->setText("Working out the chart's table...");
        return;
    }
    lines_ = model_.holds(*table_);
    status_->setText(QString("The 32 holds, best first, at %1 coins.").arg(model_.rule().coins));
    holds_->setRowCount(static_cast<int>(lines_.size()));
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const auto& h = lines_[static_cast<size_t>(i)];
        holds_->setItem(i, 0, cell(QString::fromStdString(h.cards) + (h.tied ? "  (=)" : "")));
        holds_->setItem(i, 1, cell(credits(h.value), true));
        holds_->setItem(i, 2, cell(h.loss > 0 ? credits(h.loss) : "", true));
    }
    holds_->setCurrentCell(0, 0);
    show_detail(0);
}

void Frm_Analyze::show_detail(int row) {
    rows_->setRowCount(0);
    if (!table_ || row < 0 || row >= static_cast<int>(lines_.size())) return;
    const auto detail = model_.detail(*table_, lines_[static_cast<size_t>(row)].mask);
    rows_->setRowCount(static_cast<int>(detail.rows.size()));
    for (int i = 0; i < static_cast<int>(detail.rows.size()); ++i) {
        const auto& r = detail.rows[static_cast<size_t>(i)];
        rows_->setItem(i, 0, cell(QString::fromStdString(r.label)));
        rows_->setItem(i, 1, cell(QString::number(r.chance * 100, 'f', 4) + "%", true));
        const bool whole = std::abs(r.draws - std::round(r.draws)) < 1e-6;  // a joker deck's draws are weighted
        rows_->setItem(i, 2, cell(QString::number(whole ? std::round(r.draws) : r.draws, 'f', whole ? 0 : 2), true));
    }
    no_win_->setText(QString("No win: %1% of %2 draws").arg(detail.no_win * 100, 0, 'f', 4).arg(detail.draws, 0, 'f', 0));
}

}  // namespace dw::shell
