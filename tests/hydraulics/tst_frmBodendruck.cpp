// The floor force window: the results as typed, its two error blocks and the test values.
#include "ablauf.h"
#include "frmBodendruck.h"
#include "texte.h"

class TestBodendruck : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        const QString n = "lblFläche lblkp LblN lblPa lblkpcm txtd txtWS";
        const QString d1000 = "0,7854 ;3.927,0 ;38.523,9 ;49.050,0 ;0,5 ;";
        const QStringList typen{fehler(Fehler::Typen, texte::wertAuf0)};
        reihe("nur der kopf", "txtWS+5", je(n, ";;;;;;5"));
        reihe("kopf, dann durchmesser", "txtWS+5;txtd+1000", je(n, d1000 + "1000;5"));
        reihe("tausenderpunkt", "txtd+1.200;txtWS+5", je(n, "1,1310 ;5.654,9 ;55.474,4 ;49.050,0 ;0,5 ;1.200;5"));
        reihe("durchmesser 0: drücke bleiben", "txtd+1000;txtWS+5;txtd=0", je(n, "0,0000 ;0,0 ;0,0 ;49.050,0 ;0,5 ;;"),
              {fehler(Fehler::Ueberlauf, texte::wertAuf0)});
        reihe("kopf gelöscht", "txtd+1000;txtWS+5;txtWS=", je(n, d1000 + "1000;"), typen);
        reihe("durchmesser leer: beide", "txtd+1000;txtWS+5;txtd=", je(n, d1000 + ";"), typen);
        reihe("probe", "Command1!", je(n, "1,0000 ;10.000,0 ;98.100,0 ;98.100,0 ;1,0 ;1128,37784777716;10"));
    }
    void rechnen() { zeile<frmBodendruck>(); }
};

QTEST_MAIN(TestBodendruck)
#include "tst_frmBodendruck.moc"
