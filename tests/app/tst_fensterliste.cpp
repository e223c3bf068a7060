// The window table against the menu: every menu item opens a registered
// window or hands over a link; the windows of the close list and the one that
// only a window opens are registered (the Tab walk opens each by its name).
#include "fenster.h"
#include "frmStart.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTest>

class TestFensterliste : public QObject {
    Q_OBJECT

private slots:
    void menuepunkteUndSchliessliste()
    {
        Testumgebung umgebung;
        QMainWindow* haupt = neuesHauptfenster(); // registers the table
        const QList<QAction*> punkte = haupt->findChildren<QAction*>();
        QVERIFY(punkte.size() > 30);
        for (QAction* a : punkte) {
            if (a->menu() || a->isSeparator())
                continue;
            const qsizetype links = umgebung.links.links.size();
            a->trigger();
            QString neu;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != haupt && w->isVisible() && !w->inherits("QMenu")) {
                    neu = w->objectName();
                    w->close();
                }
            QVERIFY2(neu.isEmpty() ? umgebung.links.links.size() > links : fenster::bekannt(neu),
                     qPrintable(a->objectName() + " öffnet " + (neu.isEmpty() ? "nichts" : neu)));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        for (const QString& name : frmStart::Schliessliste + QStringList{"frmGroseKAInfo3"})
            QVERIFY2(fenster::bekannt(name), qPrintable(name));
        delete haupt;
        alleSchliessen();
    }
};

QTEST_MAIN(TestFensterliste)
#include "tst_fensterliste.moc"
