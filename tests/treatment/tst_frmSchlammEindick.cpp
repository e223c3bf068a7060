// The thickening window, driven as a user does: typing, Enter, buttons.
#include "ablauf.h"
#include "frmSchlammEindick.h"

class TestSchlammEindick : public QObject {
    Q_OBJECT

    static void schritt(frmSchlammEindick* w, Testumgebung& u, const QString& s)
    {
        s.startsWith("drucker=") ? void(u.drucker.ergebnis = drucker::Ergebnis(s.back().digitValue()))
                                 : ::ablauf(w, {s});
    }
    static QString lies(frmSchlammEindick* w, Testumgebung& u, const QString& s)
    {
        QString seite = "seite=";
        for (const drucker::Seite& p : u.drucker.seiten)
            seite += QStringLiteral("%1 %2 ").arg(p.linksCm).arg(p.obenCm) + p.zeilen.join(u'/');
        return s.startsWith("seite=") ? seite : stand(w, {s})[0];
    }

private slots:
    // Steps of the row runner, "drucker=1" the printer's answer; besides the
    // controls, "seite=" is what was printed.
    void ablauf_data()
    {
        spalten();
        const QString bsp = "txtEW+1000;txtTS+5;txtTS~Return;txtentTS+25;", z = "Tippfehler - Wert wird zurückgesetzt";
        const QString seite = "seite=3 5 " + QStringList(7, QString(55, u'_')).join(u'/') + u'/';
        reihe("beim öffnen", "txtEW:2;txtda~",
              "lblTMta=0,00;txtTS.visible=false;lblSVred.visible=false;cmdDrucken.visible=true");
        reihe(
            "beispiel", bsp,
            je("txtTMtd lblTMkgh lblTMta txtSVm3d lblSVm3h lblSVm3a lblentm3h lblentm3d lblentm3a lblwasm3h lblwasm3d "
               "lblwasm3a lblSVred Label3.visible",
               "0,05;2,083;18,25;1,00;0,04;365,00;0,008;0,20;73,00;0,0;0,8;292,0;80,0;true"));
        reihe("t/a gerundet", "txtEW+1234", "txtTMtd=0,06;lblTMta=21,90");
        reihe("trockenmasse", "txtTMtd+0,05",
              "txtEW=1.000;lblTMkgh=2,1;lblTMta=18,25;txtTS.visible=true;txtentTS.visible=false");
        reihe("enter ohne ziel", "txtEW+1000;txtTS+5;txtTS~Num+Enter",
              "txtSVm3d=1,00;txtentTS.visible=true;lblentm3d=;lblSVred=");
        reihe("ziel mit blank", "txtEW+1000;txtentTS: 5;txtTS+5;cmdTS!;txtentTS~", "lblentm3d=1,00;lblSVred=0,0");
        reihe("negatives ziel", "txtEW+1000;txtentTS:-5;txtTS+5;txtTS~Return;txtentTS~",
              "lblentm3d=-1,00;lblwasm3d=;lblSVred=200,0");
        reihe("neue einwohner", "txtEW+1000;txtTS+5;txtTS~Return;txtEW+0;txtentTS+25", "lblSVred=-100,0");
        reihe("volumen zuerst", bsp + "txtSVm3d:2;txtSVm3d~", "txtTS=2,50;lblSVm3h=0,08;lblSVm3a=730,00;lblSVred=80,0");
        reihe("ziel 0", bsp + "txtentTS:;txtentTS+0", "txtentTS=0;lblSVred=80,0",
              {fehler(Fehler::DivisionDurchNull, z)});
        reihe("TS 0", "txtEW+1000;txtTS+0;txtTS~Return", "txtTS=;txtentTS.visible=false",
              {fehler(Fehler::DivisionDurchNull, "Tippfehler?")});
        reihe("g 0", "txtgEd:0;txtTMtd+1", "txtgEd=0;txtTMtd=0;lblTMkgh=41,7", {fehler(Fehler::DivisionDurchNull, z)});
        reihe("buchstabe", "txtEW+x", "txtEW=1;txtTS.visible=false", {fehler(Fehler::Typen, z)});
        reihe("drucken vor jeder rechnung", "cmdDrucken!", seite);
        reihe("drucken", "txtEW+1;txtSVm3d:1234,567;txtSVm3d~;cmdDrucken!", seite + "1.234,57;txtSVm3d=1234,567");
        reihe("drucken ändert nichts", "txtEW+200;txtTS+3;txtTS~Return;txtentTS+20;cmdDrucken!;txtentTS~",
              seite + "0,33;lblSVred=85,0");
        reihe("kein drucker", "txtEW+1;txtSVm3d:7;drucker=1;cmdDrucken!",
              "txtSVm3d=7;seite=", {"Drucken: Drucken nicht möglich: kein Drucker eingerichtet. {48}"});
        reihe("auftrag scheitert", "drucker=2;cmdDrucken!",
              "seite=", {"Drucken: Drucken nicht möglich: der Druckauftrag ließ sich nicht ausführen. {48}"});
    }
    void ablauf() { zeile<frmSchlammEindick>({}, {schritt, lies}); }

    // Large plants: the yearly figures in sight whole, and numbers of ten
    // digits and more in the boxes once the focus has left them.
    void grosseWerte_data()
    {
        spalten();
        const QString bsp = "txtTS+5;txtTS~Return;txtentTS+25", jahr = "lblTMkgh lblTMta lblSVm3a lblentm3a lblwasm3a";
        reihe("zehnfach", "txtEW+10000;" + bsp, ganz(jahr, "20,833;182,50;3.650,00;730,00;2.920,0"));
        reihe("10 mio EW", "txtEW+10000000;" + bsp,
              ganz(jahr + " txtTMtd txtSVm3d lblSVm3h lblentm3h lblentm3d lblwasm3h lblwasm3d",
                   "20.833,333;182.500,00;3.650.000,00;730.000,00;2.920.000,0;500,00;10.000,00;416,67;83,333;"
                   "2.000,00;333,3;8.000,0"));
        reihe(
            "trockenmasse mit zehn stellen", "txtTMtd+1234567890;txtTMtd~Tab",
            ganz("txtEW txtTMtd lblTMkgh lblTMta", "24.691.357.800.000;1234567890;51.440.328.750,0;450.617.279.850,00")
                + ";txtTMtd.focus=false");
    }
    void grosseWerte() { zeile<frmSchlammEindick>({}, {schritt, lies}); }
};

QTEST_MAIN(TestSchlammEindick)
#include "tst_frmSchlammEindick.moc"
