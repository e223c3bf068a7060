// The population loads window: both tables scaled from the typed population
// equivalents on every change of the box.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmEW.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

namespace {

// Every computed cell: upper table by columns min., org., gesamt, BSB5 (top
// to bottom), then BSB5 without settleable solids; lower table row by row.
const QString zellen = "lblAbsStMs lblNabsStMs lblGelStMs lblMs "
                       "lblabsStOs lblNabsStOs lblgelStOs lblOs "
                       "lblabsStTs lblNabsStTs lblgelStTs lblTs "
                       "lblAbsStBsb lblNabsStBsb lblGelStBsb lblBsb "
                       "lblOabsStBsb "
                       "lblBSB5_0 lblBSB5_05 lblBSB5_15 "
                       "lblCSB_0 lblCSB_05 lblCSB_15 "
                       "lblTSo_0 lblTSo_05 lblTSo_15 "
                       "lblN_0 lblN_05 lblN_15 "
                       "lblP_0 lblP_05 lblP_15";

// The population equivalents typed key by key over the design text, and the
// cells then: a lone minus is no number, so the sign comes last, in front;
// an extra digit taken back makes the box change also for "1", the design
// text.
void getippt(const char* name, const QString& ew, const QString& texte)
{
    const bool minus = ew.startsWith(u'-');
    reihe(name, "txtEW=" + ew.mid(minus ? 1 : 0) + "9;txtEW~Backspace" + (minus ? ";txtEW<-" : ""),
          "txtEW=" + ew + u';' + je(zellen, texte));
}

const QColor dunkelrot(192, 0, 0);

} // namespace

class TestEW : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit* txtEW = nullptr;

    static QColor schrift(QLabel* l)
    {
        l->ensurePolished();
        return l->palette().color(QPalette::WindowText);
    }

    void vorbereiten() override
    {
        w = fenster::zeige<frmEW>();
        QVERIFY(w);
        txtEW = kind<QLineEdit>(w, "txtEW");
    }

private slots:
    // The title, the icon and the headers, black until the first change.
    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Abwasserlasten der Einwohner"));
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(txtEW->text(), QStringLiteral("1"));
        auto* dim0 = kind<QLabel>(w, "lblDimension_0");
        auto* label6 = kind<QLabel>(w, "Label6");
        QVERIFY(schrift(dim0) != dunkelrot);
        QVERIFY(schrift(label6) != dunkelrot);
        const QString heading = kind<QLabel>(w, "Label7")->text();
        QVERIFY(heading.startsWith(QStringLiteral("Abwasserlast nach Imhoff, ")));
        QVERIFY(heading.endsWith(QStringLiteral(", 27. Auflage ")));
        QCOMPARE(boxen().size(), 0);
    }

    // Nothing is computed on opening: the cells show the loads in g per
    // person and day; worked examples, typed key by key.
    void tabellen_data()
    {
        spalten();
        reihe("design", "",
              "txtEW=1;"
                  + je(zellen, "20;5;75;100;30;10;50;90;50;15;125;190;20;10;30;60;40;60;45;40;120;90;80;70;35;"
                               "25;11;10;10;1,8;1,6;1,6")
                  + ";lblDimension_0=Angaben in g je Einwohner und Tag nach Imhoff"
                    ";Label6=Angabe in g/Ed nach Eingabe Ergebnisse in kg/d"
                    ";lblDimension_1=Frachtstruktur nach dem Arbeitsblatt der ATV-DVWK- A 131"
                    ";txtEW.accessibleName=Eingabe in EW (E + EGW);lblBsb.accessibleDescription=Zusammen, BSB5 kg/d");
        getippt("5000", "5000",
                "100,0;25,0;375,0;500,0;150,0;50,0;250,0;450,0;250,0;75,0;625,0;950,0;100,0;50,0;150,0;300,0;"
                "200,0;300,0;225,0;200,0;600,0;450,0;400,0;350,0;175,0;125,0;55,0;50,0;50,0;9,0;8,0;8,0");
        getippt("50 000, tausenderpunkt", "50000",
                "1.000,0;250,0;3.750,0;5.000,0;1.500,0;500,0;2.500,0;4.500,0;2.500,0;750,0;6.250,0;9.500,0;"
                "1.000,0;500,0;1.500,0;3.000,0;2.000,0;3.000,0;2.250,0;2.000,0;6.000,0;4.500,0;4.000,0;3.500,0;"
                "1.750,0;1.250,0;550,0;500,0;500,0;90,0;80,0;80,0");
        // 0,06 - 0,02 shows 0,1 - 0,0 = 0,1, not the 0,0 of the exact 0,04.
        getippt("1 EW", "1",
                "0,0;0,0;0,1;0,1;0,0;0,0;0,1;0,1;0,1;0,0;0,1;0,2;0,0;0,0;0,0;0,1;0,1;0,1;0,0;0,0;0,1;0,1;0,1;0,1;"
                "0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0");
        getippt("negativ, ungeprüft", "-1000",
                "-20,0;-5,0;-75,0;-100,0;-30,0;-10,0;-50,0;-90,0;-50,0;-15,0;-125,0;-190,0;-20,0;-10,0;-30,0;"
                "-60,0;-40,0;-60,0;-45,0;-40,0;-120,0;-90,0;-80,0;-70,0;-35,0;-25,0;-11,0;-10,0;-10,0;-1,8;-1,6;"
                "-1,6");
        getippt("dezimalkomma", "2,5",
                "0,1;0,0;0,2;0,3;0,1;0,0;0,1;0,2;0,1;0,0;0,3;0,5;0,1;0,0;0,1;0,2;0,1;0,2;0,1;0,1;0,3;0,2;0,2;0,2;"
                "0,1;0,1;0,0;0,0;0,0;0,0;0,0;0,0");
        // A text written by code is computed like a typed one.
        reihe("vom code geschrieben", "txtEW:5000", "lblBsb=300,0;lblP_15=8,0");
        // The first change turns both headers for good; the lower title stays.
        const QString rot = QColor(dunkelrot).name();
        reihe("erste änderung", "txtEW+0",
              "lblDimension_0=Ergebnisse in kg/d!;Label6=Ergebnisse in kg/d !;lblDimension_0.farbe=" + rot
                  + ";Label6.farbe=" + rot);
        reihe("zweite änderung", "txtEW+0;txtEW=7",
              "lblDimension_0=Ergebnisse in kg/d!;Label6.farbe=" + rot
                  + ";lblDimension_1=Frachtstruktur nach dem Arbeitsblatt der ATV-DVWK- A 131;Roh2_P=1,8");
    }
    void tabellen() { zeile<frmEW>(); }

    // Any bad text: the box becomes 0, every cell 0,0, one message.
    void falscheEingabe_data()
    {
        spalten();
        const QString null =
            "txtEW=0;" + je(zellen, QStringList(32, "0,0").join(u';')) + ";Label6=Ergebnisse in kg/d !";
        const QString typen = fehler(Fehler::Typen, "Tippfehler - Wert wird auf 0 gesetzt");
        reihe("gelöscht", "txtEW=5000;txtEW=", null, {typen});
        reihe("buchstabe", "txtEW=5000;txtEW<x", null, {typen});
        reihe("zwei minus", "txtEW=5000;txtEW<--", null, {typen});
        reihe("zu gross: 1E5000", "txtEW=5000;txtEW<1E", null,
              {fehler(Fehler::Ueberlauf, "Tippfehler - Wert wird auf 0 gesetzt")});
    }
    void falscheEingabe() { zeile<frmEW>(); }

    // Both menu items give the window in its design state, also after it
    // was used.
    void menue_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::newRow("Einwohnergleichwert") << "Einwohnergleichwert";
        QTest::newRow("Abwasserlast") << "Abwasserlast";
    }
    void menue()
    {
        QFETCH(QString, eintrag);
        ersetze(txtEW, QStringLiteral("5000"));
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->show();
        auto* a = haupt->findChild<QAction*>(eintrag);
        QVERIFY(a);
        a->trigger();
        QWidget* neu = fenster::offen(QStringLiteral("frmEW"));
        QVERIFY(neu && neu->isVisible());
        QCOMPARE(kind<QLineEdit>(neu, "txtEW")->text(), QStringLiteral("1"));
        QCOMPARE(kind<QLabel>(neu, "lblBsb")->text(), QStringLiteral("60"));
        QCOMPARE(kind<QLabel>(neu, "Label6")->text(), QStringLiteral("Angabe in g/Ed nach Eingabe Ergebnisse in kg/d"));
    }

    // A city: the bold totals and every other cell in sight whole.
    void grosseWerte_data()
    {
        spalten();
        const QString jede = u';' + ganz(zellen);
        reihe("1 mio EW", "txtEW=1000000",
              je("lblMs lblOs lblTs lblBsb lblOabsStBsb", "100.000,0;90.000,0;190.000,0;60.000,0;40.000,0") + jede);
        reihe("10 mio EW", "txtEW=10000000",
              je("lblMs lblgelStTs lblTs lblCSB_0 lblP_0", "1.000.000,0;1.250.000,0;1.900.000,0;1.200.000,0;18.000,0")
                  + jede);
    }
    void grosseWerte() { zeile<frmEW>(); }
};

QTEST_MAIN(TestEW)
#include "tst_frmEW.moc"
