// The angle window: a value typed, then the options that say what it is.
#include "fenster.h"
#include "frmWinkel.h"
#include "testhilfe.h"

#include <QTest>

class TestWinkel : public QObject {
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

    // Value | options clicked one after the other | box, arc tangent, arc
    // cosine, degrees, gon | "a" the value out of range, "z" no number.
    void winkel_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::newRow("sinus 0,5") << "0,5|1|0,5;0,4636 ;;30,00;33,33|";
        QTest::newRow("sinus 1") << "1|1|0,99999999999999;0,7854 ;;90,00;100,00|";
        QTest::newRow("kosinus 0") << "0|2|0;0,0000 ;1,5707963267949;90,00;100,00|";
        QTest::newRow("kosinus 0,5") << "0,5|2|0,5;0,4636 ;1,0471975511966;60,00;66,67|";
        QTest::newRow("sinus nach kosinus") << "0,5|21|0,5;0,4636 ;1,0471975511966;30,00;33,33|";
        QTest::newRow("tangens nach sinus") << "0,5|13|0,5;0,4636 ;;26,57;29,52|";
        QTest::newRow("tangens -1") << "-1|3|-1;-0,7854 ;;-45,00;-50,00|";
        QTest::newRow("kotangens 0") << "0|4|0;0,0000 ;;90,00;100,00|";
        QTest::newRow("kotangens -1") << "-1|4|-1;-0,7854 ;;135,00;150,00|";
        QTest::newRow("sinus 2") << "2|1|2;1,1071 ;;;|a";
        QTest::newRow("sinus -1") << "-1|1|-1;-0,7854 ;;;|a";
        QTest::newRow("kosinus 1") << "1|2|1;0,7854 ;;;|a";
        QTest::newRow("kosinus -3") << "-3|2|-3;-1,2490 ;;;|a";
        QTest::newRow("leer") << "|3|;;;;|z";
        QTest::newRow("text") << "abc|4|abc;;;;|z";
    }
    void winkel()
    {
        QFETCH(QString, zeile);
        const QStringList teil = zeile.split(u'|');
        QWidget* w = fenster::zeige<frmWinkel>();
        QLineEdit* box = kind<QLineEdit>(w, "txtBetrag");
        QCOMPARE(box->text(), QStringLiteral("0"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        tippe(box, teil[0]);
        for (const QChar o : teil[1])
            klicke(kind<QRadioButton>(w, qPrintable(QStringLiteral("Option") + o)));
        QStringList ist{box->text()};
        for (const char* l : {"lblATn", "lblArkuskosinus", "lblAlphaGrad", "lblAlphaGon"})
            ist << kind<QLabel>(w, l)->text();
        QCOMPARE(ist.join(u';'), teil[2]);
        QStringList meldungen;
        for (const Box& b : umgebung->meldungen.boxen)
            meldungen << b.text + "/" + b.titel;
        const QString text = teil[3] == "a" ? "\r\nEingabefehler - Wert außerhalb des gültigen Wertebereiches"
                                            : "Typen unverträglich\r\nTippfehler - bitte eine Zahl eingeben";
        QCOMPARE(meldungen, teil[3].isEmpty() ? QStringList{} : QStringList{text + "/Eingabefehler"});
    }
};

QTEST_MAIN(TestWinkel)
#include "tst_frmWinkel.moc"
