// The earth basin window: the slope in its three forms, the basin, the reset and the link.
#include "ablauf.h"
#include "datum.h"
#include "frmPyramidenstumpf.h"

class TestPyramidenstumpf : public QObject {
    Q_OBJECT

private slots:
    // A slope box converts the other two and computes the basin at once; an error
    // writes the seven reset texts, shows the message and keeps the gradient as
    // the boxes now show it. Checked: whether the dimension boxes show, the seven
    // boxes, the angle and the basin in the order computed.
    void rechnen_data()
    {
        spalten();
        const QString namen = "txtLängeBeckenboden.visible txtGefälleAbsolut txtGefälleProzent txtGefälleProportion "
                              "txtLängeBeckenboden txtBreiteBeckenboden txtWassertiefe txtFreibord lblBöschungswinkel "
                              "lblBogenmaß lblGesamttiefe lblBöschungsprojektion lblBenetzteBöschungsprojektion "
                              "lblBöschungslänge lblBenetzteBöschungslänge lblLängeOKBecken lblBreiteOKBecken "
                              "lblWasserspiegelLänge lblWasserspiegelbreite lblGesamtvolumenBeckenboden "
                              "lblGesamtvolumenGeneigteFlächen lblGesamtvolumenKehlen lblGesamtvolumen "
                              "lblNutzvolumenBeckenboden lblNutzvolumenGeneigteFlächen lblNutzvolumenKehlen "
                              "lblNutzvolumen lblEineLängereMantelfläche lblEineMantelflächeStirnseite "
                              "lblAlleSeitenflächen lblFlächeBeckenboden lblGesamteBodenfilteroberflächeAF "
                              "lblOberflächePyramidenstumpf lblAnströmflächeA lblWasseroberfläche";
        const QString masse = "30,0;10,0;3,0;0,5;", halb = "26,6;0,46365;3,5;7,0", zurueck = "0,4;40;2,5;30;10;3;0,5";
        const QStringList typen{fehler(Fehler::Typen, "Tippfehler - Alle Eingabewerte werden zurückgegesetzt")},
            ueberlauf{fehler(Fehler::Ueberlauf, "Tippfehler - Alle Eingabewerte werden zurückgegesetzt")};
        reihe("0,4 absolut", "txtGefälleAbsolut=0,4",
              je(namen, "true;0,4;40,0;2,5;" + masse
                            + "21,8;0,38051;3,5;8,8;7,5;9,4;8,1;47,5;27,5;45,0;25,0;1.050,0;1.225,0;357,3;2.632,3;"
                              "900,0;900,0;225,0;2.025,0;365,2;176,7;1.083,8;300,0;300,0;1.383,8;30,0;1.125,0"));
        reihe("50 %", "txtGefälleProzent=50", je(namen, "true;0,5000;50;2,0;" + masse + halb));
        reihe("1 : 2", "txtGefälleProportion=2", je(namen, "true;0,5000;50,0;2;" + masse + halb));
        reihe("0: nichts gerechnet", "txtGefälleAbsolut=0;txtLängeBeckenboden=40",
              je(namen, "true;0;40,0;2,5;40;10,0;3,0;0,5;;;"));
        const QString nachZurueck = je(namen, "true;" + zurueck + ";21,8;0,38051;3,5;8,8");
        reihe("länge geleert", "txtGefälleProzent=50;txtLängeBeckenboden=;txtWassertiefe=3", nachZurueck, typen);
        reihe("überlauf 1 : n",
              "txtGefälleAbsolut=0,5;txtGefälleProportion:1E-310;txtGefälleProportion~;txtWassertiefe=3", nachZurueck,
              ueberlauf);
        reihe("überlauf vor jeder neigung", "txtGefälleAbsolut:1E307;txtGefälleAbsolut~;txtWassertiefe=3",
              je(namen, "false;" + zurueck + ";;;"), ueberlauf);
        reihe("buchstabe nach 0", "txtGefälleAbsolut=0;txtGefälleAbsolut=0,x;txtWassertiefe=3",
              je(namen, "true;" + zurueck + ";;;"), typen);
    }
    void rechnen() { zeile<frmPyramidenstumpf>(); }

    void linkUndDatum()
    {
        Testumgebung umgebung;
        frmPyramidenstumpf* w = fenster::zeige<frmPyramidenstumpf>();
        klicke(w->Command1);
        QTest::mouseClick(w->Image1, Qt::LeftButton);
        QCOMPARE(umgebung.links.links, QStringList(2, mdlInternet::Link::Homepage));
        QCOMPARE(datum::lang(QDate(2007, 10, 17)), QStringLiteral("Mittwoch, 17. Oktober 2007"));
        QCOMPARE(w->Label45->text(), datum::lang(QDate::currentDate()) + "\n");
        alleSchliessen();
    }
};

QTEST_MAIN(TestPyramidenstumpf)
#include "tst_frmPyramidenstumpf.moc"
