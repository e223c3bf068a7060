// The pond window: both design pages, their warnings and error blocks, the way to the basin.
#include "ablauf.h"
#include "frmPyramidenstumpf.h"
#include "frm_natürl_bel_Teich.h"
#include "hauptfenster.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

class TestTeich : public QObject {
    Q_OBJECT

private slots:
    // An error block writes its reset texts, then shows its message; after an error
    // in the intermediate results the computation goes on with the values it has.
    void rechnen_data()
    {
        spalten();
        const QString seite1 = "lblSubstratkonzentrationAblauf lblReserve lblFlächenbelastung lblTeichvolumen "
                               "lblWasseroberfläche lblVerweilzeit lblK1 lblSubstratkonzentrationTeichzulauf "
                               "lblSchmutzwassermenge lblGesamterAbwasserzulauf lblZulauffrachtNachVorklärung";
        const QString farben = "lblSubstratkonzentrationAblauf.farbe lblReserve.farbe lblFlächenbelastung.farbe "
                               "lblVerweilzeit.farbe Label22.visible";
        const QString dwa =
            "lblDWAFlächenbelastung lblDWAFlächengröße lblDWA_Wassertiefe lblDWA_Teichvolumen txtDWA_EW";
        const QString beispiel =
            je(seite1, "32 ;20 ;6,7 ;8.000,00 ;6.666,67 ;57,14 ;0,056 ;286 ;70,00 ;140,00 ;40,00 ");
        const QString reset = ";txtÜW=40;txtE=650;txtspezifischeAbwassermenge=70;txtFremdwasser=100;"
                              "txtEGWBiologie=40;txtAnzahlTeiche=3;txtTeichtiefe=1,2";
        const QString werte = "Tippfehler - Werte werden zurückgesetzt",
                      alle = "Tippfehler - Alle Werte werden zurückgesetzt";
        reihe("erst nach einem regler", "txtE=2000", je(seite1, ";;;;;;;;;;"));
        reihe("T 20, BR 5,0", "txtE=2000;HScroll2>20;txtE=1000",
              beispiel + ";" + je(farben, "#000000;#000000;#ff0000;#000000;false"));
        reihe("T 5 per tastatur", "txtTeichtiefe⇥;HScroll1⇥;~Right;~Right;~Right;~Right",
              "#fokus=HScroll2;" + je(seite1, "69 ;-72 "));
        reihe("T 5", "HScroll2>5", je(seite1, "69 ;-72 ") + ";" + je(farben, "#ff0000;#ff0000;#ff0000;#000000;false"));
        reihe("BR 1,0", "HScroll2>5;HScroll1>10",
              je(seite1, "35 ;12 ;33,3 ") + ";lblVerweilzeit=285,71 ;"
                  + je(farben, "#000000;#000000;#000000;#ff0000;true"));
        reihe("t* genau 100", "txtspezifischeAbwassermenge:100;txtFremdwasser:0;HScroll1>40",
              "lblFlächenbelastung=8,3 ;lblVerweilzeit=100,00 ;" + je(farben, "#000000;#000000;#000000;#000000;false"));
        reihe("BA genau 8", "txtTeichtiefe:1;HScroll2>20",
              "lblFlächenbelastung=8,0 ;lblFlächenbelastung.farbe=#000000");
        reihe("buchstabe in txtE", "HScroll2>20;txtE=x", beispiel + reset, {fehler(Fehler::Typen, alle)});
        reihe("n = 0", "HScroll2>20;txtAnzahlTeiche=0", beispiel + reset, {fehler(Fehler::DivisionDurchNull, werte)});
        reihe("zwei meldungen", "txtE:x;HScroll2>20", je(seite1, ";;") + ";lblVerweilzeit=" + reset,
              {fehler(Fehler::Typen, alle), fehler(Fehler::DivisionDurchNull, werte)});
        reihe("überlauf im ablauf", "HScroll2>20;txtEGWBiologie:1E300;txtEGWBiologie~", je(seite1, "32 ;20 ") + reset,
              {fehler(Fehler::Ueberlauf, werte)});
        reihe("DWA erster klick", "Option1!", je(dwa, "13,0 ;13.000,0 ;1,00 ;13.000 ;1000"));
        reihe("DWA 8 m²/E, 10 %, 1,5 m", "Option2!;HScrollSicherheit>10;HScrollDWA_Wassertiefe>15",
              je(dwa, "8,0 ;8.800,0 ;1,50 ;13.200 "));
        reihe("DWA geleert bleibt", "Option4!;txtDWA_EW=2000;txtDWA_EW=;HScrollDWA_Wassertiefe>12",
              je(dwa, "10,0 ;20.000,0 ;1,20 ;20.000 ;"));
        reihe("DWA buchstabe", "Option1!;txtDWA_EW=x", je(dwa, "13,0 ;13.000,0 ;1,00 ;13.000 ;500"),
              {fehler(Fehler::Typen, werte)});
    }
    void rechnen() { zeile<frm_natürl_bel_Teich>(); }

    // Both buttons show the basin beside this window; merely opening the
    // "Teiche" submenu closes the basin, not the pond window.
    void becken()
    {
        Testumgebung umgebung;
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->findChild<QAction*>(QStringLiteral("natürlichTeiche"))->trigger();
        auto* w = fenster::offen<frm_natürl_bel_Teich>();
        QVERIFY(w && w->Label23->mapTo(w, QPoint()).y() >= w->height());
        for (QPushButton* knopf : {w->Command4_1, w->Command4_2}) {
            w->frmRegister->setCurrentIndex(knopf == w->Command4_2);
            klicke(knopf);
            QPointer<frmPyramidenstumpf> becken = fenster::offen<frmPyramidenstumpf>();
            QVERIFY(becken && becken->isVisible() && !becken->isModal() && !becken->parentWidget());
            haupt->findChild<QMenu*>(QStringLiteral("Teiche"))->popup(QPoint());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(becken.isNull() && w->isVisible());
        }
        alleSchliessen();
    }

    // Once the main window is drawn, a hidden pond window is built ahead, none
    // while one is open, a new one after its close, and none outlives the
    // main window. The menu shows the one built ahead, which looks exactly as
    // a window built just then.
    void bereitgehalten()
    {
        Testumgebung umgebung;
        auto vorab = [] {
            QList<QWidget*> l;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QString::fromUtf8(frm_natürl_bel_Teich::Name) && !w->isVisible())
                    l << w;
            return l;
        };
        QPointer<QMainWindow> haupt = neuesHauptfenster();
        haupt->show();
        QTRY_COMPARE(vorab().size(), 1);
        QWidget* bereit = vorab().first();
        haupt->findChild<QAction*>(QStringLiteral("natürlichTeiche"))->trigger();
        auto* w = fenster::offen<frm_natürl_bel_Teich>();
        QCOMPARE(w, bereit);
        frm_natürl_bel_Teich frisch;
        frisch.show();
        for (QWidget* f : {static_cast<QWidget*>(w), static_cast<QWidget*>(&frisch)})
            QVERIFY(QTest::qWaitForWindowExposed(f));
        ruhe();
        QVERIFY(vorab().isEmpty());
        if (QApplication::focusWidget())
            QApplication::focusWidget()->clearFocus();
        QCOMPARE(w->grab().toImage(), frisch.grab().toImage());

        QPointer<QWidget> zu = w;
        w->close();
        QTRY_VERIFY(!zu);
        QTRY_COMPARE(vorab().size(), 1);
        delete haupt;
        QVERIFY(vorab().isEmpty());
        alleSchliessen();
    }
};

QTEST_MAIN(TestTeich)
#include "tst_frm_natuerl_bel_Teich.moc"
