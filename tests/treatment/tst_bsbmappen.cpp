// The two BOD workbooks computed by the formula engine: the stored state,
// the marking, the window's writes and the error values.
#include "bsbmappen.h"
#include "zahlen.h"

#include <QTest>

class TestBsbMappen : public QObject {
    Q_OBJECT

private slots:
    // The engine's own rules that the sheets rely on: the sign binds before the power.
    void rechenregeln()
    {
        Arbeitsblatt b(QStringLiteral("Tabelle 1"));
        b.formel("A1", "-2^2");
        b.formel("A2", "10^(-0.1*20)");
        b.berechne();
        QCOMPARE(QList({b.wert(QStringLiteral("A1")).zahl, b.wert(QStringLiteral("A2")).zahl,
                        bsbMappe::erzeuge(bsbMappe::Art::Absolut)->wert(QStringLiteral("E22")).zahl}),
                 QList({4.0, 0.01, 99.0}));
    }

    // Each row: the workbook (a absolut, r relativ), the writes "zelle=text",
    // then the cells as shown ("E23*=99,2" marked, any other not), "E7:68,377"
    // its value to the decimals given.
    void zellen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("soll");
        for (const char* z :
             {"absolut gespeichert|a|E7=68,4;E7:68,377;J38=36,56188239;J38:36,5619;J39=36,19626357;J39:36,1963;M7=25,0;"
              "M7:25,0000;B36=0,050;G36=0,158;O2=30 °;J35=37 mg BSB/l;B35=100%;B41=0,7;E22=99,0;E23*=99,2;M22=36,2;"
              "M23*=36,3;G3=30,5",
              "relativ gespeichert|r|J35=25 mg BSB/l;E36=0,10;T10=0,014624753",
              "E36 ersetzt die formel|r;E36=0,3;M36=0,2|B36=0,151;E7=96,8;E7:96,838;G36=0,475",
              "M36 := 0,3 absolut|a;M36=0,3|E36=0,30", "J40 := 50|a;J40=50|J38=73,12376478;J40=50",
              "k1 text|r;E36=abc|E36=abc;B3=#WERT!;J3=#WERT!", "text ersetzt|r;E36=abc;E36=0,1|E23*=99,2",
              "k1 leer|r;E36=|G32=0,0", "k1 0: #DIV/0!|r;E36=0|J38=#DIV/0!;J3=#DIV/0!;T10=#DIV/0!",
              "zu groß: #ZAHL!|r;E36=-100|B32=#ZAHL!;J38=#ZAHL!", "BSB5 leer|a;J40=|J35=0 mg BSB/l",
              "BSB5 text|a;J40=x|J35=#WERT!", "BSB5 zurück|a;J40=x;J40=25|M23*=36,3"}) {
            const QStringList t = QString::fromUtf8(z).split(u'|');
            QTest::newRow(qPrintable(t[0])) << t[1].split(u';') << t[2].split(u';');
        }
    }
    void zellen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, soll);
        const auto b = bsbMappe::erzeuge(schritte[0] == "a" ? bsbMappe::Art::Absolut : bsbMappe::Art::Relativ);
        for (const QString& s : schritte.mid(1))
            b->setze(s.section(u'=', 0, 0), s.section(u'=', 1));
        QStringList ist;
        for (const QString& s : soll) {
            const QString zelle = s.section(QRegularExpression("[*=:]"), 0, 0), genau = s.section(u':', 1);
            const int z = zelle.mid(1).toInt() - 1, sp = zelle.at(0).unicode() - 'A';
            const int stellen = int(genau.size() - genau.indexOf(u',') - 1);
            ist << (genau.isEmpty() ? zelle + (b->markiert(z, sp) ? "*=" : "=") + b->anzeige(z, sp)
                                    : zelle + u':' + format(b->wert(zelle).zahl, "0." + QString(stellen, u'0')));
        }
        QCOMPARE(ist, soll);
    }
};

QTEST_MAIN(TestBsbMappen)
#include "tst_bsbmappen.moc"
