#include "forms/frm_player.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dw::shell {

Frm_Player::Frm_Player(PlayerModel& model, QWidget* parent, std::function<std::optional<std::string>()> ask_name,
                       std::function<void()> warn)
    : QDialog(parent), model_(model) {
    setObjectName("Frm_Player");
    setWindowTitle("Select a Player!");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel("Who's playing with Velmora this session?  Make your choice!");
    QFont f = text->font();
    f.setBold(true);
    text->setFont(f);
    layout->addWidget(text);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(QString::fromStdString(model.names[static_cast<size_t>(i)]));
        b->setObjectName(QString("Btn_Player_%1").arg(i));
        b->setChecked(i == model.selected);
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.Btn_Player_Click(i);
        });
        auto* rename = new QPushButton("Rename!");
        rename->setObjectName(QString("Btn_rename_%1").arg(i));
        connect(rename, &QPushButton::clicked, this, [this, i, b, ask_name, warn] {
            if (model_.Btn_Rename_Click(i, ask_name()) && warn) warn();
            b->setText(QString::fromStdString(model_.names[static_cast<size_t>(i)]));
        });
        buttons_[static_cast<size_t>(i)] = b;
        grid->addWidget(b, i, 0);
        grid->addWidget(rename, i, 1);
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    auto* help = new QPushButton("&Help!");
    help->setObjectName("Btn_Help");
    auto* ok = new QPushButton("&Ok!");
    ok->setObjectName("Btn_Exit");
    ok->setDefault(true);
    row->addWidget(help);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(help, &QPushButton::clicked, this, [this, ok] {
        if (model_.help) model_.help();
        ok->setFocus();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Btn_Exit_Click();
        accept();
    });
}

void Frm_Player::closeEvent(QCloseEvent* e) {
    if (model_.done) return e->accept();
    QApplication::beep();
    e->ignore();
}

void Frm_Player::reject() {
    if (model_.done) return QDialog::reject();
    QApplication::beep();
}

}  // namespace dw::shell
