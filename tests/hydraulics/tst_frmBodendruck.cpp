// The floor force window: area, forces and pressures as the boxes are typed,
// its two error blocks and the test values.
#include "ablauf.h"
#include "frmBodendruck.h"
#include "texte.h"

class TestBodendruck : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        using L = QStringList;
        const auto soll = [](const QString& werte) {
            L t;
            for (const QString& n : L{"lblFläche", "lblkp", "LblN", "lblPa", "lblkpcm", "txtd", "txtWS"})
                t << n + u'=' + werte.section(u'/', t.size(), t.size());
            return t;
        };
        const QString d1000 = "0,7854 /3.927,0 /38.523,9 /49.050,0 /0,5 /";
        const L typen{fehler(Fehler::Typen, texte::wertAuf0)};
        QTest::newRow("nur der kopf") << L{"txtWS+5"} << soll("//////5") << L{};
        QTest::newRow("kopf, dann durchmesser") << L{"txtWS+5", "txtd+1000"} << soll(d1000 + "1000/5") << L{};
        QTest::newRow("tausenderpunkt") << L{"txtd+1.200", "txtWS+5"}
                                        << soll("1,1310 /5.654,9 /55.474,4 /49.050,0 /0,5 /1.200/5") << L{};
        QTest::newRow("durchmesser 0: drücke bleiben") << L{"txtd+1000", "txtWS+5", "txtd=0"}
                                                       << soll("0,0000 /0,0 /0,0 /49.050,0 /0,5 //")
                                                       << L{fehler(Fehler::Ueberlauf, texte::wertAuf0)};
        QTest::newRow("kopf gelöscht") << L{"txtd+1000", "txtWS+5", "txtWS="} << soll(d1000 + "1000/") << typen;
        QTest::newRow("durchmesser leer: beide") << L{"txtd+1000", "txtWS+5", "txtd="} << soll(d1000 + "/") << typen;
        QTest::newRow("probe") << L{"Command1!"}
                               << soll("1,0000 /10.000,0 /98.100,0 /98.100,0 /1,0 /1128,37784777716/10") << L{};
    }
    void rechnen() { zeile<frmBodendruck>(); }
};

QTEST_MAIN(TestBodendruck)
#include "tst_frmBodendruck.moc"
