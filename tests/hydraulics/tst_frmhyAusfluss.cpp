// The floor outflow window: inputs unlocked step by step, outflow per opening
// and in total, the volume of several manholes, the error blocks, and the
// handlers without one.
#include "ablauf.h"
#include "fenster.h"
#include "frmhyAusfluss.h"
#include "texte.h"

class TestAusfluss : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmhyAusfluss>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void ablaeufe_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("soll");
        QTest::addColumn<QStringList>("meldungen");
        const QStringList d38{"Option2!", "txtAnzahl+16", "txtDurchmesser+38"};
        const QStringList h100 = d38 + QStringList{"txth+100"};
        const QStringList beispiel{"txtFläche=0,01815 ", "lblÄquiDN=152", "lblAusflussjeÖffnung=1,0 ",
                                   "lblQm3s=0,01652 ", "lblQls=16,5 ", "lblQm3h=59,5 ", "lblAusflussmenge=9,9"};
        QTest::newRow("geöffnet") << QStringList{}
                                  << QStringList{"lblMue=0,65", "@txtDurchmesser=aus", "@txth=aus", "@Listmue=aus",
                                                 "lblAusflussmenge="}
                                  << QStringList{};
        QTest::newRow("mehrere, freigabe") << QStringList{"Option2!"}
                                           << QStringList{"@txtAnzahl=an", "@txtFläche=an", "@txth=aus"}
                                           << QStringList{};
        QTest::newRow("beispiel 16 x 38 mm, 100 mm")
            << h100 << beispiel + QStringList{"@Option1=aus", "@Listmue=an"} << QStringList{};
        QTest::newRow("eine öffnung")
            << QStringList{"Option1!", "txtDurchmesser+38"}
            << QStringList{"txtAnzahl=1", "@txtAnzahl=aus", "txtFläche=0,00113 ", "lblÄquiDN=38", "@Option1=aus"}
            << QStringList{};
        QTest::newRow("fläche ohne anzahl") << QStringList{"Option2!", "txtFläche+1"}
                                            << QStringList{"txtFläche=0", "txtDurchmesser="}
                                            << QStringList{fehler(Fehler::Typen, texte::wertAuf0)};
        QTest::newRow("fläche mit anzahl") << QStringList{"Option2!", "txtAnzahl+16", "txtFläche+0,01"}
                                           << QStringList{"txtDurchmesser=28,20945 ", "lblÄquiDN=113", "@txth=an",
                                                          "@Listmue=aus"}
                                           << QStringList{};
        QTest::newRow("fläche nach durchmesser: äquivalent folgt")
            << d38 + QStringList{"txtFläche=0,01"} << QStringList{"txtDurchmesser=28,20945 ", "lblÄquiDN=113"}
            << QStringList{};
        QTest::newRow("anzahl nach durchmesser: fläche folgt")
            << d38 + QStringList{"txtAnzahl=8", "txth+5"}
            << QStringList{"txtFläche=0,00907 ", "lblÄquiDN=107", "lblQls=1,8 "} << QStringList{};
        QTest::newRow("buchstaben in der anzahl") << h100 + QStringList{"txtAnzahl=x"} << beispiel
                                                  << QStringList{fehler(Fehler::Typen, texte::werteUnveraendert)};
        QTest::newRow("buchstaben in der anzahl, liste")
            << h100 + QStringList{"txtAnzahl=x", "Listmue>0,80"} << beispiel + QStringList{"lblMue=0,80"}
            << QStringList(2, fehler(Fehler::Typen, texte::werteUnveraendert));
        QTest::newRow("liste rechnet neu")
            << h100 + QStringList{"Listmue>0,80"}
            << QStringList{"lblMue=0,80", "lblAusflussjeÖffnung=1,3 ", "lblQls=20,3 ", "lblAusflussmenge=12,2"}
            << QStringList{};
        QTest::newRow("liste ohne wassersäule")
            << d38 + QStringList{"Listmue>0,80"} << QStringList{"lblMue=0,80", "lblQls="} << QStringList{};
        QTest::newRow("schieber") << h100 + QStringList{"HScroll1>30"}
                                  << QStringList{"txtAusflusszeit=30", "lblAusflussmenge=29,7"} << QStringList{};
        QTest::newRow("schieber, buchstaben bei den schächten")
            << h100 + QStringList{"txtAnzahlSchächte:x", "HScroll1>30"}
            << QStringList{"txtAusflusszeit=30", "lblAusflussmenge=9,9"}
            << QStringList{fehler(Fehler::Typen, texte::werteUnveraendert)};
        QTest::newRow("schächte vor dem ausfluss")
            << QStringList{"txtAnzahlSchächte=3"} << QStringList{"lblAusflussmenge=0,0"} << QStringList{};
        QTest::newRow("schachtzahl leer, zeit getippt: zeit auf 1")
            << QStringList{"txtAnzahlSchächte:", "txtAusflusszeit+5"}
            << QStringList{"txtAusflusszeit=1", "txtAnzahlSchächte="}
            << QStringList{fehler(Fehler::Typen, texte::wertAuf1)};
        QTest::newRow("negative wassersäule")
            << h100 + QStringList{"txth:-5", "txth~"} << beispiel + QStringList{"txth=0"}
            << QStringList{fehler(Fehler::UngueltigesArgument, texte::wertAuf0)};
    }
    void ablaeufe()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, soll);
        QFETCH(QStringList, meldungen);
        ablauf(w, schritte);
        QCOMPARE(stand(w, soll), soll);
        QCOMPARE(gezeigt(*umgebung), meldungen);
    }
};

QTEST_MAIN(TestAusfluss)
#include "tst_frmhyAusfluss.moc"
