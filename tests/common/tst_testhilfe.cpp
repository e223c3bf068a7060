// The test support fails a test by itself: on a modal window nobody expected,
// and on a control that does not exist, without ending the test program.
#include "testhilfe.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

class TestTesthilfe : public QObject {
    Q_OBJECT

private slots:
    void unerwartetesModalesFenster()
    {
        Testumgebung umgebung;
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Echt"), QStringLiteral("nicht aufgenommen"));
        QEXPECT_FAIL("", "the watchdog fails the running test", Continue);
        box.exec(); // closed by the watchdog
        QCOMPARE(umgebung.unerwartet, QStringLiteral("Echt"));
    }

    void fehlendesSteuerelement()
    {
        Testumgebung umgebung;
        QWidget w;
        QEXPECT_FAIL("", "a missing control fails only this test", Continue);
        QLabel* l = kind<QLabel>(&w, "gibtEsNicht");
        l->setText(QStringLiteral("x")); // a stand-in: the test goes on
        QCOMPARE(l->parent(), &w);
    }
};

QTEST_MAIN(TestTesthilfe)
#include "tst_testhilfe.moc"
