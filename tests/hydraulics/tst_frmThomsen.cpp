// The V-notch weir window: coefficient, angle and discharges on every change
// of either box, the angle warning, both error blocks with the order of their
// reset and message, and the height that follows the mouse.
#include "ablauf.h"
#include "frmThomsen.h"
#include "texte.h"

class TestThomsen : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        using L = QStringList;
        const QString titel = "Einga-befehler";
        const L keinAbfluss{"lblQm3s=", "lblQls=", "lblQm3d=", "lblQm3h="};
        QTest::newRow("geöffnet") << L{} << L{"@txtÜberfallhöhe=aus", "lblMue=", "lblQls="} << L{};
        QTest::newRow("45°, 5 cm") << L{"txtAlpha=45"}
                                   << L{"lblMue=0,603908 ", "lblBogen=0,78540 ", "lblQm3s=0,00 ", "lblQls=0,80 ",
                                        "lblQm3d=68,91 ", "lblQm3h=2,87 "} << L{};
        QTest::newRow("45°, 10 cm") << L{"txtAlpha=45", "txtÜberfallhöhe=10"}
                                    << L{"lblMue=0,592512 ", "lblQls=4,43 ", "lblQm3h=15,93 ", "lblQm3d=382,44 "}
                                    << L{};
        QTest::newRow("89,999°") << L{"txtAlpha:89,999"} << L{"lblBogen=1,57078 ", "lblQls=57.874,93 "} << L{};
        QTest::newRow("90°") << L{"txtAlpha:90"} << L{"lblMue=0,603908 ", "lblBogen=1,57080 "} + keinAbfluss
                             << L{titel + ":  | Achtung Gesamter Winkel > 180 °! [90|5]"};
        QTest::newRow("-45°") << L{"txtAlpha:-45"} << L{"lblBogen=-0,78540 "} + keinAbfluss << L{};
        QTest::newRow("höhe leer, dann 0") << L{"txtAlpha=45", "txtÜberfallhöhe=", "txtÜberfallhöhe=0"}
                                           << L{"txtÜberfallhöhe=1", "lblMue=0,652000 "}
                                           << L{fehler(Fehler::Typen, texte::wertAuf1, titel) + " [45|1]",
                                                fehler(Fehler::DivisionDurchNull, texte::wertAuf1, titel) + " [45|1]"};
        QTest::newRow("winkel gelöscht") << L{"txtAlpha="} << L{"txtAlpha=1", "lblBogen=0,01745 "}
                                         << L{fehler(Fehler::Typen, texte::wertAuf1, titel) + " [|5]"};
        // The lower panel opens over the button or on its click, closes over a frame's bare surface.
        QTest::newRow("höhe offen") << L{"Command1^", "txtAlpha^", "lblMue^"} << L{"#höhe=10110"} << L{};
        QTest::newRow("höhe zu") << L{"Command1^", "Label7_1^"} << L{"#höhe=2805"} << L{};
        QTest::newRow("höhe nach klick") << L{"Command1^", "Label7_1^", "Command1!"} << L{"#höhe=10110"} << L{};
    }
    void rechnen() { zeile<frmThomsen>({"txtAlpha", "txtÜberfallhöhe"}); }
};

QTEST_MAIN(TestThomsen)
#include "tst_frmThomsen.moc"
