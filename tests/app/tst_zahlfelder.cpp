// Every window of the table, as many as there are when the test runs: each
// result field and each number box, given the widest realistic number texts,
// shows them whole, and given an absurd one shows the mark; no field is cut by
// the frame or window around it, and no window is squeezed below what its
// layout needs. Run once at scale 1 and once at scale 2 (CTest).
#include "fenster.h"
#include "hauptfenster.h"
#include "testhilfe.h"
#include "zahlen.h"
#include "zahlfeld.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>

namespace {

// Shown, and not wholly in the part of the window's area that the window
// reveals later (a lower panel, a column beyond its right edge).
bool imBild(const QWidget* f)
{
    return f->isVisible() && QRect(f->mapTo(f->window(), QPoint(0, 0)), f->size()).intersects(f->window()->rect());
}

QString text(const QWidget* f)
{
    return f->property("text").toString();
}

QString gequetscht(const QWidget* w)
{
    const QSize min = w->minimumSizeHint();
    if (w->width() < min.width() || w->height() < min.height())
        return QStringLiteral("Fenster %1×%2 statt mindestens %3×%4")
            .arg(w->width())
            .arg(w->height())
            .arg(min.width())
            .arg(min.height());
    return {};
}

} // namespace

class TestZahlfelder : public QObject {
    Q_OBJECT

private slots:
    void ganz_data()
    {
        delete neuesHauptfenster(); // registers the window table
        QTest::addColumn<QString>("fenstername");
        for (const QString& n : fenster::namen())
            QTest::newRow(qPrintable(n)) << n;
    }
    void ganz()
    {
        QFETCH(QString, fenstername);
        // Fifteen digits with grouping and decimals, far beyond any plant,
        // and the longest form of the plain number text.
        const QStringList realistisch{format(-123456789012.345, QStringLiteral("##,##0.000 ")),
                                      QStringLiteral("-1,4136482739957E-07"),
                                      format(99999.9, QStringLiteral("##,##0.0 Mio € "))};
        const QString absurd = format(1e100, QStringLiteral("##,##0.0"));
        Testumgebung umgebung;
        QWidget* w = fenster::zeige(fenstername);
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        // A window that shows part of its area reveals all of it, as it does
        // on a mouse move or a choice.
        if (!w->layout())
            w->resize(w->size().expandedTo(QSize(w->childrenRect().right() + 1, w->childrenRect().bottom() + 1)));

        // Each page of a tab control in turn; a field is checked once.
        QList<QTabWidget*> reiter = w->findChildren<QTabWidget*>();
        QList<QPair<QTabWidget*, int>> seiten{{nullptr, 0}};
        for (QTabWidget* t : reiter)
            for (int i = 0; i < t->count(); ++i)
                seiten.append({t, i});
        QSet<QWidget*> geprueft;
        int felder = 0;
        for (const auto& [t, i] : seiten) {
            if (t)
                t->setCurrentIndex(i);
            ruhe();
            for (QWidget* f : w->findChildren<QWidget*>()) {
                if (geprueft.contains(f) || !zahlfeld::istZahlFeld(f) || !imBild(f))
                    continue;
                geprueft.insert(f);
                const QString vorher = text(f);
                const QByteArray name = f->objectName().toUtf8();
                for (const QString& z : realistisch) {
                    f->setProperty("text", z);
                    if (QWidget* fokus = QApplication::focusWidget())
                        fokus->clearFocus();
                    ruhe();
                    if (!imBild(f) || text(f) != z)
                        continue; // the window answered with a text of its own
                    ++felder;
                    const QString fehler = nichtGanz(f) + gequetscht(w);
                    QVERIFY2(fehler.isEmpty(), qPrintable(name + " " + z + ": " + fehler));
                    QVERIFY2(!zahlfeld::markiert(f), qPrintable(name + " " + z));
                }
                f->setProperty("text", absurd);
                if (QWidget* fokus = QApplication::focusWidget())
                    fokus->clearFocus();
                ruhe();
                if (imBild(f) && text(f) == absurd) {
                    f->repaint();
                    QVERIFY2(zahlfeld::markiert(f), name.constData());
                    QVERIFY2(f->toolTip() == absurd, name.constData());
                    QVERIFY2(f->accessibleDescription().endsWith(absurd), name.constData());
                    const QString fehler = gequetscht(w);
                    QVERIFY2(fehler.isEmpty(), qPrintable(name + ": " + fehler));
                }
                f->setProperty("text", vorher);
                ruhe();
            }
        }
        qInfo("%d Felder", felder);
        alleSchliessen();
    }
};

QTEST_MAIN(TestZahlfelder)
#include "tst_zahlfelder.moc"
