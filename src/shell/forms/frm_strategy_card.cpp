#include "forms/frm_strategy_card.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "games/catalogue.h"
#include "widgets/ok_cancel.h"

namespace dw::shell {

namespace {

QString percent(double v) { return QString::number(v * 100, 'f', 4) + "%"; }

// The card as a page: its text in a fixed font, so the columns stay lined up.
void print_card(const strategy::StrategyCard& card, QPrinter& printer) {
    QTextDocument page;
    page.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    page.setPlainText(QString::fromStdString(strategy::card_text(card)));
    page.print(&printer);
}

}  // namespace

Frm_Strategy_Card::Frm_Strategy_Card(StrategyCardModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Frm_Strategy_Card");
    setWindowTitle(QString("Strategy Card: %1, %2 coins").arg(QString::fromUtf8(game_info(model_.game).list_text.data())).arg(model_.coins));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel("Writing the card from every dealt hand...");
    summary_->setObjectName("Lbl_Summary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    lines_ = new QTableWidget(0, 5);
    lines_->setObjectName("Lst_Lines");
    lines_->setHorizontalHeaderLabels({"#", "Keep the first line the hand contains", "Example", "Held", "Lost"});
    lines_->verticalHeader()->hide();
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lines_->verticalHeader()->setDefaultSectionSize(lines_->fontMetrics().height() + 8);
    // A dozen lines at least, and two lines of the summary: a label that wraps does not tell the
    // window how tall it must be, and the buttons would lie over the table.
    lines_->setMinimumSize(760, (lines_->fontMetrics().height() + 8) * 13);
    summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 2 + 4);
    layout->addWidget(lines_, 1);
    auto* row = new QHBoxLayout;
    save_text_ = new QPushButton("Save as &Text...");
    save_text_->setObjectName("Btn_Save_Text");
    save_pdf_ = new QPushButton("Save as &PDF...");
    save_pdf_->setObjectName("Btn_Save_PDF");
    print_ = new QPushButton("P&rint...");
    print_->setObjectName("Btn_Print");
    for (auto* b : {save_text_, save_pdf_, print_}) {
        b->setEnabled(false);
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    row->addStretch();
    layout->addLayout(row);
    connect(save_text_, &QPushButton::clicked, this, [this] { save(false); });
    connect(save_pdf_, &QPushButton::clicked, this, [this] { save(true); });
    connect(print_, &QPushButton::clicked, this, [this] { print(); });
    add_close(this, layout);

    auto chart = std::make_shared<StrategyCardModel>(model_);
    QPointer<Frm_Strategy_Card> self(this);
    writer_ = std::jthread([self, chart](std::stop_token stop) {
        auto card = std::make_shared<const strategy::StrategyCard>(
            strategy::write_card(chart->rule(), 0, std::max(1u, std::thread::hardware_concurrency()), stop));
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            qApp, [self, card] { if (self) self->show_card(card); }, Qt::QueuedConnection);
    });
}

QSize Frm_Strategy_Card::sizeHint() const {
    const int line = fontMetrics().height();
    return QDialog::sizeHint().expandedTo(QSize(line * 62, line * 44));
}

void Frm_Strategy_Card::show_card(std::shared_ptr<const strategy::StrategyCard> card) {
    card_ = std::move(card);
    const auto& c = *card_;
    summary_->setText(QString("Following the card returns %1; perfect play returns %2: the card costs %3.  "
                              "Where a line lists several holds, the first the hand contains is kept.")
                          .arg(percent(c.card), percent(c.perfect), percent(c.cost())));
    lines_->setRowCount(static_cast<int>(c.lines.size()));
    for (size_t i = 0; i < c.lines.size(); ++i) {
        const auto& line = c.lines[i];
        const int r = static_cast<int>(i);
        auto item = [&](int column, const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
            auto* cell = new QTableWidgetItem(text);
            cell->setTextAlignment(align);
            lines_->setItem(r, column, cell);
        };
        item(0, QString::number(r + 1), Qt::AlignRight | Qt::AlignVCenter);
        item(1, QString::fromStdString(line.name));
        item(2, QString::fromStdString(strategy::example_text(line)));
        item(3, QString::number(line.share * 100, 'f', 2) + "%", Qt::AlignRight | Qt::AlignVCenter);
        item(4, line.loss < 5e-7 ? QString() : percent(line.loss), Qt::AlignRight | Qt::AlignVCenter);
        lines_->item(r, 1)->setToolTip(QString::fromStdString(line.name));
    }
    lines_->resizeColumnToContents(0);
    lines_->resizeColumnToContents(2);
    lines_->resizeColumnToContents(3);
    lines_->resizeColumnToContents(4);
    for (int i : strategy::costliest_lines(c, 3))
        for (int col = 0; col < 5; ++col) lines_->item(i, col)->setBackground(QColor(255, 236, 200));
    for (auto* b : {save_text_, save_pdf_, print_}) b->setEnabled(true);
}

bool Frm_Strategy_Card::save_to(const QString& path) const {
    if (!card_) return false;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        print_card(*card_, printer);
        return QFileInfo(path).size() > 0;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray::fromStdString(strategy::card_text(*card_)));
    return file.commit();
}

void Frm_Strategy_Card::save(bool pdf) {
    const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                              .filePath(QString::fromStdString(model_.file_stem()) + (pdf ? ".pdf" : ".txt"));
    QString path = QFileDialog::getSaveFileName(this, pdf ? "Save the Card as PDF" : "Save the Card as Text", start,
                                                pdf ? "PDF files (*.pdf)" : "Text files (*.txt);;All files (*)");
    if (path.isEmpty()) return;
    if (pdf && !path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    if (!save_to(path))
        QMessageBox::warning(this, "Strategy Card", "The card could not be saved to " + path +
                                                        ".  The folder may be write-protected, or the disk full.");
}

void Frm_Strategy_Card::print() {
    if (!card_) return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print_card(*card_, printer);
}

}  // namespace dw::shell
