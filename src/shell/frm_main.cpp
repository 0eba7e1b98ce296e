#include "frm_main.h"

namespace dw::shell {

Frm_Main::Frm_Main(QWidget* parent) : QMainWindow(parent) { setWindowTitle("Dazzlewick 3.0"); }

}  // namespace dw::shell
