#include "forms/frm_statistics.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dw::shell {

Frm_Statistics::Frm_Statistics(StatisticsModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Statistics");
    setWindowTitle("Statistics");
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* name = new QLabel;
    name->setObjectName("Lbl_PlayerName");
    QFont f = name->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    name->setFont(f);
    bindings_.push_back({&model.Lbl_PlayerName, name, "", false});
    head->addWidget(name, 1);
    auto* this_session = new QRadioButton("This Session");
    this_session->setObjectName("Btn_This");
    this_session->setChecked(true);
    auto* all = new QRadioButton("All Sessions");
    all->setObjectName("Btn_Total");
    head->addWidget(this_session);
    head->addWidget(all);
    layout->addLayout(head);
    connect(this_session, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.Btn_This_Click();
        refresh();
    });
    connect(all, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.Btn_Total_Click();
        refresh();
    });

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    int col = 0;
    for (const char* title : {"", "Game", "Played", "Paid Out ", "Payout %"}) {
        auto* t = new QLabel(title);
        t->setStyleSheet("font-weight: bold;");
        grid->addWidget(t, 0, col++);
    }
    for (int row = 0; row <= StatisticsModel::kRows; ++row) {
        const size_t r = static_cast<size_t>(row);
        const int line = row == 0 ? StatisticsModel::kRows + 1 : row;
        auto label = [&](const QString& name, const Control& c, int column, bool right, bool colours) {
            auto* l = new QLabel;
            l->setObjectName(QString("%1_%2").arg(name).arg(row));
            if (right) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            bindings_.push_back({&c, l, row == 0 ? "font-weight: bold;" : "", colours});
            grid->addWidget(l, line, column);
        };
        if (row > 0) label("Lbl_Game_Number", model.Lbl_Game_Number[r], 0, true, false);
        label("Pnl_Name", model.Pnl_Name[r], 1, false, false);
        label("Lbl_Played", model.Lbl_Played[r], 2, true, true);
        label("Lbl_Won", model.Lbl_Won[r], 3, true, true);
        label("Lbl_Percent_P", model.Lbl_Percent_P[r], 4, true, true);
        if (row > 0) {
            auto* detail = new QPushButton("Details");
            detail->setObjectName(QString("Btn_Detail_%1").arg(row));
            connect(detail, &QPushButton::clicked, this, [this, row] {
                model_.Btn_Detail_Click(row);
                refresh();
            });
            grid->addWidget(detail, line, 5);
        }
        auto* erase = new QPushButton("Erase");
        erase->setObjectName(QString("Btn_Erase_%1").arg(row));
        connect(erase, &QPushButton::clicked, this, [this, row] {
            model_.Btn_Erase_Click(row);
            refresh();
        });
        grid->addWidget(erase, line, 6);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    Btn_View = new QPushButton(QString::fromUtf8("Next Page \u25BC"));
    Btn_View->setObjectName("Btn_View");
    auto* help = new QPushButton("&Help!");
    help->setObjectName("Btn_Help");
    auto* ok = new QPushButton("&Ok!");
    ok->setObjectName("Btn_Ok");
    ok->setDefault(true);
    for (auto* b : {Btn_View, help, ok}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(Btn_View, &QPushButton::clicked, this, [this] {
        model_.Btn_View_Click();
        Btn_View->setText(QString::fromUtf8(model_.page == 1 ? "Next Page \u25BC" : "First Page \u25B2"));
        refresh();
    });
    connect(help, &QPushButton::clicked, this, [this, ok] {
        model_.Btn_Help_Click();
        ok->setFocus();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Btn_Ok_Click();
        accept();
    });
    refresh();
}

void Frm_Statistics::refresh() {
    for (auto& b : bindings_) apply_binding(b);
}

Frm_Stats_Detail::Frm_Stats_Detail(StatsDetailModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Stats_Detail");
    setWindowTitle("Detailed Statistics");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* games = new QComboBox;
    games->setObjectName("Lst_Games");
    for (const auto& g : model.Lst_Games) games->addItem(QString::fromStdString(g));
    games->setCurrentIndex(model.slot - 1);
    top->addWidget(games, 1);
    auto* this_session = new QRadioButton("This &Session");
    this_session->setObjectName("Btn_This");
    auto* all = new QRadioButton("&All Sessions");
    all->setObjectName("Btn_Total");
    (model.all_sessions ? all : this_session)->setChecked(true);
    top->addWidget(this_session);
    top->addWidget(all);
    layout->addLayout(top);
    game_ = new QLabel;
    game_->setObjectName("Lbl_Game");
    game_->setAlignment(Qt::AlignCenter);
    game_->setStyleSheet("font-weight: bold; font-size: 12pt;");
    layout->addWidget(game_);
    auto* grid = new QGridLayout;
    int col = 0;
    for (const char* title : {"Type of Hand", "Count", "Percentage"}) {
        auto* t = new QLabel(title);
        t->setStyleSheet("font-weight: bold;");
        grid->addWidget(t, 0, col++);
    }
    col = 0;
    for (auto [name, control] : {std::pair{"Lbl_Hands", &model.Lbl_Hands}, std::pair{"Lbl_How_Many", &model.Lbl_How_Many},
                                 std::pair{"Lbl_Pct", &model.Lbl_Pct}}) {
        auto* l = new QLabel;
        l->setObjectName(name);
        l->setAlignment((col == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
        l->setMinimumWidth(col == 0 ? 220 : 80);
        bindings_.push_back({control, l, "", false});
        grid->addWidget(l, 1, col++);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* erase = new QPushButton("&Erase");
    erase->setObjectName("Btn_Erase");
    auto* exit = new QPushButton("E&xit");
    exit->setObjectName("Btn_Exit");
    exit->setDefault(true);
    buttons->addWidget(erase);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(games, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        model_.Lst_Games_Click(index);
        refresh();
    });
    connect(this_session, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.Btn_This_Click();
        refresh();
    });
    connect(all, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.Btn_Total_Click();
        refresh();
    });
    connect(erase, &QPushButton::clicked, this, [this] {
        model_.Btn_Erase_Click();
        refresh();
    });
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.Btn_Exit_Click();
        accept();
    });
    refresh();
}

void Frm_Stats_Detail::refresh() {
    game_->setText(QString::fromStdString(model_.Lbl_Game));
    for (auto& b : bindings_) {
        QFont f = b.widget->font();
        f.setPointSizeF(b.control->font_size);
        b.widget->setFont(f);
        apply_binding(b);
    }
}

}  // namespace dw::shell
