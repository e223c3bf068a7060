// The two BOD workbooks computed by the formula engine: the stored state,
// the marking, the window's writes and the error values.
#include "bsbmappen.h"
#include "zahlen.h"

#include <QTest>

using bsbMappe::Art;

Q_DECLARE_METATYPE(bsbMappe::Art)

namespace {

// Writes "zelle=text;..." into the workbook.
void schreibe(Arbeitsblatt& b, const QString& schritte)
{
    for (const QString& s : schritte.split(u';', Qt::SkipEmptyParts))
        b.setze(s.section(u'=', 0, 0), s.section(u'=', 1));
}

} // namespace

class TestBsbMappen : public QObject {
    Q_OBJECT

private slots:
    // The engine's own rules that the sheets rely on.
    void rechenregeln()
    {
        Arbeitsblatt b(QStringLiteral("Tabelle 1"));
        b.formel("A1", "-2^2"); // the sign binds before the power
        b.formel("A2", "10^(-0.1*20)");
        b.berechne();
        QVERIFY(b.wert(QStringLiteral("A1")).zahl == 4);
        QVERIFY(b.wert(QStringLiteral("A2")).zahl == 0.01);
        QVERIFY(bsbMappe::erzeuge(Art::Absolut)->wert(QStringLiteral("E22")).zahl == 99);
    }

    // Each row: the writes, then a cell as shown, its value to the shown
    // decimals of "genau" (when given) and whether it is marked.
    void zellen_data()
    {
        QTest::addColumn<Art>("art");
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("zelle");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QString>("genau");
        QTest::addColumn<bool>("markiert");
        const Art a = Art::Absolut, r = Art::Relativ;
        QTest::newRow("E7 gespeichert") << a << "" << "E7" << "68,4" << "68,377" << false;
        QTest::newRow("J38") << a << "" << "J38" << "36,56188239" << "36,5619" << false;
        QTest::newRow("J39") << a << "" << "J39" << "36,19626357" << "36,1963" << false;
        QTest::newRow("M7 = BSB5") << a << "" << "M7" << "25,0" << "25,0000" << false;
        QTest::newRow("B36 5 °C") << a << "" << "B36" << "0,050" << "" << false;
        QTest::newRow("G36 30 °C") << a << "" << "G36" << "0,158" << "" << false;
        QTest::newRow("temperatur") << a << "" << "O2" << "30 °" << "" << false;
        QTest::newRow("L absolut") << a << "" << "J35" << "37 mg BSB/l" << "" << false;
        QTest::newRow("L relativ") << r << "" << "J35" << "25 mg BSB/l" << "" << false;
        QTest::newRow("prozent") << a << "" << "B35" << "100%" << "" << false;
        QTest::newRow("k1 zwei stellen") << r << "" << "E36" << "0,10" << "" << false;
        QTest::newRow("T10") << r << "" << "T10" << "0,014624753" << "" << false;
        QTest::newRow("faktor") << a << "" << "B41" << "0,7" << "" << false;
        QTest::newRow("E22 99, nicht markiert") << a << "" << "E22" << "99,0" << "" << false;
        QTest::newRow("E23 markiert") << a << "" << "e23" << "99,2" << "" << true;
        QTest::newRow("M22 = J39, nicht markiert") << a << "" << "M22" << "36,2" << "" << false;
        QTest::newRow("M23 markiert") << a << "" << "M23" << "36,3" << "" << true;
        QTest::newRow("tag 1 nicht markiert") << a << "" << "G3" << "30,5" << "" << false;
        QTest::newRow("E36 := 0,3: B36 folgt") << r << "E36=0,3" << "B36" << "0,151" << "" << false;
        QTest::newRow("E36 := 0,3: M36 bleibt") << r << "E36=0,3" << "M36" << "0,10" << "" << false;
        QTest::newRow("E36 ersetzt die formel") << r << "E36=0,3;M36=0,2" << "G36" << "0,475" << "" << false;
        QTest::newRow("E36 := 0,3: E7") << r << "E36=0,3" << "E7" << "96,8" << "96,838" << false;
        QTest::newRow("M36 := 0,3 absolut") << a << "M36=0,3" << "E36" << "0,30" << "" << false;
        QTest::newRow("J40 := 50") << a << "J40=50" << "J38" << "73,12376478" << "" << false;
        QTest::newRow("J40 als zahl") << a << "J40=50" << "J40" << "50" << "" << false;
        QTest::newRow("k1 text") << r << "E36=abc" << "E36" << "abc" << "" << false;
        QTest::newRow("text: #WERT!") << r << "E36=abc" << "B3" << "#WERT!" << "" << false;
        QTest::newRow("text weiter: #WERT!") << r << "E36=abc" << "J3" << "#WERT!" << "" << false;
        QTest::newRow("text ersetzt") << r << "E36=abc;E36=0,1" << "E23" << "99,2" << "" << true;
        QTest::newRow("k1 leer") << r << "E36=" << "G32" << "0,0" << "" << false;
        QTest::newRow("k1 0: L #DIV/0!") << r << "E36=0" << "J38" << "#DIV/0!" << "" << false;
        QTest::newRow("#DIV/0! weiter") << r << "E36=0" << "J3" << "#DIV/0!" << "" << false;
        QTest::newRow("1/E7") << r << "E36=0" << "T10" << "#DIV/0!" << "" << false;
        QTest::newRow("zu groß: #ZAHL!") << r << "E36=-100" << "B32" << "#ZAHL!" << "" << false;
        QTest::newRow("#ZAHL! weiter") << r << "E36=-100" << "J38" << "#ZAHL!" << "" << false;
        QTest::newRow("BSB5 leer") << a << "J40=" << "J35" << "0 mg BSB/l" << "" << false;
        QTest::newRow("BSB5 text") << a << "J40=x" << "J35" << "#WERT!" << "" << false;
        QTest::newRow("BSB5 zurück") << a << "J40=x;J40=25" << "M23" << "36,3" << "" << true;
    }
    void zellen()
    {
        QFETCH(Art, art);
        QFETCH(QString, schritte);
        QFETCH(QString, zelle);
        QFETCH(QString, anzeige);
        QFETCH(QString, genau);
        QFETCH(bool, markiert);
        const auto b = bsbMappe::erzeuge(art);
        schreibe(*b, schritte);
        const int z = zelle.mid(1).toInt() - 1, s = zelle.at(0).toUpper().unicode() - 'A';
        QCOMPARE(b->anzeige(z, s), anzeige);
        if (!genau.isEmpty()) {
            const int stellen = int(genau.size() - genau.indexOf(u',') - 1);
            QCOMPARE(format(b->wert(zelle).zahl, QStringLiteral("0.") + QString(stellen, u'0')), genau);
        }
        QCOMPARE(b->markiert(z, s), markiert);
    }
};

QTEST_MAIN(TestBsbMappen)
#include "tst_bsbmappen.moc"
