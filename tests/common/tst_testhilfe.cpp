// The test support fails a test by itself: on a modal window nobody expected,
// and on a control that does not exist, without ending the test program.
#include "testhilfe.h"

#include <QMessageBox>
#include <QTest>

class TestTesthilfe : public QObject {
    Q_OBJECT

private slots:
    // Were the support not to fail, the check after each expected failure would pass.
    void schlaegtVonSelbstFehl()
    {
        Testumgebung umgebung;
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Echt"), QStringLiteral("nicht aufgenommen"));
        QEXPECT_FAIL("", "the watchdog fails the running test", Continue);
        box.exec(); // closed by the watchdog
        QCOMPARE(umgebung.unerwartet, QStringLiteral("Echt"));
        QEXPECT_FAIL("", "a missing control fails the test, which goes on with a stand-in", Continue);
        QCOMPARE(kind<QWidget>(&box, "gibtEsNicht")->parent(), &box);
    }
};

QTEST_MAIN(TestTesthilfe)
#include "tst_testhilfe.moc"
