// The design rain window: the computation, the presets, the error block and the height.
#include "ablauf.h"
#include "frmRegenspende.h"
#include "texte.h"

class TestRegenspende : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        const QString regen = "lblz=1,0 ;lblphi=0,999 ;lblrTn=149,9 ;Label31=15;Label33=(1);lblNiederschlag=13,5 ;"
                              "lblRegensintensität=0,9 ;lblAha=1,00 ;lblVR=134,88 ;lblNls=149,86 ;Label46=900 ;"
                              "lblNm3h=539,50 ;";
        const QString auf01 = texte::wertAuf("0,1");
        reihe("entwurfswerte", "Command1!", regen + "lblVA=128,13 ;lblQls=142,37 ;lblQm3h=512,53 ");
        reihe("n = 0,5: nur der regenteil", "Option11!",
              "txtn=0,50 ;lblz=2,0 ;lblphi=1,299 ;lblrTn=194,8 ;Label33=(0,50 );lblNiederschlag=");
        reihe("andere psi, gleich rechnen", "Command2!;Command1!",
              regen + "lblPsi=0,1;lblVA=;@TxtPsi=an;TxtPsi=", {fehler(Fehler::Typen, auf01, "Einga-befehler") + " []"});
        reihe("andere psi, getippt", "Command2!;TxtPsi+0,5;Command1!", "lblPsi=0,5;lblVA=67,44 ;lblQls=74,93 ");
        reihe("dauer erst mit der vorgabe", "txtT=30;Option12!", "lblphi=0,615 ;Label31=30;lblNiederschlag=");
        reihe("fläche", "txtm2=25000", "lblAha=2,50 ;lblVR=");
        reihe("fläche ohne zahl", "txtm2=25000;txtm2=", "lblAha=");
        reihe("vorgabe, dauer ohne zahl", "txtT=x;Option11!",
              "lblz=2,0 ;lblphi=", {fehler(Fehler::Typen, texte::werteUnveraendert) + " [0,95]"});
        reihe("n = 100: kein regen", "txtn=100;Command1!", "lblz=0,0 ;lblphi=-0,084 ;lblrTn=;lblVR=;lblQls=");
        reihe("dauer negativ: kein regen", "txtT=-5;Command1!", "lblphi=5,995 ;lblrTn=;lblNiederschlag=");
        reihe("n = 0", "txtn=0;Command1!", "lblAha=1,00 ;lblz=;lblPsi=0,1",
              {fehler(Fehler::DivisionDurchNull, auf01, "Einga-befehler") + " [0,95]"});
        reihe("vorgaben", "Option2!;Option15!", "TxtPsi=0,9;lblPsi=0,90 ;txtn=0,02 ");
        reihe("psi wie er ist", "Option3!", "TxtPsi=0,6;lblPsi=0,6");
        // The credits show over the button, hide over the bare surface, not a frame or a label.
        reihe("höhe offen", "Command3^;lblVR^;Frame1^", "#höhe=12420");
        reihe("höhe zu", "Command3^;Shape2^", "#höhe=10545");
    }
    void rechnen() { zeile<frmRegenspende>({"lblPsi"}); }
};

QTEST_MAIN(TestRegenspende)
#include "tst_frmRegenspende.moc"
