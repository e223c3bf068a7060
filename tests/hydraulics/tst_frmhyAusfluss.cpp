// The floor outflow window: inputs unlocked step by step, outflow per opening
// and in total, the volume of several manholes, the error blocks, and the
// handlers without one.
#include "ablauf.h"
#include "frmhyAusfluss.h"
#include "texte.h"

class TestAusfluss : public QObject {
    Q_OBJECT

private slots:
    void rechnen_data()
    {
        spalten();
        using L = QStringList;
        const L d38{"Option2!", "txtAnzahl+16", "txtDurchmesser+38"};
        const L h100 = d38 + L{"txth+100"};
        const L beispiel{"txtFläche=0,01815 ", "lblÄquiDN=152", "lblAusflussjeÖffnung=1,0 ", "lblQm3s=0,01652 ",
                         "lblQls=16,5 ", "lblQm3h=59,5 ", "lblAusflussmenge=9,9"};
        const L unveraendert{fehler(Fehler::Typen, texte::werteUnveraendert)};
        QTest::newRow("freigabe") << L{"Option2!"} << L{"@txtFläche=an", "@txth=aus", "@Listmue=aus"} << L{};
        QTest::newRow("16 x 38 mm, 100 mm") << h100 << beispiel + L{"@Option1=aus", "@Listmue=an"} << L{};
        QTest::newRow("eine öffnung") << L{"Option1!", "txtDurchmesser+38"}
                                      << L{"txtAnzahl=1", "@txtAnzahl=aus", "txtFläche=0,00113 ", "lblÄquiDN=38"} << L{};
        QTest::newRow("fläche ohne anzahl") << L{"Option2!", "txtFläche+1"} << L{"txtFläche=0", "txtDurchmesser="}
                                            << L{fehler(Fehler::Typen, texte::wertAuf0)};
        QTest::newRow("fläche mit anzahl") << L{"Option2!", "txtAnzahl+16", "txtFläche+0,01"}
                                           << L{"txtDurchmesser=28,20945 ", "lblÄquiDN=113", "@txth=an"} << L{};
        QTest::newRow("fläche nach durchmesser") << d38 + L{"txtFläche=0,01"}
                                                 << L{"txtDurchmesser=28,20945 ", "lblÄquiDN=113"} << L{};
        QTest::newRow("anzahl nach durchmesser") << d38 + L{"txtAnzahl=8", "txth+5"}
                                                 << L{"txtFläche=0,00907 ", "lblÄquiDN=107", "lblQls=1,8 "} << L{};
        QTest::newRow("buchstaben in der anzahl") << h100 + L{"txtAnzahl=x"} << beispiel << unveraendert;
        QTest::newRow("buchstaben, dann liste") << h100 + L{"txtAnzahl=x", "Listmue>0,80"} << beispiel + L{"lblMue=0,80"}
                                                << unveraendert + unveraendert;
        QTest::newRow("schieber, schächte ohne zahl") << h100 + L{"txtAnzahlSchächte:x", "HScroll1>30"}
                                                      << L{"txtAusflusszeit=30", "lblAusflussmenge=9,9"} << unveraendert;
        QTest::newRow("liste") << h100 + L{"Listmue>0,80"}
                               << L{"lblAusflussjeÖffnung=1,3 ", "lblQls=20,3 ", "lblAusflussmenge=12,2"} << L{};
        QTest::newRow("liste ohne wassersäule") << d38 + L{"Listmue>0,80"} << L{"lblMue=0,80", "lblQls="} << L{};
        QTest::newRow("schieber") << h100 + L{"HScroll1>30"} << L{"txtAusflusszeit=30", "lblAusflussmenge=29,7"} << L{};
        QTest::newRow("schächte vor dem ausfluss") << L{"txtAnzahlSchächte=3"} << L{"lblAusflussmenge=0,0"} << L{};
        QTest::newRow("schächte leer, zeit getippt") << L{"txtAnzahlSchächte:", "txtAusflusszeit+5"}
                                                     << L{"txtAusflusszeit=1", "txtAnzahlSchächte="}
                                                     << L{fehler(Fehler::Typen, texte::wertAuf1)};
        QTest::newRow("negative wassersäule") << h100 + L{"txth:-5", "txth~"} << beispiel + L{"txth=0"}
                                              << L{fehler(Fehler::UngueltigesArgument, texte::wertAuf0)};
    }
    void rechnen() { zeile<frmhyAusfluss>(); }
};

QTEST_MAIN(TestAusfluss)
#include "tst_frmhyAusfluss.moc"
