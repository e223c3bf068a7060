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

const QString zurueck = QStringLiteral("Tippfehler - Alle Eingabewerte werden zurückgegesetzt");
const QStringList ruecksetzTexte{"0,4", "40", "2,5", "30", "10", "3", "0,5"};
// The design values worked through: I = 0,4, L = 30, B = 10, t = 3, f = 0,5.
const QStringList beispiel{"3,5",     "8,8",     "7,5",     "9,4",     "8,1",     "47,5",    "27,5",
                           "45,0",    "25,0",    "1.050,0", "1.225,0", "357,3",   "2.632,3", "900,0",
                           "900,0",   "225,0",   "2.025,0", "365,2",   "176,7",   "1.083,8", "300,0",
                           "300,0",   "1.383,8", "30,0",    "1.125,0"};

} // namespace

class TestPyramidenstumpf : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmPyramidenstumpf* w = nullptr;

    QList<Box>& boxen() { return umgebung->meldungen.boxen; }
    QLineEdit* box(const QString& name) { return kind<QLineEdit>(w, name.toUtf8().constData()); }
    QString text(const char* name) { return kind<QLabel>(w, name)->text(); }

    // The seven boxes: slope absolute, percent, proportion, then L, B, t, f.
    QStringList kaesten()
    {
        QStringList t;
        for (const char* n : {"txtGefälleAbsolut", "txtGefälleProzent", "txtGefälleProportion", "txtLängeBeckenboden",
                              "txtBreiteBeckenboden", "txtWassertiefe", "txtFreibord"})
            t << box(QString::fromUtf8(n))->text();
        return t;
    }
    // The basin in the order it is computed.
    QStringList becken()
    {
        QStringList t;
        for (const char* n :
             {"lblGesamttiefe", "lblBöschungsprojektion", "lblBenetzteBöschungsprojektion", "lblBöschungslänge",
              "lblBenetzteBöschungslänge", "lblLängeOKBecken", "lblBreiteOKBecken", "lblWasserspiegelLänge",
              "lblWasserspiegelbreite", "lblGesamtvolumenBeckenboden", "lblGesamtvolumenGeneigteFlächen",
              "lblGesamtvolumenKehlen", "lblGesamtvolumen", "lblNutzvolumenBeckenboden",
              "lblNutzvolumenGeneigteFlächen", "lblNutzvolumenKehlen", "lblNutzvolumen",
              "lblEineLängereMantelfläche", "lblEineMantelflächeStirnseite", "lblAlleSeitenflächen",
              "lblFlächeBeckenboden", "lblGesamteBodenfilteroberflächeAF", "lblOberflächePyramidenstumpf",
              "lblAnströmflächeA", "lblWasseroberfläche"})
            t << text(n);
        return t;
    }
    QStringList winkel() { return {text("lblBöschungswinkel"), text("lblBogenmaß")}; }
    bool abmessungenSichtbar() { return box("txtLängeBeckenboden")->isVisible(); }
    void loslassen(const QString& name) { QTest::keyClick(box(name), Qt::Key_End); }
    // Typed over the selected text, or pasted ("!") and a key let go.
    void gib(const QString& name, const QString& eingabe)
    {
        if (eingabe.startsWith(u'!')) {
            box(name)->setText(eingabe.mid(1));
            loslassen(name);
        } else {
            ersetze(box(name), eingabe);
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
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void designzustand()
    {
        QVERIFY(!abmessungenSichtbar());
        QCOMPARE(becken(), QStringList(25, QString()));
        QCOMPARE(kind<QLabel>(w, "Label45")->text(), datum::lang(QDate::currentDate()) + "\n");
        QWidget* erster = w->nextInFocusChain();
        while (!qobject_cast<QLineEdit*>(erster))
            erster = erster->nextInFocusChain();
        QCOMPARE(erster, box("txtGefälleProportion"));
    }

    // Typed key by key over the selected text of a slope box.
    void beispiele_data()
    {
        QTest::addColumn<QString>("kasten");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("gefaelle"); // the three slope boxes
        QTest::addColumn<QStringList>("winkel");
        QTest::addColumn<QStringList>("becken"); // the first ones checked
        QTest::newRow("0,4 absolut") << "txtGefälleAbsolut" << "0,4" << QStringList{"0,4", "40,0", "2,5"}
                                     << QStringList{"21,8", "0,38051"} << beispiel;
        QTest::newRow("50 %") << "txtGefälleProzent" << "50" << QStringList{"0,5000", "50", "2,0"}
                              << QStringList{"26,6", "0,46365"} << QStringList{"3,5", "7,0", "6,0"};
        QTest::newRow("1 : 2") << "txtGefälleProportion" << "2" << QStringList{"0,5000", "50,0", "2"}
                               << QStringList{"26,6", "0,46365"} << QStringList{"3,5", "7,0", "6,0"};
        QTest::newRow("negativ: aufrechter stumpf")
            << "txtGefälleAbsolut" << "!-0,4" << QStringList{"-0,4", "-40,0", "-2,5"}
            << QStringList{"-21,8", "-0,38051"} << QStringList{"3,5", "-8,8", "-7,5", "9,4", "8,1", "12,5"};
    }
    void beispiele()
    {
        QFETCH(QString, kasten);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, gefaelle);
        QFETCH(QStringList, winkel);
        QFETCH(QStringList, becken);
        gib(kasten, eingabe);
        QCOMPARE(kaesten().mid(0, 3), gefaelle);
        QCOMPARE(this->winkel(), winkel);
        QCOMPARE(this->becken().mid(0, becken.size()), becken);
        QVERIFY(abmessungenSichtbar());
        QCOMPARE(boxen().size(), 0);
    }

    // A slope that reads 0 converts nothing but shows the dimension boxes;
    // they compute nothing until a slope has been converted.
    void gefaelleNull()
    {
        ersetze(box("txtGefälleAbsolut"), "0");
        QVERIFY(abmessungenSichtbar());
        QCOMPARE(kaesten().mid(0, 3), (QStringList{"0", "40,0", "2,5"}));
        ersetze(box("txtLängeBeckenboden"), "40");
        QCOMPARE(becken(), QStringList(25, QString()));
        ersetze(box("txtGefälleProportion"), "2,5");
        QCOMPARE(text("lblLängeOKBecken"), QStringLiteral("57,5"));
    }

    // The shared reset: the seven reset texts, the message, the labels as
    // they were; the next entry computes with the gradient the boxes show.
    void ruecksetzen_data()
    {
        QTest::addColumn<QString>("vorher");   // slope box=text typed first, or ""
        QTest::addColumn<QString>("kasten");
        QTest::addColumn<QString>("eingabe");  // "" empties the box
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QStringList>("danach"); // H, p, Lo after the error
        QTest::addColumn<QStringList>("weiter"); // H, p, Lo after a key in txtWassertiefe
        QTest::newRow("länge geleert") << "txtGefälleProzent=50" << "txtLängeBeckenboden" << "" << "Typen unverträglich"
                                       << QStringList{"3,5", "7,0", "44,0"} << QStringList{"3,5", "8,8", "47,5"};
        QTest::newRow("buchstabe im prozent") << "txtGefälleProzent=50" << "txtGefälleProzent" << "x"
                                              << "Typen unverträglich" << QStringList{"3,5", "7,0", "44,0"}
                                              << QStringList{"3,5", "8,8", "47,5"};
        QTest::newRow("überlauf der proportion")
            << "txtGefälleAbsolut=0,5" << "txtGefälleProportion" << "!1E-310" << "Überlauf"
            << QStringList{"3,5", "7,0", "44,0"} << QStringList{"3,5", "8,8", "47,5"};
        QTest::newRow("überlauf im prozent") << "" << "txtGefälleAbsolut" << "!1E307" << "Überlauf"
                                             << QStringList{"", "", ""} << QStringList{"", "", ""};
        QTest::newRow("vor jeder neigung: nichts gerechnet")
            << "txtGefälleAbsolut=0" << "txtGefälleAbsolut" << "0,x" << "Typen unverträglich"
            << QStringList{"", "", ""} << QStringList{"", "", ""};
    }
    void ruecksetzen()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, kasten);
        QFETCH(QString, eingabe);
        QFETCH(QString, fehler);
        QFETCH(QStringList, danach);
        QFETCH(QStringList, weiter);
        if (!vorher.isEmpty())
            ersetze(box(vorher.section(u'=', 0, 0)), vorher.section(u'=', 1));
        const bool sichtbar = abmessungenSichtbar();
        QCOMPARE(boxen().size(), 0);
        if (eingabe.isEmpty()) {
            box(kasten)->selectAll();
            QTest::keyClick(box(kasten), Qt::Key_Backspace);
        } else {
            gib(kasten, eingabe);
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(fehler, zurueck));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(kaesten(), ruecksetzTexte);
        const auto hpl = [this] { return QStringList{becken()[0], becken()[1], becken()[5]}; };
        QCOMPARE(hpl(), danach);
        QCOMPARE(abmessungenSichtbar(), sichtbar);
        loslassen("txtWassertiefe");
        QCOMPARE(hpl(), weiter);
        if (!weiter[0].isEmpty())
            QCOMPARE(winkel(), (QStringList{"21,8", "0,38051"}));
        QCOMPARE(boxen().size(), 1);
    }

    void link()
    {
        klicke(kind<QPushButton>(w, "Command1"));
        QTest::mouseClick(kind<QLabel>(w, "Image1"), Qt::LeftButton);
        QCOMPARE(umgebung->links.links, QStringList(2, mdlInternet::Link::Homepage));
    }
};

QTEST_MAIN(TestPyramidenstumpf)
#include "tst_frmPyramidenstumpf.moc"
