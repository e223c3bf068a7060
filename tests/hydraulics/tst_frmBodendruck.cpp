// The floor force window: area, forces and pressures as the boxes are typed,
// its two error blocks and the test values.
#include "ablauf.h"
#include "fenster.h"
#include "frmBodendruck.h"
#include "texte.h"

class TestBodendruck : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmBodendruck>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void rechnen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("soll"); // area, kp, N, Pa, kp/cm², then both boxes
        QTest::addColumn<QString>("meldung");
        const QStringList d1000{"0,7854 ", "3.927,0 ", "38.523,9 ", "49.050,0 ", "0,5 "};
        const QString typen = fehler(Fehler::Typen, texte::wertAuf0);
        QTest::newRow("nur der kopf") << QStringList{"txtWS+5"} << QStringList{"", "", "", "", "", "", "5"} << "";
        QTest::newRow("kopf, dann durchmesser")
            << QStringList{"txtWS+5", "txtd+1000"} << d1000 + QStringList{"1000", "5"} << "";
        QTest::newRow("tausenderpunkt") << QStringList{"txtd+1.200", "txtWS+5"}
                                        << QStringList{"1,1310 ", "5.654,9 ", "55.474,4 ", "49.050,0 ", "0,5 ",
                                                       "1.200", "5"}
                                        << "";
        QTest::newRow("durchmesser 0: drücke bleiben")
            << QStringList{"txtd+1000", "txtWS+5", "txtd=0"}
            << QStringList{"0,0000 ", "0,0 ", "0,0 ", "49.050,0 ", "0,5 ", "", ""}
            << fehler(Fehler::Ueberlauf, texte::wertAuf0);
        QTest::newRow("kopf gelöscht") << QStringList{"txtd+1000", "txtWS+5", "txtWS="}
                                       << d1000 + QStringList{"1000", ""} << typen;
        QTest::newRow("durchmesser gelöscht leert beide")
            << QStringList{"txtd+1000", "txtWS+5", "txtd="} << d1000 + QStringList{"", ""} << typen;
        QTest::newRow("probe") << QStringList{"Command1!"}
                               << QStringList{"1,0000 ", "10.000,0 ", "98.100,0 ", "98.100,0 ", "1,0 ",
                                              "1128,37784777716", "10"}
                               << "";
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, soll);
        QFETCH(QString, meldung);
        ablauf(w, schritte);
        QCOMPARE(texteVon(w, {"lblFläche", "lblkp", "LblN", "lblPa", "lblkpcm", "txtd", "txtWS"}), soll);
        QCOMPARE(gezeigt(*umgebung), meldung.isEmpty() ? QStringList() : QStringList{meldung});
    }
};

QTEST_MAIN(TestBodendruck)
#include "tst_frmBodendruck.moc"
