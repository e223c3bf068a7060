// The design rain window: the full computation on the button, the frequency
// presets that compute the rain part at once, the runoff coefficient presets
// and "andere Psi", the error block and the height that follows the mouse.
#include "ablauf.h"
#include "frmRegenspende.h"
#include "texte.h"
#include "twips.h"

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
                                             << L{"lblPsi=0,5", "lblVA=67,44 ", "lblQls=74,93 ", "lblQm3h=269,75 "}
                                             << L{};
        QTest::newRow("dauer erst mit der vorgabe") << L{"txtT=30", "Option12!"}
                                                    << L{"lblphi=0,615 ", "Label31=30", "lblNiederschlag="} << L{};
        QTest::newRow("fläche") << L{"txtm2=25000"} << L{"lblAha=2,50 ", "lblVR="} << L{};
        QTest::newRow("fläche ohne zahl") << L{"txtm2=25000", "txtm2="} << L{"lblAha="} << L{};
        QTest::newRow("vorgabe, dauer ohne zahl") << L{"txtT=x", "Option11!"} << L{"lblz=2,0 ", "lblphi="}
                                                  << L{fehler(Fehler::Typen, texte::werteUnveraendert) + " [0,95]"};
        // No rain: a time factor below 0, or a negative duration.
        QTest::newRow("n = 100: kein regen") << L{"txtn=100", "Command1!"}
                                             << L{"lblz=0,0 ", "lblphi=-0,084 ", "lblrTn=", "lblVR=", "lblQls="} << L{};
        QTest::newRow("dauer negativ: kein regen") << L{"txtT=-5", "Command1!"}
                                                   << L{"lblphi=5,995 ", "lblrTn=", "lblNiederschlag=", "lblVA="}
                                                   << L{};
        QTest::newRow("n = 0") << L{"txtn=0", "Command1!"} << L{"lblAha=1,00 ", "lblz=", "lblPsi=0,1"}
                               << L{fehler(Fehler::DivisionDurchNull, auf01, "Einga-befehler") + " [0,95]"};
        // Each preset: the coefficient box and field, or the frequency box.
        const char* psi[][3] = {{"1", "0,95", "0,95 "}, {"2", "0,9", "0,90 "}, {"3", "0,6", "0,6"},
                                {"4", "0,875", "0,875"}, {"5", "0,8", "0,8"}, {"6", "0,6", "0,6"},
                                {"7", "0,425", "0,425"}, {"8", "0,15", "0,15"}, {"9", "0,15", "0,15"},
                                {"10", "0,1", "0,10 "}, {"11", "0,50 "}, {"12", "1,00 "}, {"13", "0,20 "},
                                {"14", "0,20 "}, {"15", "0,02 "}, {"16", "0,05 "}, {"17", "0,05 "}, {"18", "0,10 "}};
        for (const auto& p : psi)
            QTest::newRow(p[0]) << L{QStringLiteral("Option%1!").arg(p[0])}
                                << (p[2] ? L{QStringLiteral("TxtPsi=") + p[1], QStringLiteral("lblPsi=") + p[2]}
                                         : L{QStringLiteral("txtn=") + p[1], "lblPsi=0,95"})
                                << L{};
    }
    void rechnen() { zeile<frmRegenspende>({"lblPsi"}); }

    // The credits show over the button and hide over the bare surface, also
    // that of a drawn rectangle, but not over a frame or a label.
    void hoehe()
    {
        Testumgebung umgebung;
        QWidget* w = fenster::zeige<frmRegenspende>();
        QTest::mouseMove(kind<QWidget>(w, "Command3"));
        QTest::mouseMove(kind<QWidget>(w, "lblVR"));
        QTest::mouseMove(kind<QWidget>(w, "Frame1"), QPoint(20, 40));
        QCOMPARE(w->height(), twips(12420));
        QTest::mouseMove(kind<QWidget>(w, "Shape2"), QPoint(2, 2));
        QCOMPARE(w->height(), twips(10545));
        alleSchliessen();
    }
};

QTEST_MAIN(TestRegenspende)
#include "tst_frmRegenspende.moc"
