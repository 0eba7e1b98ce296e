#include "forms/help_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "control_binder.h"

namespace dw::shell {

Help_Dialog::Help_Dialog(HelpModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("Help_Dialog");
    setWindowTitle("Help!");
    resize(720, 520);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel("Help Info");
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    heading->setFont(f);
    layout->addWidget(heading);
    auto* intro = new QLabel(
        "To view help, select a topic from the list by clicking on it. Then choose the \"View Topic!\" button.  Or, "
        "double-click a topic in the list.  Exit Help! closes the help dialog box.");
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* row = new QHBoxLayout;
    Help_List = new QListWidget;
    Help_List->setObjectName("Help_List");
    for (const auto& title : model.Help_List) Help_List->addItem(QString::fromStdString(title));
    // As wide as the longest topic, so no title is cut.
    Help_List->setFixedWidth(Help_List->sizeHintForColumn(0) + 2 * Help_List->frameWidth() +
                             Help_List->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    Help_List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (model.selected >= 0) Help_List->setCurrentRow(model.selected);
    Help_Text = new QPlainTextEdit;
    Help_Text->setObjectName("Help_Text");
    Help_Text->setReadOnly(true);  // typing changes nothing; Ctrl+C still copies
    Help_Text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    row->addWidget(Help_List);
    row->addWidget(Help_Text, 1);
    layout->addLayout(row, 1);
    auto* buttons = new QHBoxLayout;
    auto* view = new QPushButton("&View Topic!");
    view->setObjectName("View_Button");
    auto* exit = new QPushButton("&Exit Help!");
    exit->setObjectName("Exit_Button");
    buttons->addStretch();
    buttons->addWidget(view);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(Help_List, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    connect(Help_List, &QListWidget::itemDoubleClicked, this, [this] {
        model_.View_Button_Click();
        show_text();
    });
    connect(view, &QPushButton::clicked, this, [this] {
        model_.View_Button_Click();
        show_text();
    });
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.Exit_Button_Click();
        accept();
    });
    show_text();
}

void Help_Dialog::show_text() { Help_Text->setPlainText(shown_text(model_.Help_Text)); }

Frm_Keyboard::Frm_Keyboard(const std::string& text, QWidget* parent) : QDialog(parent) {
    setObjectName("Frm_Keyboard");
    setWindowTitle("Keyboard Equivalents");
    auto* layout = new QVBoxLayout(this);
    auto* info = new QLabel(shown_text(text));
    info->setTextFormat(Qt::PlainText);  // the help file's text, never markup
    info->setObjectName("Lbl_Info");
    info->setStyleSheet("font-family: monospace;");
    layout->addWidget(info);
    auto* ok = new QPushButton("&Ok!");
    ok->setObjectName("Btn_Ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void Frm_Keyboard::closeEvent(QCloseEvent* e) {
    // The close box only hides the window, as "&Ok!" does.
    e->ignore();
    accept();
}

}  // namespace dw::shell
