// The sludge quantity window, driven as a user does: typing and key releases.
#include "ablauf.h"
#include "frmSchlamm.h"

namespace {
// The four inputs, then the six results in the order of the worked examples:
// kg/h, t/d, t/a, m³/h, m³/d, m³/a.
const QString felder = "txtEW txtgEd txtTS txtda lblTMkgh txtTMtd lblTMta lblSVm3h txtSVm3d lblSVm3a";
// The design values before any key, and after a key released in a box.
const QString design = je(felder, "1;50;2,5;365;;;;;;");
const QString ergebnis = je(felder, "1;50;2,5;365;2,1;0,05;18,25;0,1;2,0;730,0");

// The message of an error block: the box it belongs to is reset.
QString zurueck(Fehler art)
{
    return fehler(art, "Tippfehler - Wert wird zurückgesetzt");
}
} // namespace

class TestSchlamm : public QObject {
    Q_OBJECT

private slots:
    void designzustand_data()
    {
        spalten();
        reihe("design", "",
              "#titel=Schlammmengen;" + design + ";txtEW.toolTip=1000 Einwohnerwerte (E + EGW);txtTS.cursor="
                  + QString::number(Qt::SizeAllCursor) + ";Label1_0=Trockenmasse;Label1_1=Schlammenge;"
                  + je("Label2_0 Label2_1 Label2_2 Label2_3 Label2_4 Label2_5 Label2_6 Label2_7 Label2_8 Label2_9",
                       "TEW;d/a;g/Ed;kg/h;t/d;t/a;% TS;m³/h;m³/d;m³/a")
                  + ";txtEW.tabfolge=txtEW txtgEd txtTS txtTMtd txtSVm3d txtda"
                    ";txtTMtd.accessibleName=Trockenmasse t/d;lblSVm3a.accessibleName="
                    ";lblSVm3a.accessibleDescription=Schlammenge m³/a");
    }
    void designzustand() { zeile<frmSchlamm>(); }

    // Typed key by key at the end of the box ("~" only a key released in
    // it, ":" the text pasted).
    void beispiele_data()
    {
        spalten();
        reihe("design, taste in txtEW", "txtEW~", ergebnis);
        reihe("design, taste in txtda", "txtda~", ergebnis);
        reihe("0,05 t/d", "txtTMtd+0,05", anders(ergebnis, "txtEW=1,0"));
        reihe("2 m³/d: t/d mit einer stelle", "txtSVm3d+2", anders(ergebnis, "txtEW=1,0;txtTMtd=0,1;txtSVm3d=2"));
        reihe("120 TEW", "txtEW+20", je(felder, "120;50;2,5;365;250,0;6,00;2.190,00;10,0;240,0;87.600,0"));
        reihe("nur tage: nur jahreswerte ändern sich", "txtda+0",
              anders(ergebnis, "txtda=3650;lblTMta=182,50;lblSVm3a=7.300,0"));
        reihe("negativ wird gerechnet", "txtSVm3d:-4;txtSVm3d~",
              je(felder, "-2,0;50;2,5;365;-4,2;-0,1;-36,50;-0,2;-4;-1.460,0"));
        // The coupled boxes: a later key release computes from the formatted
        // text that the last computation wrote.
        reihe("gekoppelt", "txtSVm3d+2;txtTMtd~", je(felder, "2,0;50;2,5;365;4,2;0,1;36,50;0,2;4,0;1.460,0"));
        // Text written from outside (as the sludge table does) computes
        // nothing until a key is released in one of the boxes.
        reihe("von außen geschrieben", "txtgEd:45;txtTS:5", anders(design, "txtgEd=45;txtTS=5"));
        reihe("von außen geschrieben, dann taste", "txtgEd:45;txtTS:5;txtda~",
              je(felder, "1;45;5;365;1,9;0,05;16,43;0,0;0,9;328,5"));
    }
    void beispiele() { zeile<frmSchlamm>(); }

    // After the design results: each handler's error block resets its own
    // box, whichever box holds the bad text; the results written before the
    // failing step stay.
    void ruecksetzen_data()
    {
        spalten();
        const QString typen = zurueck(Fehler::Typen), null = zurueck(Fehler::DivisionDurchNull);
        reihe("TS geleert: mengen neu, volumen alt",
              "txtEW~;txtgEd:100;txtTS=", je(felder, "1;100;2,5;365;4,2;0,10;36,50;0,1;2,0;730,0"), {typen});
        reihe("TS 0, taste in txtEW setzt txtEW zurück", "txtEW~;txtTS:0;txtEW~", anders(ergebnis, "txtTS=0"), {null});
        reihe("g 0, taste in txtTMtd", "txtEW~;txtgEd:0;txtTMtd:;txtTMtd=1",
              je(felder, "1;0;2,5;365;41,7;0;18,25;0,1;2,0;730,0"), {null});
        reihe("leeres txtTMtd", "txtEW~;txtTMtd:;txtTMtd~", anders(ergebnis, "txtTMtd=0"), {typen});
        reihe("leeres txtSVm3d", "txtEW~;txtSVm3d:;txtSVm3d~", anders(ergebnis, "txtSVm3d=0"), {typen});
        reihe("buchstabe in txtEW", "txtEW~;txtEW=x", ergebnis, {typen});
        reihe("txtgEd geleert", "txtEW~;txtgEd=", ergebnis, {typen});
        reihe("txtda geleert: erst die jahresmenge fehlt",
              "txtEW~;txtEW:2;txtda=", je(felder, "2;50;2,5;365;4,2;0,10;18,25;0,1;2,0;730,0"), {typen});
        reihe("überlauf", "txtEW~;txtEW:1E307;txtgEd~", anders(ergebnis, "txtEW=1E307"), {zurueck(Fehler::Ueberlauf)});
    }
    void ruecksetzen() { zeile<frmSchlamm>(); }

    // Large plants with the design values: every result in sight whole.
    void grosseWerte_data()
    {
        spalten();
        const QString alle = "txtTMtd txtSVm3d lblTMkgh lblTMta lblSVm3h lblSVm3a";
        reihe("150 TEW", "txtEW=150", ganz(alle, "7,50;300,0;312,5;2.737,50;12,5;109.500,0"));
        reihe("1000 TEW", "txtEW=1000", ganz(alle, "50,00;2.000,0;2.083,3;18.250,00;83,3;730.000,0"));
    }
    void grosseWerte() { zeile<frmSchlamm>(); }
};

QTEST_MAIN(TestSchlamm)
#include "tst_frmSchlamm.moc"
