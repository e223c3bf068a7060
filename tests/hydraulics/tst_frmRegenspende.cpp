// The design rain window: the full computation on the button, the frequency
// presets that compute the rain part at once, the runoff coefficient presets
// and "andere Psi", the error block and the height that follows the mouse.
#include "ablauf.h"
#include "fenster.h"
#include "frmRegenspende.h"
#include "texte.h"
#include "twips.h"

class TestRegenspende : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmRegenspende>();
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
        QTest::addColumn<QStringList>("gesehen"); // lblPsi as each message shows
        const QStringList regen{"lblz=1,0 ", "lblphi=0,999 ", "lblrTn=149,9 ", "Label31=15", "Label33=(1)",
                                "lblNiederschlag=13,5 ", "lblRegensintensität=0,9 ", "lblAha=1,00 ",
                                "lblVR=134,88 ", "lblNls=149,86 ", "Label46=900 ", "lblNm3h=539,50 "};
        const QString auf01 = fehler(Fehler::Typen, texte::wertAuf(QStringLiteral("0,1")), "Einga-befehler");
        QTest::newRow("entwurfswerte")
            << QStringList{"Command1!"} << regen + QStringList{"lblVA=128,13 ", "lblQls=142,37 ", "lblQm3h=512,53 "}
            << QStringList{} << QStringList{};
        QTest::newRow("jährlich alle 2 jahre: nur der regenteil")
            << QStringList{"Option11!"}
            << QStringList{"txtn=0,50 ", "lblz=2,0 ", "lblphi=1,299 ", "lblrTn=194,8 ", "Label33=(0,50 )",
                           "lblNiederschlag="}
            << QStringList{} << QStringList{};
        QTest::newRow("andere psi, gleich rechnen")
            << QStringList{"Command2!", "Command1!"}
            << regen + QStringList{"lblPsi=0,1", "lblVA=", "@TxtPsi=an", "TxtPsi="} << QStringList{auf01}
            << QStringList{""};
        QTest::newRow("andere psi, getippt")
            << QStringList{"Command2!", "TxtPsi+0,5", "Command1!"}
            << QStringList{"lblPsi=0,5", "lblVA=67,44 ", "lblQls=74,93 ", "lblQm3h=269,75 "} << QStringList{}
            << QStringList{};
        QTest::newRow("dauer getippt rechnet nichts, die nächste vorgabe nimmt sie")
            << QStringList{"txtT=30", "Option12!"} << QStringList{"lblphi=0,615 ", "Label31=30", "lblNiederschlag="}
            << QStringList{} << QStringList{};
        QTest::newRow("fläche sofort") << QStringList{"txtm2=25000"} << QStringList{"lblAha=2,50 ", "lblVR="}
                                       << QStringList{} << QStringList{};
        QTest::newRow("fläche ohne zahl") << QStringList{"txtm2=25000", "txtm2="} << QStringList{"lblAha="}
                                          << QStringList{} << QStringList{};
        QTest::newRow("vorgabe bei dauer ohne zahl")
            << QStringList{"txtT=x", "Option11!"} << QStringList{"lblz=2,0 ", "lblphi=", "lblrTn="}
            << QStringList{fehler(Fehler::Typen, texte::werteUnveraendert)} << QStringList{"0,95"};
        QTest::newRow("n = 0") << QStringList{"txtn=0", "Command1!"} << QStringList{"lblAha=1,00 ", "lblz=", "lblPsi=0,1"}
                               << QStringList{fehler(Fehler::DivisionDurchNull, texte::wertAuf("0,1"), "Einga-befehler")}
                               << QStringList{"0,95"};
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, soll);
        QFETCH(QStringList, meldungen);
        QFETCH(QStringList, gesehen);
        Zeuge zeuge(*umgebung, {kind<QWidget>(w, "lblPsi")});
        ablauf(w, schritte);
        QCOMPARE(stand(w, soll), soll);
        QCOMPARE(gezeigt(*umgebung), meldungen);
        QCOMPARE(zeuge.gesehen, gesehen);
    }

    // Each preset on a fresh window: what the coefficient or the frequency
    // box and the coefficient field then show.
    void vorgaben_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("soll");
        const char* psi[][3] = {{"1", "0,95", "0,95 "}, {"2", "0,9", "0,90 "},  {"3", "0,6", "0,6"},
                                {"4", "0,875", "0,875"}, {"5", "0,8", "0,8"},   {"6", "0,6", "0,6"},
                                {"7", "0,425", "0,425"}, {"8", "0,15", "0,15"}, {"9", "0,15", "0,15"},
                                {"10", "0,1", "0,10 "}};
        for (const auto& p : psi)
            QTest::newRow(p[0]) << QStringLiteral("Option%1").arg(p[0])
                                << QStringList{QStringLiteral("TxtPsi=") + p[1], QStringLiteral("lblPsi=") + p[2]};
        const char* n[][2] = {{"11", "0,50 "}, {"12", "1,00 "}, {"13", "0,20 "}, {"14", "0,20 "},
                              {"15", "0,02 "}, {"16", "0,05 "}, {"17", "0,05 "}, {"18", "0,10 "}};
        for (const auto& p : n)
            QTest::newRow(p[0]) << QStringLiteral("Option%1").arg(p[0])
                                << QStringList{QStringLiteral("txtn=") + p[1], "lblPsi=0,95", "lblVR="};
    }
    void vorgaben()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, soll);
        ablauf(w, {option + u'!'});
        QCOMPARE(stand(w, soll), soll);
        QCOMPARE(gezeigt(*umgebung), QStringList());
    }

    // The credits below show over the button and hide over the bare
    // surface, also that of a drawn rectangle, but not over its labels.
    void hoehe()
    {
        QCOMPARE(w->height(), twips(10545));
        QTest::mouseMove(kind<QWidget>(w, "Command3"));
        QCOMPARE(w->height(), twips(12420));
        QTest::mouseMove(kind<QWidget>(w, "lblVR"));
        QTest::mouseMove(kind<QWidget>(w, "Frame1"), QPoint(20, 40));
        QCOMPARE(w->height(), twips(12420));
        QTest::mouseMove(kind<QWidget>(w, "Shape2"), QPoint(2, 2));
        QCOMPARE(w->height(), twips(10545));
    }
};

QTEST_MAIN(TestRegenspende)
#include "tst_frmRegenspende.moc"
