// The oxygen saturation window: the table lookup by temperature, the relative
// values of a measured concentration, the clipboard line and the source
// shown by growing the window.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmCs.h"
#include "hauptfenster.h"
#include "testhilfe.h"
#include "twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

const QString zurueck = QStringLiteral("Tippfehler - Werte werden zurückgesetzt");
const QString zuGross =
    QStringLiteral("Gemessenen Konzentration ist größer als die Sättigungskonzentration - Cx wird auf 0 gesetzt");
const QString ungueltig = QStringLiteral("Ungültige Temperatureingabe! Wertebereich nur >= 0 °C bis <=41,0 °C");

} // namespace

class TestCs : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit *txtTemp = nullptr, *txtCx = nullptr;
    QLabel *lblCs = nullptr, *lblrelativ = nullptr, *LblCsCx = nullptr;
    QPlainTextEdit* quelle = nullptr;

    void oeffne()
    {
        w = fenster::zeige<frmCs>();
        QVERIFY(w);
        txtTemp = kind<QLineEdit>(w, "txtTemp");
        txtCx = kind<QLineEdit>(w, "txtCx");
        lblCs = kind<QLabel>(w, "lblCs");
        lblrelativ = kind<QLabel>(w, "lblrelativeKonzentration");
        LblCsCx = kind<QLabel>(w, "LblCsCx");
        quelle = kind<QPlainTextEdit>(w, "txtQuellenangabe");
    }

    QString kopiere()
    {
        umgebung->ablage.schritte.clear();
        klicke(kind<QPushButton>(w, "Command2"));
        if (umgebung->ablage.schritte.size() != 2 || umgebung->ablage.schritte[0] != QStringLiteral("<leer>"))
            return QStringLiteral("?") + umgebung->ablage.schritte.join(u'|');
        return umgebung->ablage.schritte[1];
    }

    // "ablage=" what the window did with the clipboard, its steps separated
    // by "|".
    static QString ablage(frmCs* w, Testumgebung& umgebung, const QString& s)
    {
        if (!s.startsWith("ablage="))
            return stand(w, {s})[0];
        return "ablage=" + umgebung.ablage.schritte.join(u'|');
    }

    // Whether the source text lies inside the window's inner area.
    bool quelleSichtbar() const { return quelle->mapTo(w, QPoint(0, quelle->height())).y() <= w->height(); }

    void vorbereiten() override
    {
        umgebung->ablage.schritte.clear();
        oeffne();
    }

private slots:
    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Sauerstoff im Wasser bei Temperaturen von 0 ...41 °C"));
        for (QLineEdit* b : {txtTemp, txtCx})
            QCOMPARE(b->text(), QString());
        for (QLabel* l : {lblCs, lblrelativ, LblCsCx})
            QCOMPARE(l->text(), QString());
        QCOMPARE(txtTemp->toolTip(), QStringLiteral("Nur einstellige Eingabe!"));
        QCOMPARE(kind<QPushButton>(w, "Command2")->text(), QStringLiteral("Zwischenablage"));
        QVERIFY(kind<QPushButton>(w, "Command1")->text().startsWith("Quelle: Sättigungskonzentration nach "));
        QVERIFY(quelle->toPlainText().startsWith(QStringLiteral("Sättigungskonzentration nach :\n")));
        QVERIFY(!quelle->isReadOnly());
        QCOMPARE(w->height(), twips(4230));
        QVERIFY(!quelleSichtbar());
        QCOMPARE(txtTemp->accessibleName(), QStringLiteral("Wassertemperatur °C"));
        QCOMPARE(lblCs->accessibleDescription(), QStringLiteral("Sättigungskonzentration Cs mgO2/l"));
    }

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
        QCOMPARE(kopiere(), QStringLiteral("Temperatur =  °C;   Sättigungskonzentration Cs = mg O2/l"));
    }

    // The line on the clipboard: the clipboard is emptied first, then the
    // line with both values in their shortest form (the line holds a ";", so
    // it is one expected text of its own).
    void zwischenablage_data()
    {
        spalten();
        const auto kopie = [](const char* name, const QString& schritte, const QString& werte) {
            QTest::newRow(name) << schritte.split(u';', Qt::SkipEmptyParts)
                                << QStringList("ablage=<leer>|Temperatur = " + werte + "mg O2/l") << QStringList();
        };
        kopie("nichts", "Command2!", " °C;   Sättigungskonzentration Cs = ");
        kopie("20,5", "txtTemp+20,5;Command2!", "20,5 °C;   Sättigungskonzentration Cs = 8,99");
        kopie("0", "txtTemp+0;Command2!", "0 °C;   Sättigungskonzentration Cs = 14,64");
        kopie("0,1", "txtTemp+0,1;Command2!", "0,1 °C;   Sättigungskonzentration Cs = 14,6");
        kopie("020,30", "txtTemp+020,30;Command2!", "20,3 °C;   Sättigungskonzentration Cs = 9,02");
    }
    void zwischenablage() { zeile<frmCs>({}, {.lesen = ablage}); }

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
    // the mouse over the source leaves a height that the next click resets.
    void hoehe()
    {
        auto* command1 = kind<QPushButton>(w, "Command1");
        klicke(command1);
        QCOMPARE(w->height(), twips(8175));
        QVERIFY(quelleSichtbar());
        klicke(command1);
        QCOMPARE(w->height(), twips(4230));
        QVERIFY(!quelleSichtbar());
        klicke(command1);
        QCOMPARE(w->height(), twips(8175));
        QTest::mouseMove(quelle->viewport(), QPoint(20, 20));
        QCOMPARE(w->height(), twips(4395));
        QVERIFY(!quelleSichtbar());
        klicke(command1);
        QCOMPARE(w->height(), twips(4230));
        klicke(command1);
        QCOMPARE(w->height(), twips(8175));
        // A height set by the user: the click resets it first.
        w->resize(w->width(), twips(5000));
        klicke(command1);
        QCOMPARE(w->height(), twips(4230));
    }

    // Not on the main window's close list: the menu shows it unchanged; its
    // own close box discards everything.
    void menueUndSchliessen()
    {
        QTest::keyClicks(txtTemp, QStringLiteral("20,5"));
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->show();
        auto* a = haupt->findChild<QAction*>(QStringLiteral("Sauerstoffsättigung"));
        QVERIFY(a);
        a->trigger();
        QCOMPARE(fenster::offen(QStringLiteral("frmCs")), w);
        QCOMPARE(lblCs->text(), QStringLiteral("8,99"));
        // Another menu command leaves it open too.
        haupt->findChild<QAction*>(QStringLiteral("Einwohnergleichwert"))->trigger();
        QCOMPARE(fenster::offen(QStringLiteral("frmCs")), w);

        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        a->trigger();
        oeffne();
        QCOMPARE(txtTemp->text(), QString());
        QCOMPARE(lblCs->text(), QString());
        QCOMPARE(kopiere(), QStringLiteral("Temperatur =  °C;   Sättigungskonzentration Cs = mg O2/l"));
    }
};

QTEST_MAIN(TestCs)
#include "tst_frmCs.moc"
