// The look layer keeps a control's font and own colours through every switch
// (the warning colours themselves are checked on the windows that use them).
#include "aussehen.h"
#include "farben.h"
#include "testhilfe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Schritt = void (*)(QWidget*);
Q_DECLARE_METATYPE(Schritt)

class TestAussehen : public QObject {
    Q_OBJECT

private slots:
    // Whatever is switched while the window is open, a control keeps the
    // font it takes from its window and a colour given to it in code.
    void umschaltenBehaeltSchriftUndFarbe_data()
    {
        QTest::addColumn<Schritt>("schritt");
        QTest::newRow("warnung an") << Schritt([](QWidget* w) { aussehen::warnung(w, true); });
        QTest::newRow("rosa an, aus") << Schritt([](QWidget* w) { aussehen::rosa(w, true), aussehen::rosa(w, false); });
        QTest::newRow("rolle") << Schritt([](QWidget* w) { aussehen::setzeRolle(w, "rot"); });
        QTest::newRow("stil") << Schritt([](QWidget* w) { aussehen::eigenerStil(w, "QLabel { color: blue; }"); });
    }
    void umschaltenBehaeltSchriftUndFarbe()
    {
        QFETCH(Schritt, schritt);
        Testumgebung umgebung;
        QWidget fenster;
        fenster.setFont(QFont(fenster.font().family(), 17));
        auto* l = new QLabel(QStringLiteral("x"), &fenster);
        fenster.show();
        aussehen::farbe(l, QPalette::Window, QColor(10, 20, 30));
        schritt(l);
        QCOMPARE(l->font().pointSize(), 17);
        QCOMPARE(l->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    // The style sheet takes each design colour from the table: a name the
    // table lacks would silently drop its rule.
    void rolleNimmtFarbeAusTabelle_data()
    {
        QTest::addColumn<QString>("rolle");
        QTest::addColumn<bool>("warnung");
        QTest::addColumn<int>("palettenrolle");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("eingabe") << "eingabe" << false << int(QPalette::Base) << farben::hellgelb;
        QTest::newRow("blau") << "ergebnis blau" << false << int(QPalette::Text) << farben::blau;
        QTest::newRow("dunkelblau") << "dunkelblau" << false << int(QPalette::Text) << farben::dunkelblau;
        QTest::newRow("grund-grau") << "ergebnis grund-grau" << false << int(QPalette::Base) << farben::grau;
        QTest::newRow("warnung auf blau") << "ergebnis blau" << true << int(QPalette::Text) << farben::rot;
    }
    void rolleNimmtFarbeAusTabelle()
    {
        QFETCH(QString, rolle);
        QFETCH(bool, warnung);
        QFETCH(int, palettenrolle);
        QFETCH(QColor, farbe);
        Testumgebung umgebung;
        QVERIFY(!aussehen::stilblatt().contains(QLatin1Char('@')));
        QWidget fenster;
        auto* b = new QLineEdit(&fenster);
        aussehen::setzeRolle(b, rolle.toLatin1().constData());
        fenster.show();
        if (warnung)
            aussehen::warnung(b, true);
        QCOMPARE(b->palette().color(QPalette::ColorRole(palettenrolle)), farbe);
    }

    // Without a role the pink lies in the palette, and off the control has
    // its own background again.
    void rosaOhneRolle()
    {
        Testumgebung umgebung;
        QWidget fenster;
        auto* l = new QLabel(&fenster);
        const QColor gelb = QApplication::palette().color(QPalette::ToolTipBase);
        aussehen::farbe(l, QPalette::Window, gelb);
        fenster.show();
        aussehen::rosa(l, true);
        QCOMPARE(l->palette().color(QPalette::Window), farben::rosa);
        aussehen::rosa(l, false);
        QCOMPARE(l->palette().color(QPalette::Window), gelb);
    }
};

QTEST_MAIN(TestAussehen)
#include "tst_aussehen.moc"
