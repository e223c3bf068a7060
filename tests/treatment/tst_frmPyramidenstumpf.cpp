// The earth basin window: the slope in its three forms, the whole basin from
// the dimensions, the shared reset and the link to the maker's home page.
#include "datum.h"
#include "fenster.h"
#include "frmPyramidenstumpf.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// The seven boxes, then the angle and the basin in the order computed.
const char* const namen[] = {
    "txtGefälleAbsolut", "txtGefälleProzent", "txtGefälleProportion", "txtLängeBeckenboden",
    "txtBreiteBeckenboden", "txtWassertiefe", "txtFreibord", "lblBöschungswinkel", "lblBogenmaß", "lblGesamttiefe",
    "lblBöschungsprojektion", "lblBenetzteBöschungsprojektion", "lblBöschungslänge", "lblBenetzteBöschungslänge",
    "lblLängeOKBecken", "lblBreiteOKBecken", "lblWasserspiegelLänge", "lblWasserspiegelbreite",
    "lblGesamtvolumenBeckenboden", "lblGesamtvolumenGeneigteFlächen", "lblGesamtvolumenKehlen", "lblGesamtvolumen",
    "lblNutzvolumenBeckenboden", "lblNutzvolumenGeneigteFlächen", "lblNutzvolumenKehlen", "lblNutzvolumen",
    "lblEineLängereMantelfläche", "lblEineMantelflächeStirnseite", "lblAlleSeitenflächen", "lblFlächeBeckenboden",
    "lblGesamteBodenfilteroberflächeAF", "lblOberflächePyramidenstumpf", "lblAnströmflächeA", "lblWasseroberfläche"};
} // namespace

class TestPyramidenstumpf : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmPyramidenstumpf* w = nullptr;

    // Whether the dimension boxes are shown, then the texts of all controls.
    QStringList alles()
    {
        QStringList t{kind<QLineEdit>(w, namen[3])->isVisible() ? "sichtbar" : "-"};
        for (const char* n : namen)
            t << kind<QWidget>(w, n)->property("text").toString();
        return t;
    }
    // "0=0,4" types over the selected text of control 0, "0!1E307" pastes
    // and lets a key go.
    void schritte(const QStringList& liste)
    {
        for (const QString& s : liste) {
            auto* box = kind<QLineEdit>(w, namen[s.left(1).toInt()]);
            if (s[1] == u'=') {
                ersetze(box, s.mid(2));
            } else {
                box->setText(s.mid(2));
                QTest::keyClick(box, Qt::Key_End);
            }
        }
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmPyramidenstumpf>();
    }
    void cleanup()
    {
        alleSchliessen();
        delete umgebung;
    }

    // A slope box converts the other two and computes the basin at once; an
    // error writes the seven reset texts, shows the message and leaves the
    // gradient kept as the boxes now show it.
    void rechnen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("danach"); // as far as given
        QTest::addColumn<QString>("fehler");
        const QStringList masse{"30,0", "10,0", "3,0", "0,5"}, halb{"26,6", "0,46365", "3,5", "7,0"};
        const QStringList zurueck{"sichtbar", "0,4", "40", "2,5", "30", "10", "3", "0,5"};
        const QStringList nachZurueck = zurueck + QStringList{"21,8", "0,38051", "3,5", "8,8"};
        QTest::newRow("0,4 absolut") << QStringList{"0=0,4"}
                                     << QStringList{"sichtbar", "0,4", "40,0", "2,5"} + masse
                                            + QStringList{"21,8", "0,38051", "3,5", "8,8", "7,5", "9,4", "8,1",
                                                          "47,5", "27,5", "45,0", "25,0", "1.050,0", "1.225,0",
                                                          "357,3", "2.632,3", "900,0", "900,0", "225,0", "2.025,0",
                                                          "365,2", "176,7", "1.083,8", "300,0", "300,0", "1.383,8",
                                                          "30,0", "1.125,0"}
                                     << "";
        QTest::newRow("50 %") << QStringList{"1=50"} << QStringList{"sichtbar", "0,5000", "50", "2,0"} + masse + halb
                              << "";
        QTest::newRow("1 : 2") << QStringList{"2=2"} << QStringList{"sichtbar", "0,5000", "50,0", "2"} + masse + halb
                               << "";
        QTest::newRow("negativ: aufrecht") << QStringList{"0!-0,4"} << QStringList{"sichtbar", "-0,4", "-40,0", "-2,5"}
                                                  + masse + QStringList{"-21,8", "-0,38051", "3,5", "-8,8", "-7,5"}
                                           << "";
        QTest::newRow("0: nichts gerechnet") << QStringList{"0=0", "3=40"}
                                             << QStringList{"sichtbar", "0", "40,0", "2,5", "40", "10,0", "3,0", "0,5",
                                                            "", "", ""}
                                             << "";
        QTest::newRow("länge geleert") << QStringList{"1=50", "3!", "5!3"} << nachZurueck << "Typen unverträglich";
        QTest::newRow("überlauf 1 : n") << QStringList{"0=0,5", "2!1E-310", "5!3"} << nachZurueck << "Überlauf";
        QTest::newRow("überlauf vor jeder neigung") << QStringList{"0!1E307", "5!3"}
                                                    << QStringList{"-"} + zurueck.mid(1) + QStringList{"", "", ""}
                                                    << "Überlauf";
        QTest::newRow("buchstabe nach 0") << QStringList{"0=0", "0=0,x", "5!3"} << zurueck + QStringList{"", "", ""}
                                          << "Typen unverträglich";
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, danach);
        QFETCH(QString, fehler);
        this->schritte(schritte);
        QCOMPARE(alles().mid(0, danach.size()), danach);
        QStringList meldungen;
        for (const Box& b : umgebung->meldungen.boxen)
            meldungen << b.text;
        QCOMPARE(meldungen, fehler.isEmpty() ? QStringList()
                                             : QStringList{eingabefehlerText(
                                                   fehler, "Tippfehler - Alle Eingabewerte werden zurückgegesetzt")});
    }

    void linkUndDatum()
    {
        klicke(kind<QPushButton>(w, "Command1"));
        QTest::mouseClick(kind<QLabel>(w, "Image1"), Qt::LeftButton);
        QCOMPARE(umgebung->links.links, QStringList(2, mdlInternet::Link::Homepage));
        QCOMPARE(datum::lang(QDate(2007, 10, 17)), QStringLiteral("Mittwoch, 17. Oktober 2007"));
        QCOMPARE(kind<QLabel>(w, "Label45")->text(), datum::lang(QDate::currentDate()) + "\n");
    }
};

QTEST_MAIN(TestPyramidenstumpf)
#include "tst_frmPyramidenstumpf.moc"
