// The thickening window, driven as a user does: typing, Enter, buttons.
#include "fenster.h"
#include "frmSchlammEindick.h"
#include "testhilfe.h"

#include <QTest>

class TestSchlammEindick : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;

private slots:
    void init() { umgebung = new Testumgebung; }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    // Steps ("box+text" typed, "box=text" pasted, "box~" a cursor key, "box!"
    // Enter, "box#" keypad Enter, "knopf@" a click, "drucker=n" the printer's
    // answer) | "name=text" a text, "name?1" shown, "seite=" what was printed |
    // the messages, "text/title".
    void ablauf_data()
    {
        QTest::addColumn<QString>("zeile");
        const QString bsp = "txtEW+1000;txtTS+5;txtTS!;txtentTS+25;";
        const QString seite = "seite=3 5 " + QStringList(7, QString(55, u'_')).join(u'/') + u'/';
        const QString z = "\r\nTippfehler - Wert wird zurückgesetzt/Eingabefehler";
        QTest::newRow("beim öffnen") << "txtEW=2;txtda~|lblTMta=0,00;txtTS?0;lblSVred?0;cmdDrucken?1|";
        QTest::newRow("beispiel") << bsp + "|txtTMtd=0,05;lblTMkgh=2,083;lblTMta=18,25;txtSVm3d=1,00;lblSVm3h=0,04;"
                                           "lblSVm3a=365,00;lblentm3h=0,008;lblentm3d=0,20;lblentm3a=73,00;"
                                           "lblwasm3h=0,0;lblwasm3d=0,8;lblwasm3a=292,0;lblSVred=80,0;Label3?1|";
        QTest::newRow("t/a gerundet") << "txtEW+1234|txtTMtd=0,06;lblTMta=21,90|";
        QTest::newRow("trockenmasse") << "txtTMtd+0,05|txtEW=1.000;lblTMkgh=2,1;lblTMta=18,25;txtTS?1;txtentTS?0|";
        QTest::newRow("enter ohne ziel") << "txtEW+1000;txtTS+5;txtTS#|txtSVm3d=1,00;txtentTS?1;lblentm3d=;lblSVred=|";
        // The Enter sequence tests the target as a text, danach as a number.
        QTest::newRow("ziel mit blank")
            << "txtEW+1000;txtentTS= 5;txtTS+5;cmdTS@;txtentTS~|lblentm3d=1,00;lblSVred=0,0|";
        QTest::newRow("negatives ziel")
            << "txtEW+1000;txtentTS=-5;txtTS+5;txtTS!;txtentTS~|lblentm3d=-1,00;lblwasm3d=;lblSVred=200,0|";
        QTest::newRow("neue einwohner") << "txtEW+1000;txtTS+5;txtTS!;txtEW+0;txtentTS+25|lblSVred=-100,0|";
        QTest::newRow("volumen zuerst") << bsp + "txtSVm3d=2;txtSVm3d~|txtTS=2,50;lblSVm3h=0,08;lblSVm3a=730,00;"
                                                 "lblSVred=80,0|";
        QTest::newRow("ziel 0") << bsp + "txtentTS=;txtentTS+0|txtentTS=0;lblSVred=80,0|Division durch Null" + z;
        QTest::newRow("TS 0") << "txtEW+1000;txtTS+0;txtTS!|txtTS=;txtentTS?0|Division durch Null\r\nTippfehler?/"
                                 "Eingabefehler";
        QTest::newRow("g 0") << "txtgEd=0;txtTMtd+1|txtgEd=0;txtTMtd=0;lblTMkgh=41,7|Division durch Null" + z;
        QTest::newRow("buchstabe") << "txtEW+x|txtEW=1;txtTS?0|Typen unverträglich" + z;
        QTest::newRow("drucken vor jeder rechnung") << "cmdDrucken@|" + seite + "|";
        QTest::newRow("drucken") << "txtEW+1;txtSVm3d=1234,567;txtSVm3d~;cmdDrucken@|" + seite
                                        + "1.234,57;txtSVm3d=1234,567|";
        QTest::newRow("drucken ändert nichts") << "txtEW+200;txtTS+3;txtTS!;txtentTS+20;cmdDrucken@;txtentTS~|" + seite
                                                      + "0,33;lblSVred=85,0|";
        QTest::newRow("kein drucker") << "txtEW+1;txtSVm3d=7;drucker=1;cmdDrucken@|txtSVm3d=7;seite=|"
                                         "Drucken nicht möglich: kein Drucker eingerichtet./Drucken";
        QTest::newRow("auftrag scheitert")
            << "drucker=2;cmdDrucken@|seite=|Drucken nicht möglich: der Druckauftrag ließ sich nicht ausführen./Drucken";
    }
    void ablauf()
    {
        QFETCH(QString, zeile);
        const QStringList teil = zeile.split(u'|');
        QWidget* w = fenster::zeige<frmSchlammEindick>();
        for (const QString& s : teil[0].split(u';', Qt::SkipEmptyParts)) {
            const qsizetype i = s.indexOf(QRegularExpression(QStringLiteral("[+=~!#@]")));
            const QByteArray name = s.left(i).toUtf8();
            if (name == "drucker") {
                umgebung->drucker.ergebnis = drucker::Ergebnis(s.mid(i + 1).toInt());
                continue;
            }
            QLineEdit* b = s[i] == u'@' ? nullptr : kind<QLineEdit>(w, name);
            switch (s[i].unicode()) {
            case '@': klicke(kind<QPushButton>(w, name)); break;
            case '+': b->end(false); tippe(b, s.mid(i + 1)); break;
            case '=': b->setText(s.mid(i + 1)); break;
            case '~': QTest::keyClick(b, Qt::Key_End); break;
            case '!': QTest::keyClick(b, Qt::Key_Return); break;
            default: QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
            }
        }
        for (const QString& e : teil[1].split(u';')) {
            const qsizetype i = e.indexOf(QRegularExpression(QStringLiteral("[=?]")));
            QString ist;
            for (const drucker::Seite& s : umgebung->drucker.seiten)
                ist += QStringLiteral("%1 %2 ").arg(s.linksCm).arg(s.obenCm) + s.zeilen.join(u'/');
            if (e.left(i) != "seite") {
                QWidget* k = kind<QWidget>(w, e.left(i).toUtf8());
                ist = e[i] == u'?' ? QString::number(k->isVisibleTo(w)) : k->property("text").toString();
            }
            QCOMPARE(e.left(i + 1) + ist, e);
        }
        QStringList meldungen;
        for (const Box& b : umgebung->meldungen.boxen)
            meldungen << b.text + "/" + b.titel;
        QCOMPARE(meldungen.join(u';'), teil[2]);
    }
};

QTEST_MAIN(TestSchlammEindick)
#include "tst_frmSchlammEindick.moc"
