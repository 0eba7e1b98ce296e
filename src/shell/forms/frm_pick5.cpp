#include "forms/frm_pick5.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "card_painter.h"
#include "widgets/plain_card.h"

namespace dw::shell {

namespace {
QString rank_text(int16_t value) {
    static const char* const kCourt[] = {"J", "Q", "K", "A"};
    return value >= 11 && value <= 14 ? QString(kCourt[value - 11]) : QString::number(value);
}
int suit_picture(char suit) {
    switch (suit) {
    case 'H': return kHeart;
    case 'D': return kDiamond;
    case 'C': return kClub;
    case 'S': return kSpade;
    default: return kNothing;
    }
}
}  // namespace

Frm_Pick5::Frm_Pick5(PickFiveModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Pick5");
    setWindowTitle("Pick Five Poker!");
    setStyleSheet("QDialog { background: #104a28; } QLabel { color: white; }");
    auto* layout = new QVBoxLayout(this);
    auto* count = new QLabel(QString::fromStdString(model.lblCount));
    count->setObjectName("lblCount");
    count->setAlignment(Qt::AlignCenter);
    QFont f = count->font();
    f.setBold(true);
    count->setFont(f);
    layout->addWidget(count);
    auto* grid = new QGridLayout;
    const int16_t values[2] = {model.Card1Value, model.Card2Value};
    const char suits[2] = {model.Card1Suit, model.Card2Suit};
    for (int i = 0; i < 2; ++i) {
        auto* c = new PlainCard(this);
        c->setObjectName(QString("Pnl_Card_%1").arg(i + 1));
        c->setFixedSize(kCardWidth, kCardHeight);
        c->setCursor(Qt::PointingHandCursor);
        c->rank = rank_text(values[i]);
        c->suit = suit_picture(suits[i]);
        c->colour = suits[i] == 'H' || suits[i] == 'D' ? QColor(255, 0, 0) : QColor(0, 0, 0);
        c->on_click = [this, i] { choose(i + 1); };
        cards_[i] = c;
        grid->addWidget(c, 0, i, Qt::AlignCenter);
        auto* number = new QLabel(QString::number(i + 1));
        number->setObjectName(QString("Label%1").arg(i + 1));
        number->setAlignment(Qt::AlignCenter);
        grid->addWidget(number, 1, i);
    }
    layout->addLayout(grid);
    auto* info = new QLabel(kPickFiveInfo);
    info->setObjectName("Lbl_Info");
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignCenter);
    layout->addWidget(info);
    setMinimumWidth(360);
    // The deal shows the hourglass; the choice is made with the normal pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

Frm_Pick5::~Frm_Pick5() { QApplication::restoreOverrideCursor(); }

void Frm_Pick5::choose(int index) {
    model_.Card_Click(index);
    accept();
}

void Frm_Pick5::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && model_.Key_Press(t[0].toLatin1())) accept();
    // Every other key, Enter and Escape included, is discarded.
}

void Frm_Pick5::closeEvent(QCloseEvent* e) { e->accept(); }

}  // namespace dw::shell
