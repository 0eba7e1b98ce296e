#include <QtTest>

#include "frm_main.h"

class FrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsTitle() {
        dw::shell::Frm_Main window;
        window.show();
        QCOMPARE(window.windowTitle(), QString("Dazzlewick 3.0"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
