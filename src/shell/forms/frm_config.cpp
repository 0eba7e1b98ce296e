#include "forms/frm_config.h"

#include <QCloseEvent>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


namespace dw::shell {

Frm_Config::Frm_Config(GoodiesModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("First-Time-User Goodies Setup!");
    setMinimumWidth(460);
    setObjectName("Frm_Config");
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Choose your goodies!");
    QFont f = heading->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    heading->setFont(f);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* text = new QLabel(
        "Select the goodies you want in your Video Poker games by clicking on the check-box next to the goodies you "
        "want.  An \"x\" means the goody is turned on.  You can change these settings later by using the "
        "\"Goodies\" drop-down menu.");
    text->setWordWrap(true);
    layout->addWidget(text);
    static const char* kCaptions[4] = {"&Progressive Jackpot!", "&Reversible Royals!", "&Double Up!",
                                       "&Velmora's Juicy Jackpots!"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* box = new QCheckBox(kCaptions[i]);
        box->setObjectName(QString("Btn_Check_%1").arg(i));
        box->setChecked(model_.boxes[static_cast<size_t>(i)]);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { model_.boxes[static_cast<size_t>(i)] = on; });
        auto* help = new QPushButton("?");
        help->setObjectName(QString("Btn_Help_%1").arg(i));
        help->setFixedWidth(28);
        connect(help, &QPushButton::clicked, this, [this, box, i] {
            if (model_.help) model_.help(i);
            box->setFocus();
        });
        grid->addWidget(box, i, 0);
        grid->addWidget(help, i, 1);
    }
    layout->addLayout(grid);
    auto* go = new QPushButton("&Continue!");
    go->setObjectName("Btn_Continue");
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, [this] {
        model_.Btn_Continue_Click();
        accept();
    });
    layout->addWidget(go);
}

void Frm_Config::closeEvent(QCloseEvent* e) {
    model_.Btn_Continue_Click();
    e->accept();
}

}  // namespace dw::shell
