// The sludge data source and the four pages of the standard sludge table it
// opens (the pages are reached only from here), and the menu item that opens
// the data source.
#include "fenster.h"
#include "fenstertest.h"
#include "fensterliste.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {
const QStringList seiten{"frmSchlammA", "frmSchlammB", "frmSchlammC", "frmSchlammD"};
const QString hinweis = QStringLiteral("Mit der Option werden nur Daten in die Felder \"g/Ed\"und \"%TS\" übertragen. "
                                       "Für die Berechnung ist eine Aktualisierung durch Dateneingabe erforderlich!");
} // namespace

class TestSchlammStart : public Fenstertest {
    Q_OBJECT

    QWidget* start = nullptr;

    QStringList offeneSeiten() const
    {
        QStringList s;
        for (const QString& n : seiten)
            if (fenster::offen(n))
                s << n;
        return s;
    }

    // Population, g/Ed, % TS, days and the dry mass per hour of the sludge
    // quantity window.
    static QStringList schlamm()
    {
        QWidget* s = fenster::offen(QStringLiteral("frmSchlamm"));
        if (!s)
            return {};
        return {kind<QLineEdit>(s, "txtEW")->text(), kind<QLineEdit>(s, "txtgEd")->text(),
                kind<QLineEdit>(s, "txtTS")->text(), kind<QLineEdit>(s, "txtda")->text(),
                kind<QLabel>(s, "lblTMkgh")->text()};
    }

    // The sludge quantity window with typed values and results.
    static void schlammMitWerten()
    {
        QWidget* s = fenster::zeige(QStringLiteral("frmSchlamm"));
        tippe(kind<QLineEdit>(s, "txtEW"), QStringLiteral("2"));
        QCOMPARE(schlamm(), (QStringList{"12", "50", "2,5", "365", "25,0"}));
    }

    QRadioButton* option(QWidget* w, const QString& name) { return kind<QRadioButton>(w, name.toUtf8().constData()); }

    // The page, opened as the user does: through the data source.
    QWidget* oeffneSeite(const QString& seite)
    {
        klicke(option(start, QStringLiteral("Option%1").arg(seiten.indexOf(seite) + 1)));
        return fenster::offen(seite);
    }

public:
    TestSchlammStart() { ohneMeldungen = true; }

private:
    void vorbereiten() override
    {
        start = fenster::zeige(QStringLiteral("frmSchlammStart"));
        QVERIFY(start);
    }

private slots:
    void initTestCase() { registriereFenster(); }

    void designzustand()
    {
        QCOMPARE(start->windowTitle(), QStringLiteral("Datenherkunft"));
        QCOMPARE(kind<QGroupBox>(start, "Frame1")->title(), QStringLiteral("Wahl"));
        QCOMPARE(kind<QLabel>(start, "Label1")->text(), QStringLiteral("Schlammengen nach Imhoff"));
        const QStringList beschriftungen{"A. Absetzanlagen mit Faulraum", "B. Tropfkörper mit Faulraum",
                                         "C. Belebungsanlagen mit Faulraum oder aerober Schlammstabilisierung",
                                         "D. Chemische Fällung und Flockung", "Berechnung mit eigenen Werten"};
        for (int k = 0; k < 5; ++k) {
            QRadioButton* o = option(start, QStringLiteral("Option%1").arg(k + 1));
            QCOMPARE(o->text(), beschriftungen[k]);
            QVERIFY(!o->isChecked());
        }
        // The citation: four lines, the handbook in the middle, a line break
        // at the end.
        auto* text1 = kind<QPlainTextEdit>(start, "Text1");
        QVERIFY(text1->isReadOnly());
        const QStringList zeilen = text1->toPlainText().split(u'\n');
        QCOMPARE(zeilen.size(), 5);
        QCOMPARE(zeilen[0], QStringLiteral("Datenquelle:"));
        QVERIFY(!zeilen[1].isEmpty() && !zeilen[2].isEmpty());
        QCOMPARE(zeilen[3], QStringLiteral("27. Auflage , 1990, Seite 242-243"));
        QCOMPARE(zeilen[4], QString());
        QCOMPARE(offeneSeiten(), QStringList());
        QVERIFY(!fenster::offen(QStringLiteral("frmSchlamm")));
    }

    // A page choice opens its page, closes the other three and leaves the
    // sludge quantity window alone; the data source stays.
    void seitenwahl_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("titel");
        QTest::newRow("A") << "frmSchlammA"
                           << "A. Absetzanlagen mit Faulraum";
        QTest::newRow("B") << "frmSchlammB"
                           << "B. Tropfkörper mit Faulraum";
        QTest::newRow("C") << "frmSchlammC"
                           << "C.Belebungsanlage mit Faulraum oder aerober Schlammstabilisierung";
        QTest::newRow("D") << "frmSchlammD"
                           << "D. Chemische Fällung und Flockung";
    }
    void seitenwahl()
    {
        QFETCH(QString, seite);
        QFETCH(QString, titel);
        schlammMitWerten();
        for (const QString& andere : seiten)
            if (andere != seite)
                fenster::zeige(andere);
        QWidget* w = oeffneSeite(seite);
        QVERIFY(w);
        QCOMPARE(offeneSeiten(), QStringList{seite});
        QCOMPARE(w->windowTitle(), titel);
        QVERIFY(w->isVisible());
        QCOMPARE(kind<QLabel>(w, "Label1")->text(), hinweis);
        QCOMPARE(kind<QGroupBox>(w, "Frame1")->title(), QString());
        // Opening a page selects no row.
        for (auto* o : w->findChildren<QRadioButton*>())
            QVERIFY(!o->isChecked());
        QCOMPARE(schlamm(), (QStringList{"12", "50", "2,5", "365", "25,0"}));
        QVERIFY(fenster::offen(QStringLiteral("frmSchlammStart")));
        // Chosen again: the open page keeps its state.
        klicke(option(w, QStringLiteral("OA1")));
        oeffneSeite(seite);
        QCOMPARE(fenster::offen(seite), w);
        QVERIFY(option(w, QStringLiteral("OA1"))->isChecked());
    }

    // Own values: the sludge quantity window with its current values, every
    // page closed.
    void eigeneWerte()
    {
        schlammMitWerten();
        for (const QString& s : seiten)
            fenster::zeige(s);
        klicke(option(start, QStringLiteral("Option5")));
        QCOMPARE(offeneSeiten(), QStringList());
        QCOMPARE(schlamm(), (QStringList{"12", "50", "2,5", "365", "25,0"}));
        QTRY_COMPARE(QApplication::activeWindow(), fenster::offen(QStringLiteral("frmSchlamm")));
        QVERIFY(fenster::offen(QStringLiteral("frmSchlammStart")));
        // From closed: the design values.
        fenster::schliesse(QStringLiteral("frmSchlamm"));
        klicke(option(start, QStringLiteral("Option5")));
        QCOMPARE(schlamm(), (QStringList{"1", "50", "2,5", "365", ""}));
    }

    // Every row of the table: its caption and the two texts it writes.
    void zeilen_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("gEd");
        QTest::addColumn<QString>("ts");
        const struct {
            const char *seite, *zeile, *beschriftung, *gEd, *ts;
        } tabelle[] = {
            {"A", "OA1", "1. roher, unter Wasser abgepumpter Schlamm aus Trichterbecken", "45", "2,5"},
            {"A", "OA2", "2. wie vor, eingedickt", "45", "5"},
            {"A", "OA3", "3. ausgefaulter Schlamm, eingedickt", "30", "10"},
            {"A", "OA4", "4. ausgefaulter Schlamm, entwässert", "30", "30"},
            {"B", "OA1", "5.Schlamm der Nachbecken", "25", "4"},
            {"B", "OA2", "6. roher, gemischter Schlamm aus Vor- und Nachbecken, eingedickt", "70", "4,7"},
            {"B", "OA3", "7. ausgefaulter, gemischter Schlamm, naß", "45", "3"},
            {"B", "OA4", "8. ausgefaulter Schlamm, entwässert", "45", "28"},
            {"C", "OA1", "9. roher, gepumpter Überschußschlamm", "35", "0,7"},
            {"C", "OA2", "10. roher gemischter Schlamm aus Vorbecken und Überschußschlamm, eingedickt", "80", "4"},
            {"C", "OA3", "11. ausgefaulter, gemischter  Schlamm, naß", "50", "2,5"},
            {"C", "OA4", "12. ausgefaulter gemischter Schlamm, entwässert", "50", "22"},
            {"C", "Option1", "13. aerob stabilisierter gemischter Schlamm, eingedickt", "50", "2,5"},
            {"C", "Option2", "wie vor, entwässert", "50", "20"},
            {"D", "OA1", "15. Vorfällung, roher Schlamm der Vorklärbecken, eingedickt", "65", "4"},
            {"D", "OA2", "16. Schlamm der Vorfällung, ausgefault und eingedickt", "45", "5"},
            {"D", "Option1",
             "17. Simultanfällung (beim Belebungsverfahren) roher Schlamm aus Vor- und Nachklärbecken, eingedickt",
             "90", "40"},
            {"D", "Option2", "18. Gemischter Schlamm aus der Simultanfällung, ausgefault und eingedickt", "60", "3"},
            {"D", "Option3", "19. Nachfällung, roher Schlamm aus der Tertiärstufe, eingedickt", "15", "1,5"},
        };
        for (const auto& z : tabelle)
            QTest::addRow("%s %s", z.seite, z.zeile) << QStringLiteral("frmSchlamm%1").arg(QLatin1String(z.seite))
                                                     << z.zeile << QString::fromUtf8(z.beschriftung) << z.gEd << z.ts;
    }
    void zeilen()
    {
        QFETCH(QString, seite);
        QFETCH(QString, zeile);
        QFETCH(QString, beschriftung);
        QFETCH(QString, gEd);
        QFETCH(QString, ts);
        QWidget* w = oeffneSeite(seite);
        QVERIFY(w);
        QRadioButton* o = option(w, zeile);
        QCOMPARE(o->text(), beschriftung);
        // The sludge quantity window is closed: it opens with its design
        // values, the two written, and nothing computed.
        klicke(o);
        QVERIFY(o->isChecked());
        QCOMPARE(schlamm(), (QStringList{"1", gEd, ts, "365", ""}));
        // Page A comes back in front, the other pages leave the sludge
        // quantity window there.
        QWidget* vorn = seite == "frmSchlammA" ? w : fenster::offen(QStringLiteral("frmSchlamm"));
        QTRY_COMPARE(QApplication::activeWindow(), vorn);
        // Open with typed values and results: only the two boxes change.
        fenster::schliesse(QStringLiteral("frmSchlamm"));
        schlammMitWerten();
        w->activateWindow();
        klicke(o);
        QCOMPARE(schlamm(), (QStringList{"12", gEd, ts, "365", "25,0"}));
        vorn = seite == "frmSchlammA" ? w : fenster::offen(QStringLiteral("frmSchlamm"));
        QTRY_COMPARE(QApplication::activeWindow(), vorn);
        // The selected row clicked again writes again.
        QWidget* s = fenster::offen(QStringLiteral("frmSchlamm"));
        ersetze(kind<QLineEdit>(s, "txtgEd"), QStringLiteral("1"));
        kind<QLineEdit>(s, "txtTS")->setText(QStringLiteral("1"));
        klicke(o);
        QCOMPARE(schlamm().mid(1, 2), (QStringList{gEd, ts}));
        QCOMPARE(offeneSeiten(), QStringList{seite});
    }

    // "Schlammengen nach Imhoff" closes only the sludge quantity window; an
    // open page and other windows stay.
    void menue()
    {
        QMainWindow* haupt = neuesHauptfenster();
        haupt->show();
        QWidget* a = oeffneSeite(QStringLiteral("frmSchlammA"));
        schlammMitWerten();
        QWidget* gesucht = fenster::zeige(QStringLiteral("frmGefaelle_gesucht"));
        klicke(option(start, QStringLiteral("Option5"))); // the pages close
        a = oeffneSeite(QStringLiteral("frmSchlammA"));
        start->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        haupt->findChild<QAction*>(QStringLiteral("Schlamm2"))->trigger();
        QVERIFY(!fenster::offen(QStringLiteral("frmSchlamm")));
        QCOMPARE(fenster::offen(QStringLiteral("frmSchlammA")), a);
        QCOMPARE(fenster::offen(QStringLiteral("frmGefaelle_gesucht")), gesucht);
        start = fenster::offen(QStringLiteral("frmSchlammStart"));
        QVERIFY(start && start->isVisible());
        for (auto* o : start->findChildren<QRadioButton*>())
            QVERIFY(!o->isChecked());
        // A row now brings the sludge quantity window back with its design
        // values.
        klicke(option(a, QStringLiteral("OA4")));
        QCOMPARE(schlamm(), (QStringList{"1", "30", "30", "365", ""}));

        // "Schlammengen nach eigenen Daten" runs the close rule: pages and
        // data source close, the sludge quantity window comes up fresh.
        haupt->findChild<QAction*>(QStringLiteral("Schlamm1"))->trigger();
        QCOMPARE(offeneSeiten(), QStringList());
        QVERIFY(!fenster::offen(QStringLiteral("frmSchlammStart")));
        QCOMPARE(schlamm(), (QStringList{"1", "50", "2,5", "365", ""}));
    }
};

QTEST_MAIN(TestSchlammStart)
#include "tst_frmSchlammStart.moc"
