// Cost escalation to 2003 prices: structure, currency, year and cost typed
// as a user does; the range checks and their resets; the factor table.
#include "fenster.h"
#include "frmIndex.h"
#include "frmIndexInfo.h"
#include "preisindizes.h"
#include "testhilfe.h"
#include "twips.h"

class TestIndex : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmIndex* w = nullptr;

    // The boxes, then the three results.
    QStringList werte() const
    {
        return {w->txtAusschreibungsjahr->text(), w->txtIkAusschreibung->text(), w->lblIKAusschreibung->text(),
                w->lblFaktor2003->text(), w->lblIK2003->text()};
    }
    QStringList meldungen() const
    {
        QStringList t;
        for (const Box& b : umgebung->meldungen.boxen)
            t << b.titel + b.text;
        return t;
    }
    void waehle(bool klaeranlage, bool euro)
    {
        if (euro)
            klicke(w->OptEuro);
        klicke(klaeranlage ? w->OptKA : w->OptKanal);
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmIndex>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void rechnung_data()
    {
        QTest::addColumn<bool>("klaeranlage");
        QTest::addColumn<bool>("euro");
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("kosten");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QStringList>("texte");
        const QStringList null{"0", "0", "0,00 ", "0,000 ", "0,00 "};
        const QString ka2002 = QStringLiteral("Eingabefehler\r\nKläranlagenindizes nur bis 2002 in der Datenbank");
        const QString bis2002 = QStringLiteral("Eingabefehler\r\nIndizes nur bis 2002 in der Datenbank");
        const QString ab1980 = QStringLiteral("Eingabefehler\r\nIndizes nur ab 1980 in der Datenbank");
        QTest::newRow("kläranlage, DM, 1992") << true << false << "1992" << "1000.000"
            << QStringList{"1992", "1000.000", "511.291,88 ", "1,108 ", "566.511,40 "} << QStringList{};
        QTest::newRow("ortskanal, euro, 1980") << false << true << "1980" << "1000"
            << QStringList{"1980", "1000", "", "1,268 ", "1.268,00 "} << QStringList{};
        QTest::newRow("kläranlage 1985") << true << false << "1985" << "7" << null
            << QStringList{"Eingabefehler\r\nKläranlagenindizes gibt es erst seit 1991"};
        QTest::newRow("ortskanal 2005: zwei meldungen") << false << false << "2005" << "7" << null
            << QStringList{bis2002, ab1980};
        QTest::newRow("kläranlage 2003") << true << true << "2003" << "7" << null << QStringList{ka2002};
        QTest::newRow("ortskanal 2003") << false << true << "2003" << "7" << null << QStringList{bis2002, ab1980};
        QTest::newRow("1995,5: kein faktor") << true << false << "1995,5" << "1000"
            << QStringList{"1995,5", "1000", "511,29 ", "", ""} << QStringList{};
    }
    void rechnung()
    {
        QFETCH(bool, klaeranlage);
        QFETCH(bool, euro);
        QFETCH(QString, jahr);
        QFETCH(QString, kosten);
        QFETCH(QStringList, danach);
        QFETCH(QStringList, texte);
        QVERIFY(w->height() < twips(5880));
        waehle(klaeranlage, euro);
        QCOMPARE(w->frameGeometry().height(), twips(5880));
        // The converted cost is shown for a cost in DM only.
        QCOMPARE(w->lblIKAusschreibung->isVisible(), !euro);
        tippe(w->txtAusschreibungsjahr, jahr);
        tippe(w->txtIkAusschreibung, kosten);
        QCOMPARE(werte(), danach);
        QCOMPARE(meldungen(), texte);
        QCOMPARE(w->txtAusschreibungsjahr->isEnabled(), !texte.isEmpty());
        QVERIFY(!w->Frame1->isVisible() && !w->Frame2->isVisible() && w->Label10->isVisible() && w->Text2->isVisible());

        // A new tender year: zeros, frames back, the window as high as it was.
        klicke(w->cmdIK);
        QCOMPARE(werte(), QStringList(5, "0"));
        QVERIFY(w->txtAusschreibungsjahr->isEnabled() && w->Frame1->isVisible() && !w->Label10->isVisible());
        QCOMPARE(w->frameGeometry().height(), twips(5880));
    }

    // Tab from the year into the empty cost box: the key is let go there.
    void tabInsLeereKostenfeld()
    {
        waehle(false, false);
        tippe(w->txtAusschreibungsjahr, QStringLiteral("1990"));
        QTest::keyRelease(w->txtIkAusschreibung, Qt::Key_Tab);
        QCOMPARE(meldungen(), QStringList{"Eingabefehler" + eingabefehlerText("Typen unverträglich",
            "Vergleichsanlage größer als geplante Anlage - Werte werden auf 0 gesetzt")});
        QCOMPARE(werte(), QStringList(5, "0"));
        QVERIFY(w->Frame1->isVisible() && !w->Text2->isVisible());
    }

    // The picture's table and the window give the same factor for every year.
    void bildUndRechnung()
    {
        for (const auto tabelle : {preisindizes::klaeranlagen, preisindizes::ortskanal}) {
            klicke(w->cmdIK);
            waehle(tabelle.data() == preisindizes::klaeranlagen.data(), true);
            for (const preisindizes::Zeile& z : preisindizes::zeilen(tabelle)) {
                klicke(w->cmdIK);
                ersetze(w->txtAusschreibungsjahr, z.jahr);
                ersetze(w->txtIkAusschreibung, QStringLiteral("1"));
                QCOMPARE(w->lblFaktor2003->text(), z.faktor + u' ');
            }
        }
        QCOMPARE(preisindizes::zeilen(preisindizes::ortskanal).size() + preisindizes::zeilen(preisindizes::klaeranlagen).size(), 35);
        QCOMPARE(umgebung->meldungen.boxen.size(), 0);
        klicke(w->Command1);
        QVERIFY(fenster::offen<frmIndexInfo>());
    }
};

QTEST_MAIN(TestIndex)
#include "tst_frmIndex.moc"
