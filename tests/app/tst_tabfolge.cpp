// Opens every window of the table by its name, as many as there are when the
// test runs, and works it by keyboard: Tab and Shift+Tab go round and come
// back to where they started, no box keeps the focus, and moving the focus
// alone changes nothing the window shows. Every control a user works is named
// for a screen reader and reached by Tab; Enter presses a focused button.
#include "fenster.h"
#include "hauptfenster.h"
#include "testhilfe.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

namespace {

QWidget* oeffne(const QString& name)
{
    QWidget* w = fenster::zeige(name);
    return w && w->objectName() == name && QTest::qWaitForWindowActive(w) ? w : nullptr;
}

// The controls of the window itself, not the parts of a control (the scroll
// bars of a text box, the headers of a table).
QList<QWidget*> steuerelemente(QWidget* w)
{
    QList<QWidget*> s;
    for (QWidget* k : w->findChildren<QWidget*>()) {
        bool teil = false;
        for (QWidget* p = k->parentWidget(); p && p != w; p = p->parentWidget())
            teil = teil || qobject_cast<QAbstractScrollArea*>(p);
        if (!teil)
            s << k;
    }
    return s;
}

// Tab reaches an option button, or the one of its group that Tab goes to
// (the arrow keys choose within the group).
bool perTab(const QWidget* k)
{
    const auto* o = qobject_cast<const QRadioButton*>(k);
    if (!o || !o->autoExclusive())
        return k->focusPolicy() & Qt::TabFocus;
    for (const QRadioButton* g : k->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (g->autoExclusive() && (g->focusPolicy() & Qt::TabFocus))
            return true;
    return false;
}

// What the window shows: every text, choice and position.
QStringList inhalt(QWidget* w)
{
    QStringList t;
    for (QWidget* k : steuerelemente(w)) {
        QString s;
        if (auto* e = qobject_cast<QLineEdit*>(k))
            s = e->text();
        else if (auto* l = qobject_cast<QLabel*>(k))
            s = l->text();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(k))
            s = p->toPlainText();
        else if (auto* x = qobject_cast<QTextEdit*>(k))
            s = x->toPlainText();
        else if (auto* b = qobject_cast<QAbstractButton*>(k))
            s = b->isChecked() ? QStringLiteral("an") : QStringLiteral("aus");
        else if (auto* r = qobject_cast<QAbstractSlider*>(k))
            s = QString::number(r->value());
        else if (auto* l = qobject_cast<QListWidget*>(k))
            for (const QListWidgetItem* e : l->selectedItems())
                s += e->text() + u';';
        else
            continue;
        t << k->objectName() + u'=' + s;
    }
    return t;
}

// Once round by Tab (or Shift+Tab), pressed where the focus is; released
// where it went, or not at all, so that only the focus moves.
void rundum(QWidget* w, bool vor, bool loslassen)
{
    const auto erreichbar = [w] { // the controls Tab can reach now; a key release may reveal more
        int n = 0;
        for (QWidget* k : w->findChildren<QWidget*>())
            n += k->isVisibleTo(w) && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus);
        return n;
    };
    QWidget *const start = QApplication::focusWidget(), *jetzt = start;
    for (qsizetype schritt = 0, alle = w->findChildren<QWidget*>().size();
         jetzt && schritt < alle && (schritt == 0 || jetzt != start); ++schritt) {
        QKeyEvent druck(QEvent::KeyPress, vor ? Qt::Key_Tab : Qt::Key_Backtab, vor ? Qt::NoModifier : Qt::ShiftModifier,
                        vor ? QStringLiteral("\t") : QString());
        QApplication::sendEvent(jetzt, &druck);
        QWidget* neu = QApplication::focusWidget();
        QVERIFY2(neu && w->isAncestorOf(neu) && (neu != jetzt || erreichbar() == 1),
                 qPrintable(jetzt->objectName() + " -> " + (neu ? neu->objectName() : "niemand")));
        if (loslassen)
            QTest::keyRelease(neu, Qt::Key_Tab);
        jetzt = QApplication::focusWidget();
    }
    QVERIFY2(jetzt == start && (start || erreichbar() == 0), "der Fokus kommt nicht zurück");
}

} // namespace

class TestTabfolge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        delete neuesHauptfenster(); // registers the window table
    }
    void fenster_data()
    {
        QTest::addColumn<QString>("fenstername");
        for (const QString& n : fenster::namen())
            QTest::newRow(qPrintable(n)) << n;
    }

    // Round both ways by the focus alone, then as a user tabs, the key let
    // go in the box it went to (what the boxes answer to it is recorded).
    void rundum_data() { fenster_data(); }
    void rundum()
    {
        QFETCH(QString, fenstername);
        Testumgebung umgebung;
        QWidget* w = oeffne(fenstername);
        QVERIFY(w);
        const QStringList vorher = inhalt(w);
        for (const bool vor : {true, false}) {
            ::rundum(w, vor, false);
            if (QTest::currentTestFailed())
                return alleSchliessen();
        }
        QCoreApplication::processEvents();
        QCOMPARE(inhalt(w), vorher);
        ::rundum(w, true, true);
        alleSchliessen();
    }

    // Every box, button, list and scroll bar in sight has a name for a
    // screen reader (a button's caption) and is reached by Tab; a label that
    // shows a text carries no name that would hide it, a picture is told.
    void zugaenglich_data() { fenster_data(); }
    void zugaenglich()
    {
        QFETCH(QString, fenstername);
        Testumgebung umgebung;
        QWidget* w = oeffne(fenstername);
        QVERIFY(w);
        QStringList fehler;
        for (QWidget* k : steuerelemente(w)) {
            if (!k->isVisibleTo(w))
                continue;
            const QString name = k->objectName();
            if (qobject_cast<QLineEdit*>(k) || qobject_cast<QAbstractButton*>(k) || qobject_cast<QAbstractSlider*>(k)
                || qobject_cast<QAbstractItemView*>(k) || qobject_cast<QPlainTextEdit*>(k)
                || qobject_cast<QTextEdit*>(k)) {
                const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(k);
                if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                    fehler << name + " ohne Namen";
                if (!perTab(k))
                    fehler << name + " ohne Tab";
            }
            auto* l = qobject_cast<QLabel*>(k);
            if (l && !l->text().isEmpty() && !l->accessibleName().isEmpty())
                fehler << name + " verdeckt seinen Text";
            if (l && !l->pixmap().isNull() && l->accessibleName().isEmpty() && l->accessibleDescription().isEmpty())
                fehler << name + " Bild ohne Beschreibung";
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(", ")));
        alleSchliessen();
    }

    // Enter and keypad Enter on a focused button do what a click does;
    // Enter in a text box presses nothing.
    void enter_data()
    {
        QTest::addColumn<QString>("fenstername");
        QTest::addColumn<QString>("steuerelement");
        QTest::addColumn<int>("taste");
        QTest::newRow("Regenspende") << "frmRegenspende"
                                     << "Command1" << int(Qt::Key_Return);
        QTest::newRow("Kleinkläranlagen") << "frmJKKKA"
                                          << "Command1" << int(Qt::Key_Return);
        QTest::newRow("Kleinkläranlagen, Ziffernblock") << "frmJKKKA"
                                                        << "Command1" << int(Qt::Key_Enter);
        QTest::newRow("große Kläranlage, Beispiel") << "frmgroseKA"
                                                    << "Beispiel" << int(Qt::Key_Return);
        QTest::newRow("Kleinkläranlagen, Textfeld") << "frmJKKKA"
                                                    << "txtE" << int(Qt::Key_Return);
    }
    void enter()
    {
        QFETCH(QString, fenstername);
        QFETCH(QString, steuerelement);
        QFETCH(int, taste);
        const auto stand = [&](bool klick) {
            Testumgebung umgebung;
            QWidget* w = oeffne(fenstername);
            QWidget* k = w ? kind<QWidget>(w, qPrintable(steuerelement)) : nullptr;
            if (!k)
                return QStringList();
            k->setFocus(Qt::TabFocusReason);
            if (klick)
                klicke(static_cast<QAbstractButton*>(k));
            else
                QTest::keyClick(k, Qt::Key(taste), taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QStringList s = inhalt(w);
            for (const Box& b : umgebung.meldungen.boxen)
                s << b.titel + u':' + b.text;
            alleSchliessen();
            return s;
        };
        const QStringList enter = stand(false);
        Testumgebung umgebung;
        QWidget* w = oeffne(fenstername);
        QVERIFY(w);
        const QStringList geoeffnet = inhalt(w);
        const bool knopf = qobject_cast<QAbstractButton*>(kind<QWidget>(w, qPrintable(steuerelement)));
        alleSchliessen();
        if (!knopf)
            QCOMPARE(enter, geoeffnet);
        else
            QVERIFY(enter != geoeffnet && enter == stand(true));
    }
};

QTEST_MAIN(TestTabfolge)
#include "tst_tabfolge.moc"
