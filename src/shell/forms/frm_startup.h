#pragma once
#include <QTimer>
#include <QWidget>

#include "sound_player.h"

namespace dw::shell {

// The splash window: the welcome, then after 2.4 s the start of the machine. A click anywhere on
// it asks for the goodies dialog before the main window (a beep says it was heard).
class Frm_Startup : public QWidget {
    Q_OBJECT
public:
    explicit Frm_Startup(QString asset_directory);
    bool show_goodies() const { return show_goodies_; }

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    bool event(QEvent* e) override;

private:
    QString assets_;
    QTimer timer_;
    QtSoundPlayer sound_;
    int activations_ = 0;
    bool show_goodies_ = false;
};

}  // namespace dw::shell
