// The circle and cylinder window: the boxes drive each other as typed.
#include "fenster.h"
#include "frmKreis.h"
#include "testhilfe.h"
#include "texte.h"

#include <QLineEdit>
#include <QTest>

class TestKreis : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QWidget* w = nullptr;

    QLineEdit* box(QChar b)
    {
        const char* namen[] = {"txtDurchmesser", "txtFläche", "txtZylinderhöhe", "txtZylindervolumen"};
        return kind<QLineEdit>(w, namen[QStringLiteral("DAHV").indexOf(b)]);
    }
    QStringList alle() { return {box('D')->text(), box('A')->text(), box('H')->text(), box('V')->text()}; }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmKreis>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    // Steps: "D+2" typed key by key, "D=2" pasted, "D~" a cursor key
    // released, "D<" Backspace, "neu" the window closed and opened again.
    void rechnen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("fehler");
        const QStringList zylinder{"D+2", "H+10"};
        QTest::newRow("durchmesser") << QStringList{"D+2"} << QStringList{"2", "3,142 ", "", ""} << "";
        QTest::newRow("dann höhe") << zylinder << QStringList{"2", "3,142 ", "10", "31,416 "} << "";
        QTest::newRow("fläche") << QStringList{"A+1"} << QStringList{"1,128 ", "1", "", ""} << "";
        QTest::newRow("volumen ohne V") << QStringList{"D+2", "V+5"} << QStringList{"2", "3,142 ", "", "5"} << "";
        QTest::newRow("höhe aus dem volumen") << (zylinder + QStringList{"V=62,832", "V~"})
                                              << QStringList{"2", "3,142 ", "20,000 ", "62,832"} << "";
        QTest::newRow("tab in die fläche: gerundete fläche")
            << (zylinder + QStringList{"A~"}) << QStringList{"2,000 ", "3,142 ", "10", "31,420 "} << "";
        QTest::newRow("neu geöffnet: V wieder ungesetzt")
            << (zylinder + QStringList{"neu", "D+2", "V+5"}) << QStringList{"2", "3,142 ", "", "5"} << "";
        QTest::newRow("rücktaste") << QStringList{"D+2", "D<"} << QStringList{"0", "3,142 ", "", ""}
                                   << "Typen unverträglich";
        QTest::newRow("text in der höhe, taste im durchmesser")
            << (zylinder + QStringList{"H=abc", "D~"}) << QStringList{"0", "3,142 ", "abc", "31,416 "}
            << "Typen unverträglich";
        QTest::newRow("fläche 0") << (zylinder + QStringList{"V=0", "V~", "A=0", "A~", "V=5", "V~"})
                                  << QStringList{"0,000 ", "0", "0,000 ", "0"} << "Division durch Null";
        QTest::newRow("stern") << (zylinder + QStringList{"V=", "V+*"}) << QStringList{"2", "3,142 ", "10", "0"}
                               << "Typen unverträglich";
        QTest::newRow("negative fläche") << QStringList{"A=-1", "A~"} << QStringList{"", "0", "", ""}
                                         << "Ungültiger Prozeduraufruf oder ungültiges Argument";
    }
    void rechnen()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, danach);
        QFETCH(QString, fehler);
        for (const QString& s : schritte) {
            if (s == "neu") {
                alleSchliessen();
                w = fenster::zeige<frmKreis>();
                continue;
            }
            QLineEdit* b = box(s[0]);
            const QString rest = s.mid(2);
            if (s[1] == u'+') {
                b->end(false);
                tippe(b, rest);
            } else if (s[1] == u'=')
                b->setText(rest);
            else
                QTest::keyClick(b, s[1] == u'<' ? Qt::Key_Backspace : Qt::Key_End);
        }
        QCOMPARE(alle(), danach);
        QCOMPARE(umgebung->meldungen.boxen.size(), fehler.isEmpty() ? 0 : 1);
        if (!fehler.isEmpty())
            QCOMPARE(umgebung->meldungen.boxen[0].text, eingabefehlerText(fehler, texte::wertAuf0));
    }

    // The volume box takes number characters and editing keys; any other
    // character sets it to "0" with a message.
    void tastenfilter_data()
    {
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("danach");
        for (const char* k : {"A", "Space", "Return", "Enter", "Esc", "Ctrl+B"})
            QTest::newRow(k) << k << "0";
        for (const char* k : {"-", "*", ".", ","})
            QTest::newRow(k) << k << k;
        for (const char* k : {"Backspace", "Del", "Ctrl+X"})
            QTest::newRow(k) << k << "";
        for (const char* k : {"Ctrl+C", "Ctrl+A", "Left", "Home", "End", "Ctrl+X, Ctrl+V", "Ctrl+X, Ctrl+Z"})
            QTest::newRow(k) << k << "12";
    }
    void tastenfilter()
    {
        QFETCH(QString, tasten);
        QFETCH(QString, danach);
        box('V')->setText(QStringLiteral("12"));
        box('V')->selectAll();
        QTest::keySequence(box('V'), QKeySequence(tasten));
        QCOMPARE(box('V')->text(), danach);
        QCOMPARE(umgebung->meldungen.boxen.size(), danach == "0" ? 1 : 0);
        if (danach == "0")
            QCOMPARE(umgebung->meldungen.boxen[0].text, eingabefehlerText({}, texte::wertAuf0));
    }

    // A key turned away computes nothing when it is let go.
    void abgewiesenOhneRechnung()
    {
        tippe(box('D'), QStringLiteral("2"));
        tippe(box('H'), QStringLiteral("10"));
        QTest::keyClick(box('V'), Qt::Key_A);
        QCOMPARE(alle(), (QStringList{"2", "3,142 ", "10", "0"}));
        QCOMPARE(umgebung->meldungen.boxen.size(), 1);
    }
};

QTEST_MAIN(TestKreis)
#include "tst_frmKreis.moc"
