// The pond window: the empirical design page with its warnings and error
// blocks, the sizing by area per inhabitant, and the way to the basin window.
#include "fenster.h"
#include "frmPyramidenstumpf.h"
#include "frm_natürl_bel_Teich.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTest>

namespace {
const QString werte = QStringLiteral("Tippfehler - Werte werden zurückgesetzt");
const QString alle = QStringLiteral("Tippfehler - Alle Werte werden zurückgesetzt");
const QString typen = QStringLiteral("Typen unverträglich\r\n"), null = QStringLiteral("Division durch Null\r\n");
// S, reserve, BA, V, A, t*, K1, S0, Qs, Qd, L of the design inputs with T = 20 and BR = 5,0.
const QStringList beispiel{"32 ",    "20 ", "6,7 ",   "8.000,00 ", "6.666,67 ", "57,14 ",
                           "0,056 ", "286 ", "70,00 ", "140,00 ",  "40,00 "};
} // namespace

class TestTeich : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frm_natürl_bel_Teich* w = nullptr;

    static QStringList texte(std::initializer_list<const QObject*> liste)
    {
        QStringList t;
        for (const QObject* o : liste)
            t << o->property("text").toString();
        return t;
    }
    // The page-1 results, the page-1 boxes, then page 2:
    // area per inhabitant, water surface, depth, volume, population.
    QStringList ergebnisse()
    {
        return texte({w->lblSubstratkonzentrationAblauf, w->lblReserve, w->lblFlächenbelastung, w->lblTeichvolumen,
                      w->lblWasseroberfläche, w->lblVerweilzeit, w->lblK1, w->lblSubstratkonzentrationTeichzulauf,
                      w->lblSchmutzwassermenge, w->lblGesamterAbwasserzulauf, w->lblZulauffrachtNachVorklärung,
                      w->txtÜW, w->txtE, w->txtspezifischeAbwassermenge, w->txtFremdwasser, w->txtEGWBiologie,
                      w->txtAnzahlTeiche, w->txtTeichtiefe, w->lblDWAFlächenbelastung, w->lblDWAFlächengröße, w->lblDWA_Wassertiefe,
                      w->lblDWA_Teichvolumen, w->txtDWA_EW});
    }
    QStringList meldungen()
    {
        QStringList t;
        for (const Box& b : umgebung->meldungen.boxen)
            t << b.text;
        return t;
    }
    // S, reserve, BA and t*: red, "-" for the button-text colour, or another.
    QStringList farben()
    {
        QStringList t;
        for (QLabel* l : {w->lblSubstratkonzentrationAblauf, w->lblReserve, w->lblFlächenbelastung, w->lblVerweilzeit}) {
            const QColor c = l->palette().color(QPalette::WindowText);
            t << (c == Qt::red ? "rot" : c == QApplication::palette().color(QPalette::ButtonText) ? "-" : c.name());
        }
        return t;
    }
    // "HScroll1=40" moves a bar, "Option1" clicks, "txtE=2000" types over a
    // box, "txtE!1E300" pastes and lets a key go, "txtE:x" only writes.
    void schritte(const QStringList& liste)
    {
        for (const QString& s : liste) {
            const qsizetype i = s.indexOf(QRegularExpression(QStringLiteral("[=!:]|$")));
            const QByteArray name = s.left(i).toUtf8();
            const QChar art = i < s.size() ? s[i] : QChar();
            if (name.startsWith("Option"))
                w->frmRegister->setCurrentIndex(1);
            if (name.startsWith("Option"))
                klicke(kind<QRadioButton>(w, name));
            else if (name.startsWith("HScroll"))
                kind<QScrollBar>(w, name)->setValue(s.mid(i + 1).toInt());
            else if (art == u'=')
                ersetze(kind<QLineEdit>(w, name), s.mid(i + 1));
            else
                kind<QLineEdit>(w, name)->setText(s.mid(i + 1));
            if (art == u'!')
                QTest::keyClick(kind<QLineEdit>(w, name), Qt::Key_End);
        }
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frm_natürl_bel_Teich>();
    }
    void cleanup()
    {
        alleSchliessen();
        delete umgebung;
    }

    // Both pages as the user drives them. An error block writes its reset
    // texts, then shows its message; after an error in the intermediate
    // results the computation goes on with the values it has.
    void rechnen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("ergebnis");  // "?" is not checked
        QTest::addColumn<QStringList>("farben");    // S, reserve, BA, t*, the warning label; none: not checked
        QTest::addColumn<QStringList>("meldungen");
        const QString x = QStringLiteral("?");
        const QStringList keine, warnung{"-", "-", "-", "rot", "sichtbar"}, t20{"-", "-", "rot", "-", "-"};
        const QStringList wenig{"txtspezifischeAbwassermenge:100", "txtFremdwasser:0"}; // S0 = 400
        const QStringList reset{"40", "650", "70", "100", "40", "3", "1,2"}, zurueck = beispiel + reset;
        const QStringList seite1Leer = QStringList(11, "") + QStringList{"40", "1000", "70", "100", "40", "3", "1,2"};
        QTest::newRow("erst nach einem regler")
            << QStringList{"txtE=2000"} << QStringList(11, "") << QStringList{"-", "-", "#0000ff", "-", "-"} << keine;
        QTest::newRow("T 20, BR 5,0") << QStringList{"txtE=2000", "HScroll2=20", "txtE=1000"} << beispiel << t20 << keine;
        QTest::newRow("T 5") << QStringList{"HScroll2=5"} << QStringList{"69 ", "-72 "}
                             << QStringList{"rot", "rot", "rot", "-", "-"} << keine;
        QTest::newRow("BR 1,0") << QStringList{"HScroll2=5", "HScroll1=10"}
                                << QStringList{"35 ", "12 ", "33,3 ", x, x, "285,71 "} << warnung << keine;
        QTest::newRow("t* genau 100") << wenig + QStringList{"HScroll1=40"} << QStringList{x, x, "8,3 ", x, x, "100,00 "}
                                      << QStringList(5, "-") << keine;
        QTest::newRow("BA genau 8") << QStringList{"txtTeichtiefe:1", "HScroll2=20"} << QStringList{x, x, "8,0 "}
                                    << QStringList(5, "-") << keine;
        QTest::newRow("buchstabe in txtE") << QStringList{"HScroll2=20", "txtE=x"} << zurueck << t20
                                           << QStringList{typen + alle};
        QTest::newRow("tiefe 0") << QStringList{"HScroll2=20", "txtTeichtiefe=0"} << zurueck << t20
                                 << QStringList{null + alle};
        QTest::newRow("n = 0") << QStringList{"HScroll2=20", "txtAnzahlTeiche=0"} << zurueck << t20
                               << QStringList{null + werte};
        QTest::newRow("zwei meldungen") << QStringList{"txtE:x", "HScroll2=20"}
                                        << QStringList{"", "", "", x, x, "", x, x, x, x, x} + reset << keine
                                        << QStringList{typen + alle, null + werte};
        QTest::newRow("überlauf im ablauf") << QStringList{"HScroll2=20", "txtEGWBiologie!1E300"}
                                            << QStringList{"32 ", "20 "} + QStringList(9, x) + reset
                                            << keine << QStringList{"Überlauf\r\n" + werte};
        const QStringList dreizehn{"13,0 ", "13.000,0 ", "1,00 ", "13.000 "};
        QTest::newRow("DWA erster klick") << QStringList{"Option1"} << seite1Leer + dreizehn + QStringList{"1000"}
                                          << keine << keine;
        QTest::newRow("DWA 8 m²/E, 10 %, 1,5 m")
            << QStringList{"Option2", "HScrollSicherheit=10", "HScrollDWA_Wassertiefe=15"}
            << seite1Leer + QStringList{"8,0 ", "8.800,0 ", "1,50 ", "13.200 ", "1000"} << keine << keine;
        QTest::newRow("DWA geleert bleibt")
            << QStringList{"Option4", "txtDWA_EW=2000", "txtDWA_EW!", "HScrollDWA_Wassertiefe=12"}
            << seite1Leer + QStringList{"10,0 ", "20.000,0 ", "1,20 ", "20.000 ", ""} << keine << keine;
        QTest::newRow("DWA buchstabe") << QStringList{"Option1", "txtDWA_EW=x"}
                                       << seite1Leer + dreizehn + QStringList{"500"} << keine
                                       << QStringList{typen + werte};
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, ergebnis);
        QFETCH(QStringList, farben);
        this->schritte(schritte);
        for (int k = 0; k < ergebnis.size(); ++k)
            if (ergebnis[k] != "?")
                QCOMPARE(ergebnisse()[k], ergebnis[k]);
        if (!farben.isEmpty())
            QCOMPARE(this->farben() << (w->Label22->isVisibleTo(w) ? "sichtbar" : "-"), farben);
        QTEST(meldungen(), "meldungen");
    }

    // Both buttons show the basin beside this window; merely opening the
    // "Teiche" submenu closes the basin, not the pond window.
    void becken()
    {
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->findChild<QAction*>(QStringLiteral("natürlichTeiche"))->trigger();
        QCOMPARE(fenster::offen<frm_natürl_bel_Teich>(), w);
        QVERIFY(w->Label23->mapTo(w, QPoint()).y() >= w->height());
        for (QPushButton* knopf : {w->Command4_1, w->Command4_2}) {
            w->frmRegister->setCurrentIndex(knopf == w->Command4_2);
            klicke(knopf);
            QPointer<frmPyramidenstumpf> becken = fenster::offen<frmPyramidenstumpf>();
            QVERIFY(becken && becken->isVisible() && !becken->isModal() && !becken->parentWidget());
            haupt->findChild<QMenu*>(QStringLiteral("Teiche"))->popup(QPoint());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(becken.isNull() && w->isVisible());
        }
    }
};

QTEST_MAIN(TestTeich)
#include "tst_frm_natuerl_bel_Teich.moc"
