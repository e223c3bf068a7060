// The thickening window, driven as a user does: typing, Enter, buttons.
#include "fenster.h"
#include "frmSchlammEindick.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSchlammEindick : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

    QList<Box>& boxen() { return umgebung->meldungen.boxen; }

    // One step: "box+text" typed key by key, "box=text" pasted without a key,
    // "box~" a cursor key released, "box!" Enter, "box#" Enter on the keypad,
    // "knopf@" a click.
    void schritt(const QString& s)
    {
        const qsizetype i = s.indexOf(QRegularExpression(QStringLiteral("[+=~!#@]")));
        const QString name = s.left(i), rest = s.mid(i + 1);
        if (s[i] == u'@')
            return klicke(kind<QPushButton>(w, name.toUtf8().constData()));
        QLineEdit* b = kind<QLineEdit>(w, name.toUtf8().constData());
        switch (s[i].unicode()) {
        case '+': b->end(false); tippe(b, rest); break;
        case '=': b->setText(rest); break;
        case '~': QTest::keyClick(b, Qt::Key_End); break;
        case '!': QTest::keyClick(b, Qt::Key_Return); break;
        default: QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier); break;
        }
    }
    void ablaufen(const QStringList& schritte)
    {
        for (const QString& s : schritte)
            schritt(s);
    }
    // "name=text" compares the control's text, "name?1" / "name?0" whether
    // it is shown.
    void pruefe(const QStringList& erwartet)
    {
        for (const QString& e : erwartet) {
            const qsizetype i = e.indexOf(QRegularExpression(QStringLiteral("[=?]")));
            QWidget* k = kind<QWidget>(w, e.left(i).toUtf8().constData());
            const QString ist = e[i] == u'?' ? QString::number(k->isVisibleTo(w)) : k->property("text").toString();
            QCOMPARE(e.left(i + 1) + ist, e);
        }
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmSchlammEindick>();
    }

    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void ablauf_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<QString>("meldung"); // the one message shown, if any
        const QString zurueck = QStringLiteral("\r\nTippfehler - Wert wird zurückgesetzt");
        const QStringList beispiel{"txtEW+1000", "txtTS+5", "txtTS!", "txtentTS+25"};
        QTest::newRow("beim öffnen") << QStringList{}
                                     << QStringList{"txtTS?0", "cmdTS?0", "txtentTS?0", "lblSVred?0", "cmdDrucken?1"}
                                     << "";
        QTest::newRow("nur tage: nichts erscheint")
            << QStringList{"txtEW=2", "txtda~"} << QStringList{"txtTMtd=0,00", "lblTMta=0,00", "txtTS?0"} << "";
        QTest::newRow("beispiel") << beispiel
                                  << QStringList{"txtTMtd=0,05",    "lblTMkgh=2,083",  "lblTMta=18,25",
                                                 "txtSVm3d=1,00",   "lblSVm3h=0,04",   "lblSVm3a=365,00",
                                                 "lblentm3h=0,008", "lblentm3d=0,20",  "lblentm3a=73,00",
                                                 "lblwasm3h=0,0",   "lblwasm3d=0,8",   "lblwasm3a=292,0",
                                                 "lblSVred=80,0",   "Label3?1"}
                                  << "";
        QTest::newRow("t/a aus der gerundeten tagesmasse")
            << QStringList{"txtEW+1234"} << QStringList{"txtTMtd=0,06", "lblTMkgh=2,571", "lblTMta=21,90"} << "";
        QTest::newRow("von der trockenmasse")
            << QStringList{"txtTMtd+0,05"}
            << QStringList{"txtEW=1.000", "lblTMkgh=2,1", "lblTMta=18,25", "txtTS?1", "txtentTS?0"} << "";
        QTest::newRow("enter ohne ziel: block sichtbar, nicht gerechnet")
            << QStringList{"txtEW+1000", "txtTS+5", "txtTS#"}
            << QStringList{"txtSVm3d=1,00", "txtentTS?1", "lblentm3d=", "lblSVred="} << "";
        QTest::newRow("knopf statt enter") << QStringList{"txtEW+1000", "txtentTS=0,5", "txtTS+5", "cmdTS@"}
                                           << QStringList{"lblentm3d=10,00", "lblSVred=-900,0"} << "";
        // The Enter sequence tests the target as a text, danach as a number.
        QTest::newRow("ziel mit blank: enter rechnet nicht, taste schon")
            << QStringList{"txtEW+1000", "txtentTS= 5", "txtTS+5", "txtTS!", "txtentTS~"}
            << QStringList{"lblentm3d=1,00", "lblwasm3d=0,0", "lblSVred=0,0"} << "";
        QTest::newRow("negatives ziel: kein schlammwasser")
            << QStringList{"txtEW+1000", "txtTS+5", "txtTS!", "txtentTS=-5", "txtentTS~"}
            << QStringList{"lblentm3d=-1,00", "lblwasm3d=", "lblSVred=200,0"} << "";
        QTest::newRow("neue einwohner: volumen davor bleibt alt")
            << QStringList{"txtEW+1000", "txtTS+5", "txtTS!", "txtEW+0", "txtentTS+25"}
            << QStringList{"txtSVm3d=1,00", "lblentm3d=2,00", "lblwasm3d=-1,0", "lblSVred=-100,0"} << "";
        QTest::newRow("volumen zuerst: entwässert bleibt alt")
            << (beispiel + QStringList{"txtSVm3d=2", "txtSVm3d~"})
            << QStringList{"txtTS=2,50", "lblSVm3h=0,08", "lblSVm3a=730,00", "lblentm3d=0,20", "lblSVred=80,0"}
            << "";
        // Printing leaves the daily volume as it was.
        QTest::newRow("drucken ändert nichts")
            << QStringList{"txtEW+200", "txtTS+3", "txtTS!", "txtentTS+20", "cmdDrucken@", "txtentTS~"}
            << QStringList{"txtSVm3d=0,33", "lblSVred=85,0"} << "";
        QTest::newRow("ziel 0") << (beispiel + QStringList{"txtentTS=", "txtentTS+0"})
                                << QStringList{"txtentTS=0", "lblSVred=80,0"} << "Division durch Null" + zurueck;
        QTest::newRow("TS 0") << QStringList{"txtEW+1000", "txtTS+0", "txtTS!"}
                              << QStringList{"txtTS=", "txtentTS?0"} << "Division durch Null\r\nTippfehler?";
        QTest::newRow("g 0: taste in txtTMtd setzt txtTMtd zurück")
            << QStringList{"txtgEd=0", "txtTMtd+1"} << QStringList{"txtgEd=0", "txtTMtd=0", "lblTMkgh=41,7"}
            << "Division durch Null" + zurueck;
        QTest::newRow("buchstabe in txtEW") << QStringList{"txtEW+x"} << QStringList{"txtEW=1", "txtTS?0"}
                                            << "Typen unverträglich" + zurueck;
        QTest::newRow("txtgEd leer") << QStringList{"txtgEd=", "txtgEd~"} << QStringList{"txtgEd=50"}
                                     << "Typen unverträglich" + zurueck;
        QTest::newRow("txtda leer") << QStringList{"txtEW+1", "txtda=", "txtda~"} << QStringList{"txtda=365"}
                                    << "Typen unverträglich" + zurueck;
        QTest::newRow("volumen leer") << QStringList{"txtEW+1", "txtSVm3d~"} << QStringList{"txtSVm3d=0"}
                                      << "Typen unverträglich" + zurueck;
    }
    void ablauf()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, erwartet);
        QFETCH(QString, meldung);
        ablaufen(schritte);
        pruefe(erwartet);
        QCOMPARE(boxen().size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty())
            QCOMPARE(boxen()[0].text + boxen()[0].titel, meldung + "Eingabefehler");
    }

    // The printout: seven rules, then the daily volume before treatment.
    void drucken_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QString>("volumen");
        QTest::newRow("vor jeder rechnung") << QStringList{} << "";
        QTest::newRow("beispiel") << QStringList{"txtEW+1000", "txtTS+5", "txtTS!"} << "1,00";
        QTest::newRow("getippt") << QStringList{"txtEW+1000", "txtSVm3d=1234,567", "txtSVm3d~"} << "1.234,57";
    }
    void drucken()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QString, volumen);
        ablaufen(schritte);
        const QString vorher = kind<QLineEdit>(w, "txtSVm3d")->text();
        klicke(kind<QPushButton>(w, "cmdDrucken"));
        QCOMPARE(umgebung->drucker.seiten.size(), 1);
        const drucker::Seite& s = umgebung->drucker.seiten[0];
        QCOMPARE(QPointF(s.linksCm, s.obenCm), QPointF(3, 5));
        QCOMPARE(s.zeilen, QStringList(7, QString(55, u'_')) << volumen);
        QCOMPARE(kind<QLineEdit>(w, "txtSVm3d")->text(), vorher);
        QCOMPARE(boxen().size(), 0);
    }

    void druckenGehtNicht_data()
    {
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("kein drucker") << int(drucker::Ergebnis::KeinDrucker);
        QTest::newRow("auftrag scheitert") << int(drucker::Ergebnis::Fehlgeschlagen);
    }
    void druckenGehtNicht()
    {
        QFETCH(int, ergebnis);
        umgebung->drucker.ergebnis = drucker::Ergebnis(ergebnis);
        ablaufen({"txtEW+1000", "txtTS+5", "txtTS!", "cmdDrucken@"});
        QCOMPARE(boxen().size(), 1);
        QVERIFY(boxen()[0].text.startsWith(QStringLiteral("Drucken nicht möglich")));
        QCOMPARE(boxen()[0].titel, QStringLiteral("Drucken"));
        pruefe({"txtSVm3d=1,00", "txtTS=5"});
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestSchlammEindick)
#include "tst_frmSchlammEindick.moc"
