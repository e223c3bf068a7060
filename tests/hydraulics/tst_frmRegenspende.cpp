// The design rain window: the full computation on the button, the frequency
// presets that compute the rain part at once, the runoff coefficient presets
// and "andere Psi", the error block and the height that follows the mouse.
#include "ablauf.h"
#include "frmRegenspende.h"
#include "texte.h"

class TestRegenspende : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        using L = QStringList;
        const L regen{"lblz=1,0 ", "lblphi=0,999 ", "lblrTn=149,9 ", "Label31=15", "Label33=(1)",
                      "lblNiederschlag=13,5 ", "lblRegensintensität=0,9 ", "lblAha=1,00 ", "lblVR=134,88 ",
                      "lblNls=149,86 ", "Label46=900 ", "lblNm3h=539,50 "};
        const QString auf01 = texte::wertAuf("0,1");
        QTest::newRow("entwurfswerte") << L{"Command1!"}
                                       << regen + L{"lblVA=128,13 ", "lblQls=142,37 ", "lblQm3h=512,53 "} << L{};
        QTest::newRow("n = 0,5: nur der regenteil")
            << L{"Option11!"}
            << L{"txtn=0,50 ", "lblz=2,0 ", "lblphi=1,299 ", "lblrTn=194,8 ", "Label33=(0,50 )", "lblNiederschlag="}
            << L{};
        QTest::newRow("andere psi, gleich rechnen") << L{"Command2!", "Command1!"}
                                                    << regen + L{"lblPsi=0,1", "lblVA=", "@TxtPsi=an", "TxtPsi="}
                                                    << L{fehler(Fehler::Typen, auf01, "Einga-befehler") + " []"};
        QTest::newRow("andere psi, getippt") << L{"Command2!", "TxtPsi+0,5", "Command1!"}
                                             << L{"lblPsi=0,5", "lblVA=67,44 ", "lblQls=74,93 "} << L{};
        QTest::newRow("dauer erst mit der vorgabe") << L{"txtT=30", "Option12!"}
                                                    << L{"lblphi=0,615 ", "Label31=30", "lblNiederschlag="} << L{};
        QTest::newRow("fläche") << L{"txtm2=25000"} << L{"lblAha=2,50 ", "lblVR="} << L{};
        QTest::newRow("fläche ohne zahl") << L{"txtm2=25000", "txtm2="} << L{"lblAha="} << L{};
        QTest::newRow("vorgabe, dauer ohne zahl") << L{"txtT=x", "Option11!"} << L{"lblz=2,0 ", "lblphi="}
                                                  << L{fehler(Fehler::Typen, texte::werteUnveraendert) + " [0,95]"};
        QTest::newRow("n = 100: kein regen") << L{"txtn=100", "Command1!"}
                                             << L{"lblz=0,0 ", "lblphi=-0,084 ", "lblrTn=", "lblVR=", "lblQls="} << L{};
        QTest::newRow("dauer negativ: kein regen") << L{"txtT=-5", "Command1!"}
                                                   << L{"lblphi=5,995 ", "lblrTn=", "lblNiederschlag="} << L{};
        QTest::newRow("n = 0") << L{"txtn=0", "Command1!"} << L{"lblAha=1,00 ", "lblz=", "lblPsi=0,1"}
                               << L{fehler(Fehler::DivisionDurchNull, auf01, "Einga-befehler") + " [0,95]"};
        QTest::newRow("vorgaben") << L{"Option2!", "Option15!"} << L{"TxtPsi=0,9", "lblPsi=0,90 ", "txtn=0,02 "} << L{};
        QTest::newRow("psi wie er ist") << L{"Option3!"} << L{"TxtPsi=0,6", "lblPsi=0,6"} << L{};
        // The credits show over the button, hide over the bare surface, not a frame or a label.
        QTest::newRow("höhe offen") << L{"Command3^", "lblVR^", "Frame1^"} << L{"#höhe=12420"} << L{};
        QTest::newRow("höhe zu") << L{"Command3^", "Shape2^"} << L{"#höhe=10545"} << L{};
    }
    void rechnen() { zeile<frmRegenspende>({"lblPsi"}); }
};

QTEST_MAIN(TestRegenspende)
#include "tst_frmRegenspende.moc"
