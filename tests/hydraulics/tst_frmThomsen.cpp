// The V-notch weir window: the discharges, the angle warning, both error blocks, the height.
#include "ablauf.h"
#include "frmThomsen.h"
#include "texte.h"

class TestThomsen : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        const QString titel = "Einga-befehler", keinAbfluss = ";lblQm3s=;lblQls=;lblQm3d=;lblQm3h=";
        reihe("geöffnet", "", "@txtÜberfallhöhe=aus;lblMue=;lblQls=");
        // The head box is white by design, also while it is disabled; the window light grey around
        // its white boxes.
        reihe("höhe gesperrt und weiß", "", "@txtÜberfallhöhe=aus;txtÜberfallhöhe.grund=#ffffff");
        reihe("fenster hellgrau", "", "#grund=#e0e0e0;txtAlpha.grund=#ffffff;Text1.grund=#ffffff");
        reihe("höhe frei und weiß", "txtAlpha=45", "@txtÜberfallhöhe=an;txtÜberfallhöhe.grund=#ffffff");
        reihe("45°, 5 cm", "txtAlpha=45",
              "lblMue=0,603908 ;lblBogen=0,78540 ;lblQm3s=0,00 ;lblQls=0,80 ;lblQm3d=68,91 ;lblQm3h=2,87 ");
        reihe("45°, 10 cm", "txtAlpha=45;txtÜberfallhöhe=10",
              "lblMue=0,592512 ;lblQls=4,43 ;lblQm3h=15,93 ;lblQm3d=382,44 ");
        reihe("89,999°", "txtAlpha:89,999", "lblBogen=1,57078 ;lblQls=57.874,93 ");
        reihe("90°", "txtAlpha:90", "lblMue=0,603908 ;lblBogen=1,57080 " + keinAbfluss,
              {titel + ":  | Achtung Gesamter Winkel > 180 °! [90|5]"});
        reihe("-45°", "txtAlpha:-45", "lblBogen=-0,78540 " + keinAbfluss);
        reihe("höhe leer, dann 0", "txtAlpha=45;txtÜberfallhöhe=;txtÜberfallhöhe=0",
              "txtÜberfallhöhe=1;lblMue=0,652000 ",
              {fehler(Fehler::Typen, texte::wertAuf1, titel) + " [45|1]",
               fehler(Fehler::DivisionDurchNull, texte::wertAuf1, titel) + " [45|1]"});
        reihe("winkel gelöscht", "txtAlpha=", "txtAlpha=1;lblBogen=0,01745 ",
              {fehler(Fehler::Typen, texte::wertAuf1, titel) + " [|5]"});
        // The lower panel opens over the button or on its click, closes over a frame's bare surface.
        reihe("höhe offen", "Command1^;txtAlpha^;lblMue^", "#höhe=10110");
        reihe("höhe zu", "Command1^;Label7_1^", "#höhe=2805");
        reihe("höhe nach klick", "Command1^;Label7_1^;Command1!", "#höhe=10110");
    }
    void rechnen() { zeile<frmThomsen>({"txtAlpha", "txtÜberfallhöhe"}); }
};

QTEST_MAIN(TestThomsen)
#include "tst_frmThomsen.moc"
