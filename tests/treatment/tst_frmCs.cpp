// The oxygen saturation window: the table lookup by temperature, the relative
// values of a measured concentration, the clipboard line and the source
// shown by growing the window.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmCs.h"
#include "frmStart.h"
#include "hauptfenster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString zurueck = QStringLiteral("Tippfehler - Werte werden zurückgesetzt");
const QString zuGross =
    QStringLiteral("Gemessenen Konzentration ist größer als die Sättigungskonzentration - Cx wird auf 0 gesetzt");
const QString ungueltig = QStringLiteral("Ungültige Temperatureingabe! Wertebereich nur >= 0 °C bis <=41,0 °C");
const QString quelle = QStringLiteral("Sättigungskonzentration nach :\n"
                                      "Wagner: Sättigungswerte des gelösten Sauerstoffs in reinem Wasser,\n"
                                      "Fachzeitschrift Band 52 (1979) und Band 53 (1979)\n"
                                      "\n"
                                      "aus:\n"
                                      "Gelöster Sauerstoff - Messpraxis für Wasser und Abwasser,\n"
                                      "1983, 146 Seiten, 67 Abbildungen");
// The empty clipboard line.
const QString leer = QStringLiteral("Temperatur =  °C;   Sättigungskonzentration Cs = mg O2/l");

// A row whose expected texts hold a ";" of their own, given one by one.
void reiheEinzeln(const char* name, const QString& schritte, const QStringList& soll)
{
    QTest::newRow(name) << schritte.split(u';', Qt::SkipEmptyParts) << soll << QStringList();
}

} // namespace

class TestCs : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit *txtTemp = nullptr, *txtCx = nullptr;
    QLabel *lblCs = nullptr, *lblrelativ = nullptr, *LblCsCx = nullptr;

    void oeffne()
    {
        w = fenster::zeige<frmCs>();
        QVERIFY(w);
        txtTemp = kind<QLineEdit>(w, "txtTemp");
        txtCx = kind<QLineEdit>(w, "txtCx");
        lblCs = kind<QLabel>(w, "lblCs");
        lblrelativ = kind<QLabel>(w, "lblrelativeKonzentration");
        LblCsCx = kind<QLabel>(w, "LblCsCx");
    }

    QString kopiere()
    {
        umgebung->ablage.schritte.clear();
        klicke(kind<QPushButton>(w, "Command2"));
        if (umgebung->ablage.schritte.size() != 2 || umgebung->ablage.schritte[0] != QStringLiteral("<leer>"))
            return QStringLiteral("?") + umgebung->ablage.schritte.join(u'|');
        return umgebung->ablage.schritte[1];
    }

    void vorbereiten() override
    {
        umgebung->ablage.schritte.clear();
        oeffne();
    }

private slots:
    void designzustand_data()
    {
        spalten();
        reihe("design", "",
              "#titel=Sauerstoff im Wasser bei Temperaturen von 0 ...41 °C;"
                  + je("txtTemp txtCx lblCs lblrelativeKonzentration LblCsCx", ";;;;")
                  + ";txtTemp.toolTip=Nur einstellige Eingabe!;Command2=Zwischenablage;"
                    "Command1=Quelle: Sättigungskonzentration nach Wagner;txtQuellenangabe.plainText="
                  + quelle
                  + ";txtQuellenangabe.readOnly=false;#höhe=4230;txtQuellenangabe.ganz=von frmCs abgeschnitten;"
                    "txtTemp.accessibleName=Wassertemperatur °C;"
                    "lblCs.accessibleDescription=Sättigungskonzentration Cs mgO2/l");
    }
    void designzustand() { zeile<frmCs>(); }

    // Typed key by key; every key looks the table up afresh. Both ends and
    // rows from across the table.
    void temperatur_data()
    {
        spalten();
        for (const char* t :
             {"0=14,64", "0,1=14,60", "8,5=11,67", "10=11,25", "15,3=9,99", "20,5=8,99", "20,3=9,02", "20,30=9,02",
              "020,3=9,02", "29,9=7,57", "33,3=7,14", "37,7=6,65", "40,9=6,32", "41=6,31", "41,0=6,31"}) {
            const QString temperatur = QString::fromUtf8(t).section(u'=', 0, 0);
            reihe(qPrintable(temperatur), "txtTemp+" + temperatur, "lblCs=" + QString::fromUtf8(t).section(u'=', 1));
        }
    }
    void temperatur() { zeile<frmCs>(); }

    // A temperature between two rows keeps the value of the last row met.
    void zwischenDenZeilen()
    {
        QTest::keyClicks(txtTemp, QStringLiteral("20"));
        QCOMPARE(lblCs->text(), QStringLiteral("9,08"));
        QTest::keyClicks(txtTemp, QStringLiteral(",05"));
        QCOMPARE(txtTemp->text(), QStringLiteral("20,05"));
        QCOMPARE(lblCs->text(), QStringLiteral("9,08"));
        QCOMPARE(kopiere(), QStringLiteral("Temperatur = 20,05 °C;   Sättigungskonzentration Cs = 9,08mg O2/l"));
        QCOMPARE(boxen().size(), 0);
    }

    // Out of range: one critical box with the program's title, the box and
    // both values emptied.
    void ausserhalb_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("vorne"); // typed at the start afterwards
        QTest::addColumn<QString>("davor"); // Cs shown before the last key
        QTest::newRow("42") << "42"
                            << ""
                            << "13,09";
        QTest::newRow("41,1") << "41,1"
                              << ""
                              << "6,31";
        QTest::newRow("negativ") << "5"
                                 << "-"
                                 << "12,75";
    }
    void ausserhalb()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, vorne);
        QFETCH(QString, davor);
        if (vorne.isEmpty()) {
            QTest::keyClicks(txtTemp, eingabe.chopped(1));
            QCOMPARE(lblCs->text(), davor);
            QTest::keyClicks(txtTemp, eingabe.right(1));
        } else {
            QTest::keyClicks(txtTemp, eingabe);
            QCOMPARE(lblCs->text(), davor);
            QTest::keyClick(txtTemp, Qt::Key_Home);
            QTest::keyClicks(txtTemp, vorne);
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, ungueltig);
        QCOMPARE(boxen()[0].titel, QStringLiteral("Kelmo"));
        QCOMPARE(boxen()[0].stil, 16);
        QCOMPARE(txtTemp->text(), QString());
        QCOMPARE(lblCs->text(), QString());
        QCOMPARE(kopiere(), leer);
    }

    // The line on the clipboard: the clipboard is emptied first, then the
    // line with both values in their shortest form (the line holds a ";", so
    // it is one expected text of its own).
    void zwischenablage_data()
    {
        spalten();
        const auto kopie = [](const char* name, const QString& schritte, const QString& werte) {
            reiheEinzeln(name, schritte, {"#ablage=<leer>|Temperatur = " + werte + "mg O2/l"});
        };
        kopie("nichts", "Command2!", " °C;   Sättigungskonzentration Cs = ");
        kopie("20,5", "txtTemp+20,5;Command2!", "20,5 °C;   Sättigungskonzentration Cs = 8,99");
        kopie("0", "txtTemp+0;Command2!", "0 °C;   Sättigungskonzentration Cs = 14,64");
        kopie("0,1", "txtTemp+0,1;Command2!", "0,1 °C;   Sättigungskonzentration Cs = 14,6");
        kopie("020,30", "txtTemp+020,30;Command2!", "20,3 °C;   Sättigungskonzentration Cs = 9,02");
    }
    void zwischenablage() { zeile<frmCs>(); }

    // The relative values follow the measured concentration only.
    void relativ_data()
    {
        QTest::addColumn<QString>("temperatur");
        QTest::addColumn<QString>("cx");
        QTest::addColumn<QString>("prozent");
        QTest::addColumn<QString>("verhaeltnis");
        QTest::addColumn<QString>("bei30"); // after a new temperature of 30 °C
        QTest::newRow("10 °C, 5") << "10"
                                  << "5"
                                  << "44,44"
                                  << "1,80"
                                  << "66,23";
        QTest::newRow("20,5 °C, 5") << "20,5"
                                    << "5"
                                    << "55,62"
                                    << "2,25"
                                    << "66,23";
        QTest::newRow("0 °C, 0") << "0"
                                 << "0"
                                 << "0,00"
                                 << "1,00"
                                 << "0,00";
        QTest::newRow("negativ, ungeprüft") << "10"
                                            << "-"
                                            << ""
                                            << ""
                                            << "-66,23";
    }
    void relativ()
    {
        QFETCH(QString, temperatur);
        QFETCH(QString, cx);
        QFETCH(QString, prozent);
        QFETCH(QString, verhaeltnis);
        QFETCH(QString, bei30);
        QTest::keyClicks(txtTemp, temperatur);
        if (cx == "-") {
            // A lone minus is no number: the sign goes in front afterwards.
            QTest::keyClicks(txtCx, QStringLiteral("5"));
            QTest::keyClick(txtCx, Qt::Key_Home);
            QTest::keyClicks(txtCx, QStringLiteral("-"));
            QCOMPARE(lblrelativ->text(), QStringLiteral("-44,44"));
            QCOMPARE(LblCsCx->text(), QStringLiteral("0,69"));
        } else {
            QTest::keyClicks(txtCx, cx);
            QCOMPARE(lblrelativ->text(), prozent);
            QCOMPARE(LblCsCx->text(), verhaeltnis);
        }
        QCOMPARE(boxen().size(), 0);
        // A new temperature leaves them until the next key in txtCx.
        const QString vorher = lblrelativ->text();
        ersetze(txtTemp, QStringLiteral("30"));
        QCOMPARE(lblrelativ->text(), vorher);
        QTest::keyClick(txtCx, Qt::Key_End);
        QCOMPARE(lblrelativ->text(), bei30);
    }

    // The measured value above saturation: told without an error, then the
    // box set to 0; the ratio keeps its last value. The box shows before the
    // reset: the watched texts at that moment stand in brackets.
    void groesserAlsSaettigung_data()
    {
        spalten();
        const QString danach = "txtCx=0;lblrelativeKonzentration=0,00;LblCsCx=";
        const QString meldung = "Eingabefehler:  | " + zuGross;
        reihe("vor jeder temperatur", "txtCx:1;txtCx+2", danach, {meldung + " [12|]"});
        // "1" computes where a temperature holds.
        reihe("10 °C, 12", "txtTemp+10;txtCx+1;txtCx+2", danach + "1,10", {meldung + " [12|8,89]"});
        const QString ausserhalb = "Kelmo: " + ungueltig + " [|] {16}";
        reihe("außerhalb geleert", "txtTemp+42;txtCx:1;txtCx+2", danach, {ausserhalb, meldung + " [12|]"});
    }
    void groesserAlsSaettigung() { zeile<frmCs>({"txtCx", "lblrelativeKonzentration"}); }

    // Runtime errors in either box: the message first, then the reset.
    void fehler_data()
    {
        spalten();
        const QString cx = "txtCx=0;lblrelativeKonzentration=0,00;";
        const auto neu = [&](const char* n, const QString& schritte, const QString& danach, Fehler art,
                             const QString& gesehen) {
            reihe(n, schritte, cx + je("txtTemp lblCs LblCsCx", danach),
                  {::fehler(art, zurueck) + " [" + gesehen + u']'});
        };
        // Cx equal to Cs: 100,00 is shown, then the ratio divides by zero.
        neu("cx gleich cs", "txtTemp+20;txtCx+9,08", "20;9,08;113,50", Fehler::DivisionDurchNull, "9,08|100,00");
        neu("cx 0 ohne temperatur", "txtCx+0", ";;", Fehler::Ueberlauf, "0|");
        neu("cx gelöscht", "txtTemp+10;txtCx+5;txtCx~Backspace", "10;11,25;1,80", Fehler::Typen, "|44,44");
        neu("cx nur komma", "txtTemp+10;txtCx+,", "10;11,25;", Fehler::Typen, ",|");
        neu("temperatur gelöscht", "txtTemp+4;txtTemp~Backspace", "0;13,09;", Fehler::Typen, "|");
        neu("temperatur nur minus", "txtTemp+-", "0;;", Fehler::Typen, "|");
        // "1E99" written before, then the last 9.
        neu("temperatur zu gross für double", "txtTemp+1;txtTemp:1E99;txtTemp+9", "0;14,23;", Fehler::Ueberlauf, "|");
    }
    void fehler() { zeile<frmCs>({"txtCx", "lblrelativeKonzentration"}); }

    // The "0" the reset wrote is looked up only at the next key.
    void nullNachFehlerErstBeimNaechstenTaste()
    {
        QTest::keyClicks(txtTemp, QStringLiteral("10"));
        txtTemp->selectAll();
        QTest::keyClick(txtTemp, Qt::Key_Backspace);
        QCOMPARE(txtTemp->text(), QStringLiteral("0"));
        QCOMPARE(lblCs->text(), QStringLiteral("11,25"));
        QCOMPARE(kopiere(), QStringLiteral("Temperatur = 10 °C;   Sättigungskonzentration Cs = 11,25mg O2/l"));
        QTest::keyClick(txtTemp, Qt::Key_End);
        QCOMPARE(lblCs->text(), QStringLiteral("14,64"));
    }

    // Command1 toggles between the results and the results with the source;
    // the mouse over the source leaves a height that the next click resets,
    // as it resets a height set by the user.
    void hoehe_data()
    {
        spalten();
        const QString verborgen = "txtQuellenangabe.ganz=von frmCs abgeschnitten";
        reihe("quelle gezeigt", "Command1!", "#höhe=8175;txtQuellenangabe.ganz=ja");
        reihe("wieder verborgen", "Command1!;Command1!", "#höhe=4230;" + verborgen);
        const QString maus = "Command1!;Command1!;Command1!;txtQuellenangabe^";
        reihe("maus über der quelle", maus, "#höhe=4395;" + verborgen);
        reihe("maus, dann klick", maus + ";Command1!", "#höhe=4230");
        reihe("maus, dann zwei klicks", maus + ";Command1!;Command1!", "#höhe=8175");
        reihe("vom nutzer gesetzte höhe", "Command1!;#höhe=5000;Command1!", "#höhe=4230");
    }
    void hoehe() { zeile<frmCs>(); }

    // Not on the main window's close list: the menu shows it unchanged, also
    // after another menu command; its own close box discards everything.
    void menueUndSchliessen_data()
    {
        spalten();
        const QString cs = "#menü=Technik>Sauerstoffsättigung";
        reihe("wieder gewählt",
              "#zeige=frmCs;frmCs/txtTemp+20,5;" + cs + ";#menü=Abwasserbehandlung>Einwohnergleichwert",
              "frmCs/txtTemp=20,5;frmCs/lblCs=8,99;" + offen({"frmStart", "frmCs", "frmEW"}));
        reiheEinzeln("geschlossen: frisch",
                     "#zeige=frmCs;frmCs/txtTemp+20,5;#schliesse=frmCs;" + cs + ";frmCs/Command2!",
                     {"frmCs/txtTemp=", "frmCs/lblCs=", "#ablage=<leer>|" + leer, offen({"frmStart", "frmCs"})});
    }
    void menueUndSchliessen() { zeile<frmStart>(); }
};

QTEST_MAIN(TestCs)
#include "tst_frmCs.moc"
