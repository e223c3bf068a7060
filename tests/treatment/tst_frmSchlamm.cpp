// The sludge quantity window, driven as a user does: typing and key releases.
#include "ablauf.h"
#include "fenster.h"
#include "frmSchlamm.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
const QString zurueck = QStringLiteral("Tippfehler - Wert wird zurückgesetzt");
}

class TestSchlamm : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;
    QLineEdit *txtEW = nullptr, *txtda = nullptr, *txtgEd = nullptr, *txtTS = nullptr;
    QLineEdit *txtTMtd = nullptr, *txtSVm3d = nullptr;
    QLabel *lblTMkgh = nullptr, *lblTMta = nullptr, *lblSVm3h = nullptr, *lblSVm3a = nullptr;

    QList<Box>& boxen() { return umgebung->meldungen.boxen; }

    QLineEdit* box(const QString& name) { return kind<QLineEdit>(w, name.toUtf8().constData()); }

    // The four inputs, then the six results in the order of the worked
    // examples: kg/h, t/d, t/a, m³/h, m³/d, m³/a.
    QStringList alles() const
    {
        return {txtEW->text(),   txtgEd->text(),  txtTS->text(),    txtda->text(),
                lblTMkgh->text(), txtTMtd->text(), lblTMta->text(), lblSVm3h->text(),
                txtSVm3d->text(), lblSVm3a->text()};
    }

    // A key released in the box without changing it (a cursor key).
    static void loslassen(QLineEdit* b) { QTest::keyClick(b, Qt::Key_End); }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmSchlamm>();
        QVERIFY(w);
        txtEW = box("txtEW");
        txtda = box("txtda");
        txtgEd = box("txtgEd");
        txtTS = box("txtTS");
        txtTMtd = box("txtTMtd");
        txtSVm3d = box("txtSVm3d");
        lblTMkgh = kind<QLabel>(w, "lblTMkgh");
        lblTMta = kind<QLabel>(w, "lblTMta");
        lblSVm3h = kind<QLabel>(w, "lblSVm3h");
        lblSVm3a = kind<QLabel>(w, "lblSVm3a");
    }

    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Schlammmengen"));
        QCOMPARE(alles(), (QStringList{"1", "50", "2,5", "365", "", "", "", "", "", ""}));
        QCOMPARE(txtEW->toolTip(), QStringLiteral("1000 Einwohnerwerte (E + EGW)"));
        QCOMPARE(txtTS->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(kind<QLabel>(w, "Label1_0")->text(), QStringLiteral("Trockenmasse"));
        QCOMPARE(kind<QLabel>(w, "Label1_1")->text(), QStringLiteral("Schlammenge"));
        QStringList einheiten;
        for (int k = 0; k < 10; ++k)
            einheiten << kind<QLabel>(w, QStringLiteral("Label2_%1").arg(k).toUtf8().constData())->text();
        QCOMPARE(einheiten, (QStringList{"TEW", "d/a", "g/Ed", "kg/h", "t/d", "t/a", "% TS", "m³/h", "m³/d",
                                         "m³/a"}));
        // Tab order of the boxes.
        QStringList reihe;
        QWidget* f = txtEW;
        do {
            if (qobject_cast<QLineEdit*>(f))
                reihe << f->objectName();
            f = f->nextInFocusChain();
        } while (f != txtEW);
        QCOMPARE(reihe, (QStringList{"txtEW", "txtgEd", "txtTS", "txtTMtd", "txtSVm3d", "txtda"}));
        QCOMPARE(txtTMtd->accessibleName(), QStringLiteral("Trockenmasse t/d"));
        QCOMPARE(lblSVm3a->accessibleName(), QString());
        QCOMPARE(lblSVm3a->accessibleDescription(), QStringLiteral("Schlammenge m³/a"));
    }

    // Typed key by key at the end of the box ("=": only a key released in
    // the box, "!": the text pasted).
    void beispiele_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("danach");
        QTest::newRow("design, taste in txtEW")
            << "txtEW" << "=" << QStringList{"1", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("design, taste in txtda")
            << "txtda" << "=" << QStringList{"1", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("0,05 t/d")
            << "txtTMtd" << "0,05"
            << QStringList{"1,0", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("2 m³/d: t/d mit einer stelle")
            << "txtSVm3d" << "2" << QStringList{"1,0", "50", "2,5", "365", "2,1", "0,1", "18,25", "0,1", "2", "730,0"};
        QTest::newRow("120 TEW")
            << "txtEW" << "20"
            << QStringList{"120", "50", "2,5", "365", "250,0", "6,00", "2.190,00", "10,0", "240,0", "87.600,0"};
        QTest::newRow("nur tage: nur jahreswerte ändern sich")
            << "txtda" << "0"
            << QStringList{"1", "50", "2,5", "3650", "2,1", "0,05", "182,50", "0,1", "2,0", "7.300,0"};
        QTest::newRow("negativ wird gerechnet")
            << "txtSVm3d" << "!-4"
            << QStringList{"-2,0", "50", "2,5", "365", "-4,2", "-0,1", "-36,50", "-0,2", "-4", "-1.460,0"};
    }
    void beispiele()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, danach);
        QLineEdit* b = this->box(box);
        b->end(false);
        if (text == "=")
            loslassen(b);
        else if (text.startsWith(u'!')) {
            b->setText(text.mid(1)); // pasted
            loslassen(b);
        } else
            tippe(b, text);
        QCOMPARE(alles(), danach);
        QCOMPARE(boxen().size(), 0);
    }

    // The coupled boxes: a later key release computes from the formatted
    // text that the last computation wrote.
    void gekoppelt()
    {
        tippe(txtSVm3d, QStringLiteral("2"));
        QCOMPARE(txtTMtd->text(), QStringLiteral("0,1"));
        loslassen(txtTMtd);
        QCOMPARE(alles(), (QStringList{"2,0", "50", "2,5", "365", "4,2", "0,1", "36,50", "0,2", "4,0", "1.460,0"}));
        QCOMPARE(boxen().size(), 0);
    }

    // Each handler's error block resets its own box, whichever box holds the
    // bad text; the results written before the failing step stay.
    void ruecksetzen_data()
    {
        QTest::addColumn<QString>("vorher"); // box=text written without a key release
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("aktion"); // "leeren", "=" (a cursor key) or text typed over all
        QTest::addColumn<QString>("beschreibung");
        QTest::addColumn<QStringList>("danach");
        const QStringList ergebnis{"2,1", "0,05", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("TS geleert: mengen neu, volumen alt")
            << "txtgEd=100" << "txtTS" << "leeren" << "Typen unverträglich"
            << QStringList{"1", "100", "2,5", "365", "4,2", "0,10", "36,50", "0,1", "2,0", "730,0"};
        QTest::newRow("TS 0, taste in txtEW setzt txtEW zurück")
            << "txtTS=0" << "txtEW" << "=" << "Division durch Null"
            << QStringList{"1", "50", "0", "365", "2,1", "0,05", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("g 0, taste in txtTMtd")
            << "txtgEd=0" << "txtTMtd" << "1" << "Division durch Null"
            << QStringList{"1", "0", "2,5", "365", "41,7", "0", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("leeres txtTMtd") << "" << "txtTMtd" << "=" << "Typen unverträglich"
                                        << QStringList{"1", "50", "2,5", "365", "2,1", "0", "18,25", "0,1", "2,0",
                                                       "730,0"};
        QTest::newRow("leeres txtSVm3d") << "" << "txtSVm3d" << "=" << "Typen unverträglich"
                                         << QStringList{"1", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "0",
                                                        "730,0"};
        QTest::newRow("buchstabe in txtEW") << "" << "txtEW" << "x" << "Typen unverträglich"
                                            << QStringList{"1", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1",
                                                           "2,0", "730,0"};
        QTest::newRow("txtgEd geleert") << "" << "txtgEd" << "leeren" << "Typen unverträglich"
                                        << QStringList{"1", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "2,0",
                                                       "730,0"};
        QTest::newRow("txtda geleert: erst die jahresmenge fehlt")
            << "txtEW=2" << "txtda" << "leeren" << "Typen unverträglich"
            << QStringList{"2", "50", "2,5", "365", "4,2", "0,10", "18,25", "0,1", "2,0", "730,0"};
        QTest::newRow("überlauf") << "txtEW=1E307" << "txtgEd" << "=" << "Überlauf"
                                  << QStringList{"1E307", "50", "2,5", "365", "2,1", "0,05", "18,25", "0,1", "2,0",
                                                 "730,0"};
    }
    void ruecksetzen()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, box);
        QFETCH(QString, aktion);
        QFETCH(QString, beschreibung);
        QFETCH(QStringList, danach);
        loslassen(txtEW); // the design results
        QCOMPARE(boxen().size(), 0);
        if (!vorher.isEmpty())
            this->box(vorher.section(u'=', 0, 0))->setText(vorher.section(u'=', 1));
        QLineEdit* b = this->box(box);
        if (box == "txtTMtd" || box == "txtSVm3d")
            b->clear();
        if (aktion == "leeren") {
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Backspace);
        } else if (aktion == "=") {
            loslassen(b);
        } else {
            ersetze(b, aktion);
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, zurueck));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(boxen()[0].stil, 0);
        QCOMPARE(alles(), danach);
    }

    // Text written from outside (as the sludge table does) computes nothing
    // until a key is released in one of the boxes.
    void vonAussenGeschrieben()
    {
        txtgEd->setText(QStringLiteral("45"));
        txtTS->setText(QStringLiteral("5"));
        QCOMPARE(lblTMkgh->text(), QString());
        loslassen(txtda);
        QCOMPARE(alles(), (QStringList{"1", "45", "5", "365", "1,9", "0,05", "16,43", "0,0", "0,9", "328,5"}));
    }

    // Large plants with the design values: every result in sight whole.
    void grosseWerte_data()
    {
        spalten();
        const QString alle = "txtTMtd txtSVm3d lblTMkgh lblTMta lblSVm3h lblSVm3a";
        reihe("150 TEW", "txtEW=150", ganz(alle, "7,50;300,0;312,5;2.737,50;12,5;109.500,0"));
        reihe("1000 TEW", "txtEW=1000", ganz(alle, "50,00;2.000,0;2.083,3;18.250,00;83,3;730.000,0"));
    }
    void grosseWerte() { zeile<frmSchlamm>(); }
};

QTEST_MAIN(TestSchlamm)
#include "tst_frmSchlamm.moc"
