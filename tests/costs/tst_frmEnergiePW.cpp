// Pump power and energy cost as a user works the window; the unlocking and the links.
#include "ablauf.h"
#include "frmEnergiePW.h"
#include "texte.h"

using L = QStringList;

const QString eingabe = QStringLiteral("txtQls=10;txtHman=20;txtPZhd=8;TxtPZda=365");

class TestEnergiePW : public QObject {
    Q_OBJECT

    // "wahl=" the list's current entry ("-" none), marked if it is not selected
    // (the cursor on the efficiency shown, before any choice).
    static QString liste(frmEnergiePW* w, Testumgebung&, const QString& s)
    {
        if (!s.startsWith("wahl="))
            return stand(w, {s})[0];
        const QListWidgetItem* e = w->ListEta->currentItem();
        if (!e)
            return "wahl=-";
        return "wahl=" + e->text() + (e->isSelected() ? "" : " (nicht gewählt)");
    }
    static void schritt(frmEnergiePW* w, Testumgebung&, const QString& s)
    {
        ablauf(w, {s});
        QCoreApplication::processEvents();
    }

private slots:
    // Steps and every field of the example, some changed; each choice in the
    // list handled before the next step.
    void rechnung_data()
    {
        spalten();
        const QString beispiel =
            "txtQls=10;txtQm3h=36,0 ;txtHman=20;LblEta=0,75  ;LblPk=2,614;txtPZhd=8;TxtPZda=365;LblPZha=2.920,0  ;"
            "lblMengejeTag=288,0 ;lblMengejeJahr=105.120,0 ;lblkWha=7.633 ;txtDMkw=0,16;lblEk_0=1,221 ;"
            "lblEkEuro_1=2,389 ;wahl=0,75 (nicht gewählt)";
        const auto neu = [&](const char* n, const QString& schritte, const QString& aenderung, const L& m = {}) {
            reihe(n, schritte, anders(beispiel, aenderung), m);
        };
        const auto warnung = [](const char* t) { return "Eingabe ändern!:  | Tippfehler - " + QString::fromUtf8(t); };
        const QString null = "lblMengejeTag=0,0 ;lblMengejeJahr=0,0 ;lblkWha=0 ;lblEk_0=0,000 ;lblEkEuro_1=0,000 ";
        const QString typ = fehler(Fehler::Typen, texte::wertAuf0);
        const QString preis = texte::wertAuf("0,25"), tage = warnung("Dieses Jahr hat sicher nur 365 Tage!");
        const QString ueber = fehler(Fehler::Ueberlauf, preis);
        neu("beispiel", eingabe, {});
        neu("preis geleert: 0,25", eingabe + ";txtDMkw=", "txtDMkw=0,25;lblEk_0=1,908 ;lblEkEuro_1=3,732 ",
            {fehler(Fehler::Typen, preis)});
        neu("25 stunden", eingabe + ";txtPZhd=25",
            "txtPZhd=25;TxtPZda=365,0 ;LblPZha=9125;lblMengejeTag=900,0 ;lblMengejeJahr=328.500,0 ;lblkWha=23.853 ;"
            "lblEk_0=3,816 ;lblEkEuro_1=7,464 ",
            {warnung("Ein Tag hat nur 24 Stunden!")});
        neu("366 tage", eingabe + ";TxtPZda=366",
            "TxtPZda=366;LblPZha=2.928,0  ;lblMengejeJahr=105.408,0 ;lblkWha=7.654 ;lblEk_0=1,225 ;lblEkEuro_1=2,395 ",
            {tage});
        neu("m³/h bei gegebenen tagen", eingabe + ";txtQm3h=72",
            "txtQls=20,00 ;txtQm3h=72;LblPk=5,229;lblMengejeTag=576,0 ;lblMengejeJahr=210.240,0 ;lblkWha=15.269 ;"
            "lblEk_0=2,443 ;lblEkEuro_1=4,778 ");
        neu("tage 0 nicht gegeben", "txtQls=10;txtHman=20;txtPZhd=8;TxtPZda=0;txtQls=20",
            "txtQls=20;txtQm3h=72,0 ;LblPk=5,229;TxtPZda=0;LblPZha=0,0  ;lblMengejeJahr=0,0 ;lblkWha=0 ;"
            "lblEk_0=0,000 ;lblEkEuro_1=0,000 ");
        neu("stundentaste: h/a ohne format", eingabe + ";txtPZhd~", "TxtPZda=365,0 ;LblPZha=2920");
        neu("durchfluss 0", eingabe + ";txtQls=0", "txtQls=0;txtQm3h=0,0 ;LblPk=0,000;" + null);
        neu("förderhöhe 0 nicht gegeben", "txtQls=10;txtHman:0;txtQls=20",
            "txtQls=20;txtQm3h=72,0 ;txtHman=0;LblPk=0,000;txtPZhd=;TxtPZda=;LblPZha=;lblMengejeTag=;"
            "lblMengejeJahr=;lblkWha=;lblEk_0=;lblEkEuro_1=");
        neu("l/s geleert", eingabe + ";txtQls=", "txtQls=0", {typ});
        neu("eta mit maus und tastatur", eingabe + ";ListEta>0,80;ListEta~Down",
            "LblEta=0,85;LblPk=2,307;lblkWha=6.736 ;lblEk_0=1,078 ;lblEkEuro_1=2,108 ;wahl=0,85");
        neu("0 stunden", "txtQls=10;txtHman=20;txtPZhd=0;TxtPZda=365", "txtPZhd=0;LblPZha=0,0  ;" + null);
        neu("stunden geleert, dann tage", eingabe + ";txtPZhd=;TxtPZda~", "txtPZhd=0;LblPZha=0,0  ;" + null, {typ});
        neu("eta bei falschem durchfluss", eingabe + ";ListEta>0,80;txtQls:x;ListEta>0,20",
            "txtQls=x;LblEta=0,80;LblPk=2,451;lblkWha=7.157 ;lblEk_0=1,145 ;lblEkEuro_1=2,240 ;wahl=0,80", {typ});
        // Moving into the list by keyboard chooses nothing; an arrow key
        // chooses from the efficiency shown.
        const QString unberuehrt = "#fokus=ListEta;LblEta=0,75  ;LblPk=2,614;lblEk_0=1,221 ;wahl=0,75 (nicht gewählt)";
        reihe("tab in die liste", eingabe + ";txtHman⇥", unberuehrt);
        reihe("shift+tab in die liste", eingabe + ";txtPZhd⇤", unberuehrt);
        reihe("tab, dann pfeil", eingabe + ";txtHman⇥;~Down", "LblEta=0,80;LblPk=2,451;lblEk_0=1,145 ;wahl=0,80");
        reihe("preis zurück, einmal", eingabe + ";txtHman:1E10;TxtPZda:1E304;TxtPZda~;txtDMkw=", "txtDMkw=0,25",
              {tage, fehler(Fehler::Ueberlauf, texte::wertAuf0), ueber, ueber});
    }
    void rechnung() { zeile<frmEnergiePW>({}, {schritt, liste}); }

    // Large pumping stations, around the clock: the yearly figures in sight whole.
    void grosseWerte_data()
    {
        spalten();
        const QString namen = "lblMengejeJahr lblkWha lblEk_0 lblEkEuro_1";
        reihe("1000 l/s", "txtQls=1000;txtHman=20;txtPZhd=24;TxtPZda=365",
              ganz(namen, "31.536.000,0 ;2.290.197 ;366,432 ;716,678 "));
        reihe(
            "10 000 l/s, 100 m", "txtQls=10000;txtHman=100;txtPZhd=24;TxtPZda=365",
            ganz(namen + " LblPk txtQm3h", "315.360.000,0 ;114.509.800 ;18.321,568 ;35.833,872 ;13.071,895;36.000,0 "));
    }
    void grosseWerte() { zeile<frmEnergiePW>({}, {schritt, liste}); }

    // The inputs unlock one after another, from grey (g) to white (w), the
    // cost whitens its results; the address is written, then opened.
    void freischaltenUndVerweise()
    {
        Testumgebung umgebung;
        auto* w = fenster::zeige<frmEnergiePW>();
        L ist;
        for (const QString& s : (u';' + eingabe).split(u';')) {
            ablauf(w, L{s}.mid(s.isEmpty()));
            ist << QString();
            for (QWidget* x :
                 std::initializer_list<QWidget*>{w->txtHman, w->ListEta, w->txtPZhd, w->TxtPZda, w->txtDMkw, w->LblEta,
                                                 w->LblPk, w->LblPZha, w->lblMengejeTag, w->lblkWha})
                ist.last() += QString(x->isEnabled() ? u'+' : u'-')
                              + (x->palette().color(QPalette::Base) == Qt::white ? u'w' : u'g');
        }
        QCOMPARE(ist, (L{"-g-g-g-g-g+g-w+w+g+w", "+w-g-g-g-g+w+w+w+g+w", "+w+w+w-g-g+w+w+w+g+w", "+w+w+w+w-g+w+w+w+g+w",
                         "+w+w+w+w+w+w+w+w+w+w"}));
        w->URL->setText(QString());
        klicke(w->Command1);
        QTest::mouseClick(w->URL, Qt::LeftButton);
        QCOMPARE(umgebung.links.links, L(2, mdlInternet::Link::Homepage));
        alleSchliessen();
    }
};

QTEST_MAIN(TestEnergiePW)
#include "tst_frmEnergiePW.moc"
