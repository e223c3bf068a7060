// The oversizing assessment, driven as a user does: typing, the two buttons
// and the window's own menu bar; and its four explanation windows.
#include "ablauf.h"
#include "fenster.h"
#include "fenstertest.h"
#include "frmGroseKAInfo3.h"
#include "frmGroseKAInfo5.h"
#include "frmgroseKA.h"
#include "frmgroseKAInfo1.h"
#include "frmgroseKAInfo2.h"
#include "mdlInternet.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {
const QString zurueck = QStringLiteral("Tippfehler - Alle Eingabewerte werden zurückgesetzt");
const QString nichtFaehig =
    QStringLiteral("Nach dem ersten Anschein nicht gebühren- und beitragsfähiger Investaufwand!");
const QString faehig = QStringLiteral("Investkosten sind dem ersten Anschein nach gebühren- und beitragsfähig!");
const QString warnung1 = QStringLiteral("Vielleicht ein Problem!");
const QString warnung2 = QStringLiteral("Meist kein Problem!");
const QString warnung3 = QStringLiteral("Kein Problem!");
const QColor rot(255, 0, 0);
const QColor rosa(255, 192, 192);

QColor system(QPalette::ColorRole rolle)
{
    return QApplication::palette().color(rolle);
}

// The rows that disappear when the costs are eligible.
const char* const kostenzeilen[] = {
    "lblnichtGebührenfähigDM", "lblNichtGebührenfähigProzent", "Label1_11", "Label1_13", "Label2_0", "Label2_1",
    "lblKostenanteilBBNKDM",   "lblKostenanteilgebührenfähig", "lblBei1",   "lblBei2"};
const char* const erklaerungen[] = {"frmgroseKAInfo1", "frmgroseKAInfo2", "frmGroseKAInfo3", "frmGroseKAInfo5"};
} // namespace

class TestGroseKA : public Fenstertest {
    Q_OBJECT

    QWidget* w = nullptr;
    QLineEdit *E = nullptr, *A = nullptr, *K = nullptr, *d = nullptr, *p = nullptr, *z = nullptr;
    QLabel *R = nullptr, *Rp = nullptr, *Rz = nullptr, *Eg = nullptr, *KA = nullptr, *bei1 = nullptr;
    QLabel *KG = nullptr, *bei2 = nullptr, *N = nullptr, *Np = nullptr, *urteil = nullptr;

    QStringList ergebnisse() const
    {
        return {R->text(),    Rp->text(), Rz->text(),   Eg->text(), KA->text(),
                bei1->text(), KG->text(), bei2->text(), N->text(),  Np->text()};
    }
    QStringList eingaben() const { return {E->text(), A->text(), K->text(), d->text(), p->text(), z->text()}; }
    bool kostenzeilenSichtbar(bool sichtbar) const
    {
        for (const char* n : kostenzeilen)
            if (kind<QWidget>(w, n)->isVisible() != sichtbar)
                return false;
        return true;
    }
    void berechne(const QString& e, const QString& a, const QString& k)
    {
        ersetze(E, e);
        ersetze(A, a);
        ersetze(K, k);
        klicke(kind<QPushButton>(w, "Command1"));
    }
    QAction* menue(const char* name) { return kind<QAction>(w, name); }

    void vorbereiten() override
    {
        w = fenster::zeige<frmgroseKA>();
        QVERIFY(w);
        E = kind<QLineEdit>(w, "TxtEWKAreal");
        A = kind<QLineEdit>(w, "txtAnschlußEW");
        K = kind<QLineEdit>(w, "txtBruttoGKKA");
        d = kind<QLineEdit>(w, "txtDdeggesKA");
        p = kind<QLineEdit>(w, "txtKostenanteilBBNKProzent");
        z = kind<QLineEdit>(w, "txtzulReserveProzent");
        R = kind<QLabel>(w, "lblvorhReserveEW");
        Rp = kind<QLabel>(w, "lblvorhReserveProzent");
        Rz = kind<QLabel>(w, "lblzulReserveEW");
        Eg = kind<QLabel>(w, "lblAusbaugrößeGebührenfähig");
        KA = kind<QLabel>(w, "lblKostenanteilBBNKDM");
        bei1 = kind<QLabel>(w, "lblBei1");
        KG = kind<QLabel>(w, "lblKostenanteilgebührenfähig");
        bei2 = kind<QLabel>(w, "lblBei2");
        N = kind<QLabel>(w, "lblnichtGebührenfähigDM");
        Np = kind<QLabel>(w, "lblNichtGebührenfähigProzent");
        urteil = kind<QLabel>(w, "Label5_0");
    }

private slots:
    void initTestCase()
    {
        // The explanation windows, opened here by their names.
        fenster::registriere({fenster::eintrag<frmgroseKAInfo1>(), fenster::eintrag<frmgroseKAInfo2>(),
                              fenster::eintrag<frmGroseKAInfo3>(), fenster::eintrag<frmGroseKAInfo5>()});
    }

    // An eligible plant hides the cost rows; nothing else moves or widens.
    void lage_data()
    {
        spalten();
        const QString bleibt = lagen<frmgroseKA>("TxtEWKAreal txtzulReserveProzent Beispiel Command1 Label5_0 Shape2");
        reihe("kostenzeilen gezeigt", "Beispiel!", "lblBei1.visible=true;" + bleibt);
        reihe("kostenzeilen verborgen", "TxtEWKAreal=30;txtAnschlußEW=24;txtBruttoGKKA=10;Command1!",
              "lblBei1.visible=false;" + bleibt);
    }
    void lage() { zeile<frmgroseKA>(); }

    void designzustand()
    {
        QCOMPARE(w->windowTitle(),
                 QStringLiteral("Nicht gebührenfähiger Aufwand infolge Überdimensionierung bei einer Kläranlage"));
        QCOMPARE(eingaben(), (QStringList{"", "", "", "0,7", "30", "20"}));
        QCOMPARE(ergebnisse(), QStringList(10, QString()));
        QCOMPARE(urteil->text(), QStringLiteral("nicht beitrags- oder gebührenfähiger Aufwand"));
        QCOMPARE(urteil->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(urteil->font().bold());
        QCOMPARE(urteil->font().pointSize(), 12);
        for (QLabel* l : {R, Rp, Rz, Eg, KA, bei1, KG, bei2, N, Np}) {
            QCOMPARE(l->palette().color(QPalette::Window), system(QPalette::ToolTipBase));
            QVERIFY(l->autoFillBackground());
            QCOMPARE(l->alignment(), Qt::AlignRight | Qt::AlignVCenter);
            QVERIFY(!l->accessibleDescription().isEmpty());
        }
        QVERIFY(kostenzeilenSichtbar(true));
        QCOMPARE(kind<QPushButton>(w, "Beispiel")->text(), QStringLiteral("Beispiel"));
        QCOMPARE(kind<QPushButton>(w, "Command1")->text(), QStringLiteral("Berechnung"));
        QCOMPARE(kind<QLabel>(w, "Label1_0")->text(), QStringLiteral("realsierte Ausbaugröße der Kläranlage in TEW"));
        QCOMPARE(kind<QLabel>(w, "Label1_5")->text(), QStringLiteral("zulässige Anlagenreserve in % ( max. 20 %)"));
        QCOMPARE(kind<QLabel>(w, "Label1_11")->text(), kind<QLabel>(w, "Label1_13")->text());
        QCOMPARE(kind<QLabel>(w, "Label3")->text(), QStringLiteral("TEW = 1000 EW"));
        QCOMPARE(kind<QLabel>(w, "Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(kind<QLabel>(w, "Label4")->text(), QStringLiteral("Konstanten"));
        QCOMPARE(kind<QLabel>(w, "Label6")->text(),
                 QStringLiteral("Hier nur Abschätzung der Folgen aus einmaliger Aufwendung!"));
        QCOMPARE(kind<QLabel>(w, "Label7")->text(), QStringLiteral("Dorvent"));
        QCOMPARE(kind<QLabel>(w, "Label7")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(E->accessibleName(), QStringLiteral("realsierte Ausbaugröße der Kläranlage in TEW"));

        // The menu bar: five top-level commands in this order.
        QStringList leiste;
        for (QAction* a : w->findChild<QMenuBar*>()->actions())
            leiste << a->objectName() + u'=' + a->text();
        QCOMPARE(leiste, (QStringList{"Hinweise=Problemstellung", "Verwendung=Verwendung", "Funktion=Funktion",
                                      "Urteil=Gerichtsurteil im Internet", "Problemlösung=Auch eine Lösung!"}));
    }

    // "Beispiel" fills in three inputs and computes; the constants stay.
    void beispiel()
    {
        klicke(kind<QPushButton>(w, "Beispiel"));
        QCOMPARE(ergebnisse(), (QStringList{"15,0 ", "50,0 ", "6,0 ", "18,8", "7,7 Mio € ", "30,0 TEW ", "5,5 Mio € ",
                                            "18,8 TEW ", "2,1 Mio € ", "8,4 % "}));
        QCOMPARE(eingaben(), (QStringList{"30,0 ", "15,0 ", "25,5 ", "0,7", "30,0", "20,0 "}));
        QCOMPARE(N->palette().color(QPalette::Window), rosa);
        QCOMPARE(Np->palette().color(QPalette::Window), rosa);
        QCOMPARE(KG->palette().color(QPalette::Window), system(QPalette::ToolTipBase));
        QCOMPARE(R->palette().color(QPalette::WindowText), system(QPalette::WindowText));
        QCOMPARE(urteil->text(), nichtFaehig);
        QCOMPARE(urteil->palette().color(QPalette::WindowText), rot);
        QVERIFY(kostenzeilenSichtbar(true));
        QCOMPARE(boxen().size(), 0);

        // Changed constants are kept by the example.
        ersetze(z, QStringLiteral("10"));
        klicke(kind<QPushButton>(w, "Beispiel"));
        QCOMPARE(z->text(), QStringLiteral("10,0 "));
        QCOMPARE(Rz->text(), QStringLiteral("3,0 "));
    }

    // E, A, K typed, "Berechnung": results, colours, verdict and warnings.
    void berechnung_data()
    {
        spalten();
        const QString ergebnisse = "lblvorhReserveEW lblvorhReserveProzent lblzulReserveEW lblAusbaugrößeGebührenfähig "
                                   "lblKostenanteilBBNKDM lblBei1 lblKostenanteilgebührenfähig lblBei2 "
                                   "lblnichtGebührenfähigDM lblNichtGebührenfähigProzent";
        const QString schwarz = system(QPalette::WindowText).name(), gelb = system(QPalette::ToolTipBase).name();
        // The reserve in red or not, the amount not eligible on pink or on yellow.
        const auto farben = [&](bool reserveRot, bool rosaHinterlegt) {
            const QString schrift = reserveRot ? rot.name() : schwarz, grund = rosaHinterlegt ? rosa.name() : gelb;
            return "lblvorhReserveEW.farbe=" + schrift + ";lblvorhReserveProzent.farbe=" + schrift
                   + ";lblnichtGebührenfähigDM.grund=" + grund + ";lblNichtGebührenfähigProzent.grund=" + grund;
        };
        // The verdict, its colour and the cost rows it hides.
        const auto urteil = [](bool gebuehrenfaehig) {
            QStringList z{"Label5_0=" + (gebuehrenfaehig ? faehig : nichtFaehig),
                          "Label5_0.farbe=" + (gebuehrenfaehig ? system(QPalette::ButtonText) : rot).name()};
            for (const char* n : kostenzeilen)
                z << QString::fromUtf8(n) + ".visible=" + (gebuehrenfaehig ? "false" : "true");
            return z.join(u';');
        };
        const auto neu = [&](const char* n, const QString& eak, const QString& ergebnis, bool reserveRot,
                             bool rosaHinterlegt, bool gebuehrenfaehig, const QStringList& warnungen = {}) {
            const QString schritte = je("TxtEWKAreal txtAnschlußEW txtBruttoGKKA", eak) + ";Command1!";
            reihe(n, schritte,
                  je(ergebnisse, ergebnis) + u';' + farben(reserveRot, rosaHinterlegt) + u';' + urteil(gebuehrenfaehig),
                  warnungen);
        };
        const QStringList alle{warnung1 + ":  | Anschlußgrad ist >= Anlagenkapazität!",
                               warnung2 + ":  | Gewählte zulässige Reserve ist größer oder gleich vorhandener Reserve!",
                               warnung3 + ":  | Aufwendungen sind dem ersten Anschein nach gebührenfähig!"};
        neu("Anschluss 9", "30;9;25,5",
            "21,0 ;70,0 ;6,0 ;11,3;7,7 Mio € ;30,0 TEW ;3,9 Mio € ;11,3 TEW ;3,8 Mio € ;14,9 % ", false, true, false);
        // The eligible size exceeds the built one: N is negative, all three
        // warnings, and the amounts end as zero.
        neu("A = E", "30;30;25,5", "0,0 ;0,0 ;6,0 ;37,5;7,7 Mio € ;30,0 TEW ;8,9 Mio € ;37,5 TEW ;0,0 Mio € ;0,0 % ",
            false, false, true, alle);
        neu("A > E", "30;36;25,5",
            "-6,0 ;-20,0 ;6,0 ;45,0;7,7 Mio € ;30,0 TEW ;10,2 Mio € ;45,0 TEW ;0,0 Mio € ;0,0 % ", true, false, true,
            alle);
        // Permitted reserve equal to the existing one: N is exactly 0.
        neu("N genau 0", "30;24;10", "6,0 ;20,0 ;6,0 ;30,0;3,0 Mio € ;30,0 TEW ;3,0 Mio € ;30,0 TEW ;0,0 Mio € ;0,0 % ",
            false, true, true);
        // N is a little below zero and rounds to zero: shown without a
        // minus sign, so no warning 2 or 3, and pink.
        neu("N rundet auf 0", "30;24,02;10",
            "6,0 ;19,9 ;6,0 ;30,0;3,0 Mio € ;30,0 TEW ;3,0 Mio € ;30,0 TEW ;0,0 Mio € ;0,0 % ", false, true, true);
    }
    void berechnung() { zeile<frmgroseKA>(); }

    // Inputs are shown rounded to one decimal after a run, and the next run
    // computes with what they show; thousands points read back.
    void gerundeteEingaben()
    {
        berechne(QStringLiteral("30"), QStringLiteral("15,04"), QStringLiteral("25,5"));
        QCOMPARE(A->text(), QStringLiteral("15,0 "));
        QCOMPARE(Rp->text(), QStringLiteral("49,9 "));
        klicke(kind<QPushButton>(w, "Command1"));
        QCOMPARE(Rp->text(), QStringLiteral("50,0 "));

        berechne(QStringLiteral("1234,56"), QStringLiteral("617,28"), QStringLiteral("1000"));
        QCOMPARE(E->text(), QStringLiteral("1.234,6 "));
        QCOMPARE(K->text(), QStringLiteral("1.000,0 "));
        klicke(kind<QPushButton>(w, "Command1"));
        QCOMPARE(bei1->text(), QStringLiteral("1.234,6 TEW "));
        QCOMPARE(R->text(), QStringLiteral("617,3 "));
        QCOMPARE(N->text(), QStringLiteral("84,1 Mio € "));
        QCOMPARE(d->text(), QStringLiteral("0,7"));
        QCOMPARE(boxen().size(), 0);
    }

    // Red and pink are never taken back by a later run.
    void farbenBleiben()
    {
        berechne(QStringLiteral("30"), QStringLiteral("36"), QStringLiteral("25,5"));
        QCOMPARE(R->palette().color(QPalette::WindowText), rot);
        QCOMPARE(N->palette().color(QPalette::Window), system(QPalette::ToolTipBase));
        boxen().clear();
        klicke(kind<QPushButton>(w, "Beispiel"));
        QCOMPARE(R->text(), QStringLiteral("15,0 "));
        QCOMPARE(R->palette().color(QPalette::WindowText), rot);
        QCOMPARE(Rp->palette().color(QPalette::WindowText), rot);
        QCOMPARE(N->palette().color(QPalette::Window), rosa);
        QVERIFY(kostenzeilenSichtbar(true));
        berechne(QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("25,5"));
        QCOMPARE(N->palette().color(QPalette::Window), rosa);
        QCOMPARE(Np->palette().color(QPalette::Window), rosa);
        QCOMPARE(boxen().size(), 3);
    }

    // Any runtime error: the inputs are reset, the message shown, nothing
    // recomputed; results written before the failing step stay.
    void fehler_data()
    {
        QTest::addColumn<QString>("e");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("zul");
        QTest::addColumn<QString>("beschreibung");
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("leer") << ""
                              << ""
                              << ""
                              << ""
                              << "Typen unverträglich" << QStringList(10, QString());
        QTest::newRow("z = 100") << "30"
                                 << "15"
                                 << "25,5"
                                 << "100"
                                 << "Division durch Null"
                                 << QStringList{"15", "50", "30", "", "7,65", "", "", "", "", ""};
        // Eg is 0 and step 7 divides by it; lblBei1 and lblBei2 were already
        // formatted.
        QTest::newRow("A = 0") << "30"
                               << "0"
                               << "25,5"
                               << ""
                               << "Division durch Null"
                               << QStringList{"30", "100", "6", "0", "7,65", "30,0 ", "", "0,0 ", "", ""};
        QTest::newRow("K = 0") << "30"
                               << "15"
                               << "0"
                               << ""
                               << "Überlauf"
                               << QStringList{"15", "50", "6", "18,75", "0", "30,0 ", "0", "18,8 ", "0", ""};
        QTest::newRow("Buchstaben") << "30"
                                    << "15"
                                    << "x"
                                    << ""
                                    << "Typen unverträglich"
                                    << QStringList{"15", "50", "6", "", "", "", "", "", "", ""};
        // A negative built size: a negative base to the power 0,7.
        QTest::newRow("E negativ") << "-30"
                                   << "15"
                                   << "25,5"
                                   << ""
                                   << "Ungültiger Prozeduraufruf oder ungültiges Argument"
                                   << QStringList{"-45", "150", "-6", "18,75", "7,65", "-30,0 ", "", "18,8 ", "", ""};
    }
    void fehler()
    {
        QFETCH(QString, e);
        QFETCH(QString, a);
        QFETCH(QString, k);
        QFETCH(QString, zul);
        QFETCH(QString, beschreibung);
        QFETCH(QStringList, ergebnis);
        if (!zul.isEmpty())
            ersetze(z, zul);
        berechne(e, a, k);
        QCOMPARE(ergebnisse(), ergebnis);
        QCOMPARE(eingaben(), (QStringList{"0", "0", "0", "0,7", "30", "20"}));
        QCOMPARE(boxen().size(), 1);
        QCOMPARE(boxen()[0].text, eingabefehlerText(beschreibung, zurueck));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(boxen()[0].stil, 0);
        QCOMPARE(urteil->text(), QStringLiteral("nicht beitrags- oder gebührenfähiger Aufwand"));

        // Right after the reset E is 0: 0/0, and the message again.
        klicke(kind<QPushButton>(w, "Command1"));
        QCOMPARE(boxen().size(), 2);
        QCOMPARE(boxen()[1].text, eingabefehlerText("Überlauf", zurueck));
        QCOMPARE(R->text(), QStringLiteral("0"));
    }

    // Each menu command closes the other explanation windows first, so one
    // is open at a time, and it opens fresh at the top of its text.
    void erklaerungsfenster_data()
    {
        QTest::addColumn<QString>("menuepunkt");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<QStringList>("enthaelt");
        QTest::newRow("Problemstellung") << "Hinweise"
                                         << "frmgroseKAInfo1"
                                         << "Anwendungshinweise" << QSize(695, 291)
                                         << QStringList{"12,75 Mio €", "2,1 Mio €", "20 %", "Dizazo", "Dorvent"};
        QTest::newRow("Funktion") << "Funktion"
                                  << "frmgroseKAInfo2"
                                  << "Wie rechnet das Programm?" << QSize(695, 375)
                                  << QStringList{"„Beispiel“", "18.750 EW", "6,0 TEW",   "0,7",
                                                 "7,65 Mio €", "5,5 Mio €", "2,1 Mio €", "8,4 %"};
        QTest::newRow("Auch eine Lösung!")
            << "Problemlösung"
            << "frmGroseKAInfo3"
            << "Ein Vorschlag!" << QSize(695, 375)
            << QStringList{mdlInternet::Link::Gerichtsurteil, "„Gerichtsurteil im Internet“", "interdisziplinär"};
        QTest::newRow("Verwendung") << "Verwendung"
                                    << "frmGroseKAInfo5"
                                    << "Zweck des Programmes" << QSize(695, 213)
                                    << QStringList{"Plausibilitätsprüfung", "keinesfalls rechtssicher"};
    }
    void erklaerungsfenster()
    {
        QFETCH(QString, menuepunkt);
        QFETCH(QString, fenster);
        QFETCH(QString, titel);
        QFETCH(QSize, groesse);
        QFETCH(QStringList, enthaelt);
        // All four open at first, as if opened some other way.
        for (const char* f : erklaerungen)
            fenster::zeige(QString::fromUtf8(f));
        menue(menuepunkt.toUtf8().constData())->trigger();
        for (const char* f : erklaerungen)
            QCOMPARE(fenster::offen(QString::fromUtf8(f)) != nullptr, fenster == QString::fromUtf8(f));
        QWidget* info = fenster::offen(fenster);
        QVERIFY(info->isVisible());
        QCOMPARE(info->windowTitle(), titel);
        QCOMPARE(info->size(), groesse);

        auto* Text1 = kind<QPlainTextEdit>(info, "Text1");
        const QString text = Text1->toPlainText();
        for (const QString& teil : enthaelt)
            QVERIFY2(text.contains(teil), qPrintable(teil));
        QVERIFY(!text.contains(QStringLiteral("DM")));
        QVERIFY(!text.contains(u'\r'));
        for (const QString& zeile : text.split(u'\n'))
            QVERIFY2(zeile.size() <= 110, qPrintable(zeile));
        QVERIFY(Text1->isReadOnly());
        QCOMPARE(Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(Text1->font().family(), QStringLiteral("Arial"));
        QCOMPARE(Text1->font().pointSize(), 9);
        QCOMPARE(Text1->palette().color(QPalette::Base), system(QPalette::ToolTipBase));
        QCOMPARE(Text1->palette().color(QPalette::Text), system(QPalette::ButtonText));

        // Scrolled down and chosen again: a fresh window at the top.
        Text1->moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        menue(menuepunkt.toUtf8().constData())->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        info = fenster::offen(fenster);
        QCOMPARE(kind<QPlainTextEdit>(info, "Text1")->textCursor().position(), 0);
        QCOMPARE(kind<QPlainTextEdit>(info, "Text1")->verticalScrollBar()->value(), 0);
        QVERIFY(umgebung->links.links.isEmpty());
        QCOMPARE(boxen().size(), 0);
    }

    // The court ruling goes to the opener; no window is closed.
    void gerichtsurteil_data()
    {
        spalten();
        reihe("gerichtsurteil", "#menü=Funktion;#menü=Gerichtsurteil im Internet",
              "#link=" + mdlInternet::Link::Gerichtsurteil + u';' + offen({"frmgroseKA", "frmgroseKAInfo2"}));
    }
    void gerichtsurteil() { zeile<frmgroseKA>(); }

    // Large plants: the sizes in TEW and the amounts in Mio € in sight whole.
    void grosseWerte_data()
    {
        spalten();
        const QString alle = "lblvorhReserveEW lblAusbaugrößeGebührenfähig lblKostenanteilBBNKDM lblBei1 "
                             "lblKostenanteilgebührenfähig lblBei2 lblnichtGebührenfähigDM TxtEWKAreal";
        reihe("1000 TEW", "TxtEWKAreal=1000;txtAnschlußEW=500;txtBruttoGKKA=25,5;Command1!",
              ganz(alle, "500,0 ;625,0;7,7 Mio € ;1.000,0 TEW ;5,5 Mio € ;625,0 TEW ;2,1 Mio € ;1.000,0 "));
        reihe("10 000 TEW, 2500 Mio €", "TxtEWKAreal=10000;txtAnschlußEW=5000;txtBruttoGKKA=2500;Command1!",
              ganz(alle + " txtBruttoGKKA", "5.000,0 ;6.250,0;750,0 Mio € ;10.000,0 TEW ;539,7 Mio € ;6.250,0 TEW ;"
                                            "210,3 Mio € ;10.000,0 ;2.500,0 "));
    }
    void grosseWerte() { zeile<frmgroseKA>(); }
};

QTEST_MAIN(TestGroseKA)
#include "tst_frmgroseKA.moc"
