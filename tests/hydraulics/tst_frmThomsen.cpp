// The V-notch weir window: coefficient, angle and discharges on every change
// of either box, the angle warning, both error blocks with the order of their
// reset and message, and the height that follows the mouse.
#include "ablauf.h"
#include "fenster.h"
#include "frmThomsen.h"
#include "texte.h"
#include "twips.h"

class TestThomsen : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmThomsen>();
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
        QTest::addColumn<QStringList>("soll");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QStringList>("gesehen"); // both boxes as each message shows
        const QString titel = QStringLiteral("Einga-befehler");
        const QStringList keinAbfluss{"lblQm3s=", "lblQls=", "lblQm3d=", "lblQm3h="};
        QTest::newRow("geöffnet") << QStringList{} << QStringList{"@txtÜberfallhöhe=aus", "lblMue=", "lblQls="}
                                  << QStringList{} << QStringList{};
        QTest::newRow("45°, 5 cm") << QStringList{"txtAlpha=45"}
                                   << QStringList{"lblMue=0,603908 ", "lblBogen=0,78540 ", "lblQm3s=0,00 ",
                                                  "lblQls=0,80 ", "lblQm3d=68,91 ", "lblQm3h=2,87 ",
                                                  "@txtÜberfallhöhe=an"}
                                   << QStringList{} << QStringList{};
        QTest::newRow("45°, 10 cm") << QStringList{"txtAlpha=45", "txtÜberfallhöhe=10"}
                                    << QStringList{"lblMue=0,592512 ", "lblQls=4,43 ", "lblQm3h=15,93 ",
                                                   "lblQm3d=382,44 "}
                                    << QStringList{} << QStringList{};
        QTest::newRow("89,999° ohne warnung") << QStringList{"txtAlpha:89,999"}
                                              << QStringList{"lblBogen=1,57078 ", "lblQls=57.874,93 "}
                                              << QStringList{} << QStringList{};
        QTest::newRow("90°: warnung, kein abfluss")
            << QStringList{"txtAlpha:90"}
            << QStringList{"lblMue=0,603908 ", "lblBogen=1,57080 "} + keinAbfluss
            << QStringList{titel + ":  | Achtung Gesamter Winkel > 180 °!"} << QStringList{"90|5"};
        QTest::newRow("-45°: kein abfluss") << QStringList{"txtAlpha:-45"}
                                            << QStringList{"lblBogen=-0,78540 "} + keinAbfluss << QStringList{}
                                            << QStringList{};
        QTest::newRow("höhe gelöscht: erst 1 cm, dann die meldung")
            << QStringList{"txtAlpha=45", "txtÜberfallhöhe="}
            << QStringList{"txtÜberfallhöhe=1", "lblMue=0,652000 "}
            << QStringList{fehler(Fehler::Typen, texte::wertAuf1, titel)} << QStringList{"45|1"};
        QTest::newRow("höhe 0") << QStringList{"txtAlpha=45", "txtÜberfallhöhe=0"}
                                << QStringList{"txtÜberfallhöhe=1", "lblMue=0,652000 "}
                                << QStringList{fehler(Fehler::DivisionDurchNull, texte::wertAuf1, titel)}
                                << QStringList{"45|1"};
        QTest::newRow("winkel gelöscht: erst die meldung, dann 1°")
            << QStringList{"txtAlpha="} << QStringList{"txtAlpha=1", "lblBogen=0,01745 "}
            << QStringList{fehler(Fehler::Typen, texte::wertAuf1, titel)} << QStringList{"|5"};
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, soll);
        QFETCH(QStringList, meldungen);
        QFETCH(QStringList, gesehen);
        Zeuge zeuge(*umgebung, {kind<QWidget>(w, "txtAlpha"), kind<QWidget>(w, "txtÜberfallhöhe")});
        ablauf(w, schritte);
        QCOMPARE(stand(w, soll), soll);
        QCOMPARE(gezeigt(*umgebung), meldungen);
        QCOMPARE(zeuge.gesehen, gesehen);
    }

    // The lower panel opens over the button and closes over the bare
    // surface of the frames, not over the boxes inside them.
    void hoehe()
    {
        QCOMPARE(w->height(), twips(2805));
        QTest::mouseMove(kind<QWidget>(w, "Command1"));
        QCOMPARE(w->height(), twips(10110));
        QTest::mouseMove(kind<QWidget>(w, "txtAlpha"));
        QTest::mouseMove(kind<QWidget>(w, "lblMue"));
        QCOMPARE(w->height(), twips(10110));
        QTest::mouseMove(kind<QWidget>(w, "Label7_1"), QPoint(2, 2));
        QCOMPARE(w->height(), twips(2805));
        ablauf(w, {"Command1!"});
        QCOMPARE(w->height(), twips(10110));
    }
};

QTEST_MAIN(TestThomsen)
#include "tst_frmThomsen.moc"
