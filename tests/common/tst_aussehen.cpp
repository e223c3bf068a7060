// The look layer: roles from the style sheet, and the warning states on top.
#include "aussehen.h"
#include "testhilfe.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using Schritt = void (*)(QWidget*);
Q_DECLARE_METATYPE(Schritt)

class TestAussehen : public QObject {
    Q_OBJECT

    static QColor system(QPalette::ColorRole rolle) { return QApplication::palette().color(rolle); }

private slots:
    void rollenUndWarnungen()
    {
        Testumgebung umgebung;
        QWidget fenster;
        auto* ergebnis = new QLabel(&fenster);
        ergebnis->setProperty("rolle", QStringLiteral("ergebnis"));
        fenster.show();
        QCOMPARE(ergebnis->palette().color(QPalette::Window), system(QPalette::Base));

        aussehen::warnung(ergebnis, true);
        aussehen::rosa(ergebnis, true);
        QCOMPARE(ergebnis->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(ergebnis->palette().color(QPalette::Window), QColor(255, 192, 192));
        // Taken back: the button-text colour and the role's background.
        aussehen::warnung(ergebnis, false);
        aussehen::rosa(ergebnis, false);
        QCOMPARE(ergebnis->palette().color(QPalette::WindowText), system(QPalette::ButtonText));
        QCOMPARE(ergebnis->palette().color(QPalette::Window), system(QPalette::Base));
    }

    // Whatever is switched while the window is open, a control keeps the
    // font it takes from its window and a colour given to it in code.
    void umschaltenBehaeltSchriftUndFarbe_data()
    {
        QTest::addColumn<Schritt>("schritt");
        QTest::newRow("warnung an") << Schritt([](QWidget* w) { aussehen::warnung(w, true); });
        QTest::newRow("rosa an und aus") << Schritt([](QWidget* w) {
            aussehen::rosa(w, true);
            aussehen::rosa(w, false);
        });
        QTest::newRow("rolle") << Schritt([](QWidget* w) { aussehen::setzeRolle(w, "rot"); });
        QTest::newRow("eigener stil") << Schritt(
            [](QWidget* w) { aussehen::eigenerStil(w, QStringLiteral("QLabel { color: rgb(0, 0, 255); }")); });
    }
    void umschaltenBehaeltSchriftUndFarbe()
    {
        QFETCH(Schritt, schritt);
        Testumgebung umgebung;
        QWidget fenster;
        fenster.setFont(QFont(fenster.font().family(), 17));
        auto* l = new QLabel(QStringLiteral("x"), &fenster);
        fenster.show();
        const QColor eigen(10, 20, 30);
        aussehen::farbe(l, QPalette::Window, eigen);
        schritt(l);
        QCOMPARE(l->font().pointSize(), 17);
        QCOMPARE(l->palette().color(QPalette::Window), eigen);
    }

    // Without a role the pink lies in the palette, and off the control has
    // its own background again.
    void rosaOhneRolle()
    {
        Testumgebung umgebung;
        QWidget fenster;
        auto* l = new QLabel(&fenster);
        const QColor gelb = system(QPalette::ToolTipBase);
        aussehen::farbe(l, QPalette::Window, gelb);
        fenster.show();
        aussehen::rosa(l, true);
        QCOMPARE(l->palette().color(QPalette::Window), QColor(255, 192, 192));
        aussehen::rosa(l, false);
        QCOMPARE(l->palette().color(QPalette::Window), gelb);
    }
};

QTEST_MAIN(TestAussehen)
#include "tst_aussehen.moc"
