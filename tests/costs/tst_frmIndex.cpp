// Cost escalation to 2003 prices: the inputs, the range checks and resets, the factor tables.
#include "ablauf.h"
#include "frmIndex.h"
#include "preisindizes.h"

using L = QStringList;

class TestIndex : public QObject {
    Q_OBJECT

    // "sicht=" whether the frames, headline and notes show, the year box is enabled and the converted
    // cost shows; "neu=" after a new tender year the boxes and results, the height in twips, that view.
    static QString lies(frmIndex* w, Testumgebung&, const QString& s)
    {
        QString t = s.section(u'=', 0, 0) + u'=';
        if (t == "neu=") {
            klicke(w->cmdIK);
            t += stand(w, namen.split(u' ')).join(u' ').remove(QRegularExpression("\\w+="))
                 + QStringLiteral(" %1 ").arg(w->frameGeometry().height() * 15);
        } else if (t != "sicht=")
            return stand(w, {s})[0];
        for (QWidget* x : std::initializer_list<QWidget*>{w->Frame1, w->Frame2, w->Label10, w->Text2,
                                                          w->txtAusschreibungsjahr, w->lblIKAusschreibung})
            t += (x == w->txtAusschreibungsjahr ? x->isEnabled() : x->isVisible()) ? u'+' : u'-';
        return t;
    }
    static inline const QString namen =
        "txtAusschreibungsjahr txtIkAusschreibung lblIKAusschreibung lblFaktor2003 lblIK2003";

private slots:
    // The options clicked, "Jahr" the year typed, "Kosten" a step in the cost
    // box; the five texts and the view, or the factor alone.
    void rechnung_data()
    {
        spalten();
        const auto neu = [](const char* n, QString s, const L& soll, const L& m = {}) {
            const QString v = soll.value(5);
            s.replace(QStringLiteral("Jahr"), "txtAusschreibungsjahr+")
                .replace(QStringLiteral("Kosten"), "txtIkAusschreibung");
            QTest::newRow(n) << s.split(u';')
                             << (v.isEmpty() ? L{"lblFaktor2003=" + soll[0]}
                                             : (je(namen, soll.mid(0, 5).join(u';')) + ";sicht=" + v
                                                + ";neu=0 0 0 0 0 5880 ++--+" + v.right(1))
                                                   .split(u';'))
                             << m;
        };
        const auto db = [](const char* t) { return "Eingabefehler:  | " + QString::fromUtf8(t); };
        const auto null = [](const char* sicht) { return L{"0", "0", "0,00 ", "0,000 ", "0,00 ", sicht}; };
        neu("kläranlage, DM, 1992", "OptKA!;Jahr1992;Kosten+1000.000",
            {"1992", "1000.000", "511.291,88 ", "1,108 ", "566.511,40 ", "--++-+"});
        neu("ortskanal, euro, 1980", "OptEuro!;OptKanal!;Jahr1980;Kosten+1000",
            {"1980", "1000", "", "1,268 ", "1.268,00 ", "--++--"});
        neu("kläranlage 1985", "OptKA!;Jahr1985;Kosten+7", null("--++++"),
            {db("Kläranlagenindizes gibt es erst seit 1991")});
        neu("ortskanal 2005: zwei meldungen", "OptKanal!;Jahr2005;Kosten+7", null("--++++"),
            {db("Indizes nur bis 2002 in der Datenbank"), db("Indizes nur ab 1980 in der Datenbank")});
        neu("kläranlage 2003", "OptEuro!;OptKA!;Jahr2003;Kosten+7", null("--+++-"),
            {db("Kläranlagenindizes nur bis 2002 in der Datenbank")});
        neu("1995,5: kein faktor", "OptKA!;Jahr1995,5;Kosten+1000", {"1995,5", "1000", "511,29 ", "", "", "--++-+"});
        // A key let go in the empty cost box, as after a Tab from the year.
        neu("tab ins leere kostenfeld", "OptKanal!;Jahr1990;Kosten~", {"0", "0", "0", "0", "0", "++--++"},
            {fehler(Fehler::Typen, "Vergleichsanlage größer als geplante Anlage - Werte werden auf 0 gesetzt")});
        // Every year of the tables that the picture shows gives the factor shown there.
        for (const auto t : {preisindizes::klaeranlagen, preisindizes::ortskanal})
            for (const preisindizes::Zeile& z : preisindizes::zeilen(t))
                neu(qPrintable((t.size() == 12 ? "KA " : "Kanal ") + z.jahr),
                    (t.size() == 12 ? "OptKA!;Jahr" : "OptKanal!;Jahr") + z.jahr + ";Kosten+1", {z.faktor + u' '});
    }
    void rechnung() { zeile<frmIndex>({}, {.lesen = lies}); }
};

QTEST_MAIN(TestIndex)
#include "tst_frmIndex.moc"
