#include "forms/frm_payouts.h"

#include <QApplication>
#include <algorithm>
#include <QPointer>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "control_binder.h"
#include "games/catalogue.h"
#include "strategy/variant_returns.h"
#include "widgets/digit_box.h"
#include "widgets/ok_cancel.h"

namespace dw::shell {

Frm_Payouts::Frm_Payouts(PayoutsModel& model, QWidget* parent, std::function<void()> help, const Pay_Table* table)
    : QDialog(parent), model_(model), table_(table) {
    setObjectName("Frm_Payouts");
    setWindowTitle("Customize Payout Chart");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromStdString(model.Lbl_Game));
    title->setObjectName("Lbl_Game");
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    title->setFont(f);
    layout->addWidget(title);
    auto* grid = new QGridLayout;
    auto* heading = new QLabel("Payout per Coin");
    heading->setObjectName("Label2");
    grid->addWidget(heading, 0, 1);
    // The top row first, as the chart shows it: box k is row k + 1, so the highest row is last.
    for (int k = model.rows - 1, line = 1; k >= 0; --k, ++line) {
        const size_t i = static_cast<size_t>(k);
        auto* label = new QLabel(QString::fromStdString(model.Lbl_Hand[i].caption));
        label->setObjectName(QString("Lbl_Hand_%1").arg(k));
        label->setStyleSheet(QString("color: %1;").arg(colour_of(model.Lbl_Hand[i].fore_colour).name()));
        auto* box = new DigitBox;
        box->setObjectName(QString("Txt_Value_%1").arg(k));
        // A stored pay longer than the box takes (Deuces and Joker's 1000) still shows whole; the
        // model keeps what is typed to the box's length.
        box->setMaxLength(std::max<int>(model.max_length[i], static_cast<int>(model.Txt_Value[i].caption.size())));
        box->setEnabled(model.Txt_Value[i].enabled);
        box->setMaximumWidth(90);
        box->select_all_on_focus = true;
        box->key_filter = [](char c) {
            if (PayoutsModel::Key_Press(c)) return true;
            QApplication::beep();
            return false;
        };
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
            if (!model_.Text_Changed(k, text.toStdString())) QApplication::beep();
            show_texts();
            work_out_return();
        });
        connect(box, &QLineEdit::editingFinished, this, [this, k] {
            model_.Lost_Focus(k);
            show_texts();
        });
        boxes_[i] = box;
        grid->addWidget(label, line, 0);
        grid->addWidget(box, line, 1);
    }
    layout->addLayout(grid);
    if (table_ && is_game(static_cast<GameId>(model.slot()))) {
        return_ = new QLabel;
        return_->setObjectName("Lbl_Return");
        return_->setAlignment(Qt::AlignCenter);
        layout->addWidget(return_);
        // The facts of one hand under it; the risk of ruin in its tooltip once it is known.
        facts_ = new QLabel;
        facts_->setObjectName("Lbl_Facts");
        facts_->setAlignment(Qt::AlignCenter);
        facts_->setWordWrap(true);
        layout->addWidget(facts_);
    }
    const OkCancel buttons =
        add_ok_cancel(this, layout, [this] { model_.Btn_Ok_Click(); }, [this] { model_.Btn_Cancel_Click(); });
    auto* help_button = new QPushButton("&Help!");
    help_button->setObjectName("Btn_Help");
    buttons.row->addWidget(help_button);
    connect(help_button, &QPushButton::clicked, this, [ok = buttons.ok, help = std::move(help)] {
        if (help) help();
        ok->setFocus();
    });
    show_texts();
    work_out_return();
}

Frm_Payouts::~Frm_Payouts() = default;

void Frm_Payouts::work_out_return() {
    if (!return_) return;
    // The previous computation is stopped; the newest chart always wins.
    const int request = ++request_;
    return_->setText("Return with perfect play: working it out...");
    facts_->clear();
    facts_->setToolTip({});
    QPointer<Frm_Payouts> self(this);
    auto shown = [self, request](bool risk) {
        return [self, request, risk](const strategy::ReturnReport& report) {
            QMetaObject::invokeMethod(
                qApp,
                [self, request, risk, report] {
                    if (!self || self->request_ != request) return;
                    if (risk) {
                        self->facts_->setToolTip("<pre>Chance of losing the bankroll within so many hands:\n" +
                                                 QString::fromStdString(report.risk).toHtmlEscaped() + "</pre>");
                        return;
                    }
                    self->return_->setText("Return with perfect play: " + QString::fromStdString(report.figure));
                    if (!report.facts.empty())
                        self->facts_->setText("One hand: " + QString::fromStdString(report.facts) + ".");
                },
                Qt::QueuedConnection);
        };
    };
    worker_.request(static_cast<GameId>(model_.slot()), model_.preview(*table_), shown(false), shown(true));
}

void Frm_Payouts::show_texts() {
    for (int k = 0; k < model_.rows; ++k) {
        const QString text = QString::fromStdString(model_.Txt_Value[static_cast<size_t>(k)].caption);
        DigitBox* box = boxes_[static_cast<size_t>(k)];
        if (box->text() != text) box->setText(text);
    }
}

void Frm_Payouts::closeEvent(QCloseEvent* e) {
    if (!model_.done) model_.Btn_Cancel_Click();
    e->accept();
}

}  // namespace dw::shell
