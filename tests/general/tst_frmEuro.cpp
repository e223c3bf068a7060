// The VAT window: any one of six amounts gives the other five, each step
// reading the rounded text of the one before; the rate box and its guard;
// the DM column and the white, flat look that shrinks the window.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmEuro.h"
#include "hauptfenster.h"
#include "testhilfe.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

namespace {
const QString auf0 = QStringLiteral("Tippfehler - Wert wird auf 0 gesetzt");
const QString unveraendert = QStringLiteral("Tippfehler - Beträge bleiben unverändert");
const char* const betraege[] = {"NettoEuro", "UstEuro", "BruttoEuro", "NettoDM", "UstDM", "BruttoDM"};
} // namespace

class TestEuro : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit* rate = nullptr;

    QLineEdit* box(const char* name) const { return kind<QLineEdit>(w, name); }

    // The six amounts in the order of `betraege`, then the rate box.
    QStringList alle() const
    {
        QStringList t;
        for (const char* n : betraege)
            t << box(n)->text();
        return t << rate->text();
    }

    // Whether the box lies wholly inside the window's inner area.
    bool sichtbar(QWidget* x) const
    {
        const QRect r(x->mapTo(w, QPoint(0, 0)), x->size());
        return QRect(QPoint(0, 0), w->size()).contains(r);
    }

    void vorbereiten() override
    {
        w = fenster::zeige<frmEuro>();
        QVERIFY(w);
        rate = box("USTProzent");
    }

private slots:
    void designzustand()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Umsatzsteuerrechner - Dorvent"));
        QCOMPARE(alle(), (QStringList{"", "", "", "", "", "", "19,0"}));
        QVERIFY(!rate->isEnabled());
        QCOMPARE(rate->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(rate->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        QCOMPARE(w->size(), twips(5220, 3030));
        // Only the euro column shows; typing starts in the net amount in euro.
        QVERIFY(sichtbar(box("BruttoEuro")));
        QVERIFY(!sichtbar(box("NettoDM")));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), box("NettoEuro"));
        // The tab order as drawn up, out-of-sight DM column first.
        QStringList reihe;
        QWidget* x = box("NettoDM");
        do {
            if (x->focusPolicy() & Qt::TabFocus)
                reihe << x->objectName();
            x = x->nextInFocusChain();
        } while (x != box("NettoDM") && reihe.size() < 12);
        QCOMPARE(reihe, (QStringList{"NettoDM", "UstDM", "BruttoDM", "NettoEuro", "UstEuro", "BruttoEuro", "USTProzent",
                                     "Text1_2", "Text1_1", "Text1_0", "Option1", "Option2"}));
        QCOMPARE(box("Text1_1")->text(), QStringLiteral("% UST"));
        QCOMPARE(box("BruttoDM")->accessibleName(), QStringLiteral("Brutto DM"));
        QCOMPARE(rate->accessibleName(), QStringLiteral("Umsatzsteuersatz %"));
    }

    // Typed key by key at the rate of 19; the typed box stays as typed, the
    // rate box opens; Enter then recomputes the same and inserts nothing.
    void beispiele_data()
    {
        spalten();
        const auto beispiel = [](const QString& name, const QString& box, const QString& text, const QString& alle) {
            const QString soll =
                je("NettoEuro UstEuro BruttoEuro NettoDM UstDM BruttoDM USTProzent", alle) + ";@USTProzent=an";
            reihe(qPrintable(name), box + u'+' + text, soll);
            reihe(qPrintable(name + ", enter"), box + u'+' + text + u';' + box + "~Return", soll);
        };
        // DM net as gross minus VAT, each rounded: 19,56 - 3,13, not the
        // 16,44 of 8,4034 euro.
        beispiel("brutto euro 10", "BruttoEuro", "10", "8,40 ;1,60 ;10;16,43 ;3,13 ;19,56 ;19,0");
        beispiel("netto euro 1000", "NettoEuro", "1000", "1000;190,00 ;1.190,00 ;1.955,83 ;371,61 ;2.327,44 ;19,0");
        beispiel("netto dm 1000, satz mit blank", "NettoDM", "1000",
                 "511,29 ;97,15 ;608,44 ;1000;190,00 ;1.190,00 ;19,0 ");
        beispiel("ust euro 19", "UstEuro", "19", "100,00 ;19;119,00 ;195,58 ;37,16 ;232,74 ;19,0");
        beispiel("ust dm 38", "UstDM", "38", "102,26 ;19,43 ;121,69 ;200,00 ;38;238,00 ;19,0");
        beispiel("brutto dm 119", "BruttoDM", "119", "51,13 ;9,71 ;60,84 ;100,00 ;19,00 ;119;19,0");
    }
    void beispiele() { zeile<frmEuro>(); }

    // The rate as a Currency value: a net box writes "7,5" for "7,50" and
    // then reformats it; a gross box leaves the typed text alone.
    void satzText_data()
    {
        QTest::addColumn<QString>("satz");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("danach");
        QTest::newRow("netto euro") << "7,50"
                                    << "NettoEuro"
                                    << "7,5";
        QTest::newRow("netto dm") << "7,50"
                                  << "NettoDM"
                                  << "7,5 ";
        QTest::newRow("ust dm") << "7,50"
                                << "UstDM"
                                << "7,5";
        QTest::newRow("brutto euro") << "7,50"
                                     << "BruttoEuro"
                                     << "7,50";
        QTest::newRow("brutto dm") << "016"
                                   << "BruttoDM"
                                   << "016";
    }
    void satzText()
    {
        QFETCH(QString, satz);
        QFETCH(QString, box);
        QFETCH(QString, danach);
        QTest::keyClicks(this->box("NettoEuro"), QStringLiteral("100"));
        ersetze(rate, satz);
        QCOMPARE(boxen().size(), 0);
        QLineEdit* ziel = this->box(box.toUtf8().constData());
        ziel->clear();
        QTest::keyClicks(ziel, QStringLiteral("1"));
        QCOMPARE(boxen().size(), 0);
        QCOMPARE(rate->text(), danach);
    }

    // A new rate keeps the net amounts and recomputes VAT and gross; the
    // euro net is not converted again.
    void neuerSatz()
    {
        QTest::keyClicks(box("NettoEuro"), QStringLiteral("1000"));
        ersetze(rate, QStringLiteral("7"));
        QCOMPARE(alle(), (QStringList{"1000", "70,00 ", "1.070,00 ", "1.955,83 ", "136,91 ", "2.092,74 ", "7"}));
        QCOMPARE(boxen().size(), 0);
    }

    // NettoDM holding exactly "0" (set by an error) blocks the rate box; a
    // formatted 0,00 does not.
    void reihenfolge()
    {
        QTest::keyClicks(box("NettoDM"), QStringLiteral("x"));
        QCOMPARE(box("NettoDM")->text(), QStringLiteral("0"));
        boxen().clear();
        const QStringList vorher = alle();
        QTest::keyClick(rate, Qt::Key_End);
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText("", "Bitte zuerst einen anderen Parameter eingeben, um "
                                                        "Divisionen durch Null zu vermeiden!"));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Unzweckmäßige Eingabereihenfolge"));
        QCOMPARE(boxen()[0].stil, 0);
        QCOMPARE(alle(), vorher);

        boxen().clear();
        QTest::keyClicks(box("NettoEuro"), QStringLiteral("0"));
        QCOMPARE(box("NettoDM")->text(), QStringLiteral("0,00 "));
        ersetze(rate, QStringLiteral("16"));
        QCOMPARE(boxen().size(), 0);
        QCOMPARE(box("BruttoEuro")->text(), QStringLiteral("0,00 "));
    }

    // A runtime error in a money box: that box becomes "0", what was
    // written before stays, the rest keeps its old text.
    void fehler_data()
    {
        QTest::addColumn<QString>("satz"); // typed into the rate box first, after "100" in NettoEuro
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("vorgabe"); // written without a key first
        QTest::addColumn<QString>("tasten");  // "<" is Backspace
        QTest::addColumn<QString>("beschreibung");
        QTest::addColumn<QStringList>("danach");
        QTest::newRow("letztes zeichen gelöscht")
            << ""
            << "NettoEuro"
            << ""
            << "5<"
            << "Typen unverträglich" << QStringList{"0", "0,95 ", "5,95 ", "9,78 ", "1,86 ", "11,64 ", "19"};
        QTest::newRow("satz 0 in ust euro")
            << "0"
            << "UstEuro"
            << ""
            << "5"
            << "Division durch Null" << QStringList{"100", "0", "100,00 ", "195,58 ", "0,00 ", "195,58 ", "0"};
        QTest::newRow("satz 0, ust 0") << "0"
                                       << "UstDM"
                                       << ""
                                       << "0"
                                       << "Überlauf"
                                       << QStringList{"100", "0,00 ", "100,00 ", "195,58 ", "0", "195,58 ", "0"};
        QTest::newRow("satz -100 in brutto euro")
            << "-100"
            << "BruttoEuro"
            << ""
            << "5"
            << "Division durch Null" << QStringList{"100", "-100,00 ", "0", "195,58 ", "-195,58 ", "0,00 ", "-100"};
        QTest::newRow("satz leer") << "<"
                                   << "BruttoDM"
                                   << ""
                                   << "5"
                                   << "Typen unverträglich"
                                   << QStringList{"100", "19,00 ", "119,00 ", "195,58 ", "37,16 ", "0", ""};
        // Beyond the Currency range after the VAT was written.
        QTest::newRow("überlauf nach schritt 1")
            << ""
            << "NettoEuro"
            << "1E30"
            << "0"
            << "Überlauf" << QStringList{"0", "1,9E+299", "119,00 ", "195,58 ", "37,16 ", "232,74 ", "19"};
    }
    void fehler()
    {
        QFETCH(QString, satz);
        QFETCH(QString, box);
        QFETCH(QString, vorgabe);
        QFETCH(QString, tasten);
        QFETCH(QString, beschreibung);
        QFETCH(QStringList, danach);
        QTest::keyClicks(this->box("NettoEuro"), QStringLiteral("100"));
        if (satz == "<") {
            rate->selectAll();
            QTest::keyClick(rate, Qt::Key_Backspace);
        } else if (!satz.isEmpty()) {
            ersetze(rate, satz);
        }
        boxen().clear();
        QLineEdit* ziel = this->box(box.toUtf8().constData());
        if (!vorgabe.isEmpty())
            ziel->setText(vorgabe);
        else
            ziel->clear();
        for (const QChar c : tasten) {
            if (c == u'<')
                QTest::keyClick(ziel, Qt::Key_Backspace);
            else
                QTest::keyClicks(ziel, QString(c));
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, auf0));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QStringList ist = alle();
        // The overflowing VAT prints with all its digits; its start will do.
        if (danach[1].contains(u'E')) {
            QVERIFY(ist[1].startsWith(QStringLiteral("190.000.000.000")));
            QCOMPARE(ist[1].size(), 300 + 99 + QStringLiteral(",00 ").size());
            ist[1] = danach[1];
        }
        QCOMPARE(ist, danach);
        QVERIFY(rate->isEnabled());
    }

    // A first key that fails still frees the rate box.
    void ersteTasteFalsch()
    {
        QTest::keyClicks(box("UstEuro"), QStringLiteral("x"));
        QCOMPARE(box("UstEuro")->text(), QStringLiteral("0"));
        QVERIFY(rate->isEnabled());
        QCOMPARE(rate->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(boxen().size(), 1);
    }

    // The rate box has no error rule of its own: an empty or bad rate, or
    // net amounts that are no number, leave every amount as it was.
    void satzOhneFehlerblock_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("netto dm leer") << "leer"
                                       << "Typen unverträglich";
        QTest::newRow("satz gelöscht") << "satz"
                                       << "Typen unverträglich";
        QTest::newRow("netto euro keine zahl") << "euro"
                                               << "Typen unverträglich";
    }
    void satzOhneFehlerblock()
    {
        QFETCH(QString, fall);
        QFETCH(QString, beschreibung);
        QTest::keyClicks(box("NettoEuro"), fall == "leer" ? QStringLiteral("x") : QStringLiteral("1000"));
        if (fall == "euro")
            box("NettoEuro")->setText(QStringLiteral("abc")); // pasted with the mouse: no key
        boxen().clear();
        const QStringList vorher = alle();
        if (fall == "satz") {
            rate->selectAll();
            QTest::keyClick(rate, Qt::Key_Backspace);
        } else {
            QTest::keyClick(rate, Qt::Key_End);
        }
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, unveraendert));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QStringList erwartet = vorher;
        erwartet[6] = rate->text();
        QCOMPARE(alle(), erwartet);
        QVERIFY(fenster::offen(QStringLiteral("frmEuro")));
    }

    // "in DM" widens the whole window and the rectangle; the white, flat
    // look cuts the window to 2535 twips. Neither has a way back.
    void fenstergroesse_data()
    {
        QTest::addColumn<bool>("inDM");
        QTest::newRow("in DM, dann weiß") << true;
        QTest::newRow("nur weiß") << false;
    }
    void fenstergroesse()
    {
        QFETCH(bool, inDM);
        auto* option1 = kind<QRadioButton>(w, "Option1");
        auto* option2 = kind<QRadioButton>(w, "Option2");
        QCOMPARE(option1->text(), QStringLiteral("in DM"));
        QCOMPARE(option2->text(), QStringLiteral("weißer Hintergrund"));
        const int breite = w->frameGeometry().width();
        if (inDM) {
            klicke(option1);
            QCOMPARE(w->frameGeometry().width(), twips(8625));
            QCOMPARE(kind<QFrame>(w, "Shape1")->width(), twips(7695));
            for (const char* n : {"NettoDM", "UstDM", "BruttoDM", "Label1_1", "Label1_3"})
                QVERIFY2(sichtbar(kind<QWidget>(w, n)), n);
        }
        const int hoehe = w->frameGeometry().height();
        klicke(option2);
        QCOMPARE(w->frameGeometry().width(), inDM ? twips(8625) : breite);
        QCOMPARE(w->frameGeometry().height(), twips(2535));
        QVERIFY(w->frameGeometry().height() < hoehe);
        const QColor weiss = QApplication::palette().color(QPalette::Base);
        QCOMPARE(w->palette().color(QPalette::Window), weiss);
        QCOMPARE(box("Text1_2")->palette().color(QPalette::Base), weiss);
        QCOMPARE(kind<QWidget>(w, "Label1_4")->palette().color(QPalette::Window), weiss);
        QCOMPARE(kind<QWidget>(w, "Frame1")->palette().color(QPalette::Window), weiss);
        // The rate box keeps its own colour until a money box is used.
        QCOMPARE(rate->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 255, 192));
        for (const char* n : betraege)
            QVERIFY2(box(n)->styleSheet().contains(QStringLiteral("border")), n);
        // Still computing as before.
        QTest::keyClicks(box("BruttoEuro"), QStringLiteral("10"));
        QCOMPARE(box("NettoDM")->text(), QStringLiteral("16,43 "));
    }

    // The row captions show the button face, then the white look; the
    // white look keeps the rate box white once a money box was used, and
    // every box keeps the window's font.
    void farbenUndSchrift()
    {
        const auto grund = [this] { return box("Text1_1")->grab().toImage().pixelColor(2, 2); };
        QCOMPARE(grund(), QApplication::palette().color(QPalette::Button));
        QTest::keyClicks(box("NettoEuro"), QStringLiteral("1"));
        klicke(kind<QRadioButton>(w, "Option2"));
        QCOMPARE(grund(), QApplication::palette().color(QPalette::Base));
        QCOMPARE(rate->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        for (const char* n : betraege)
            QCOMPARE(box(n)->font().pointSize(), w->font().pointSize());
    }

    // On the main window's close list: the menu gives a fresh window.
    void menueGibtFrischesFenster()
    {
        QTest::keyClicks(box("NettoEuro"), QStringLiteral("1000"));
        klicke(kind<QRadioButton>(w, "Option1"));
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->show();
        auto* a = haupt->findChild<QAction*>(QStringLiteral("Umsatzsteuer"));
        QVERIFY(a);
        a->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = fenster::offen(QStringLiteral("frmEuro"));
        QVERIFY(w && w->isVisible());
        rate = box("USTProzent");
        QCOMPARE(alle(), (QStringList{"", "", "", "", "", "", "19,0"}));
        QVERIFY(!rate->isEnabled());
        QCOMPARE(w->size(), twips(5220, 3030));
    }

    // Amounts of eight digits before the comma "in DM": every box in sight
    // whole, also in the white look.
    void grosseWerte_data()
    {
        spalten();
        const QString alle = "NettoEuro UstEuro BruttoEuro NettoDM UstDM BruttoDM";
        reihe("netto euro", "Option1!;NettoEuro=12345678,9",
              ganz(alle, "12345678,9;2.345.678,99 ;14.691.357,89 ;24.146.049,16 ;4.587.749,34 ;28.733.798,50 "));
        reihe("brutto dm, dann tab", "Option1!;BruttoDM=98765432,1;BruttoDM~Tab",
              ganz(alle, "42.435.263,51 ;8.062.700,07 ;50.497.963,58 ;82.996.161,43 ;15.769.270,67 ;98765432,1"));
        reihe("brutto euro, weiß", "Option1!;BruttoEuro=99999999,99;Option2!",
              ganz(alle, "84.033.613,44 ;15.966.386,55 ;99999999,99;164.355.462,17 ;31.227.537,81 ;195.582.999,98 "));
    }
    void grosseWerte() { zeile<frmEuro>(); }
};

QTEST_MAIN(TestEuro)
#include "tst_frmEuro.moc"
