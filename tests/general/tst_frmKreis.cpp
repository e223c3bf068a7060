// The circle and cylinder window: the boxes drive each other as typed.
#include "fenster.h"
#include "frmKreis.h"
#include "testhilfe.h"
#include "texte.h"

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
    // released, "D<" Backspace, "V:Ctrl+C" keys on the whole text, "neu" the
    // window opened afresh | the four boxes | the error in the message ("-"
    // none), if one is shown.
    void rechnen_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::newRow("durchmesser") << "D+2|2;3,142 ;;|";
        QTest::newRow("dann höhe") << "D+2;H+10|2;3,142 ;10;31,416 |";
        QTest::newRow("fläche") << "A+1|1,128 ;1;;|";
        QTest::newRow("volumen ohne V") << "D+2;V+5|2;3,142 ;;5|";
        QTest::newRow("höhe aus volumen") << "D+2;H+10;V=62,832;V~|2;3,142 ;20,000 ;62,832|";
        QTest::newRow("tab in die fläche") << "D+2;H+10;A~|2,000 ;3,142 ;10;31,420 |";
        QTest::newRow("neu geöffnet") << "D+2;H+10;neu;D+2;V+5|2;3,142 ;;5|";
        QTest::newRow("rücktaste") << "D+2;D<|0;3,142 ;;|Typen unverträglich";
        QTest::newRow("text in der höhe") << "D+2;H+10;H=abc;D~|0;3,142 ;abc;31,416 |Typen unverträglich";
        QTest::newRow("fläche 0") << "D+2;H+10;V=0;V~;A=0;A~;V=5;V~|0,000 ;0;0,000 ;0|Division durch Null";
        QTest::newRow("stern") << "D+2;H+10;V=;V+*|2;3,142 ;10;0|Typen unverträglich";
        QTest::newRow("negative fläche") << "A=-1;A~|;0;;|Ungültiger Prozeduraufruf oder ungültiges Argument";
        // The volume box's filter: number characters and editing keys pass.
        for (const char* k : {"A=0", "Space=0", "Return=0", "Enter=0", "Esc=0", "Ctrl+B=0", "-=-", "*=*", ",=,",
                              "Del=", "Ctrl+X=", "Ctrl+C=12", "Ctrl+A=12", "Left=12", "Home=12", "Ctrl+X, Ctrl+V=12",
                              "Ctrl+X, Ctrl+Z=12"}) {
            const QStringList t = QString::fromLatin1(k).split(u'=');
            QTest::newRow(k) << "V=12;V:" + t[0] + "|;;;" + t[1] + (t[1] == "0" ? "|-" : "|");
        }
        QTest::newRow("abgewiesen rechnet nicht") << "D+2;H+10;V+a|2;3,142 ;10;0|-";
    }
    void rechnen()
    {
        QFETCH(QString, zeile);
        const QStringList teil = zeile.split(u'|');
        for (const QString& s : teil[0].split(u';')) {
            if (s == "neu") {
                alleSchliessen();
                w = fenster::zeige<frmKreis>();
                continue;
            }
            QLineEdit* b = box(s[0]);
            switch (s[1].unicode()) {
            case '+': b->end(false); tippe(b, s.mid(2)); break;
            case '=': b->setText(s.mid(2)); break;
            case ':': b->selectAll(); QTest::keySequence(b, QKeySequence(s.mid(2))); break;
            default: QTest::keyClick(b, s[1] == u'<' ? Qt::Key_Backspace : Qt::Key_End);
            }
        }
        QCOMPARE(QStringList({box('D')->text(), box('A')->text(), box('H')->text(), box('V')->text()}).join(u';'),
                 teil[1]);
        QStringList meldungen;
        for (const Box& m : umgebung->meldungen.boxen)
            meldungen << m.text + "/" + m.titel;
        const QString text = eingabefehlerText(teil[2] == "-" ? "" : teil[2], texte::wertAuf0);
        QCOMPARE(meldungen, teil[2].isEmpty() ? QStringList{} : QStringList{text + "/Eingabefehler"});
    }
};

QTEST_MAIN(TestKreis)
#include "tst_frmKreis.moc"
