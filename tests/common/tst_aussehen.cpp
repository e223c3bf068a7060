// The look layer: roles from the style sheet, and the warning states on top.
#include "aussehen.h"
#include "testhilfe.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

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
};

QTEST_MAIN(TestAussehen)
#include "tst_aussehen.moc"
