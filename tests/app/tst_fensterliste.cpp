// The window table against the menu: every menu item opens a registered
// window or hands over a link; every window of the program is registered,
// whichever part of the table names it (the Tab walk and the command line
// open each by its name).
#include "fenster.h"
#include "fensterliste.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
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
        for (const fenster::Eintrag& e : fensterliste::schliessliste())
            QVERIFY2(fenster::bekannt(QString::fromUtf8(e.name)), e.name);
        delete haupt;
        alleSchliessen();
    }

    // The menu, the close list and the other windows register 37 windows
    // between them, the ones that no menu item opens among them.
    void alleFensterBekannt()
    {
        delete neuesHauptfenster();
        const QStringList alle = {"frmAutor",
                                  "frmBSB",
                                  "frmBodendruck",
                                  "frmCs",
                                  "frmEW",
                                  "frmEnergiePW",
                                  "frmEnergiePWInfo",
                                  "frmEuro",
                                  "frmGefaelle_gegeben",
                                  "frmGefaelle_gesucht",
                                  "frmGroseKAInfo3",
                                  "frmGroseKAInfo5",
                                  "frmIndex",
                                  "frmIndexInfo",
                                  "frmJKKKA",
                                  "frmKreis",
                                  "frmNagel",
                                  "frmNutzungsrechte",
                                  "frmPyramidenstumpf",
                                  "frmRegenspende",
                                  "frmSchlamm",
                                  "frmSchlammA",
                                  "frmSchlammB",
                                  "frmSchlammC",
                                  "frmSchlammD",
                                  "frmSchlammEindick",
                                  "frmSchlammStart",
                                  "frmThomsen",
                                  "frmUpdate",
                                  "frmVersion",
                                  "frmWinkel",
                                  "frm_natürl_bel_Teich",
                                  "frmgewährleistung",
                                  "frmgroseKA",
                                  "frmgroseKAInfo1",
                                  "frmgroseKAInfo2",
                                  "frmhyAusfluss"};
        QCOMPARE(fenster::namen(), alle);
    }
};

QTEST_MAIN(TestFensterliste)
#include "tst_fensterliste.moc"
