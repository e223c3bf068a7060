// Reading numbers from German text, the plain number text, the result
// patterns and Currency rounding.
#include "laufzeitfehler.h"
#include "rechnen.h"
#include "zahlen.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Fehler)

class TestZahlen : public QObject {
    Q_OBJECT

private slots:
    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("ganz") << "200" << 200.0;
        QTest::newRow("komma") << "2,5" << 2.5;
        QTest::newRow("tausenderpunkt") << "1.200" << 1200.0;
        QTest::newRow("formatiert") << "1.234,568 " << 1234.568;
        QTest::newRow("blanks und vorzeichen") << "  -0,75 " << -0.75;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("halb getippt: komma am ende") << "2," << 2.0;
        QTest::newRow("halb getippt: punkt am ende") << "1." << 1.0;
        QTest::newRow("nur nachkomma") << ",5" << 0.5;
        QTest::newRow("exponent") << "1E-06" << 1e-6;
        QTest::newRow("exponent mit komma") << "1,5E+15" << 1.5e15;
        QTest::newRow("null") << "0" << 0.0;
        QTest::newRow("minus null") << "-0" << 0.0;
    }
    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(zahl(text), wert);
        QVERIFY(istZahl(text));
    }

    void lesenFehler_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Fehler>("fehler");
        QTest::newRow("leer") << "" << Fehler::Typen;
        QTest::newRow("nur blanks") << "   " << Fehler::Typen;
        QTest::newRow("minus") << "-" << Fehler::Typen;
        QTest::newRow("komma") << "," << Fehler::Typen;
        QTest::newRow("punkt") << "." << Fehler::Typen;
        QTest::newRow("buchstaben") << "12a" << Fehler::Typen;
        QTest::newRow("zwei kommas") << "1,2,3" << Fehler::Typen;
        QTest::newRow("dezimalpunkt nach komma") << "1,2.5" << Fehler::Typen;
        QTest::newRow("exponent ohne ziffern") << "1E" << Fehler::Typen;
        QTest::newRow("blank in der zahl") << "1 2" << Fehler::Typen;
        QTest::newRow("einheit") << "5 %" << Fehler::Typen;
        QTest::newRow("zu gross") << "1E400" << Fehler::Ueberlauf;
    }
    void lesenFehler()
    {
        QFETCH(QString, text);
        QFETCH(Fehler, fehler);
        try {
            zahl(text);
            QFAIL("no error raised");
        } catch (const Laufzeitfehler& f) {
            QCOMPARE(f.art(), fehler);
        }
        QVERIFY(!istZahl(text));
    }

    void zahlText_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("halb") << 0.5 << "0,5";
        QTest::newRow("ganz") << 200.0 << "200";
        QTest::newRow("negativ") << -2.25 << "-2,25";
        QTest::newRow("null") << 0.0 << "0";
        QTest::newRow("minus null") << -0.0 << "0";
        QTest::newRow("15 stellen") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("binaerrest") << 0.1 + 0.2 << "0,3";
        QTest::newRow("gross, noch fest") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1E+15") << 1e15 << "1E+15";
        QTest::newRow("gross mit stellen") << 1.5e20 << "1,5E+20";
        QTest::newRow("klein, noch fest") << 0.00001 << "0,00001";
        QTest::newRow("1E-06") << 0.000001 << "1E-06";
        QTest::newRow("sehr klein") << -2.5e-300 << "-2,5E-300";
        QTest::newRow("rundet auf 15 stellen") << 1128.37784777716 << "1128,37784777716";
    }
    void zahlText()
    {
        QFETCH(double, wert);
        QFETCH(QString, text);
        QCOMPARE(::zahlText(wert), text);
        QCOMPARE(zahl(text), zahl(::zahlText(zahl(text)))); // reads back
    }

    // inf and NaN have no plain text: an overflow, never a crash.
    void zahlTextUeberlauf_data()
    {
        QTest::addColumn<double>("wert");
        QTest::newRow("inf") << std::numeric_limits<double>::infinity();
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }
    void zahlTextUeberlauf()
    {
        QFETCH(double, wert);
        try {
            ::zahlText(wert);
            QFAIL("no overflow");
        } catch (const Laufzeitfehler& f) {
            QCOMPARE(f.art(), Fehler::Ueberlauf);
        }
    }

    void muster_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("halb weg von null") << "2,675"
                                           << "##,##0.00"
                                           << "2,68";
        QTest::newRow("0,125") << "0,125"
                               << "##,##0.00"
                               << "0,13";
        QTest::newRow("prozent") << "0,0125"
                                 << "##,##0.0 % "
                                 << "1,3 % ";
        QTest::newRow("prozent 12,5") << "0,125"
                                      << "##,##0.0 % "
                                      << "12,5 % ";
        QTest::newRow("gruppen und blank") << "1234,5678"
                                           << "##,##0.000 "
                                           << "1.234,568 ";
        QTest::newRow("ganzzahl") << "29,777"
                                  << "##,##0"
                                  << "30";
        QTest::newRow("ganzzahl blank") << "1234567"
                                        << "##,##0 "
                                        << "1.234.567 ";
        QTest::newRow("einheit") << "7,65"
                                 << "##,##0.0 Mio € "
                                 << "7,7 Mio € ";
        QTest::newRow("TEW") << "30"
                             << "##,##0.0 TEW "
                             << "30,0 TEW ";
        QTest::newRow("negativ") << "-1234,5"
                                 << "##,##0.0"
                                 << "-1.234,5";
        QTest::newRow("negativ halb") << "-0,05"
                                      << "##,##0.0"
                                      << "-0,1";
        QTest::newRow("rundet auf null ohne minus") << "-0,04"
                                                    << "##,##0.0 "
                                                    << "0,0 ";
        QTest::newRow("null") << "0"
                              << "##,##0.0000 "
                              << "0,0000 ";
        QTest::newRow("uebertrag") << "9,9999"
                                   << "##,##0.000"
                                   << "10,000";
        QTest::newRow("uebertrag gruppe") << "999,96"
                                          << "##,##0.0"
                                          << "1.000,0";
        QTest::newRow("sechs stellen") << "0,1234565"
                                       << "##,##0.000000 "
                                       << "0,123457 ";
        QTest::newRow("klein") << "1E-06"
                               << "##,##0.00000 "
                               << "0,00000 ";
        // Rounds to zero with every digit beyond the kept decimals.
        QTest::newRow("klein, weniger stellen") << "0,005"
                                                << "##,##0.0"
                                                << "0,0";
        QTest::newRow("klein, negativ") << "-0,0018"
                                        << "##,##0.0"
                                        << "0,0";
        QTest::newRow("sehr klein") << "1E-06"
                                    << "##,##0.00 "
                                    << "0,00 ";
        QTest::newRow("sehr klein, ganzzahl") << "0,004"
                                              << "##,##0"
                                              << "0";
        QTest::newRow("gross") << "1,5E+20"
                               << "##,##0"
                               << "150.000.000.000.000.000.000";
        QTest::newRow("formatierter text") << "1.234,568 "
                                           << "##,##0.0"
                                           << "1.234,6";
        QTest::newRow("keine zahl bleibt") << "abc"
                                           << "##,##0.00"
                                           << "abc";
        QTest::newRow("leer bleibt") << ""
                                     << "##,##0.00 "
                                     << "";
    }
    void muster()
    {
        QFETCH(QString, text);
        QFETCH(QString, muster);
        QFETCH(QString, ergebnis);
        QCOMPARE(format(text, muster), ergebnis);
    }

    // The double 2.675 is stored as 2.67499999...; rounding works on the
    // 15-digit decimal value, as the user sees it.
    void musterRundetDezimal()
    {
        QCOMPARE(format(2.675, QStringLiteral("##,##0.00")), QStringLiteral("2,68"));
        QCOMPARE(format(1.005, QStringLiteral("##,##0.00")), QStringLiteral("1,01"));
        QCOMPARE(format(0.0125, QStringLiteral("##,##0.0 % ")), QStringLiteral("1,3 % "));
    }

    void waehrung_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<double>("ergebnis");
        QTest::newRow("vier stellen") << 1.23456 << 1.2346;
        QTest::newRow("gerade abwaerts") << 0.00125 * 10 << 0.0125; // exact: no rounding
        QTest::newRow("tie zu gerade 0") << 2.5e-5 * 2 << 0.0;      // 0.5 ten-thousandths
        QTest::newRow("tie zu gerade 2") << 1.5e-4 << 0.0002;
        QTest::newRow("tie zu gerade 2 (2,5)") << 2.5e-4 << 0.0002;
        QTest::newRow("negativ") << -1.23456 << -1.2346;
        QTest::newRow("grenze") << 922337203685477.0 << 922337203685477.0;
    }
    void waehrung()
    {
        QFETCH(double, wert);
        QFETCH(double, ergebnis);
        QCOMPARE(::waehrung(wert), ergebnis);
    }

    void waehrungUeberlauf()
    {
        for (double x : {1e15, -1e15, std::numeric_limits<double>::infinity()}) {
            try {
                ::waehrung(x);
                QFAIL("no overflow");
            } catch (const Laufzeitfehler& f) {
                QCOMPARE(f.art(), Fehler::Ueberlauf);
            }
        }
    }

    void rechnen_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<Fehler>("fehler");
        QTest::newRow("x/0") << 0 << 1.0 << 0.0 << Fehler::DivisionDurchNull;
        QTest::newRow("-x/0") << 0 << -1.0 << 0.0 << Fehler::DivisionDurchNull;
        QTest::newRow("0/0") << 0 << 0.0 << 0.0 << Fehler::Ueberlauf;
        QTest::newRow("zu gross") << 0 << 1e300 << 1e-300 << Fehler::Ueberlauf;
        QTest::newRow("wurzel negativ") << 1 << -4.0 << 0.5 << Fehler::UngueltigesArgument;
        QTest::newRow("0 hoch negativ") << 1 << 0.0 << -1.0 << Fehler::DivisionDurchNull;
        QTest::newRow("potenz zu gross") << 1 << 10.0 << 400.0 << Fehler::Ueberlauf;
        QTest::newRow("ln 0") << 2 << 0.0 << 0.0 << Fehler::UngueltigesArgument;
        QTest::newRow("ln negativ") << 2 << -1.0 << 0.0 << Fehler::UngueltigesArgument;
        QTest::newRow("exp zu gross") << 3 << 1000.0 << 0.0 << Fehler::Ueberlauf;
    }
    void rechnen()
    {
        QFETCH(int, op);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(Fehler, fehler);
        try {
            switch (op) {
            case 0: rechnen::teile(a, b); break;
            case 1: rechnen::hoch(a, b); break;
            case 2: rechnen::ln(a); break;
            default: rechnen::exp(a); break;
            }
            QFAIL("no error raised");
        } catch (const Laufzeitfehler& f) {
            QCOMPARE(f.art(), fehler);
        }
    }

    void rechnenGueltig()
    {
        QCOMPARE(rechnen::hoch(-8.0, 3.0), -512.0); // whole exponents of negative bases are fine
        QCOMPARE(rechnen::hoch(16.0, 0.5), 4.0);
        QCOMPARE(rechnen::teile(1.0, 4.0), 0.25);
    }

    void beschreibungen()
    {
        QCOMPARE(Laufzeitfehler(Fehler::Typen).beschreibung(), QStringLiteral("Typen unverträglich"));
        QCOMPARE(Laufzeitfehler(Fehler::DivisionDurchNull).beschreibung(), QStringLiteral("Division durch Null"));
        QCOMPARE(Laufzeitfehler(Fehler::Ueberlauf).beschreibung(), QStringLiteral("Überlauf"));
        QCOMPARE(Laufzeitfehler(Fehler::UngueltigesArgument).beschreibung(),
                 QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
    }

    // A result is written as plain text, then re-read and formatted; no
    // result ever reads inf or nan.
    void schreiben()
    {
        QLabel l;
        QStringList gesehen;
        QLineEdit e;
        QObject::connect(&e, &QLineEdit::textChanged, [&](const QString& t) { gesehen << t; });
        schreibe(&e, 1234.5678, QStringLiteral("##,##0.000 "));
        QCOMPARE(gesehen, (QStringList{"1234,5678", "1.234,568 "}));
        schreibe(&l, 0.5);
        QCOMPARE(l.text(), QStringLiteral("0,5"));
        try {
            schreibe(&l, std::numeric_limits<double>::infinity(), QStringLiteral("##,##0.0"));
            QFAIL("no overflow");
        } catch (const Laufzeitfehler& f) {
            QCOMPARE(f.art(), Fehler::Ueberlauf);
        }
        QCOMPARE(l.text(), QStringLiteral("0,5"));
    }
};

QTEST_MAIN(TestZahlen)
#include "tst_zahlen.moc"
