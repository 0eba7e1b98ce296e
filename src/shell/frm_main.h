#pragma once
#include <QMainWindow>

namespace dw::shell {

class Frm_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Frm_Main(QWidget* parent = nullptr);
};

}  // namespace dw::shell
