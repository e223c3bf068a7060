// Annual costs of a small treatment plant: "Berechnung" with the design
// values and changed inputs, and the reset after a failure.
#include "fenster.h"
#include "frmJKKKA.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const eingaben[] = {"txtE",          "txtIK", "txtNND",       "txtZins", "txtFM",
                                "txtSchlammlEa", "txtEK", "txtSEKEurom3", "txtTWlEd", "txtWK"};
const char* const ergebnisse[] = {"lblTWm3Ea",   "lblTWm3a",   "lblSchlammm3a", "lblSEKEuroa",
                                  "Label35",     "Label36",    "lblAbschreibung", "lblDurchZins",
                                  "lblRefEuroa", "lblBK",      "lblJKEuroa",    "lblJKEurom3"};
const QStringList design{"33 ", "131 ", "2,4", "73 ", "368 ", "544 ", "304 ", "240 ", "544 ", "368 ", "912 ", "6,94 "};
const QStringList ruecksetzung{"4", "0", "30", "6", "0", "800", "0", "18", "90", "90"};
} // namespace

class TestJKKKA : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

    template <class T, std::size_t N>
    QStringList texte(const char* const (&namen)[N])
    {
        QStringList t;
        for (const char* n : namen)
            t << kind<T>(w, n)->text();
        return t;
    }
    QStringList inputs() { return texte<QLineEdit>(eingaben); }
    QStringList results()
    {
        QStringList t;
        for (const char* n : ergebnisse) {
            QWidget* k = kind<QWidget>(w, n);
            t << (qobject_cast<QLineEdit*>(k) ? static_cast<QLineEdit*>(k)->text() : static_cast<QLabel*>(k)->text());
        }
        return t;
    }
    void berechnung() { klicke(kind<QPushButton>(w, "Command1")); }

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

    // After a first run with the design values, inputs changed ("box=text;...")
    // and a second run: its results (a failure keeps what it had not yet
    // written) and the message, if any.
    void rechnung_data()
    {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("design") << "" << design << "";
        QTest::newRow("förderung 100: nur abschreibung")
            << "txtFM=100" << QStringList{"33 ", "131 ", "2,4", "73 ", "368 ", "304 ", "304 ", "0 ", "304 ", "368 ",
                                          "672 ", "5,12 "} << "";
        // 100,5 + 0,5 is 101, although the shown parts add up to 102.
        QTest::newRow("summe der ungerundeten werte")
            << "txtIK=201;txtNND=2;txtFM=100;txtEK=0,5;txtSchlammlEa=0;txtWK=0"
            << QStringList{"33 ", "131 ", "0,0", "0 ", "1 ", "101 ", "101 ", "0 ", "101 ", "1 ", "101 ", "0,77 "} << "";
        QTest::newRow("keine einwohner")
            << "txtE=0" << QStringList{"33 ", "0 ", "0,0", "0 ", "295 ", "544 ", "304 ", "240 ", "544 ", "295 ",
                                       "839 ", "6,94 "} << "Division durch Null";
        QTest::newRow("kein trinkwasser")
            << "txtTWlEd=0" << QStringList{"0 ", "0 ", "2,4", "73 ", "368 ", "544 ", "304 ", "240 ", "544 ", "368 ",
                                           "912 ", "6,94 "} << "Division durch Null";
        QTest::newRow("nutzungsdauer 0: nichts geschrieben") << "txtNND=0;txtIK=1000" << design << "Division durch Null";
        QTest::newRow("zinssatz leer") << "txtZins=;txtTWlEd=100" << design << "Typen unverträglich";
        QTest::newRow("energiekosten keine zahl")
            << "txtEK=x;txtE=8" << QStringList{"33 ", "263 ", "4,9", "73 ", "368 ", "544 ", "304 ", "240 ", "544 ",
                                               "368 ", "912 ", "6,94 "} << "Typen unverträglich";
    }
    void rechnung()
    {
        QFETCH(QString, aenderung);
        QFETCH(QStringList, danach);
        QFETCH(QString, fehler);
        berechnung();
        QCOMPARE(results(), design);
        QCOMPARE(umgebung->meldungen.boxen.size(), 0);
        for (const QString& a : aenderung.split(u';', Qt::SkipEmptyParts)) {
            QLineEdit* box = kind<QLineEdit>(w, a.section(u'=', 0, 0).toUtf8().constData());
            box->clear();
            tippe(box, a.section(u'=', 1));
        }
        const QStringList vorher = inputs();
        berechnung();
        QCOMPARE(results(), danach);
        if (fehler.isEmpty()) {
            QCOMPARE(umgebung->meldungen.boxen.size(), 0);
            QCOMPARE(inputs(), vorher);
            return;
        }
        QCOMPARE(umgebung->meldungen.boxen.size(), 1);
        QCOMPARE(umgebung->meldungen.boxen[0].text,
                 eingabefehlerText(fehler, QStringLiteral("Tippfehler - Programm wird zurückgesetzt")));
        QCOMPARE(inputs(), ruecksetzung);
    }
};

QTEST_MAIN(TestJKKKA)
#include "tst_frmJKKKA.moc"
