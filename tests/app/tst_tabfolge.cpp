// Opens every window of the table by its name, as many as there are when the
// test runs, and tabs through it: the focus goes round and comes back to where
// it started, and no box keeps it. What the boxes answer on the way is recorded.
#include "fenster.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

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
        QVERIFY(w && w->objectName() == fenstername && QTest::qWaitForWindowActive(w));
        const auto erreichbar = [w] { // the controls Tab can reach now; a key release may reveal more
            int n = 0;
            for (QWidget* k : w->findChildren<QWidget*>())
                n += k->isVisibleTo(w) && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus);
            return n;
        };
        QWidget *const start = QApplication::focusWidget(), *jetzt = start;
        // Pressed where the focus is, released where it went; once round at most.
        for (qsizetype schritt = 0, alle = w->findChildren<QWidget*>().size();
             jetzt && schritt < alle && (schritt == 0 || jetzt != start); ++schritt) {
            QTest::keyPress(jetzt, Qt::Key_Tab);
            QWidget* neu = QApplication::focusWidget();
            QVERIFY2(neu && w->isAncestorOf(neu) && (neu != jetzt || erreichbar() == 1),
                     qPrintable(jetzt->objectName() + " -> " + (neu ? neu->objectName() : "niemand")));
            QTest::keyRelease(neu, Qt::Key_Tab);
            jetzt = QApplication::focusWidget();
        }
        QVERIFY2(jetzt == start && (start || erreichbar() == 0), "der Fokus kommt nicht zurück");
        alleSchliessen();
    }
};

QTEST_MAIN(TestTabfolge)
#include "tst_tabfolge.moc"
