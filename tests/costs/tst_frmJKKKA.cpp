// Annual costs of a small treatment plant: "Berechnung" with the design
// values and changed inputs, and the reset after a failure.
#include "fenster.h"
#include "frmJKKKA.h"
#include "testhilfe.h"

namespace {
const QStringList design{"33 ", "131 ", "2,4", "73 ", "368 ", "544 ", "304 ", "240 ", "544 ", "368 ", "912 ", "6,94 "};
} // namespace

class TestJKKKA : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmJKKKA* w = nullptr;

    QStringList texte(std::initializer_list<QWidget*> felder) const
    {
        QStringList t;
        for (QWidget* f : felder)
            t << f->property("text").toString();
        return t;
    }
    QStringList eingaben() const
    {
        return texte({w->txtE, w->txtIK, w->txtNND, w->txtZins, w->txtFM, w->txtSchlammlEa, w->txtEK,
                      w->txtSEKEurom3, w->txtTWlEd, w->txtWK});
    }
    QStringList ergebnisse() const
    {
        return texte({w->lblTWm3Ea, w->lblTWm3a, w->lblSchlammm3a, w->lblSEKEuroa, w->Label35, w->Label36,
                      w->lblAbschreibung, w->lblDurchZins, w->lblRefEuroa, w->lblBK, w->lblJKEuroa, w->lblJKEurom3});
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmJKKKA>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    // After a run with the design values, inputs changed ("box=text;...") and
    // a second run: its results (a failure keeps what it had not yet
    // written) and its error, if any.
    void rechnung_data()
    {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("design") << "" << design << "";
        QTest::newRow("förderung 100: nur abschreibung") << "txtFM=100" << QStringList{"33 ", "131 ", "2,4", "73 ", "368 ",
            "304 ", "304 ", "0 ", "304 ", "368 ", "672 ", "5,12 "} << "";
        // 100,5 + 0,5 is 101, although the shown parts add up to 102.
        QTest::newRow("summe der ungerundeten werte") << "txtIK=201;txtNND=2;txtFM=100;txtEK=0,5;txtSchlammlEa=0;txtWK=0"
            << QStringList{"33 ", "131 ", "0,0", "0 ", "1 ", "101 ", "101 ", "0 ", "101 ", "1 ", "101 ", "0,77 "} << "";
        QTest::newRow("keine einwohner") << "txtE=0" << QStringList{"33 ", "0 ", "0,0", "0 ", "295 ", "544 ", "304 ",
            "240 ", "544 ", "295 ", "839 ", "6,94 "} << "Division durch Null";
        QTest::newRow("kein trinkwasser") << "txtTWlEd=0" << QStringList{"0 ", "0 ", "2,4", "73 ", "368 ", "544 ",
            "304 ", "240 ", "544 ", "368 ", "912 ", "6,94 "} << "Division durch Null";
        QTest::newRow("nutzungsdauer 0: nichts geschrieben") << "txtNND=0;txtIK=1000" << design << "Division durch Null";
        QTest::newRow("energiekosten keine zahl") << "txtEK=x;txtE=8" << QStringList{"33 ", "263 ", "4,9", "73 ",
            "368 ", "544 ", "304 ", "240 ", "544 ", "368 ", "912 ", "6,94 "} << "Typen unverträglich";
    }
    void rechnung()
    {
        QFETCH(QString, aenderung);
        QFETCH(QStringList, danach);
        QFETCH(QString, fehler);
        klicke(w->Command1);
        QCOMPARE(ergebnisse(), design);
        for (const QString& a : aenderung.split(u';', Qt::SkipEmptyParts))
            ersetze(kind<QLineEdit>(w, a.section(u'=', 0, 0).toUtf8().constData()), a.section(u'=', 1));
        const QStringList vorher = eingaben();
        klicke(w->Command1);
        QCOMPARE(ergebnisse(), danach);
        const QString text = eingabefehlerText(fehler, QStringLiteral("Tippfehler - Programm wird zurückgesetzt"));
        QCOMPARE(umgebung->meldungen.boxen.size(), fehler.isEmpty() ? 0 : 1);
        if (!fehler.isEmpty())
            QCOMPARE(umgebung->meldungen.boxen[0].text, text);
        const QStringList ruecksetzung{"4", "0", "30", "6", "0", "800", "0", "18", "90", "90"};
        QCOMPARE(eingaben(), fehler.isEmpty() ? vorher : ruecksetzung);
    }
};

QTEST_MAIN(TestJKKKA)
#include "tst_frmJKKKA.moc"
