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
        const QListWidgetItem* e = w->ListEta->currentItem();
        return !s.startsWith("wahl=") ? stand(w, {s})[0]
                                      : "wahl=" + (!e ? "-" : e->text() + (e->isSelected() ? "" : " (nicht gewählt)"));
    }
    static void schritt(frmEnergiePW* w, Testumgebung&, const QString& s)
    {
        ablauf(w, {s});
        QCoreApplication::processEvents();
    }

private slots:
    // Steps, "*" the example's inputs; every field of the example, some changed:
    // "index=text|...", each choice in the list handled before the next step.
    void rechnung_data()
    {
        spalten();
        const auto neu = [](const char* n, QString s, const QString& a, const L& m = {}) {
            L e{"txtQls=10", "txtQm3h=36,0 ", "txtHman=20", "LblEta=0,75  ", "LblPk=2,614", "txtPZhd=8", "TxtPZda=365",
                "LblPZha=2.920,0  ", "lblMengejeTag=288,0 ", "lblMengejeJahr=105.120,0 ", "lblkWha=7.633 ",
                "txtDMkw=0,16", "lblEk_0=1,221 ", "lblEkEuro_1=2,389 "};
            for (const QString& x : a.split(u'|', Qt::SkipEmptyParts))
                e[x.section(u'=', 0, 0).toInt()].replace(QRegularExpression("=.*"), x.mid(x.indexOf(u'=')));
            e << "wahl=" + (s.contains("ListEta") ? e[3].section(u'=', 1) : "0,75 (nicht gewählt)");
            QTest::newRow(n) << s.replace(u'*', eingabe).split(u';') << e << m;
        };
        const auto warnung = [](const char* t) { return "Eingabe ändern!:  | Tippfehler - " + QString::fromUtf8(t); };
        const QString null = "|8=0,0 |9=0,0 |10=0 |12=0,000 |13=0,000 ", typ = fehler(Fehler::Typen, texte::wertAuf0);
        const QString preis = texte::wertAuf("0,25"), tage = warnung("Dieses Jahr hat sicher nur 365 Tage!");
        const QString ueber = fehler(Fehler::Ueberlauf, preis);
        neu("beispiel", "*", {});
        neu("preis geleert: 0,25", "*;txtDMkw=", "11=0,25|12=1,908 |13=3,732 ", {fehler(Fehler::Typen, preis)});
        neu("25 stunden", "*;txtPZhd=25", "5=25|6=365,0 |7=9125|8=900,0 |9=328.500,0 |10=23.853 |12=3,816 |13=7,464 ",
            {warnung("Ein Tag hat nur 24 Stunden!")});
        neu("366 tage", "*;TxtPZda=366", "6=366|7=2.928,0  |9=105.408,0 |10=7.654 |12=1,225 |13=2,395 ", {tage});
        neu("m³/h bei gegebenen tagen", "*;txtQm3h=72",
            "0=20,00 |1=72|4=5,229|8=576,0 |9=210.240,0 |10=15.269 |12=2,443 |13=4,778 ");
        neu("tage 0 nicht gegeben", "txtQls=10;txtHman=20;txtPZhd=8;TxtPZda=0;txtQls=20",
            "0=20|1=72,0 |4=5,229|6=0|7=0,0  |9=0,0 |10=0 |12=0,000 |13=0,000 ");
        neu("stundentaste: h/a ohne format", "*;txtPZhd~", "6=365,0 |7=2920");
        neu("durchfluss 0", "*;txtQls=0", "0=0|1=0,0 |4=0,000" + null);
        neu("förderhöhe 0 nicht gegeben", "txtQls=10;txtHman:0;txtQls=20",
            "0=20|1=72,0 |2=0|4=0,000|5=|6=|7=|8=|9=|10=|12=|13=");
        neu("l/s geleert", "*;txtQls=", "0=0", {typ});
        neu("eta mit maus und tastatur", "*;ListEta>0,80;ListEta~Down", "3=0,85|4=2,307|10=6.736 |12=1,078 |13=2,108 ");
        neu("0 stunden", "txtQls=10;txtHman=20;txtPZhd=0;TxtPZda=365", "5=0|7=0,0  " + null);
        neu("stunden geleert, dann tage", "*;txtPZhd=;TxtPZda~", "5=0|7=0,0  " + null, {typ});
        neu("eta bei falschem durchfluss", "*;ListEta>0,80;txtQls:x;ListEta>0,20",
            "0=x|3=0,80|4=2,451|10=7.157 |12=1,145 |13=2,240 ", {typ});
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
