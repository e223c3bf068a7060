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
        const auto soll = [](const QString& werte) {
            QStringList t;
            const QStringList namen{"lblFläche", "lblkp", "LblN", "lblPa", "lblkpcm", "txtd", "txtWS"};
            for (int k = 0; k < namen.size(); ++k)
                t << namen[k] + u'=' + werte.section(u'/', k, k);
            return t;
        };
        const QString d1000 = "0,7854 /3.927,0 /38.523,9 /49.050,0 /0,5 /";
        const QStringList typen{fehler(Fehler::Typen, texte::wertAuf0)};
        QTest::newRow("nur der kopf") << QStringList{"txtWS+5"} << soll("//////5") << QStringList{};
        QTest::newRow("kopf, dann durchmesser") << QStringList{"txtWS+5", "txtd+1000"} << soll(d1000 + "1000/5")
                                                << QStringList{};
        QTest::newRow("tausenderpunkt") << QStringList{"txtd+1.200", "txtWS+5"}
                                        << soll("1,1310 /5.654,9 /55.474,4 /49.050,0 /0,5 /1.200/5") << QStringList{};
        QTest::newRow("durchmesser 0: drücke bleiben") << QStringList{"txtd+1000", "txtWS+5", "txtd=0"}
                                                       << soll("0,0000 /0,0 /0,0 /49.050,0 /0,5 //")
                                                       << QStringList{fehler(Fehler::Ueberlauf, texte::wertAuf0)};
        QTest::newRow("kopf gelöscht") << QStringList{"txtd+1000", "txtWS+5", "txtWS="} << soll(d1000 + "1000/")
                                       << typen;
        QTest::newRow("durchmesser gelöscht leert beide") << QStringList{"txtd+1000", "txtWS+5", "txtd="}
                                                          << soll(d1000 + "/") << typen;
        QTest::newRow("probe") << QStringList{"Command1!"}
                               << soll("1,0000 /10.000,0 /98.100,0 /98.100,0 /1,0 /1128,37784777716/10")
                               << QStringList{};
    }
    void rechnen() { zeile<frmBodendruck>(); }
};

QTEST_MAIN(TestBodendruck)
#include "tst_frmBodendruck.moc"
