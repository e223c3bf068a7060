// The sludge data source and the four pages of the standard sludge table it
// opens (the pages are reached only from here), and the menu item that opens
// the data source.
#include "ablauf.h"
#include "fenstertest.h"
#include "fensterliste.h"
#include "frmSchlammStart.h"
#include "frmStart.h"
#include "handbuch.h"
#include "hauptfenster.h"

namespace {
const QStringList seiten{"frmSchlammA", "frmSchlammB", "frmSchlammC", "frmSchlammD"};
const QString hinweis = QStringLiteral("Mit der Option werden nur Daten in die Felder \"g/Ed\"und \"%TS\" übertragen. "
                                       "Für die Berechnung ist eine Aktualisierung durch Dateneingabe erforderlich!");
// Every row of the standard sludge table: its page, its option, its caption
// and the two texts it writes.
const struct {
    const char *seite, *zeile, *beschriftung, *gEd, *ts;
} tabelle[] = {
    {"A", "OA1", "1. roher, unter Wasser abgepumpter Schlamm aus Trichterbecken", "45", "2,5"},
    {"A", "OA2", "2. wie vor, eingedickt", "45", "5"},
    {"A", "OA3", "3. ausgefaulter Schlamm, eingedickt", "30", "10"},
    {"A", "OA4", "4. ausgefaulter Schlamm, entwässert", "30", "30"},
    {"B", "OA1", "5.Schlamm der Nachbecken", "25", "4"},
    {"B", "OA2", "6. roher, gemischter Schlamm aus Vor- und Nachbecken, eingedickt", "70", "4,7"},
    {"B", "OA3", "7. ausgefaulter, gemischter Schlamm, naß", "45", "3"},
    {"B", "OA4", "8. ausgefaulter Schlamm, entwässert", "45", "28"},
    {"C", "OA1", "9. roher, gepumpter Überschußschlamm", "35", "0,7"},
    {"C", "OA2", "10. roher gemischter Schlamm aus Vorbecken und Überschußschlamm, eingedickt", "80", "4"},
    {"C", "OA3", "11. ausgefaulter, gemischter  Schlamm, naß", "50", "2,5"},
    {"C", "OA4", "12. ausgefaulter gemischter Schlamm, entwässert", "50", "22"},
    {"C", "Option1", "13. aerob stabilisierter gemischter Schlamm, eingedickt", "50", "2,5"},
    {"C", "Option2", "wie vor, entwässert", "50", "20"},
    {"D", "OA1", "15. Vorfällung, roher Schlamm der Vorklärbecken, eingedickt", "65", "4"},
    {"D", "OA2", "16. Schlamm der Vorfällung, ausgefault und eingedickt", "45", "5"},
    {"D", "Option1",
     "17. Simultanfällung (beim Belebungsverfahren) roher Schlamm aus Vor- und Nachklärbecken, eingedickt", "90", "40"},
    {"D", "Option2", "18. Gemischter Schlamm aus der Simultanfällung, ausgefault und eingedickt", "60", "3"},
    {"D", "Option3", "19. Nachfällung, roher Schlamm aus der Tertiärstufe, eingedickt", "15", "1,5"},
};

// The option of the data source that opens the page, clicked.
QString waehleSeite(const QString& seite)
{
    return QStringLiteral("Option%1!").arg(seiten.indexOf(seite) + 1);
}

// "name.checked=false" for the named options (separated by blanks).
QString keineGewaehlt(const QString& optionen)
{
    return QString(optionen + u' ').replace(u' ', QStringLiteral(".checked=false;")).chopped(1);
}

// The expected texts "name=text;..." as texts of the open window frmX.
QString in(const QString& fenster, const QString& texte)
{
    return fenster + u'/' + QString(texte).replace(u';', u';' + fenster + u'/');
}

// Population, g/Ed, % TS, days and the dry mass per hour of the sludge
// quantity window.
QString schlamm(const QString& texte)
{
    return in("frmSchlamm", je("txtEW txtgEd txtTS txtda lblTMkgh", texte));
}

// The sludge quantity window opened, with typed values and results.
const QString schlammMitWerten = "#zeige=frmSchlamm;frmSchlamm/txtEW+2";
const QString werte = schlamm("12;50;2,5;365;25,0");
} // namespace

class TestSchlammStart : public Fenstertest {
    Q_OBJECT

public:
    TestSchlammStart() { ohneMeldungen = true; }

private:
    // The row runner takes this data source as the fresh one of its row.
    void vorbereiten() override { fenster::zeige<frmSchlammStart>(); }

private slots:
    void initTestCase() { registriereFenster(); }

    // The citation: four lines, the handbook in the middle, a line break at
    // the end; no option chosen, no other window open, its own in front.
    void designzustand_data()
    {
        spalten();
        const QString optionen = "Option1 Option2 Option3 Option4 Option5";
        reihe("design", "",
              "#titel=Datenherkunft;Frame1.title=Wahl;Label1=Schlammengen nach Imhoff;"
                  + je(optionen, "A. Absetzanlagen mit Faulraum;B. Tropfkörper mit Faulraum;"
                                 "C. Belebungsanlagen mit Faulraum oder aerober Schlammstabilisierung;"
                                 "D. Chemische Fällung und Flockung;Berechnung mit eigenen Werten")
                  + u';' + keineGewaehlt(optionen) + ";Text1.readOnly=true;Text1.plainText=Datenquelle:\n"
                  + handbuch::autoren + u'\n' + handbuch::titel + "\n27. Auflage , 1990, Seite 242-243\n;"
                  + offen({"frmSchlammStart"}) + ";#aktiv=frmSchlammStart;Text1.accessibleName=Datenquelle");
    }
    void designzustand() { zeile<frmSchlammStart>(); }

    // A page choice opens its page, closes the other three and leaves the
    // sludge quantity window alone; the data source stays. Opening a page
    // selects no row; chosen again, the open page keeps its state.
    void seitenwahl_data()
    {
        spalten();
        const struct {
            const char *seite, *titel, *optionen;
        } wahl[] = {
            {"frmSchlammA", "A. Absetzanlagen mit Faulraum", "OA1 OA2 OA3 OA4"},
            {"frmSchlammB", "B. Tropfkörper mit Faulraum", "OA1 OA2 OA3 OA4"},
            {"frmSchlammC", "C.Belebungsanlage mit Faulraum oder aerober Schlammstabilisierung",
             "OA1 OA2 OA3 OA4 Option1 Option2"},
            {"frmSchlammD", "D. Chemische Fällung und Flockung", "OA1 OA2 Option1 Option2 Option3"},
        };
        const QString alleOffen =
            schlammMitWerten + ";#zeige=frmSchlammA;#zeige=frmSchlammB;#zeige=frmSchlammC;#zeige=frmSchlammD;";
        for (const auto& [seite, titel, optionen] : wahl) {
            const QString offenDanach = offen({"frmSchlammStart", "frmSchlamm", seite});
            const QString seiteGewaehlt = alleOffen + waehleSeite(seite);
            reihe(seite, seiteGewaehlt,
                  offenDanach + u';' + werte + u';'
                      + in(seite, "#titel=" + QString::fromUtf8(titel) + ";Label1=" + hinweis + ";Frame1.title=;"
                                      + keineGewaehlt(optionen)));
            reihe(qPrintable(seite + QStringLiteral(" wieder gewählt")),
                  seiteGewaehlt + u';' + seite + "/OA1!;" + waehleSeite(seite),
                  offenDanach + u';' + seite + "/OA1.checked=true");
        }
    }
    void seitenwahl() { zeile<frmSchlammStart>(); }

    // Own values: the sludge quantity window with its current values in
    // front, every page closed; from closed, its design values.
    void eigeneWerte_data()
    {
        spalten();
        reihe("offen",
              schlammMitWerten
                  + ";#zeige=frmSchlammA;#zeige=frmSchlammB;#zeige=frmSchlammC;"
                    "#zeige=frmSchlammD;Option5!",
              offen({"frmSchlammStart", "frmSchlamm"}) + ";#aktiv=frmSchlamm;" + werte);
        reihe("geschlossen", "Option5!", schlamm("1;50;2,5;365;"));
    }
    void eigeneWerte() { zeile<frmSchlammStart>(); }

    // Every row of the table: its caption and the two texts it writes. The
    // sludge quantity window opens with its design values, the two written,
    // and nothing computed; open with typed values and results, only the two
    // boxes change; the selected row clicked again writes again. Page A
    // comes back in front, the other pages leave the sludge quantity window
    // there.
    void zeilen_data()
    {
        spalten();
        for (const auto& z : tabelle) {
            const QString seite = QStringLiteral("frmSchlamm") + QString::fromUtf8(z.seite);
            const QString o = seite + u'/' + QString::fromUtf8(z.zeile), gEd = z.gEd, ts = z.ts;
            const QString vorn = seite == "frmSchlammA" ? seite : QStringLiteral("frmSchlamm");
            const QString name = QStringLiteral("%1 %2").arg(QString::fromUtf8(z.seite), QString::fromUtf8(z.zeile));
            const QString mitWerten =
                waehleSeite(seite) + u';' + schlammMitWerten + ";#zeige=" + seite + u';' + o + u'!';
            reihe(qPrintable(name + ": geschlossen"), waehleSeite(seite) + u';' + o + u'!',
                  o + u'=' + QString::fromUtf8(z.beschriftung) + u';' + o + ".checked=true;"
                      + schlamm("1;" + gEd + u';' + ts + ";365;") + ";#aktiv=" + vorn);
            reihe(qPrintable(name + ": mit werten"), mitWerten,
                  schlamm("12;" + gEd + u';' + ts + ";365;25,0") + ";#aktiv=" + vorn);
            reihe(qPrintable(name + ": wieder geklickt"),
                  mitWerten + ";frmSchlamm/txtgEd=1;frmSchlamm/txtTS:1;" + o + u'!',
                  je("frmSchlamm/txtgEd frmSchlamm/txtTS", gEd + u';' + ts) + u';'
                      + offen({"frmSchlammStart", "frmSchlamm", seite}));
        }
    }
    void zeilen() { zeile<frmSchlammStart>(); }

    // "Schlammengen nach Imhoff" closes only the sludge quantity window; an
    // open page (as it was) and other windows stay, the data source comes
    // back with no option chosen, and a row brings the sludge quantity window
    // back with its design values. "Schlammengen nach eigenen Daten" runs the
    // close rule: pages and data source close, the sludge quantity window
    // comes up fresh.
    void menue_data()
    {
        spalten();
        const QString imhoff = "frmSchlammStart/Option1!;" + schlammMitWerten
                               + ";#zeige=frmGefaelle_gesucht;frmSchlammStart/Option5!;frmSchlammStart/Option1!;"
                                 "frmSchlammA/OA1!;#schliesse=frmSchlammStart;#menü=Technik>Schlammengen nach Imhoff";
        reihe("nach imhoff", imhoff,
              offen({"frmStart", "frmSchlammStart", "frmSchlammA", "frmGefaelle_gesucht"})
                  + ";frmSchlammA/OA1.checked=true;"
                  + in("frmSchlammStart", keineGewaehlt("Option1 Option2 Option3 Option4 Option5")));
        reihe("nach imhoff, dann eine zeile", imhoff + ";frmSchlammA/OA4!", schlamm("1;30;30;365;"));
        reihe("nach eigenen daten", imhoff + ";frmSchlammA/OA4!;#menü=Technik>Schlammengen nach eigenen Daten",
              offen({"frmStart", "frmGefaelle_gesucht", "frmSchlamm"}) + u';' + schlamm("1;50;2,5;365;"));
    }
    void menue() { zeile<frmStart>(); }
};

QTEST_MAIN(TestSchlammStart)
#include "tst_frmSchlammStart.moc"
