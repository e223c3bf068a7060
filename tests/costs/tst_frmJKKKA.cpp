// Annual costs of a small treatment plant: computed twice, the reset after a failure.
#include "ablauf.h"
#include "frmJKKKA.h"
#include "texte.h"

using L = QStringList;

class TestJKKKA : public QObject {
    Q_OBJECT

private slots:
    // The twelve results after the second run (a failure keeps what it had not
    // yet written); after a failure its message, the investment then shown,
    // and the inputs reset.
    void rechnung_data()
    {
        spalten();
        const auto neu = [](const char* n, const QString& s, const char* werte, Fehler f = {},
                            const char* ik = nullptr) {
            static const QString namen = "lblTWm3Ea lblTWm3a lblSchlammm3a lblSEKEuroa Label35 Label36 lblAbschreibung "
                                         "lblDurchZins lblRefEuroa lblBK lblJKEuroa lblJKEurom3";
            const QString zurueck = "txtE=4;txtIK=0;txtNND=30;txtZins=6;txtFM=0;txtSchlammlEa=800;txtEK=0;"
                                    "txtSEKEurom3=18;txtTWlEd=90;txtWK=90;";
            reihe(n, "Command1!;" + s + ";Command1!", (ik ? zurueck : "") + je(namen, QString::fromUtf8(werte)),
                  ik ? L{fehler(f, texte::programmZurueck) + " [" + ik + "]"} : L{});
        };
        const char* design = "33 ;131 ;2,4;73 ;368 ;544 ;304 ;240 ;544 ;368 ;912 ;6,94 ";
        neu("design", "", design);
        neu("zuschuss 100: nur abschreibung", "txtFM=100", "33 ;131 ;2,4;73 ;368 ;304 ;304 ;0 ;304 ;368 ;672 ;5,12 ");
        // 100,5 + 0,5 is 101, although the shown parts add up to 102.
        neu("summe der ungerundeten werte", "txtIK=201;txtNND=2;txtFM=100;txtEK=0,5;txtSchlammlEa=0;txtWK=0",
            "33 ;131 ;0,0;0 ;1 ;101 ;101 ;0 ;101 ;1 ;101 ;0,77 ");
        neu("keine einwohner", "txtE=0", "33 ;0 ;0,0;0 ;295 ;544 ;304 ;240 ;544 ;295 ;839 ;6,94 ",
            Fehler::DivisionDurchNull, "8000");
        neu("kein trinkwasser", "txtTWlEd=0", "0 ;0 ;2,4;73 ;368 ;544 ;304 ;240 ;544 ;368 ;912 ;6,94 ",
            Fehler::DivisionDurchNull, "8000");
        neu("nutzungsdauer 0: nichts neu", "txtNND=0;txtIK=1000", design, Fehler::DivisionDurchNull, "1000");
        neu("energiekosten keine zahl", "txtEK=x;txtE=8", "33 ;263 ;4,9;73 ;368 ;544 ;304 ;240 ;544 ;368 ;912 ;6,94 ",
            Fehler::Typen, "8000");
    }
    void rechnung() { zeile<frmJKKKA>({"txtIK"}); }
};

QTEST_MAIN(TestJKKKA)
#include "tst_frmJKKKA.moc"
