// Tab through every window of the table, as many as there are when the test
// runs: the focus goes round the window and comes back to where it started,
// and no box keeps it for itself. What the boxes answer on the way (an empty
// box is an input error) is recorded like every message.
#include "fenster.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

namespace {

// The controls that Tab can reach: shown, enabled, taking the focus by Tab.
int erreichbare(QWidget* fenster)
{
    int n = 0;
    for (QWidget* k : fenster->findChildren<QWidget*>())
        n += k->isVisibleTo(fenster) && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus) ? 1 : 0;
    return n;
}

QString name(const QWidget* w)
{
    return w ? w->objectName() + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className()) + u')'
             : QStringLiteral("niemand");
}

} // namespace

class TestTabfolge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        delete neuesHauptfenster(); // registers the window table
        QVERIFY(!fenster::namen().isEmpty());
    }

    void rundum_data()
    {
        QTest::addColumn<QString>("fenstername");
        for (const QString& n : fenster::namen())
            QTest::newRow(qPrintable(n)) << n;
    }
    void rundum()
    {
        QFETCH(QString, fenstername);
        Testumgebung umgebung;
        QWidget* w = fenster::zeige(fenstername);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* const start = QApplication::focusWidget();
        const int ziele = erreichbare(w);
        if (!start) {
            QCOMPARE(ziele, 0);
        } else {
            // Pressed where the focus is, released where it went, as a user
            // types it.
            QWidget* jetzt = start;
            for (int schritt = 0; schritt <= ziele; ++schritt) {
                QTest::keyPress(jetzt, Qt::Key_Tab);
                QWidget* neu = QApplication::focusWidget();
                QVERIFY2(neu && (neu == w || w->isAncestorOf(neu)), qPrintable(name(jetzt) + " -> " + name(neu)));
                QVERIFY2(neu != jetzt || ziele == 1, qPrintable(name(jetzt) + " behält den Fokus"));
                QTest::keyRelease(neu, Qt::Key_Tab);
                jetzt = QApplication::focusWidget();
                if (jetzt == start)
                    break;
            }
            QVERIFY2(jetzt == start, qPrintable(name(jetzt) + " statt " + name(start)));
        }
        alleSchliessen();
        QCOMPARE(umgebung.unerwartet, QString());
    }
};

QTEST_MAIN(TestTabfolge)
#include "tst_tabfolge.moc"
