// The circle and cylinder window: the boxes drive each other as typed.
#include "ablauf.h"
#include "frmKreis.h"
#include "texte.h"

class TestKreis : public QObject {
    Q_OBJECT

private slots:
    // Name | steps | the four boxes by name | the message, if one is shown.
    void rechnen_data()
    {
        spalten();
        const QString leer = "txtDurchmesser=;txtFläche=;txtZylinderhöhe=;txtZylindervolumen=";
        const auto neu = [&](const char* n, const QString& schritte, const QString& aenderung,
                             const QStringList& m = {}) { reihe(n, schritte, anders(leer, aenderung), m); };
        const QString zylinder = "txtDurchmesser+2;txtZylinderhöhe+10";
        const QString kreis = "txtDurchmesser=2;txtFläche=3,142 ;", hoch = kreis + "txtZylinderhöhe=10;";
        const QStringList typ{fehler(Fehler::Typen, texte::wertAuf0)};
        neu("durchmesser", "txtDurchmesser+2", kreis);
        neu("dann höhe", zylinder, hoch + "txtZylindervolumen=31,416 ");
        neu("fläche", "txtFläche+1", "txtDurchmesser=1,128 ;txtFläche=1");
        neu("höhe aus volumen", zylinder + ";txtZylindervolumen:62,832;txtZylindervolumen~",
            kreis + "txtZylinderhöhe=20,000 ;txtZylindervolumen=62,832");
        // On a fresh window after the rows above: the values do not outlive their window.
        neu("volumen ohne V", "txtDurchmesser+2;txtZylindervolumen+5", kreis + "txtZylindervolumen=5");
        neu("tab in die fläche", zylinder + ";txtFläche~",
            "txtDurchmesser=2,000 ;txtFläche=3,142 ;txtZylinderhöhe=10;txtZylindervolumen=31,420 ");
        neu("rücktaste", "txtDurchmesser+2;txtDurchmesser=", "txtDurchmesser=0;txtFläche=3,142 ", typ);
        neu("text in der höhe", zylinder + ";txtZylinderhöhe:abc;txtDurchmesser~",
            "txtDurchmesser=0;txtFläche=3,142 ;txtZylinderhöhe=abc;txtZylindervolumen=31,416 ", typ);
        neu("fläche 0",
            zylinder
                + ";txtZylindervolumen:0;txtZylindervolumen~;txtFläche:0;txtFläche~;txtZylindervolumen:5;"
                  "txtZylindervolumen~",
            "txtDurchmesser=0,000 ;txtFläche=0;txtZylinderhöhe=0,000 ;txtZylindervolumen=0",
            {fehler(Fehler::DivisionDurchNull, texte::wertAuf0)});
        neu("stern", zylinder + ";txtZylindervolumen:;txtZylindervolumen+*", hoch + "txtZylindervolumen=0", typ);
        neu("negative fläche", "txtFläche:-1;txtFläche~", "txtFläche=0",
            {fehler(Fehler::UngueltigesArgument, texte::wertAuf0)});
        // A refused key leaves the volume box at 0 and shows the message without a cause.
        const QStringList ohneGrund{"Eingabefehler:  | " + texte::wertAuf0};
        neu("abgewiesen rechnet nicht", zylinder + ";txtZylindervolumen+a", hoch + "txtZylindervolumen=0", ohneGrund);
        // The volume box's filter, keys on its whole text: number characters and editing keys pass.
        const auto filter = [&](const QString& taste, const QString& bleibt) {
            neu(qPrintable(taste), "txtZylindervolumen:12;txtZylindervolumen~Ctrl+A, " + taste,
                "txtZylindervolumen=" + bleibt, bleibt == "0" ? ohneGrund : QStringList{});
        };
        for (const char* k : {"A", "Space", "Return", "Enter", "Esc", "Ctrl+B"})
            filter(k, "0");
        for (const char* k : {"-", "*", ","})
            filter(k, k);
        for (const char* k : {"Del", "Ctrl+X"})
            filter(k, "");
        for (const char* k : {"Ctrl+C", "Ctrl+A", "Left", "Home", "Ctrl+X, Ctrl+V", "Ctrl+X, Ctrl+Z"})
            filter(k, "12");
    }
    void rechnen() { zeile<frmKreis>(); }
};

QTEST_MAIN(TestKreis)
#include "tst_frmKreis.moc"
