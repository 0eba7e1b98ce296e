#pragma once
#include <QDialog>

#include "help/help_file.h"

class QListWidget;
class QPlainTextEdit;

namespace dw::shell {

// "Help!": the topic list and the read-only text of the selected topic.
class Help_Dialog : public QDialog {
    Q_OBJECT
public:
    Help_Dialog(HelpModel& model, QWidget* parent);
    QListWidget* Help_List;
    QPlainTextEdit* Help_Text;

private:
    HelpModel& model_;
    void show_text();
};

// "Keyboard Equivalents": the single-key commands.
class Frm_Keyboard : public QDialog {
    Q_OBJECT
public:
    Frm_Keyboard(const std::string& text, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* e) override;
};

}  // namespace dw::shell
