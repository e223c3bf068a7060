// The BOD degradation window, driven as a user does, with its two sheets.
#include "arbeitsblatt.h"
#include "fenster.h"
#include "frmBSB.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace {
// The results in the order of the computation.
const char* const ergebnisse[] = {"lblK1Temp", "lblY", "lblLgesRelativ", "lblBSBAbbaugrenze", "lblBSB25",
                                  "lblAbbauzeit", "lblAbbauzeit9999", "lblBSB5minusBSB",
                                  "lblZeitschwerabbaubarerBSB", "lblSchwerabbaubarTag", "lblNichtAbbaubar",
                                  "lblNichtAbbaubarProzent", "lblBSB5"};
const QString k1Text = QStringLiteral("Falsche Eingabe - Wert wird auf 0,1 gesetzt");
const QString bsb5Text = QStringLiteral("Falsche Eingabe - Wert wird auf 25 gesetzt");
} // namespace

class TestBSB : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmBSB* w = nullptr;

    // "txtK1=0,4" writes a text without a key, "txtK1+0" types at the end,
    // "txtK1~" releases a cursor key, "Option5!" clicks, "HScroll1>" is one
    // step to the right, "HScroll1>>" the far end, "tab" the other page.
    void schritt(const QString& s)
    {
        const QString name = s.section(QRegularExpression(QStringLiteral("[=+~!>]")), 0, 0);
        const QString rest = s.mid(name.size());
        // The page that holds the control comes to the front first.
        for (QWidget* p = w->findChild<QWidget*>(name); p; p = p->parentWidget())
            if (w->SSTab1->indexOf(p) >= 0)
                w->SSTab1->setCurrentWidget(p);
        if (name == "tab")
            w->SSTab1->setCurrentIndex(1 - w->SSTab1->currentIndex());
        else if (name == "HScroll1")
            w->HScroll1->triggerAction(rest == ">>" ? QAbstractSlider::SliderToMaximum
                                                    : QAbstractSlider::SliderSingleStepAdd);
        else if (auto* b = w->findChild<QAbstractButton*>(name); rest == "!" && b)
            klicke(b);
        else if (auto* box = kind<QLineEdit>(w, name.toUtf8().constData()); rest.startsWith(u'='))
            box->setText(rest.mid(1));
        else if (rest.startsWith(u'+'))
            tippe(box, rest.mid(1));
        else
            QTest::keyClick(box, Qt::Key_End);
    }

    // A control's text, or a cell of a sheet ("A!M36" absolute, "R!E36" relative).
    QString text(const QString& name)
    {
        if (name.size() > 2 && name.at(1) == u'!') {
            Arbeitsblatt& b = name.at(0) == u'A' ? w->absolut() : w->relativ();
            const int spalte = name.at(2).unicode() - 'A', zeile = name.mid(3).toInt() - 1;
            return b.anzeige(zeile, spalte);
        }
        QWidget* c = kind<QWidget>(w, name.toUtf8().constData());
        if (auto* l = qobject_cast<QLabel*>(c))
            return l->text();
        return qobject_cast<QLineEdit*>(c) ? static_cast<QLineEdit*>(c)->text() : QString();
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmBSB>();
    }

    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void ablauf_data()
    {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QStringList>("labels"); // the 13 results, when given
        QTest::addColumn<QStringList>("danach"); // name=text
        QTest::addColumn<QString>("meldung");    // the one box, if any
        QTest::addColumn<QString>("titel");
        const QStringList leer;
        QTest::newRow("design, Command1")
            << "Command1!"
            << QStringList{"0,100 ", "0,684 ", "1,462 ", "36,6 ", "36,4", "20,0 ", "40,0 ", "11,6 ", "15,0 ", "0,8 ",
                           "163,4 ", "81,7 ", "25,0 "}
            << QStringList{"A!J35=37 mg BSB/l"} << "" << "";
        QTest::newRow("BSB5 250, tabs gewechselt")
            << "txtBSB5+0;tab;tab"
            << QStringList{"0,100 ", "0,684 ", "1,462 ", "365,6 ", "364,5", "20,0 ", "40,0 ", "115,6 ", "15,0 ",
                           "7,7 ", "-165,6 ", "-82,8 ", "250,0 "}
            << QStringList{"A!J40=250", "A!J35=366 mg BSB/l", "A!M23=362,7"} << "" << "";
        QTest::newRow("30 °C: L des fensters, nicht des blatts")
            << "HScroll1>>"
            << QStringList{"0,158 ", "0,838 ", "1,193 ", "29,8 ", "29,8", "12,6 ", "25,3 ", "4,8 ", "7,6 ", "0,6 ",
                           "170,2 ", "85,1 ", "25,0 "}
            << QStringList{"lblTemp=30", "A!J35=37 mg BSB/l"} << "" << "";
        QTest::newRow("erster schritt springt auf 5 °C")
            << "HScroll1>" << leer << QStringList{"lblTemp=5", "lblK1Temp=0,050 ", "lblAbbauzeit=39,8 "} << ""
            << "";
        QTest::newRow("0,30 bei 30 °C: kein schwerer abbau")
            << "Command1!;HScroll1>>;Option5!"
            << QStringList{"0,475 ", "0,996 ", "1,004 ", "25,1 ", "25,1", "4,2 ", "8,4 ", "0,1 ", "", "", "174,9 ",
                           "87,4 ", "25,0 "}
            << QStringList{"txtK1=0,3", "A!M36=0,30", "A!J36=0,151"} << "" << "";
        QTest::newRow("k1 0,4: t99 genau 5")
            << "txtK1=0,4;txtK1~" << leer
            << QStringList{"lblAbbauzeit=5,0 ", "lblZeitschwerabbaubarerBSB=", "lblSchwerabbaubarTag="} << ""
            << "";
        QTest::newRow("relatives blatt beim öffnen")
            << "" << leer << QStringList{"R!E36=0,10", "txtK1_relativ=0,17", "lblK1Temp="} << "" << "";
        QTest::newRow("relative vorgabe rechnet nichts")
            << "Option1!" << leer
            << QStringList{"txtK1_relativ=0,07", "R!E36=0,07", "R!B36=0,035", "R!M36=0,10", "A!E36=0,10",
                           "lblK1Temp="}
            << "" << "";
        QTest::newRow("relatives k1 getippt")
            << "txtK1_relativ=0,3;txtK1_relativ~" << leer << QStringList{"R!G36=0,475", "R!E7=96,8", "R!M36=0,10"}
            << "" << "";
        QTest::newRow("relatives k1 ein text") << "txtK1_relativ+x" << leer
                                               << QStringList{"R!E36=0,17x", "R!B3=#WERT!"} << "" << "";
        QTest::newRow("null in txtK1")
            << "Option5!;txtK1=;txtK1+0" << leer << QStringList{"txtK1=0,1", "A!M36=0,10", "lblK1Temp=0,100 "}
            << "\r\nDie Eingabe der Zahl Null führt zum Fehler wegen Division durch Null - Wert wird auf 0,1 gesetzt"
            << "Einga-befehler";
        QTest::newRow("txtK1 geleert: das blatt wieder auf 0,1")
            << "Option5!;txtK1=;txtK1~" << leer << QStringList{"txtK1=0,1", "A!M36=0,10", "lblK1Temp=0,100 "}
            << eingabefehlerText("Typen unverträglich", k1Text) << "Eingabefehler";
        QTest::newRow("CSB leer, taste in txtK1: rechnet bis zum CSB")
            << "txtCSB=;txtK1~" << leer
            << QStringList{"txtK1=0,1", "lblSchwerabbaubarTag=0,8 ", "lblNichtAbbaubar=", "txtCSB="}
            << eingabefehlerText("Typen unverträglich", k1Text) << "Eingabefehler";
        QTest::newRow("BSB5 kein text")
            << "txtBSB5+x" << leer << QStringList{"txtBSB5=25", "A!J40=25", "A!J35=37 mg BSB/l", "lblK1Temp="}
            << eingabefehlerText("Typen unverträglich", bsb5Text) << "Eingabefehler";
        QTest::newRow("CSB falsch, taste in txtBSB5")
            << "txtBSB5=30;txtCSB=x;txtBSB5~" << leer
            << QStringList{"txtBSB5=25", "txtCSB=x", "A!J40=25", "lblBSBAbbaugrenze=43,9 "}
            << eingabefehlerText("Typen unverträglich", bsb5Text) << "Eingabefehler";
        QTest::newRow("CSB falsch, Command1")
            << "txtCSB=x;Command1!" << leer << QStringList{"txtCSB=x", "lblBSB5minusBSB=11,6 ", "lblBSB5="}
            << "Typen unverträglich\r\n" << "Kelmo";
        QTest::newRow("CSB falsch, scrollen: eine meldung")
            << "txtCSB=x;HScroll1>" << leer << QStringList{"lblTemp=5", "txtCSB=x", "lblK1Temp=0,050 "}
            << "Typen unverträglich\r\n" << "Kelmo";
        QTest::newRow("CSB falsch, vorgabe")
            << "txtCSB=x;Option6!" << leer << QStringList{"txtK1=0,17", "A!M36=0,17", "lblK1Temp=0,170 "}
            << "Typen unverträglich\r\n" << "Kelmo";
    }
    void ablauf()
    {
        QFETCH(QString, schritte);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, danach);
        QFETCH(QString, meldung);
        QFETCH(QString, titel);
        for (const QString& s : schritte.split(u';', Qt::SkipEmptyParts))
            schritt(s);
        if (!labels.isEmpty()) {
            QStringList ist;
            for (const char* name : ergebnisse)
                ist << text(QString::fromLatin1(name));
            QCOMPARE(ist, labels);
        }
        for (const QString& d : danach)
            QCOMPARE(d.section(u'=', 0, 0) + u'=' + text(d.section(u'=', 0, 0)), d);
        QList<Box>& boxen = umgebung->meldungen.boxen;
        QCOMPARE(boxen.size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty()) {
            QCOMPARE(boxen[0].text, meldung);
            QCOMPARE(boxen[0].titel, titel);
            QCOMPARE(boxen[0].stil, 0);
        }
        QCOMPARE(umgebung->links.links, QStringList());
    }

    // The sheets as the window shows them: the marked cells on the legend's
    // grey, the error values as text.
    void blattansicht()
    {
        const QAbstractItemModel* a = w->OLE1->model();
        QCOMPARE(a->headerData(0, Qt::Horizontal).toString(), QStringLiteral("I"));
        QCOMPARE(a->rowCount(), 46);
        QCOMPARE(a->index(22, 4).data().toString(), QStringLiteral("36,3")); // M23
        QVERIFY(a->index(22, 4).data(Qt::BackgroundRole).isValid());
        QVERIFY(!a->index(21, 4).data(Qt::BackgroundRole).isValid());
        QVERIFY(!(a->index(22, 4).flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable)));
        schritt(QStringLiteral("txtK1_relativ=0"));
        schritt(QStringLiteral("txtK1_relativ~"));
        const QAbstractItemModel* r = w->OLE2->model();
        QCOMPARE(r->columnCount(), 7);
        QCOMPARE(r->index(6, 4).data().toString(), QStringLiteral("0,0")); // E7
        QCOMPARE(w->relativ().anzeige(37, 9), QStringLiteral("#DIV/0!")); // J38
    }
};

QTEST_MAIN(TestBSB)
#include "tst_frmBSB.moc"
