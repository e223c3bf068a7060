// The circle and cylinder window: the boxes drive each other as typed.
#include "ablauf.h"
#include "frmKreis.h"
#include "texte.h"

class TestKreis : public QObject {
    Q_OBJECT

private slots:
    // Name | steps in the boxes D, A, H and V as ablauf writes them | the four
    // boxes | the error in the message ("-" none), if one is shown.
    void rechnen_data()
    {
        spalten();
        QStringList zeilen{"durchmesser|D+2|2;3,142 ;;|", "dann höhe|D+2;H+10|2;3,142 ;10;31,416 |",
            "fläche|A+1|1,128 ;1;;|", "höhe aus volumen|D+2;H+10;V:62,832;V~|2;3,142 ;20,000 ;62,832|",
            // On a fresh window after the rows above: the values do not outlive their window.
            "volumen ohne V|D+2;V+5|2;3,142 ;;5|", "tab in die fläche|D+2;H+10;A~|2,000 ;3,142 ;10;31,420 |",
            "rücktaste|D+2;D=|0;3,142 ;;|Typen unverträglich",
            "text in der höhe|D+2;H+10;H:abc;D~|0;3,142 ;abc;31,416 |Typen unverträglich",
            "fläche 0|D+2;H+10;V:0;V~;A:0;A~;V:5;V~|0,000 ;0;0,000 ;0|Division durch Null",
            "stern|D+2;H+10;V:;V+*|2;3,142 ;10;0|Typen unverträglich",
            "negative fläche|A:-1;A~|;0;;|Ungültiger Prozeduraufruf oder ungültiges Argument",
            "abgewiesen rechnet nicht|D+2;H+10;V+a|2;3,142 ;10;0|-"};
        // The volume box's filter, keys on its whole text: number characters and editing keys pass.
        for (const char* k : {"A=0", "Space=0", "Return=0", "Enter=0", "Esc=0", "Ctrl+B=0", "-=-", "*=*", ",=,",
                              "Del=", "Ctrl+X=", "Ctrl+C=12", "Ctrl+A=12", "Left=12", "Home=12", "Ctrl+X, Ctrl+V=12",
                              "Ctrl+X, Ctrl+Z=12"}) {
            const QStringList t = QString::fromLatin1(k).split(u'=');
            zeilen << t[0] + "|V:12;V~Ctrl+A, " + t[0] + "|;;;" + t[1] + (t[1] == "0" ? "|-" : "|");
        }
        const QStringList namen{"txtDurchmesser", "txtFläche", "txtZylinderhöhe", "txtZylindervolumen"};
        for (const QString& z : zeilen) {
            const QStringList t = z.split(u'|');
            QStringList schritte, soll;
            for (const QString& s : t[1].split(u';'))
                schritte << namen[QStringLiteral("DAHV").indexOf(s[0])] + s.mid(1);
            soll = je(namen.join(u' '), t[2]).split(u';');
            const QString text = "Eingabefehler: " + QString(t[3]).remove(u'-') + " | " + texte::wertAuf0;
            QTest::newRow(qPrintable(t[0])) << schritte << soll << QStringList(!t[3].isEmpty(), text);
        }
    }
    void rechnen() { zeile<frmKreis>(); }
};

QTEST_MAIN(TestKreis)
#include "tst_frmKreis.moc"
