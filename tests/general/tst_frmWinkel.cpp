// The angle window: a value typed, then the option that says what it is.
#include "fenster.h"
#include "frmWinkel.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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

    void winkel_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("optionen"); // clicked one after the other
        QTest::addColumn<QStringList>("danach"); // box, arc tangent, arc cosine, degrees, gon
        QTest::addColumn<QString>("meldung");
        const QString ausserhalb = QStringLiteral("\r\nEingabefehler - Wert außerhalb des gültigen Wertebereiches");
        const QString keineZahl = QStringLiteral("Typen unverträglich\r\nTippfehler - bitte eine Zahl eingeben");
        QTest::newRow("sinus 0,5") << "0,5" << "1" << QStringList{"0,5", "0,4636 ", "", "30,00", "33,33"} << "";
        QTest::newRow("sinus 1") << "1" << "1"
                                 << QStringList{"0,99999999999999", "0,7854 ", "", "90,00", "100,00"} << "";
        QTest::newRow("kosinus 0") << "0" << "2" << QStringList{"0", "0,0000 ", "1,5707963267949", "90,00", "100,00"}
                                   << "";
        QTest::newRow("kosinus 0,5") << "0,5" << "2"
                                     << QStringList{"0,5", "0,4636 ", "1,0471975511966", "60,00", "66,67"} << "";
        QTest::newRow("sinus nach kosinus: arkuskosinus bleibt")
            << "0,5" << "21" << QStringList{"0,5", "0,4636 ", "1,0471975511966", "30,00", "33,33"} << "";
        QTest::newRow("tangens nach sinus") << "0,5" << "13"
                                            << QStringList{"0,5", "0,4636 ", "", "26,57", "29,52"} << "";
        QTest::newRow("tangens -1") << "-1" << "3" << QStringList{"-1", "-0,7854 ", "", "-45,00", "-50,00"} << "";
        QTest::newRow("kotangens 0") << "0" << "4" << QStringList{"0", "0,0000 ", "", "90,00", "100,00"} << "";
        QTest::newRow("kotangens -1") << "-1" << "4" << QStringList{"-1", "-0,7854 ", "", "135,00", "150,00"}
                                      << "";
        QTest::newRow("sinus 2") << "2" << "1" << QStringList{"2", "1,1071 ", "", "", ""} << ausserhalb;
        QTest::newRow("sinus -1") << "-1" << "1" << QStringList{"-1", "-0,7854 ", "", "", ""} << ausserhalb;
        QTest::newRow("kosinus 1") << "1" << "2" << QStringList{"1", "0,7854 ", "", "", ""} << ausserhalb;
        QTest::newRow("kosinus -3") << "-3" << "2" << QStringList{"-3", "-1,2490 ", "", "", ""} << ausserhalb;
        QTest::newRow("leer") << "" << "3" << QStringList{"", "", "", "", ""} << keineZahl;
        QTest::newRow("text") << "abc" << "1" << QStringList{"abc", "", "", "", ""} << keineZahl;
    }
    void winkel()
    {
        QFETCH(QString, wert);
        QFETCH(QString, optionen);
        QFETCH(QStringList, danach);
        QFETCH(QString, meldung);
        QWidget* w = fenster::zeige<frmWinkel>();
        QLineEdit* box = kind<QLineEdit>(w, "txtBetrag");
        QCOMPARE(box->text(), QStringLiteral("0"));
        ersetze(box, wert);
        if (wert.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar o : optionen)
            klicke(kind<QRadioButton>(w, qPrintable(QStringLiteral("Option") + o)));
        QStringList ist{box->text()};
        for (const char* l : {"lblATn", "lblArkuskosinus", "lblAlphaGrad", "lblAlphaGon"})
            ist << kind<QLabel>(w, l)->text();
        QCOMPARE(ist, danach);
        QStringList meldungen;
        for (const Box& b : umgebung->meldungen.boxen)
            meldungen << b.text + b.titel;
        QCOMPARE(meldungen, meldung.isEmpty() ? QStringList{} : QStringList{meldung + "Eingabefehler"});
    }
};

QTEST_MAIN(TestWinkel)
#include "tst_frmWinkel.moc"
