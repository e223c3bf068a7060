// Mouse moves over a control reach its handler, also over the text area of
// a multi-line box, and a runtime error in the handler never escapes.
#include "laufzeitfehler.h"
#include "mausereignis.h"
#include "testhilfe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

class TestMausereignis : public QObject {
    Q_OBJECT

private slots:
    void bewegung_data()
    {
        QTest::addColumn<bool>("textfeld");
        QTest::newRow("label") << false;
        QTest::newRow("mehrzeiliges textfeld") << true;
    }
    void bewegung()
    {
        QFETCH(bool, textfeld);
        Testumgebung umgebung;
        QWidget fenster;
        QWidget* w = textfeld ? static_cast<QWidget*>(new QPlainTextEdit(&fenster))
                              : static_cast<QWidget*>(new QLabel(QStringLiteral("x"), &fenster));
        w->resize(100, 60);
        fenster.resize(200, 100);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        int bewegt = 0;
        ereignis::mouseMove(w, [&] { ++bewegt; });
        QWidget* flaeche = textfeld ? static_cast<QPlainTextEdit*>(w)->viewport() : w;
        // No button held: tracking must be on for the move to arrive.
        QVERIFY(flaeche->hasMouseTracking());
        QTest::mouseMove(flaeche, QPoint(10, 10));
        QTest::mouseMove(flaeche, QPoint(20, 15));
        QCOMPARE(bewegt, 2);
        QCOMPARE(umgebung.meldungen.boxen.size(), 0);
    }

    void fehlerEntkommtNicht()
    {
        Testumgebung umgebung;
        QLabel l(QStringLiteral("x"));
        l.resize(100, 40);
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        ereignis::mouseMove(&l, [] { throw Laufzeitfehler(Fehler::Typen); });
        QTest::mouseMove(&l, QPoint(5, 5));
        QCOMPARE(umgebung.meldungen.boxen.size(), 1);
        QCOMPARE(umgebung.meldungen.boxen[0].text, QStringLiteral("Typen unverträglich\r\n"));
    }
};

QTEST_MAIN(TestMausereignis)
#include "tst_mausereignis.moc"
