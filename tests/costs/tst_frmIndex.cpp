// Cost escalation to 2003 prices: structure, currency, year and cost as a
// user gives them; the range checks and their resets; the factor tables.
#include "ablauf.h"
#include "frmIndex.h"
#include "preisindizes.h"
#include "twips.h"

using L = QStringList;

class TestIndex : public QObject {
    Q_OBJECT

    // The boxes and the results, then whether the frames, the headline and the
    // notes show, the year box is enabled and the converted cost shows.
    static L lage(frmIndex* w)
    {
        L t{w->txtAusschreibungsjahr->text(), w->txtIkAusschreibung->text(), w->lblIKAusschreibung->text(),
            w->lblFaktor2003->text(), w->lblIK2003->text(), QString()};
        for (QWidget* x : std::initializer_list<QWidget*>{w->Frame1, w->Frame2, w->Label10, w->Text2,
                                                          w->txtAusschreibungsjahr, w->lblIKAusschreibung})
            t.last() += (x == w->txtAusschreibungsjahr ? x->isEnabled() : x->isVisible()) ? u'+' : u'-';
        return t;
    }

private slots:
    // The options clicked, "Jahr" the year typed, "Kosten" a step in the cost box.
    void rechnung_data()
    {
        spalten();
        const auto neu = [](const char* n, QString s, const L& soll, const L& m = {}) {
            s.replace(QStringLiteral("Jahr"), "txtAusschreibungsjahr+");
            QTest::newRow(n) << s.replace(QStringLiteral("Kosten"), "txtIkAusschreibung").split(u';') << soll << m;
        };
        const auto db = [](const char* t) { return "Eingabefehler:  | " + QString::fromUtf8(t); };
        const auto null = [](const char* sicht) { return L{"0", "0", "0,00 ", "0,000 ", "0,00 ", sicht}; };
        neu("kläranlage, DM, 1992", "OptKA!;Jahr1992;Kosten+1000.000",
            {"1992", "1000.000", "511.291,88 ", "1,108 ", "566.511,40 ", "--++-+"});
        // The converted cost is shown for a cost in DM only.
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
    // Then a new tender year: zeros, the frames back, the window as high as the
    // choice made it. A row of one text checks the factor only.
    void rechnung()
    {
        QFETCH(L, schritte);
        QFETCH(L, soll);
        QFETCH(L, meldungen);
        Testumgebung umgebung;
        const auto schliessen = qScopeGuard([] { alleSchliessen(); });
        auto* w = fenster::zeige<frmIndex>();
        Zeuge zeuge(w, {});
        ablauf(w, schritte);
        QCOMPARE(soll.size() == 1 ? lage(w).mid(3, 1) : lage(w), soll);
        QCOMPARE(zeuge.gesehen, meldungen);
        if (soll.size() == 1)
            return;
        klicke(w->cmdIK);
        QCOMPARE(lage(w), L(5, "0") + L{"++--+" + soll.last().right(1)});
        QCOMPARE(w->frameGeometry().height(), twips(5880));
    }
};

QTEST_MAIN(TestIndex)
#include "tst_frmIndex.moc"
