// The pipe flow window, driven as a user does: typing, Enter, clicks.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmGefaelle_gegeben.h"
#include "testhilfe.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString auf0 = QStringLiteral("Tippfehler - Wert wird auf 0 gesetzt");
}

class TestGefaelleGegeben : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit *txtDN = nullptr, *txti = nullptr, *txtkb = nullptr, *txtmue = nullptr;
    QLineEdit *txtRLL = nullptr, *txtEVB = nullptr, *txtdeltaSohle = nullptr, *txtHL = nullptr;
    QLabel *lblv = nullptr, *lblls = nullptr, *lblm3h = nullptr, *lblv22g = nullptr;
    QLabel *lblLV = nullptr, *lblEV = nullptr, *lblGV = nullptr;

    QStringList sieben() const
    {
        return {lblv->text(),  lblls->text(), lblm3h->text(), lblv22g->text(),
                lblLV->text(), lblEV->text(), lblGV->text()};
    }

    void enter(QLineEdit* box) { QTest::keyClick(box, Qt::Key_Return); }

    void vorbereiten() override
    {
        w = fenster::zeige<frmGefaelle_gegeben>();
        QVERIFY(w);
        txtDN = kind<QLineEdit>(w, "txtDN");
        txti = kind<QLineEdit>(w, "txti");
        txtkb = kind<QLineEdit>(w, "txtkb");
        txtmue = kind<QLineEdit>(w, "txtmue");
        txtRLL = kind<QLineEdit>(w, "txtRLL");
        txtEVB = kind<QLineEdit>(w, "txtEVB");
        txtdeltaSohle = kind<QLineEdit>(w, "txtdeltaSohle");
        txtHL = kind<QLineEdit>(w, "txtHL");
        lblv = kind<QLabel>(w, "lblv");
        lblls = kind<QLabel>(w, "lblls");
        lblm3h = kind<QLabel>(w, "lblm3h");
        lblv22g = kind<QLabel>(w, "lblv22g");
        lblLV = kind<QLabel>(w, "lblLV");
        lblEV = kind<QLabel>(w, "lblEV");
        lblGV = kind<QLabel>(w, "lblGV");
    }

private slots:
    // The window at its size; hiding the side calculation moves nothing else.
    void aussehen_data()
    {
        spalten();
        reihe("größe", "", "#breite=9165;#höhe=5025");
        const QString orte = lagen<frmGefaelle_gegeben>("Frame1 Frame2 Option6 Option11 txtmue Label9 cmdi lblGV");
        reihe("ergebnisse erscheinen", "txtDN=100", orte);
        reihe("nebenrechnung verborgen", "txtDN=100;cmdi!", "Shape2.visible=false;" + orte);
    }
    void aussehen() { zeile<frmGefaelle_gegeben>(); }

    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Rohrleitungsrechner - Gefälle gegeben"));
        QCOMPARE(txtDN->text(), QStringLiteral("0"));
        QCOMPARE(txti->text(), QStringLiteral("8"));
        QCOMPARE(txtkb->text(), QStringLiteral("1,50"));
        QCOMPARE(txtmue->text(), QStringLiteral("1,31"));
        QCOMPARE(txtdeltaSohle->text(), QStringLiteral("1"));
        QCOMPARE(txtHL->text(), QString());
        QCOMPARE(sieben(), QStringList(7, QString()));
        QVERIFY(txti->isEnabled());
        QVERIFY(txtHL->isVisible());
        QCOMPARE(txti->toolTip(), QStringLiteral("Enter - Eingabetaste - Return"));
        QCOMPARE(kind<QPushButton>(w, "cmdi")->text(), QStringLiteral("1/1000"));
        QCOMPARE(kind<QGroupBox>(w, "Frame1")->title(), QStringLiteral("Rauigkeit Kb"));
        QCOMPARE(kind<QGroupBox>(w, "Frame2")->title(), QStringLiteral("kinematische Viskosität"));
        QCOMPARE(kind<QLabel>(w, "Label9")->text(),
                 QStringLiteral("Gilt nur für Newtonsche Flüssigkeiten!  Im Zweifelsfall - Viskosität messen!"));
        QCOMPARE(kind<QLabel>(w, "Label2")->text(), QStringLiteral("NR: Gefälle - Promille"));
        for (auto* o : w->findChildren<QRadioButton*>())
            QVERIFY(!o->isChecked());
        // Inputs are named with caption and unit, results described.
        QCOMPARE(txtDN->accessibleName(), QStringLiteral("Innendurchmesser mm"));
        QCOMPARE(lblls->accessibleName(), QString());
        QCOMPARE(lblls->accessibleDescription(), QStringLiteral("Volumenstrom l/s"));
    }

    void presets_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("zeigt");
        QTest::newRow("1") << "Option1"
                           << "Kb = 1,5"
                           << "txtkb"
                           << "1,50 ";
        QTest::newRow("2") << "Option2"
                           << "Kb = 0,75"
                           << "txtkb"
                           << "0,75 ";
        QTest::newRow("3") << "Option3"
                           << "kb = 0,50"
                           << "txtkb"
                           << "0,50 ";
        QTest::newRow("4") << "Option4"
                           << "kb = 0,25"
                           << "txtkb"
                           << "0,25 ";
        QTest::newRow("5") << "Option5"
                           << "kb = 0,10"
                           << "txtkb"
                           << "0,10 ";
        QTest::newRow("6") << "Option6"
                           << "Wasser 10 °C "
                           << "txtmue"
                           << "1,31 ";
        QTest::newRow("7") << "Option7"
                           << "Wasser 20 °C "
                           << "txtmue"
                           << "1,01 ";
        QTest::newRow("8") << "Option8"
                           << "Wasser 30 °C "
                           << "txtmue"
                           << "0,80 ";
        QTest::newRow("9") << "Option9"
                           << "dünner Schlamm"
                           << "txtmue"
                           << "50,00 ";
        QTest::newRow("10") << "Option10"
                            << "Olivenöl (zum Vergleich)"
                            << "txtmue"
                            << "88,00 ";
        QTest::newRow("11") << "Option11"
                            << "dickerer Schlamm"
                            << "txtmue"
                            << "150,00 ";
    }
    void presets()
    {
        QFETCH(QString, option);
        QFETCH(QString, beschriftung);
        QFETCH(QString, box);
        QFETCH(QString, zeigt);
        ersetze(txtDN, QStringLiteral("200"));
        auto* o = kind<QRadioButton>(w, option.toUtf8().constData());
        QCOMPARE(o->text(), beschriftung);
        klicke(o);
        QVERIFY(o->isChecked());
        QCOMPARE(kind<QLineEdit>(w, box.toUtf8().constData())->text(), zeigt);
        QVERIFY(!lblv->text().isEmpty());
        // Typed over, then chosen again: the preset is written again.
        auto* ziel = kind<QLineEdit>(w, box.toUtf8().constData());
        ersetze(ziel, QStringLiteral("2"));
        klicke(o);
        QCOMPARE(ziel->text(), zeigt);
        QCOMPARE(boxen().size(), 0);
    }

    // Worked examples: after the typing, the seven result labels; a slope
    // given by Enter hides the side calculation.
    void beispiele_data()
    {
        spalten();
        const QString sieben = "lblv lblls lblm3h lblv22g lblLV lblEV lblGV";
        reihe("D 200", "txtDN=200", je(sieben, "0,9478 ;29,777 ;107,198 ;0,046 ;;;"));
        reihe("D 300, 5 Promille", "txtDN=300;txti=5;txti~Return;txtRLL+100;txtEVB+2,5",
              "txtHL.visible=false;" + je(sieben, "0,9779 ;69,127 ;248,857 ;0,049 ;0,5 ;0,1 ;0,6 "));
        reihe("D 200, kb 0,25", "txtDN=200;Option4!;txtRLL+250;txtEVB+3",
              je(sieben, "1,1931 ;37,481 ;134,931 ;0,073 ;2,0 ;0,2 ;2,2 "));
    }
    void beispiele() { zeile<frmGefaelle_gegeben>(); }

    // With length and coefficients present, every input refreshes all seven.
    void aenderungAktualisiertAlles()
    {
        ersetze(txtDN, QStringLiteral("200"));
        QTest::keyClicks(txtRLL, QStringLiteral("250"));
        QTest::keyClicks(txtEVB, QStringLiteral("3"));
        klicke(kind<QRadioButton>(w, "Option4"));
        QCOMPARE(sieben(), (QStringList{"1,1931 ", "37,481 ", "134,931 ", "0,073 ", "2,0 ", "0,2 ", "2,2 "}));
        ersetze(txtDN, QStringLiteral("300"));
        const QStringList d300 = sieben();
        QVERIFY(d300[0] != "1,1931 " && d300[6] != "2,2 ");
        ersetze(txtmue, QStringLiteral("1,01"));
        QVERIFY(sieben()[1] != d300[1]);
        QVERIFY(sieben()[5] != d300[5] || sieben()[3] != d300[3]);
        ersetze(txti, QStringLiteral("4"));
        enter(txti);
        QCOMPARE(sieben()[4], QStringLiteral("1,0 ")); // 250 m x 4 per mille
    }

    // 1 : 300 gives 3,3 per mille; the velocity uses 3.3, not 3.333...
    void nebenrechnung()
    {
        ersetze(txtDN, QStringLiteral("200"));
        QTest::keyClicks(txtHL, QStringLiteral("300"));
        QCOMPARE(txti->text(), QStringLiteral("3,3 "));
        QVERIFY(!txti->isEnabled());
        const QString mitNebenrechnung = lblv->text();

        cleanup();
        init();
        ersetze(txtDN, QStringLiteral("200"));
        ersetze(txti, QStringLiteral("3,3"));
        enter(txti);
        QCOMPARE(lblv->text(), mitNebenrechnung);
        QCOMPARE(boxen().size(), 0);
    }

    // Without a diameter the side calculation still feeds the friction loss.
    void nebenrechnungOhneDurchmesser()
    {
        QTest::keyClick(txtDN, Qt::Key_Backspace);
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText("Typen unverträglich", auf0));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(txtDN->text(), QString());
        QTest::keyClicks(txtHL, QStringLiteral("200"));
        QCOMPARE(txti->text(), QStringLiteral("5,0 "));
        QTest::keyClicks(txtRLL, QStringLiteral("100"));
        QCOMPARE(lblLV->text(), QStringLiteral("0,5 "));
        QCOMPARE(boxen().size(), 1);
    }

    // A pipe length typed before anything was computed uses the slope in its
    // box: 100 m x 8 per mille.
    void laengeZuerst()
    {
        QTest::keyClicks(txtRLL, QStringLiteral("100"));
        QCOMPARE(lblLV->text(), QStringLiteral("0,8 "));
        QTest::keyClicks(txtEVB, QStringLiteral("2"));
        QCOMPARE(lblEV->text(), QStringLiteral("0,0 "));
        QCOMPARE(lblGV->text(), QStringLiteral("0,8 "));
        QCOMPARE(boxen().size(), 0);
    }

    // Each handler's reset hits its own box, with its own text.
    void ruecksetzen_data()
    {
        QTest::addColumn<QString>("vorher"); // "dn:..." typed first, or empty
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("taste"); // 0: type the text below
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("beschreibung");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("danach"); // the box's text afterwards
        QTest::newRow("kb im frischen fenster") << ""
                                                << "txtkb" << 0 << "2"
                                                << "Division durch Null"
                                                << "Tippfehler - Wert wird auf 1,5 gesetzt"
                                                << "1,5";
        QTest::newRow("mue im frischen fenster") << ""
                                                 << "txtmue" << 0 << "2"
                                                 << "Division durch Null"
                                                 << "Tippfehler - Wert wird auf 1,31 gesetzt"
                                                 << "1,31";
        QTest::newRow("durchmesser gelöscht") << ""
                                              << "txtDN" << int(Qt::Key_Backspace) << ""
                                              << "Typen unverträglich" << auf0 << "";
        QTest::newRow("durchmesser mit 0") << ""
                                           << "txtDN" << 0 << "0"
                                           << "Division durch Null" << auf0 << "";
        QTest::newRow("länge gelöscht") << "rll"
                                        << "txtRLL" << int(Qt::Key_Backspace) << ""
                                        << "Typen unverträglich"
                                        << "Tippfehler - Wert wird auf Null gesetzt"
                                        << "";
        QTest::newRow("beiwerte gelöscht") << "evb"
                                           << "txtEVB" << int(Qt::Key_Backspace) << ""
                                           << "Typen unverträglich" << auf0 << "";
        QTest::newRow("länge NR beginnt mit 0") << ""
                                                << "txtHL" << 0 << "0"
                                                << "Division durch Null" << auf0 << "";
        QTest::newRow("höhe gelöscht") << "hl"
                                       << "txtdeltaSohle" << int(Qt::Key_Backspace) << ""
                                       << "Typen unverträglich"
                                       << "Tippfehler - Wert wird auf 1 gesetzt"
                                       << "1";
        QTest::newRow("buchstabe in kb") << "dn"
                                         << "txtkb" << 0 << "x"
                                         << "Typen unverträglich"
                                         << "Tippfehler - Wert wird auf 1,5 gesetzt"
                                         << "1,5";
        QTest::newRow("negativer durchmesser") << ""
                                               << "txtDN" << 0 << "-"
                                               << "Typen unverträglich" << auf0 << "";
    }
    void ruecksetzen()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, box);
        QFETCH(int, taste);
        QFETCH(QString, text);
        QFETCH(QString, beschreibung);
        QFETCH(QString, meldung);
        QFETCH(QString, danach);
        if (vorher == "rll") {
            QTest::keyClicks(txtRLL, QStringLiteral("5"));
        } else if (vorher == "evb") {
            QTest::keyClicks(txtEVB, QStringLiteral("5"));
        } else if (vorher == "hl") {
            ersetze(txtDN, QStringLiteral("200"));
            QTest::keyClicks(txtHL, QStringLiteral("5"));
            QCOMPARE(txtdeltaSohle->text(), QStringLiteral("1"));
            txtdeltaSohle->end(false);
        } else if (vorher == "dn") {
            ersetze(txtDN, QStringLiteral("200"));
        }
        QCOMPARE(boxen().size(), 0);
        auto* ziel = kind<QLineEdit>(w, box.toUtf8().constData());
        if (box != "txtdeltaSohle" && box != "txtRLL" && box != "txtEVB" && box != "txtDN")
            ziel->selectAll();
        if (box == "txtDN" && taste == 0)
            ziel->selectAll();
        if (taste)
            QTest::keyClick(ziel, Qt::Key(taste));
        else
            tippe(ziel, text);
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, meldung));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(boxen()[0].stil, 0);
        QCOMPARE(ziel->text(), danach);
    }

    // The reset belongs to the running handler: an empty viscosity met while
    // the roughness handler computes resets the roughness.
    void ruecksetzenGehoertZumHandler()
    {
        ersetze(txtDN, QStringLiteral("200"));
        txtmue->setText(QString());
        ersetze(txtkb, QStringLiteral("2"));
        QCOMPARE(txtkb->text(), QStringLiteral("1,5"));
        QCOMPARE(txtmue->text(), QString());
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText("Typen unverträglich", "Tippfehler - Wert wird auf 1,5 gesetzt"));
    }

    // Enter in an empty slope box: both boxes emptied, the side calculation stays.
    void enterOhneGefaelle()
    {
        ersetze(txtDN, QStringLiteral("200"));
        txti->clear();
        enter(txti);
        QCOMPARE(txti->text(), QString());
        QCOMPARE(txtDN->text(), QString());
        QVERIFY(txtHL->isVisible());
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText("Typen unverträglich", auf0));
    }

    // cmdi computes and hides the side calculation for good; the slope box
    // computes nothing on its own keys.
    void cmdiUndGefaelle()
    {
        ersetze(txtDN, QStringLiteral("200"));
        const QString v8 = lblv->text();
        ersetze(txti, QStringLiteral("5"));
        QCOMPARE(lblv->text(), v8);
        klicke(kind<QPushButton>(w, "cmdi"));
        QVERIFY(lblv->text() != v8);
        for (const char* n :
             {"txtHL", "txtdeltaSohle", "Label1_18", "Label1_19", "Label2", "Shape2", "Label8", "Label7"})
            QVERIFY2(kind<QWidget>(w, n)->isHidden(), n);
        QVERIFY(txti->isEnabled());
    }

    // kb of 3,71 D or more, or a sludge viscosity with a one-digit diameter,
    // would give a negative velocity: the results are emptied, no message.
    void negativeGeschwindigkeit_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("dn");
        QTest::newRow("kb zu gross") << "txtkb"
                                     << "750"
                                     << "200";
        QTest::newRow("schlamm, erste ziffer") << "txtmue"
                                               << "150"
                                               << "2";
    }
    void negativeGeschwindigkeit()
    {
        QFETCH(QString, box);
        QFETCH(QString, wert);
        QFETCH(QString, dn);
        ersetze(txtDN, QStringLiteral("200"));
        QTest::keyClicks(txtRLL, QStringLiteral("100"));
        QVERIFY(!lblv->text().isEmpty());
        ersetze(kind<QLineEdit>(w, box.toUtf8().constData()), wert);
        ersetze(txtDN, dn);
        QCOMPARE(lblv->text(), QString());
        QCOMPARE(lblls->text(), QString());
        QCOMPARE(lblm3h->text(), QString());
        QCOMPARE(lblv22g->text(), QString());
        QCOMPARE(lblLV->text(), QStringLiteral("0,8 "));
        QCOMPARE(boxen().size(), 0);
        QCOMPARE(txtDN->text(), dn);
        // Typing goes on to a sound value.
        QTest::keyClicks(txtDN, QStringLiteral("000"));
        QVERIFY(!lblv->text().isEmpty());
        QVERIFY(!lblv->text().startsWith(u'-'));
    }

    // The presets have no reset of their own: in the fresh window the
    // diameter is 0, the preset is written and the user is told.
    void optionImFrischenFenster()
    {
        klicke(kind<QRadioButton>(w, "Option4"));
        QCOMPARE(txtkb->text(), QStringLiteral("0,25 "));
        QCOMPARE(txtDN->text(), QStringLiteral("0"));
        QCOMPARE(txti->text(), QStringLiteral("8"));
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText("Division durch Null", auf0));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
    }
};

QTEST_MAIN(TestGefaelleGegeben)
#include "tst_frmGefaelle_gegeben.moc"
