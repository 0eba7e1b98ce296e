#include "forms/frm_mistakes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "games/catalogue.h"

namespace dw::shell {

Frm_Mistakes::Frm_Mistakes(MistakesModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Mistakes");
    setWindowTitle("Mistakes to Review");
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Game:"));
    games_ = new QComboBox;
    games_->setObjectName("Cmb_Game");
    games_->addItem("Every game", 0);
    for (const auto& g : kGames)
        games_->addItem(QString::fromUtf8(g.list_text.data(), static_cast<int>(g.list_text.size())), static_cast<int>(g.id));
    choices->addWidget(games_, 1);
    choices->addWidget(new QLabel("Order:"));
    order_ = new QComboBox;
    order_->setObjectName("Cmb_Order");
    order_->addItems({"Newest first", "Costliest first"});
    choices->addWidget(order_);
    layout->addLayout(choices);
    list_ = new QTableWidget(0, 6);
    list_->setObjectName("Tbl_Mistakes");
    list_->setHorizontalHeaderLabels({"When", "Game", "Dealt", "Held", "Best hold", "Cost"});
    list_->verticalHeader()->setVisible(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(list_, 1);
    summary_ = new QLabel;
    summary_->setObjectName("Lbl_Summary");
    layout->addWidget(summary_);
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton("&Analyze");
    open->setObjectName("Btn_Open");
    auto* clear = new QPushButton("C&lear...");
    clear->setObjectName("Btn_Clear");
    auto* close = new QPushButton("&Close");
    close->setObjectName("Btn_Close");
    buttons->addWidget(open);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(games_, &QComboBox::currentIndexChanged, this, [this] {
        model_.game = static_cast<GameId>(games_->currentData().toInt());
        show_list();
    });
    connect(order_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.order = index == 1 ? MistakesModel::Order::Costliest : MistakesModel::Order::Newest;
        show_list();
    });
    // A click on the Cost heading sorts by cost, on When by time.
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == 5) order_->setCurrentIndex(1);
        if (section == 0) order_->setCurrentIndex(0);
    });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row) { model_.Open(static_cast<size_t>(row)); });
    connect(open, &QPushButton::clicked, this, [this] {
        if (list_->currentRow() >= 0) model_.Open(static_cast<size_t>(list_->currentRow()));
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        model_.Clear_Click();
        show_list();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        model_.Exit_Click();
        accept();
    });
    resize(820, 480);
    setMinimumSize(640, 320);  // every column in sight
    for (auto* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
    open->setDefault(true);  // Enter analyses the mistake selected
    show_list();
}

void Frm_Mistakes::show_list() {
    const auto rows = model_.shown();
    list_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto columns = MistakesModel::columns(model_.list()[rows[static_cast<size_t>(r)]]);
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(columns[static_cast<size_t>(c)]));
            if (c == 5) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            list_->setItem(r, c, item);
        }
    }
    if (!rows.empty()) list_->setCurrentCell(0, 0);
    summary_->setText(rows.empty() ? "No mistakes kept" + QString(model_.game ? " for this game." : ".")
                                   : QString::fromStdString(model_.summary()) + ".  Double-click a hand to analyze it.");
}

}  // namespace dw::shell
