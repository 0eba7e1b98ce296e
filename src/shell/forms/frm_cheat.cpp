#include "forms/frm_cheat.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dw::shell {

Frm_Cheat::Frm_Cheat(CheatModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Cheat");
    setWindowTitle("Cheat!");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        "Rearrange the deck by clicking on the card you want to move, then clicking on the \"Up\" or \"Down\" "
        "buttons until the card is where you want it.  Note that if you change games using the \"Game\" menu, the "
        "deck will be reshuffled!");
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    Lst_Cards = new QListWidget;
    Lst_Cards->setObjectName("Lst_Cards");
    Lst_Cards->setMinimumHeight(300);
    row->addWidget(Lst_Cards, 1);
    auto* side = new QVBoxLayout;
    auto* up = new QPushButton("&Up!");
    up->setObjectName("Btn_Up");
    auto* down = new QPushButton("&Down!");
    down->setObjectName("Btn_Down");
    auto* ok = new QPushButton("&Finished!");
    ok->setObjectName("Btn_Ok");
    for (auto* b : {up, down, ok}) side->addWidget(b);
    side->addSpacing(12);
    for (const char* line : {"Keyboard Equivalents:", "U = Up", "D = Down"}) side->addWidget(new QLabel(line));
    side->addStretch();
    row->addLayout(side);
    layout->addLayout(row);
    connect(up, &QPushButton::clicked, this, [this] {
        model_.Btn_Up_Click();
        show_list();
    });
    connect(down, &QPushButton::clicked, this, [this] {
        model_.Btn_Down_Click();
        show_list();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Btn_Ok_Click();
        accept();
    });
    connect(Lst_Cards, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) model_.selected = r;
    });
    for (QWidget* w : {static_cast<QWidget*>(Lst_Cards), static_cast<QWidget*>(down), static_cast<QWidget*>(ok)})
        w->installEventFilter(this);
    for (const auto& entry : model.Lst_Cards) Lst_Cards->addItem(QString::fromStdString(entry));
    Lst_Cards->setCurrentRow(0);
}

void Frm_Cheat::show_list() {
    for (int i = 0; i < Lst_Cards->count(); ++i) {
        const QString entry = QString::fromStdString(model_.Lst_Cards[static_cast<size_t>(i)]);
        if (Lst_Cards->item(i)->text() != entry) Lst_Cards->item(i)->setText(entry);
    }
    Lst_Cards->setCurrentRow(model_.selected);
}

bool Frm_Cheat::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(event)->text();
        if (t.size() == 1 && model_.Key_Press(t[0].toLatin1())) {
            show_list();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace dw::shell
