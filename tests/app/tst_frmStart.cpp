// The main window: its menu tree, the close rule and its exceptions, links,
// and windows that come back fresh or as they were.
#include "ablauf.h"
#include "fenstertest.h"
#include "frmStart.h"
#include "hauptfenster.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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

} // namespace

class TestStart : public Fenstertest {
    Q_OBJECT

    QMainWindow* haupt = nullptr;

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

    // The row runner takes this main window as the fresh one of its row.
    void vorbereiten() override { haupt = fenster::zeige<frmStart>(); }

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

    // Each window item: the close rule, then its window in front; no link.
    void fensterpunkte_data()
    {
        spalten();
        const auto punkt = [](const QString& pfad, const QString& f) {
            reihe(qPrintable(pfad), "#zeige=frmIndex;#zeige=frmBodendruck;#menü=" + pfad,
                  offen({"frmStart", "frmBodendruck", f}) + ";#aktiv=" + f + ";#link=");
        };
        punkt("Abwasserbehandlung>Einwohnergleichwert", "frmEW");
        punkt("Abwasserbehandlung>Teiche>natürlich belüftet", "frm_natürl_bel_Teich");
        punkt("Abwasserbehandlung>Teiche>Konstruktion", "frmPyramidenstumpf");
        punkt("Technik>Hydraulik>Gefälle gegeben", "frmGefaelle_gegeben");
        punkt("Technik>Hydraulik>Gefälle gesucht", "frmGefaelle_gesucht");
        punkt("Technik>Hydraulik>Thomsen", "frmThomsen");
        punkt("Technik>Hydraulik>Ausfluss", "frmhyAusfluss");
        punkt("Technik>Hydraulik>Bodendruckkraft", "frmBodendruck");
        punkt("Technik>Regen und Regenabfluß", "frmRegenspende");
        punkt("Technik>Sauerstoffsättigung", "frmCs");
        punkt("Technik>Abwasserlast", "frmEW");
        punkt("Technik>Schlammengen nach eigenen Daten", "frmSchlamm");
        punkt("Technik>Schlammentwässerung", "frmSchlammEindick");
        punkt("Technik>Kupplungsleistung Pumpen", "frmEnergiePW");
        punkt("Kosten>Preisbasis 2003", "frmIndex");
        punkt("Kosten>Zu grosse KA?", "frmgroseKA");
        punkt("Kosten>Energiekosten Pumpen", "frmEnergiePW");
        punkt("Kosten>Kleinkläranlagen", "frmJKKKA");
        punkt("Sonstiges>Kreis + Zylinder", "frmKreis");
        punkt("Sonstiges>Pyramidenstumpf", "frmPyramidenstumpf");
        punkt("Sonstiges>Miezekatze", "frmAutor");
        punkt("Umsatzsteuer", "frmEuro");
        punkt("Problemlösung", "frmNagel");
        punkt("Rechte>Nutzungsfreigabe", "frmNutzungsrechte");
        punkt("Rechte>Gewährleistung", "frmgewährleistung");
        punkt("Update", "frmUpdate");
        punkt("Version", "frmVersion");
    }
    void fensterpunkte() { zeile<frmStart>(); }

    // The 26 windows close one after the other in the rule's order; the
    // others stay.
    void schliessreihenfolge()
    {
        Versteckt versteckt;
        for (const QString& n : schliessliste + bleiben)
            fenster::zeige(n)->installEventFilter(&versteckt);
        ablauf(haupt, {"#menü=Version"});
        QCOMPARE(versteckt.namen, schliessliste);
        for (const QString& n : bleiben + QStringList{"frmVersion"})
            QVERIFY2(fenster::offen(n) && fenster::offen(n)->isVisible(), qPrintable(n));
    }

    // Every link item runs the close rule and hands its fixed text over,
    // even though nothing could open it.
    void links_data()
    {
        spalten();
        const auto link = [](const QString& pfad, const QString& l) {
            reihe(qPrintable(pfad), "#zeige=frmEuro;#zeige=frmGefaelle_gegeben;#menü=" + pfad,
                  "#link=" + l + u';' + offen({"frmStart", "frmGefaelle_gegeben"}));
        };
        link("Sonstiges>Humor - Internet", "https://www.humor.example/");
        link("Internetverbindungen>Homepage des Instituts", "https://www.dorvent.example/");
        link("Internetverbindungen>Newsletter bestellen", "https://www.dorvent.example/newsletter/");
        link("Internetverbindungen>Programme download", "https://www.dorvent.example/download/");
        link("Internetverbindungen>e-Mail an das  Institut", "mailto: institut@dorvent.example");
        link("Internetverbindungen>Abwasserkosten 2003", "https://www.dorvent.example/abwasserkosten-2003/");
        link("Rechte>Urheberrechte", "https://www.dorvent.example/");
    }
    void links() { zeile<frmStart>(); }

    // "Schlammengen nach Imhoff" closes only the sludge quantity window;
    // merely opening the "Teiche" submenu runs the close rule. A window on
    // the close list comes back fresh; one that is not keeps what was typed;
    // one closed by its own close box comes back fresh. Closing the main
    // window leaves the calculators open.
    void ausnahmen_data()
    {
        spalten();
        reihe("schlamm nach imhoff",
              "#zeige=frmSchlamm;#zeige=frmEuro;#zeige=frmSchlammA;#menü=Technik>Schlammengen nach Imhoff",
              offen({"frmStart", "frmEuro", "frmSchlammA", "frmSchlammStart"}) + ";#aktiv=frmSchlammStart");
        reihe("teiche geöffnet", "#zeige=frmKreis;#zeige=frmCs;#menü=Abwasserbehandlung>Teiche",
              offen({"frmStart", "frmCs"}));
        const QString kreis = "#menü=Sonstiges>Kreis + Zylinder", rohr = "#menü=Technik>Hydraulik>Gefälle gegeben";
        reihe("kreis frisch", kreis + ";frmKreis/txtDurchmesser+5;" + kreis,
              "frmKreis/txtDurchmesser=;" + offen({"frmStart", "frmKreis"}));
        reihe("rohr wie vorher", rohr + ";frmGefaelle_gegeben/txtDN=200;#menü=Version;" + rohr,
              "frmGefaelle_gegeben/txtDN=200;" + offen({"frmStart", "frmGefaelle_gegeben"}));
        // Chosen again before the closed one is deleted.
        reihe("rohr geschlossen: frisch",
              rohr + ";frmGefaelle_gegeben/txtDN=200;#schliesse=frmGefaelle_gegeben;" + rohr,
              "frmGefaelle_gegeben/txtDN=0;" + offen({"frmStart", "frmGefaelle_gegeben"}));
        reihe("hauptfenster geschlossen", rohr + ";#schliesse=frmStart", offen({"frmGefaelle_gegeben"}));
    }
    void ausnahmen() { zeile<frmStart>(); }

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
};

QTEST_MAIN(TestStart)
#include "tst_frmStart.moc"
