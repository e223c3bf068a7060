// Tab through every window of the table, as many as there are when the test
// runs: the focus goes round and comes back to where it started, and no box
// keeps it. What the boxes answer on the way is recorded like every message.
#include "fenster.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

namespace {
QString name(const QWidget* w)
{
    return w ? w->objectName() : QStringLiteral("niemand");
}
} // namespace

class TestTabfolge : public QObject {
    Q_OBJECT

private slots:
    void rundum_data()
    {
        delete neuesHauptfenster(); // registers the window table
        QTest::addColumn<QString>("fenstername");
        for (const QString& n : fenster::namen())
            QTest::newRow(qPrintable(n)) << n;
    }
    void rundum()
    {
        QFETCH(QString, fenstername);
        Testumgebung umgebung;
        QWidget* w = fenster::zeige(fenstername);
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        // The controls Tab can reach; a key release may reveal more of them.
        const auto erreichbar = [w] {
            int n = 0;
            for (QWidget* k : w->findChildren<QWidget*>())
                n += k->isVisibleTo(w) && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus);
            return n;
        };
        int ziele = erreichbar();
        QWidget* const start = QApplication::focusWidget();
        QWidget* jetzt = start;
        // Pressed where the focus is, released where it went, as typed.
        for (int schritt = 0; jetzt && schritt < ziele && (schritt == 0 || jetzt != start); ++schritt) {
            ziele = erreichbar();
            QTest::keyPress(jetzt, Qt::Key_Tab);
            QWidget* neu = QApplication::focusWidget();
            QVERIFY2(neu && w->isAncestorOf(neu), qPrintable(name(jetzt) + " -> " + name(neu)));
            QVERIFY2(neu != jetzt || ziele == 1, qPrintable(name(jetzt) + " behält den Fokus"));
            QTest::keyRelease(neu, Qt::Key_Tab);
            jetzt = QApplication::focusWidget();
        }
        QVERIFY2(jetzt == start && (start || ziele == 0), qPrintable(name(jetzt) + " statt " + name(start)));
        alleSchliessen();
        QCOMPARE(umgebung.unerwartet, QString());
    }
};

QTEST_MAIN(TestTabfolge)
#include "tst_tabfolge.moc"
