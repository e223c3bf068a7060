// The required slope window, driven as a user does: typing, pasting, clicks.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmGefaelle_gesucht.h"
#include "gefaellesuche.h"
#include "testhilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <limits>

namespace {
const QString auf0 = QStringLiteral("Tippfehler - Wert wird auf 0 gesetzt");
const QString unrealistischText = QStringLiteral("\r\nUnrealistische Eingabe ");
} // namespace

class TestGefaelleGesucht : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit *txtDN = nullptr, *txtls = nullptr, *txtm3h = nullptr, *txtkb = nullptr, *txtmue = nullptr;
    QLineEdit *txtdeltaSohle = nullptr, *txtMZ = nullptr;
    QLabel *lblv = nullptr, *lbli = nullptr;

    // Everything the window shows that a computation or reset may change.
    QStringList alles() const
    {
        return {txtDN->text(),  txtls->text(), txtm3h->text(),        lblv->text(), txtkb->text(),
                txtmue->text(), lbli->text(),  txtdeltaSohle->text(), txtMZ->text()};
    }
    static QStringList zurueckgesetzt() { return {"", "", "", "", "1,5", "1,31", "", "1", ""}; }

    // Diameter first, then the flow: typing the flow digit by digit after the
    // diameter searches for every prefix without meeting the velocity guard.
    void eingabe(const QString& dn, const QString& ls)
    {
        ersetze(txtDN, dn);
        ersetze(txtls, ls);
    }

    // Ctrl+V over the whole text. Only V is released here: the control key
    // is released while the answering message box is up.
    void einfuegen(QLineEdit* box, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        box->selectAll();
        QKeyEvent strg(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
        QKeyEvent v(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QKeyEvent vLos(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(box, &strg);
        QApplication::sendEvent(box, &v);
        QCOMPARE(box->text(), text);
        QApplication::sendEvent(box, &vLos);
    }

    void vorbereiten() override
    {
        w = fenster::zeige<frmGefaelle_gesucht>();
        QVERIFY(w);
        txtDN = kind<QLineEdit>(w, "txtDN");
        txtls = kind<QLineEdit>(w, "txtls");
        txtm3h = kind<QLineEdit>(w, "txtm3h");
        txtkb = kind<QLineEdit>(w, "txtkb");
        txtmue = kind<QLineEdit>(w, "txtmue");
        txtdeltaSohle = kind<QLineEdit>(w, "txtdeltaSohle");
        txtMZ = kind<QLineEdit>(w, "txtMZ");
        lblv = kind<QLabel>(w, "lblv");
        lbli = kind<QLabel>(w, "lbli");
    }

private slots:
    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Rohrleitungsrechner - erforderliches Gefälle gesucht"));
        QCOMPARE(alles(), (QStringList{"", "", "", "", "1,50", "1,31", "", "1", ""}));
        QVERIFY(txtMZ->isReadOnly());
        QCOMPARE(txtMZ->toolTip(), QStringLiteral("Errechnet aus neuer Längeneingabe die neue Sohldifferenz"));
        QCOMPARE(kind<QPushButton>(w, "Command1")->text(), QStringLiteral("neue Berechnung"));
        for (const char* n : {"Command2", "Command3"})
            QCOMPARE(kind<QPushButton>(w, n)->toolTip(), QStringLiteral("Butten für Direkteingabe!"));
        QCOMPARE(kind<QPushButton>(w, "Command3")->text(), QStringLiteral("10^-6 m²/s"));
        QCOMPARE(kind<QGroupBox>(w, "Frame1")->title(), QStringLiteral("Rauigkeit Kb"));
        QCOMPARE(kind<QGroupBox>(w, "Frame2")->title(), QStringLiteral("kinematische Viskosität"));
        QCOMPARE(kind<QLabel>(w, "Label5")->text(),
                 QStringLiteral("Gilt nur für Newtonsche Flüssigkeiten!  Im Zweifelsfall - Viskosität messen!"));
        QCOMPARE(kind<QLabel>(w, "Label4")->text(), QStringLiteral("Berechnung bei Vollfüllung"));
        QCOMPARE(kind<QLabel>(w, "Label2")->text(), QStringLiteral("Ergebnis - Gefälle - Promille"));
        QCOMPARE(kind<QLabel>(w, "Label1_19")->text(), QStringLiteral("erf. Sohldifferenz"));
        QCOMPARE(kind<QLabel>(w, "Label1_18")->text(), QStringLiteral("Haltungslänge"));
        for (auto* o : w->findChildren<QRadioButton*>())
            QVERIFY(!o->isChecked());
        QCOMPARE(txtls->accessibleName(), QStringLiteral("Volumenstrom l/s"));
        QCOMPARE(lbli->accessibleName(), QString());
        QCOMPARE(lblv->accessibleDescription(), QStringLiteral("Geschwindigkeit m/s"));
    }

    // The worked examples and the flows on the way to a large one: the
    // diameter typed over, then the flow; the length box opens.
    void beispiele_data()
    {
        spalten();
        const auto beispiel = [](const char* name, const QString& schritte, const QString& alles) {
            reihe(name, schritte,
                  je("txtDN txtls txtm3h lblv txtkb txtmue lbli txtdeltaSohle txtMZ", alles) + ";txtMZ.readOnly=false");
        };
        beispiel("D 300, 100 l/s", "txtDN=300;txtls+100", "300;100;360,00 ;1,4147 ;1,50;1,31;10,4 ;1;96,0 ");
        beispiel("D 250, 50 l/s", "txtDN=250;txtls+50", "250;50;180,00 ;1,0186 ;1,50;1,31;6,9 ;1;145,3 ");
        beispiel("D 300, 360 m³/h", "txtDN=300;txtm3h+360", "300;100,00 ;360;1,4147 ;1,50;1,31;10,4 ;1;96,0 ");
        beispiel("fluss 0: erster schritt", "txtDN=300;txtls+0", "300;0;0,00 ;0,0000 ;1,50;1,31;0,0 ;1;100.000,0 ");
        // 231 128 steps, on the way to 800 l/s in a 100 mm pipe.
        beispiel("D 100, 80 l/s", "txtDN=100;txtls+80", "100;80;288,00 ;10,1859 ;1,50;1,31;2.311,3 ;1;0,4 ");
        // 982 497 steps: just below the bound of 10.
        beispiel("D 100, 165 l/s", "txtDN=100;txtls+165", "100;165;594,00 ;21,0084 ;1,50;1,31;9.825,0 ;1;0,1 ");
    }
    void beispiele() { zeile<frmGefaelle_gesucht>(); }

    // 1 : 96: a length typed into txtMZ gives the invert difference, an
    // invert difference the length; both with one decimal.
    void umrechnung()
    {
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        ersetze(txtMZ, QStringLiteral("200"));
        QCOMPARE(txtdeltaSohle->text(), QStringLiteral("2,1 "));
        ersetze(txtdeltaSohle, QStringLiteral("2"));
        QCOMPARE(txtMZ->text(), QStringLiteral("191,9 "));
        // The key press still sees the previous text: Backspace in "191,9 "
        // converts 191.9 first, then the release converts "191,9".
        txtMZ->end(false);
        QTest::keyClick(txtMZ, Qt::Key_Backspace);
        QCOMPARE(txtMZ->text(), QStringLiteral("191,9"));
        QCOMPARE(txtdeltaSohle->text(), QStringLiteral("2,0 "));
        QCOMPARE(boxen().size(), 0);
    }

    // "neue Berechnung" empties the boxes but keeps the slope: the ratio
    // still converts with it, and txtMZ stays open.
    void neueBerechnungBehaeltGefaelle()
    {
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        klicke(kind<QRadioButton>(w, "Option7"));
        QCOMPARE(lbli->text(), QStringLiteral("10,4 "));
        klicke(kind<QPushButton>(w, "Command1"));
        QCOMPARE(alles(), zurueckgesetzt());
        QVERIFY(!txtMZ->isReadOnly());
        ersetze(txtdeltaSohle, QStringLiteral("2"));
        QCOMPARE(txtMZ->text(), QStringLiteral("192,3 ")); // 2 / 0.0104
        QCOMPARE(boxen().size(), 0);
    }

    // Each preset writes its value and searches again.
    void presets_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("zeigt");
        QTest::addColumn<QString>("promille");
        QTest::newRow("1") << "Option1"
                           << "Kb = 1,5"
                           << "txtkb"
                           << "1,50 "
                           << "10,4 ";
        QTest::newRow("2") << "Option2"
                           << "Kb = 0,75"
                           << "txtkb"
                           << "0,75 "
                           << "8,6 ";
        QTest::newRow("3") << "Option3"
                           << "kb = 0,50"
                           << "txtkb"
                           << "0,50 "
                           << "7,8 ";
        QTest::newRow("4") << "Option4"
                           << "kb = 0,25"
                           << "txtkb"
                           << "0,25 "
                           << "6,7 ";
        QTest::newRow("5") << "Option5"
                           << "kb = 0,10"
                           << "txtkb"
                           << "0,10 "
                           << "5,8 ";
        QTest::newRow("6") << "Option6"
                           << "Wasser 10 °C "
                           << "txtmue"
                           << "1,31 "
                           << "10,4 ";
        QTest::newRow("7") << "Option7"
                           << "Wasser 20 °C "
                           << "txtmue"
                           << "1,01 "
                           << "10,4 ";
        QTest::newRow("8") << "Option8"
                           << "Wasser 30 °C "
                           << "txtmue"
                           << "0,80 "
                           << "10,4 ";
        QTest::newRow("9") << "Option9"
                           << "dünner Schlamm"
                           << "txtmue"
                           << "50,00 "
                           << "13,1 ";
        QTest::newRow("10") << "Option10"
                            << "Olivenöl (zum Vergleich)"
                            << "txtmue"
                            << "88,00 "
                            << "14,6 ";
        QTest::newRow("11") << "Option11"
                            << "dickerer Schlamm"
                            << "txtmue"
                            << "150,00 "
                            << "16,5 ";
    }
    void presets()
    {
        QFETCH(QString, option);
        QFETCH(QString, beschriftung);
        QFETCH(QString, box);
        QFETCH(QString, zeigt);
        QFETCH(QString, promille);
        auto* o = kind<QRadioButton>(w, option.toUtf8().constData());
        QCOMPARE(o->text(), beschriftung);
        // Without inputs only the preset is written.
        klicke(o);
        QVERIFY(o->isChecked());
        auto* ziel = kind<QLineEdit>(w, box.toUtf8().constData());
        QCOMPARE(ziel->text(), zeigt);
        QCOMPARE(lbli->text(), QString());
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        QCOMPARE(lbli->text(), promille);
        // Typed over, then chosen again: written again and searched again.
        ersetze(ziel, QStringLiteral("1"));
        klicke(o);
        QCOMPARE(ziel->text(), zeigt);
        QCOMPARE(lbli->text(), promille);
        QCOMPARE(boxen().size(), 0);
    }

    // A typed kb or viscosity counts only from the next search, which its
    // unit button starts.
    void direkteingabe_data()
    {
        spalten();
        const QString gesucht = "txtDN=300;txtls=100;";
        reihe("kb getippt", gesucht + "txtkb=0,25", "lbli=10,4 ");
        reihe("kb, Command2", gesucht + "txtkb=0,25;Command2!", "lbli=6,7 ");
        reihe("viskosität getippt", gesucht + "txtmue=150", "lbli=10,4 ");
        reihe("viskosität, Command3", gesucht + "txtmue=150;Command3!", "lbli=16,5 ");
    }
    void direkteingabe() { zeile<frmGefaelle_gesucht>(); }

    // Input errors: every error block resets the whole window and says so.
    void fehler_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("durchfluss gelöscht") << "ls leer"
                                             << "Typen unverträglich";
        QTest::newRow("m³/h gelöscht") << "m3h leer"
                                       << "Typen unverträglich";
        QTest::newRow("durchmesser gelöscht") << "dn leer"
                                              << "Typen unverträglich";
        QTest::newRow("durchmesser 0") << "dn 0"
                                       << "Division durch Null";
        QTest::newRow("buchstabe in kb, Command2") << "kb x"
                                                   << "Typen unverträglich";
        QTest::newRow("buchstabe in viskosität, option") << "mue x"
                                                         << "Typen unverträglich";
        QTest::newRow("länge gelöscht") << "mz leer"
                                        << "Typen unverträglich";
        QTest::newRow("sohldifferenz vor der suche") << "sohle zuerst"
                                                     << "Division durch Null";
        QTest::newRow("sohldifferenz 0 vor der suche") << "sohle 0"
                                                       << "Überlauf";
        QTest::newRow("taste im gesperrten txtMZ") << "mz gesperrt"
                                                   << "Typen unverträglich";
    }
    void fehler()
    {
        QFETCH(QString, fall);
        QFETCH(QString, beschreibung);
        const bool vorher = fall != "sohle zuerst" && fall != "sohle 0" && fall != "mz gesperrt";
        if (vorher)
            eingabe(QStringLiteral("300"), QStringLiteral("100"));
        if (fall == "ls leer") {
            txtls->end(false);
            for (int k = 0; k < 3; ++k) // "10", "1", then empty
                QTest::keyClick(txtls, Qt::Key_Backspace);
        } else if (fall == "m3h leer") {
            txtm3h->selectAll();
            QTest::keyClick(txtm3h, Qt::Key_Delete);
        } else if (fall == "dn leer") {
            txtDN->selectAll();
            QTest::keyClick(txtDN, Qt::Key_Backspace);
        } else if (fall == "dn 0") {
            ersetze(txtDN, QStringLiteral("0"));
        } else if (fall == "kb x") {
            ersetze(txtkb, QStringLiteral("x"));
            klicke(kind<QPushButton>(w, "Command2"));
        } else if (fall == "mue x") {
            ersetze(txtmue, QStringLiteral("x"));
            klicke(kind<QRadioButton>(w, "Option1"));
        } else if (fall == "mz leer") {
            txtMZ->selectAll();
            QTest::keyClick(txtMZ, Qt::Key_Delete); // the press still converts 96.0
        } else if (fall == "sohle zuerst") {
            txtdeltaSohle->end(false);
            tippe(txtdeltaSohle, QStringLiteral("2"));
        } else if (fall == "sohle 0") {
            ersetze(txtdeltaSohle, QStringLiteral("0"));
        } else if (fall == "mz gesperrt") {
            QTest::keyPress(txtMZ, Qt::Key_5);
            QVERIFY(txtMZ->isReadOnly());
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, auf0));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(boxen()[0].stil, 0);
        QCOMPARE(alles(), zurueckgesetzt());
    }

    // The velocity guard and the bounds of the search: the message first,
    // then diameter, flows, results and slope are emptied; kb, viscosity and
    // the invert difference stay.
    void unrealistisch_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("sohle"); // the invert difference, kept
        QTest::newRow("durchmesser nach dem fluss, erste ziffer") << "fluss zuerst"
                                                                  << "3";
        QTest::newRow("negativer fluss eingefügt") << "negativ"
                                                   << "3";
        QTest::newRow("negativer fluss in m³/h eingefügt") << "negativ m3h"
                                                           << "3";
        QTest::newRow("kb = 3,71 D") << "kb gross"
                                     << "3";
        QTest::newRow("kb über 3,71 D, winziger durchmesser") << "winzig"
                                                              << "3";
        QTest::newRow("gefälle über 10") << "grenze"
                                         << "1"; // "1" and "17" searched
    }
    void unrealistisch()
    {
        QFETCH(QString, fall);
        QFETCH(QString, sohle);
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        ersetze(txtdeltaSohle, QStringLiteral("3"));
        ersetze(txtmue, QStringLiteral("1,01"));
        QString kb = QStringLiteral("1,50");
        if (fall == "fluss zuerst") {
            txtDN->clear();
            tippe(txtDN, QStringLiteral("3"));
        } else if (fall == "negativ") {
            einfuegen(txtls, QStringLiteral("-100"));
        } else if (fall == "negativ m3h") {
            einfuegen(txtm3h, QStringLiteral("-3,6"));
        } else if (fall == "kb gross") {
            kb = QStringLiteral("1113");
            ersetze(txtkb, kb);
            klicke(kind<QPushButton>(w, "Command2"));
        } else if (fall == "winzig") {
            ersetze(txtls, QStringLiteral("0,0001"));
            ersetze(txtdeltaSohle, QStringLiteral("3"));
            txtDN->setText(QStringLiteral("0,4"));
            QTest::keyClick(txtDN, Qt::Key_End);
        } else if (fall == "grenze") {
            txtDN->setText(QStringLiteral("100"));
            ersetze(txtls, QStringLiteral("170"));
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, unrealistischText);
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(alles(), (QStringList{"", "", "", "", kb, "1,01", "", sohle, ""}));
    }

    // After the guard the slope is empty: a length typed into txtMZ is an
    // error, not an invert difference of 0,0.
    void laengeOhneGefaelle()
    {
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        einfuegen(txtls, QStringLiteral("-100"));
        QCOMPARE(boxen().size(), 1);
        QVERIFY(!txtMZ->isReadOnly());
        boxen().clear();
        tippe(txtMZ, QStringLiteral("5"));
        QCOMPARE(txtdeltaSohle->text(), QStringLiteral("1"));
        QVERIFY(boxen().size() >= 1);
        for (const Box& b : boxen())
            QCOMPARE(b.text, eingabefehlerText("Typen unverträglich", auf0));
        boxen().clear();
        // With a new search the conversion works again.
        eingabe(QStringLiteral("300"), QStringLiteral("100"));
        ersetze(txtMZ, QStringLiteral("200"));
        QCOMPARE(txtdeltaSohle->text(), QStringLiteral("2,1 "));
        QCOMPARE(boxen().size(), 0);
    }

    // The search is bounded: a velocity never reached gives up after the
    // million steps to the bound of 10 (how long they take is measured by
    // tools/bench, not here).
    void schrittzahl()
    {
        const Gefaellesuche nie = sucheGefaelle(1e9, 1.31e-6, 0.1, 0.0015);
        QVERIFY(!nie.gefunden);
        QVERIFY2(nie.schritte >= 1000000 && nie.schritte <= 1000001, qPrintable(QString::number(nie.schritte)));
        const Gefaellesuche s = sucheGefaelle(10.1859, 1.31e-6, 0.1, 0.0015);
        QVERIFY(s.gefunden);
        QCOMPARE(s.schritte, std::lround(s.i / 0.00001));
        ersetze(txtDN, QStringLiteral("100"));
        txtls->setText(QStringLiteral("170"));
        QTest::keyClick(txtls, Qt::Key_End); // released: searches to the bound
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen().last().text, unrealistischText);
    }
};

QTEST_MAIN(TestGefaelleGesucht)
#include "tst_frmGefaelle_gesucht.moc"
