#pragma once
#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <string>

namespace dw::shell {

// A digits-only box that asks its model about every key and every change.
class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    std::function<bool(char)> key_filter;
    bool select_all_on_focus = false;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
};

// Keeps a box and its model's text the same after every edit. The model answers
// Key_Press(char), Text_Changed(text) and Lost_Focus() and keeps its `text`.
template <typename Model>
void bind_box(DigitBox* box, Model& model, QObject* owner, int max_length = 5) {
    box->setMaxLength(max_length);
    box->setText(QString::fromStdString(model.text));
    box->key_filter = [&model](char c) { return model.Key_Press(c); };
    QObject::connect(box, &QLineEdit::textEdited, owner, [box, &model](const QString& text) {
        model.Text_Changed(text.toStdString());
        if (box->text() != QString::fromStdString(model.text)) box->setText(QString::fromStdString(model.text));
    });
    QObject::connect(box, &QLineEdit::editingFinished, owner, [box, &model] {
        model.Lost_Focus();
        box->setText(QString::fromStdString(model.text));
    });
}

}  // namespace dw::shell
