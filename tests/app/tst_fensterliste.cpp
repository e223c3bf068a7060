// The window table against the menu: every menu item opens a registered
// window or hands over a link, and every window of the close list and of the
// command line is registered, unless it is one of the few not built yet.
#include "fenster.h"
#include "frmStart.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

namespace {

// Windows not built yet, with the menu item that will open each. Every
// window is built: the list stays empty.
const QList<QPair<QString, QString>> nochNichtGebaut = {};

QStringList nochNichtGebauteFenster()
{
    QStringList namen;
    for (const auto& [punkt, name] : nochNichtGebaut)
        namen << name;
    return namen;
}

void blaetter(const QList<QAction*>& aktionen, QList<QAction*>& ziel)
{
    for (QAction* a : aktionen) {
        if (a->menu())
            blaetter(a->menu()->actions(), ziel);
        else if (!a->isSeparator())
            ziel << a;
    }
}

} // namespace

class TestFensterliste : public QObject {
    Q_OBJECT

private slots:
    void menuepunkte()
    {
        Testumgebung umgebung;
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->show();
        QList<QAction*> punkte;
        blaetter(haupt->menuBar()->actions(), punkte);
        QVERIFY(punkte.size() > 30);
        for (QAction* a : punkte) {
            const QString punkt = a->objectName();
            const int links = int(umgebung.links.links.size());
            a->trigger();
            QWidget* neu = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != haupt && w->isVisible() && !w->inherits("QMenu"))
                    neu = w;
            const bool link = umgebung.links.links.size() > links;
            bool ausstehend = false;
            for (const auto& [p, name] : nochNichtGebaut)
                ausstehend = ausstehend || p == punkt;
            if (ausstehend) {
                QVERIFY2(!neu && !link, qPrintable(punkt + " ist gebaut: aus der Liste nehmen"));
                continue;
            }
            QVERIFY2(neu || link, qPrintable(punkt + " öffnet nichts"));
            if (neu)
                QVERIFY2(fenster::bekannt(neu->objectName()), qPrintable(neu->objectName()));
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != haupt)
                    w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        delete haupt.data();
        alleSchliessen();
        QCOMPARE(umgebung.unerwartet, QString());
    }

    void schliesslisteUndKommandozeile()
    {
        Testumgebung umgebung;
        QMainWindow* haupt = neuesHauptfenster(); // registers the table
        delete haupt;
        const QStringList ausstehend = nochNichtGebauteFenster();
        for (const QString& name : frmStart::Schliessliste)
            QVERIFY2(fenster::bekannt(name) != ausstehend.contains(name), qPrintable(name));
        for (const QString& name : ausstehend)
            QVERIFY2(!fenster::bekannt(name), qPrintable(name + " ist gebaut: aus der Liste nehmen"));
        // Every registered window opens by its name and carries it, also the
        // ones that no menu item opens.
        const QStringList namen = fenster::namen();
        QVERIFY(namen.contains(QStringLiteral("frmSchlammA")) && namen.contains(QStringLiteral("frmGroseKAInfo3")));
        for (const QString& name : namen) {
            QWidget* w = fenster::zeige(name);
            QVERIFY2(w && w->objectName() == name && w->isWindow(), qPrintable(name));
            QVERIFY2(fenster::offen(name) == w, qPrintable(name));
            fenster::schliesse(name);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        alleSchliessen();
        QCOMPARE(umgebung.unerwartet, QString());
    }
};

QTEST_MAIN(TestFensterliste)
#include "tst_fensterliste.moc"
