#include <QApplication>
#include <QScreen>

#include "frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Dazzlewick");
    dw::shell::Frm_Main window;
    window.adjustSize();
    // Centred across; down the screen, a little below the middle on a tall screen and a fifth of
    // the free height on a short one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window.frameSize();
        const int free_height = area.height() - size.height();
        const int top = area.height() * 15 > 8000 ? free_height / 2 + 3 : free_height / 5;
        window.move(area.left() + (area.width() - size.width()) / 2, area.top() + std::max(0, top));
    }
    window.show();
    return app.exec();
}
