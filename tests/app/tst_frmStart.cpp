// The main window: its menu tree, the close rule and its exceptions, links,
// and windows that come back fresh or as they were.
#include "fenster.h"
#include "fenstertest.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

namespace {

// The windows the close rule closes, in its order.
const QStringList schliessliste = {
    "frmIndex",          "frmAutor",        "frmgewährleistung", "frmUpdate",   "frmVersion",
    "frmSchlamm",        "frmSchlammA",     "frmSchlammB",       "frmSchlammC", "frmSchlammD",
    "frmSchlammEindick", "frmSchlammStart", "frmEuro",           "frmEW",       "frmgroseKA",
    "frmgroseKAInfo1",   "frmgroseKAInfo2", "frmGroseKAInfo5",   "frmNagel",    "frmEnergiePW",
    "frmEnergiePWInfo",  "frmThomsen",      "frmKreis",          "frmJKKKA",    "frmRegenspende",
    "frmPyramidenstumpf"};

// Windows that every menu command leaves open.
const QStringList bleiben = {"frmhyAusfluss",       "frmBodendruck",        "frmGefaelle_gegeben",
                             "frmGefaelle_gesucht", "frm_natürl_bel_Teich", "frmCs",
                             "frmNutzungsrechte",   "frmGroseKAInfo3",      "frmIndexInfo"};

// Records the order in which windows are hidden.
class Versteckt : public QObject {
public:
    QStringList namen;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            namen << o->objectName();
        return QObject::eventFilter(o, e);
    }
};

// Windows not built yet stand in as plain windows, so the rule can be seen.
void sorgeFuer(const QString& name)
{
    static QList<QByteArray> namen;
    if (fenster::bekannt(name))
        return;
    namen << name.toUtf8();
    fenster::registriere(namen.last().constData(), [] { return new QWidget; });
}

QWidget* oeffne(const QString& name)
{
    sorgeFuer(name);
    QWidget* w = fenster::zeige(name);
    w->setObjectName(name);
    return w;
}

} // namespace

class TestStart : public Fenstertest {
    Q_OBJECT

    QPointer<QMainWindow> haupt;

    void waehle(const char* name)
    {
        auto* a = haupt->findChild<QAction*>(QString::fromUtf8(name));
        QVERIFY2(a, name);
        a->trigger();
    }

    static bool istOffen(const QString& name)
    {
        QWidget* w = fenster::offen(name);
        return w && w->isVisible();
    }

    // The menu as "level|caption|name" rows, in display order.
    static void sammle(const QList<QAction*>& aktionen, int ebene, QStringList& zeilen)
    {
        for (QAction* a : aktionen) {
            QMenu* m = a->menu();
            zeilen << QStringLiteral("%1|%2|%3").arg(ebene).arg(a->text(), m ? m->objectName() : a->objectName());
            if (m)
                sammle(m->actions(), ebene + 1, zeilen);
        }
    }

    void vorbereiten() override
    {
        haupt = neuesHauptfenster();
        haupt->show();
    }

private slots:
    void hauptfenster()
    {
        QCOMPARE(haupt->windowTitle(), QStringLiteral("Dorvent - Lurmisch"));
        // Nothing but the menu strip.
        QVERIFY(haupt->height() <= haupt->menuBar()->height() + 2);
        QStringList zeilen;
        sammle(haupt->menuBar()->actions(), 1, zeilen);
        const QStringList erwartet = {"1|Abwasserbehandlung|Abwasserbehandlung",
                                      "2|Einwohnergleichwert|Einwohnergleichwert",
                                      "2|Teiche|Teiche",
                                      "3|natürlich belüftet|natürlichTeiche",
                                      "3|Konstruktion|KOnstruktion",
                                      "1|Technik|Technik",
                                      "2|Hydraulik|kanhy",
                                      "3|Gefälle gegeben|Gefällegegeben",
                                      "3|Gefälle gesucht|Gefällegesucht",
                                      "3|Thomsen|Thomsen",
                                      "3|Ausfluss|Bodenausfluss",
                                      "3|Bodendruckkraft|Bodendruck",
                                      "2|Regen und Regenabfluß|Regen",
                                      "2|Sauerstoffsättigung|Sauerstoffsättigung",
                                      "2|Abwasserlast|Abwasserlast",
                                      "2|Schlammengen nach eigenen Daten|Schlamm1",
                                      "2|Schlammengen nach Imhoff|Schlamm2",
                                      "2|Schlammentwässerung|Entwässerung",
                                      "2|Kupplungsleistung Pumpen|LeistungPumpen",
                                      "1|Kosten|Kosten",
                                      "2|Preisbasis 2003|Hochrechnung_2003",
                                      "2|Zu grosse KA?|Überbemessung",
                                      "2|Energiekosten Pumpen|EnergiekostenPumpen",
                                      "2|Kleinkläranlagen|KKA",
                                      "1|Sonstiges|Sonstiges",
                                      "2|Kreis + Zylinder|Kreis",
                                      "2|Pyramidenstumpf|Pyramidenstumpf",
                                      "2|Miezekatze|Katze",
                                      "2|Humor - Internet|Humor",
                                      "1|Umsatzsteuer|Umsatzsteuer",
                                      "1|Problemlösung|Problemlösung",
                                      "1|Internetverbindungen|internet",
                                      "2|Homepage des Instituts|Homepage",
                                      "2|Newsletter bestellen|Newsletter",
                                      "2|Programme download|download",
                                      "2|e-Mail an das  Institut|e_mail",
                                      "2|Abwasserkosten 2003|Abwasserkosten",
                                      "1|Rechte|Rechte",
                                      "2|Nutzungsfreigabe|Nutzungsrechte",
                                      "2|Gewährleistung|Gewährleistung",
                                      "2|Urheberrechte|Urheberrechte",
                                      "1|Update|Updatemnu",
                                      "1|Version|Version"};
        QCOMPARE(zeilen, erwartet);
        for (QAction* a : haupt->findChildren<QAction*>()) {
            QVERIFY(a->shortcut().isEmpty());
            QVERIFY(!a->isCheckable());
            QVERIFY(a->isEnabled());
        }
    }

    // Each window item: close rule, then its window.
    void fensterpunkte_data()
    {
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<QString>("fenster");
        const QList<QPair<const char*, const char*>> punkte = {{"Einwohnergleichwert", "frmEW"},
                                                               {"natürlichTeiche", "frm_natürl_bel_Teich"},
                                                               {"KOnstruktion", "frmPyramidenstumpf"},
                                                               {"Gefällegegeben", "frmGefaelle_gegeben"},
                                                               {"Gefällegesucht", "frmGefaelle_gesucht"},
                                                               {"Thomsen", "frmThomsen"},
                                                               {"Bodenausfluss", "frmhyAusfluss"},
                                                               {"Bodendruck", "frmBodendruck"},
                                                               {"Regen", "frmRegenspende"},
                                                               {"Sauerstoffsättigung", "frmCs"},
                                                               {"Abwasserlast", "frmEW"},
                                                               {"Schlamm1", "frmSchlamm"},
                                                               {"Entwässerung", "frmSchlammEindick"},
                                                               {"LeistungPumpen", "frmEnergiePW"},
                                                               {"Hochrechnung_2003", "frmIndex"},
                                                               {"Überbemessung", "frmgroseKA"},
                                                               {"EnergiekostenPumpen", "frmEnergiePW"},
                                                               {"KKA", "frmJKKKA"},
                                                               {"Kreis", "frmKreis"},
                                                               {"Pyramidenstumpf", "frmPyramidenstumpf"},
                                                               {"Katze", "frmAutor"},
                                                               {"Umsatzsteuer", "frmEuro"},
                                                               {"Problemlösung", "frmNagel"},
                                                               {"Nutzungsrechte", "frmNutzungsrechte"},
                                                               {"Gewährleistung", "frmgewährleistung"},
                                                               {"Updatemnu", "frmUpdate"},
                                                               {"Version", "frmVersion"}};
        for (const auto& [p, f] : punkte)
            QTest::newRow(p) << QString::fromUtf8(p) << QString::fromUtf8(f);
    }
    void fensterpunkte()
    {
        QFETCH(QString, punkt);
        QFETCH(QString, fenster);
        sorgeFuer(fenster);
        QWidget* liste = oeffne("frmIndex");
        QWidget* bleibt = oeffne("frmBodendruck");
        waehle(punkt.toUtf8().constData());
        QVERIFY(istOffen(fenster));
        QCOMPARE(QApplication::activeWindow() ? QApplication::activeWindow() : fenster::offen(fenster),
                 fenster::offen(fenster));
        if (fenster != "frmIndex")
            QVERIFY(!liste->isVisible());
        QVERIFY(bleibt->isVisible());
        QCOMPARE(umgebung->links.links, QStringList());
        QCOMPARE(umgebung->meldungen.boxen.size(), 0);
    }

    // The 26 windows close one after the other in the rule's order; the
    // others stay.
    void schliessreihenfolge()
    {
        Versteckt versteckt;
        for (const QString& n : schliessliste + bleiben)
            oeffne(n)->installEventFilter(&versteckt);
        waehle("Version");
        QCOMPARE(versteckt.namen, schliessliste);
        for (const QString& n : bleiben)
            QVERIFY2(istOffen(n), qPrintable(n));
        QVERIFY(istOffen("frmVersion"));
    }

    // Every link item runs the close rule and hands its fixed text over,
    // even though nothing could open it.
    void links_data()
    {
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<QString>("link");
        QTest::newRow("Humor") << "Humor"
                               << "https://www.humor.example/";
        QTest::newRow("Homepage") << "Homepage"
                                  << "https://www.dorvent.example/";
        QTest::newRow("Newsletter") << "Newsletter"
                                    << "https://www.dorvent.example/newsletter/";
        QTest::newRow("download") << "download"
                                  << "https://www.dorvent.example/download/";
        QTest::newRow("e_mail") << "e_mail"
                                << "mailto: institut@dorvent.example";
        QTest::newRow("Abwasserkosten") << "Abwasserkosten"
                                        << "https://www.dorvent.example/abwasserkosten-2003/";
        QTest::newRow("Urheberrechte") << "Urheberrechte"
                                       << "https://www.dorvent.example/";
    }
    void links()
    {
        QFETCH(QString, punkt);
        QFETCH(QString, link);
        QWidget* liste = oeffne("frmEuro");
        QWidget* bleibt = oeffne("frmGefaelle_gegeben");
        waehle(punkt.toUtf8().constData());
        QCOMPARE(umgebung->links.links, QStringList{link});
        QVERIFY(!liste->isVisible());
        QVERIFY(bleibt->isVisible());
        QCOMPARE(umgebung->meldungen.boxen.size(), 0);
    }

    // "Schlammengen nach Imhoff" closes only the sludge quantity window.
    void schlammNachImhoff()
    {
        QWidget* schlamm = oeffne("frmSchlamm");
        QWidget* euro = oeffne("frmEuro");
        QWidget* seite = oeffne("frmSchlammA");
        sorgeFuer("frmSchlammStart");
        waehle("Schlamm2");
        QVERIFY(!schlamm->isVisible());
        QVERIFY(!fenster::offen("frmSchlamm"));
        QVERIFY(euro->isVisible());
        QVERIFY(seite->isVisible());
        QVERIFY(istOffen("frmSchlammStart"));
    }

    // Merely opening the "Teiche" submenu runs the close rule.
    void teicheOeffnen()
    {
        QWidget* kreis = oeffne("frmKreis");
        QWidget* cs = oeffne("frmCs");
        auto* teiche = haupt->findChild<QMenu*>(QStringLiteral("Teiche"));
        QVERIFY(teiche);
        teiche->popup(QPoint(0, 0));
        teiche->close();
        QVERIFY(!kreis->isVisible());
        QVERIFY(cs->isVisible());
    }

    // A window on the close list comes back fresh; one that is not keeps
    // what was typed; one closed by its own close box comes back fresh.
    void frischOderWieVorher()
    {
        QPointer<QWidget> kreis = oeffne("frmKreis");
        waehle("Kreis");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(kreis.isNull());
        QVERIFY(istOffen("frmKreis"));

        waehle("Gefällegegeben");
        QWidget* rohr = fenster::offen("frmGefaelle_gegeben");
        auto* dn = kind<QLineEdit>(rohr, "txtDN");
        ersetze(dn, QStringLiteral("200"));
        waehle("Version");
        waehle("Gefällegegeben");
        QCOMPARE(fenster::offen("frmGefaelle_gegeben"), rohr);
        QCOMPARE(dn->text(), QStringLiteral("200"));

        rohr->close();
        waehle("Gefällegegeben"); // before the closed one is deleted
        QWidget* neu = fenster::offen("frmGefaelle_gegeben");
        QVERIFY(neu != rohr);
        QCOMPARE(kind<QLineEdit>(neu, "txtDN")->text(), QStringLiteral("0"));
    }

    // A menu item chosen with Enter: the key is let go over the new window's
    // first box, which must not take that as a key release of its own.
    void enterImMenue()
    {
        auto* technik = haupt->findChild<QMenu*>(QStringLiteral("Technik"));
        auto* punkt = haupt->findChild<QAction*>(QStringLiteral("Sauerstoffsättigung"));
        technik->popup(QPoint(0, 0));
        technik->setActiveAction(punkt);
        QTest::keyPress(technik, Qt::Key_Return);
        QWidget* cs = fenster::offen(QStringLiteral("frmCs"));
        QVERIFY(cs);
        QTest::keyRelease(kind<QLineEdit>(cs, "txtTemp"), Qt::Key_Return);
        QCOMPARE(umgebung->meldungen.boxen.size(), 0);
        // The user's own keys count again.
        QTest::keyClick(kind<QLineEdit>(cs, "txtTemp"), Qt::Key_Backspace);
        QCOMPARE(umgebung->meldungen.boxen.size(), 1);
    }

    // Closing the main window leaves the calculators open.
    void hauptfensterSchliessen()
    {
        QApplication::setQuitOnLastWindowClosed(true);
        waehle("Gefällegegeben");
        haupt->close();
        QVERIFY(istOffen("frmGefaelle_gegeben"));
    }
};

QTEST_MAIN(TestStart)
#include "tst_frmStart.moc"
