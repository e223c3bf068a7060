#pragma once

// Drives a window by steps written as text, as a user works it, and reads its
// controls and message boxes back as text: a test row is a line of steps and
// a line of expected texts.
#include "fenster.h"
#include "laufzeitfehler.h"
#include "testhilfe.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>
#include <utility>

// The control "name" of the window, or "frmX/name" the control of the open
// window frmX.
inline QWidget* steuerelement(QWidget* w, const QString& name)
{
    if (name.contains(u'/'))
        return steuerelement(fenster::offen(name.section(u'/', 0, 0)), name.section(u'/', 1));
    return kind<QWidget>(w, name.toUtf8().constData());
}

// "Technik>Hydraulik>Thomsen": the item of the window's menu bar with these
// captions chosen; a submenu at the end is opened and closed.
inline void waehle(QWidget* w, const QString& pfad)
{
    auto* leiste = w ? w->findChild<QMenuBar*>() : nullptr;
    QVERIFY2(leiste, qPrintable(pfad));
    QList<QAction*> aktionen = leiste->actions();
    QAction* a = nullptr;
    for (const QString& text : pfad.split(u'>')) {
        if (a)
            aktionen = a->menu() ? a->menu()->actions() : QList<QAction*>{};
        const auto treffer =
            std::find_if(aktionen.begin(), aktionen.end(), [&](QAction* x) { return x->text() == text; });
        QVERIFY2(treffer != aktionen.end(), qPrintable(pfad));
        a = *treffer;
    }
    if (QMenu* m = a->menu()) {
        m->popup(QPoint(0, 0));
        m->close();
    } else {
        a->trigger();
    }
}

// The steps on whole windows: "#menü=Technik>Thomsen" that menu item chosen,
// "#zeige=frmX" the window opened by its name, as another window opens it,
// "#schliesse=frmX" closed by its close box, "#höhe=5000" the window made that
// high in twips.
inline void fensterschritt(QWidget* w, const QString& s)
{
    const QString art = s.section(u'=', 0, 0), wert = s.section(u'=', 1);
    if (art == u"#menü")
        waehle(w, wert);
    else if (art == u"#zeige")
        QVERIFY2(fenster::zeige(wert), qPrintable(s));
    else if (art == u"#schliesse")
        QVERIFY2(fenster::offen(wert) && fenster::offen(wert)->close(), qPrintable(s));
    else if (art == u"#höhe" && w)
        w->resize(w->width(), twips(wert.toInt()));
    else
        QFAIL(qPrintable(s));
}

// "box+text" typed at the end, "box<text" at the start, "box=text" typed over
// all ("box=" deletes it), "box:text" pasted without a key, "name~" a key
// released, "knopf!" clicked,
// "liste>text" that item clicked, "leiste>30" the scroll bar dragged there,
// "name~Return" or "name~Ctrl+C" those keys pressed and released ("name~Num+Enter" on the keypad),
// "name^" the mouse moved onto the control, just inside its corner,
// "name⇥" and "name⇤" Tab and Shift+Tab pressed there and released where the
// focus went; "~Right" a key pressed and released where the focus is;
// "frmX/name" a control of the open window frmX; "#..." as fensterschritt().
inline void ablauf(QWidget* w, const QStringList& schritte)
{
    for (const QString& s : schritte) {
        if (s.startsWith(u'#')) {
            fensterschritt(w, s);
            continue;
        }
        const qsizetype k = s.indexOf(QRegularExpression(QStringLiteral("[+<=:~!>^⇥⇤]")));
        QWidget* c = k == 0 ? QApplication::focusWidget() : steuerelement(w, s.left(k));
        const QChar art = s.at(k);
        if (art == u'⇥' || art == u'⇤') {
            QVERIFY(QTest::qWaitForWindowActive(c->window()));
            c->setFocus();
            const auto [taste, umschalt] =
                art == u'⇥' ? std::pair(Qt::Key_Tab, Qt::NoModifier) : std::pair(Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::keyPress(c, taste, umschalt);
            QTest::keyRelease(QApplication::focusWidget(), taste, umschalt);
            continue;
        }
        QVERIFY2(c, qPrintable(s));
        const QString text = s.mid(k + 1);
        auto* box = qobject_cast<QLineEdit*>(c);
        auto* liste = qobject_cast<QListWidget*>(c);
        if (box && (art == u'+' || art == u'<' || art == u'=')) {
            if (art == u'+')
                box->end(false);
            else if (art == u'<')
                box->home(false);
            else
                box->selectAll();
            text.isEmpty() ? QTest::keyClick(box, Qt::Key_Backspace) : tippe(box, text);
        } else if (box && art == u':') {
            box->setText(text);
        } else if (art == u'~') {
            text.isEmpty() ? QTest::keyClick(c, Qt::Key_End) : QTest::keySequence(c, QKeySequence(text));
        } else if (art == u'^') {
            QTest::mouseMove(c, QPoint(2, 2));
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(c)) {
            klicke(knopf);
        } else if (QListWidgetItem* e = liste ? liste->findItems(text, Qt::MatchExactly).value(0) : nullptr) {
            liste->scrollToItem(e);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(e).center());
        } else {
            QVERIFY2(qobject_cast<QScrollBar*>(c), qPrintable(s));
            static_cast<QScrollBar*>(c)->setValue(text.toInt());
        }
    }
}

// The reads of stand(), one for each kind of expected text.
namespace lesen {
// "#fokus": the name of the control that has the focus.
inline QString fokus()
{
    const QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

// "#offen": the names of the windows in sight, sorted, separated by ",".
inline QString offen()
{
    QStringList namen;
    for (const QWidget* x : QApplication::topLevelWidgets())
        if (x->windowType() == Qt::Window && x->isVisible())
            namen << x->objectName();
    namen.sort();
    return namen.join(u',');
}

// "#aktiv": the name of the active window.
inline QString aktiv()
{
    const QWidget* a = QApplication::activeWindow();
    return a ? a->objectName() : QString();
}

// "@name": whether the control is enabled ("an", "aus").
inline QString an(const QWidget* c)
{
    return QString::fromLatin1(c->isEnabled() ? "an" : "aus");
}

// "name.farbe": its text colour ("#ff0000").
inline QString farbe(const QWidget* c)
{
    return c->palette().color(c->foregroundRole()).name();
}

// "name.ganz": "ja" when its text is in sight whole, else what cuts it.
inline QString ganz(const QWidget* c)
{
    ruhe();
    const QString schnitt = nichtGanz(c);
    return schnitt.isEmpty() ? QStringLiteral("ja") : schnitt;
}

// "name.grund": the colour of its background as drawn.
inline QString grund(QWidget* c)
{
    return c->grab().toImage().pixelColor(4, c->height() / 2).name();
}

// "name.lage": its place and size in the window in twips ("x,y BxH").
inline QString lage(const QWidget* w, const QWidget* c)
{
    const QPoint ort = c->mapTo(w, QPoint(0, 0)) * 15;
    return QStringLiteral("%1,%2 %3x%4").arg(ort.x()).arg(ort.y()).arg(c->width() * 15).arg(c->height() * 15);
}

// "name.tabfolge": the names of the controls that Tab reaches, from this one
// round to it again, separated by blanks.
inline QString tabfolge(QWidget* c)
{
    QStringList namen;
    QWidget* x = c;
    do {
        if (x->focusPolicy() & Qt::TabFocus)
            namen << x->objectName();
        x = x->nextInFocusChain();
    } while (x != c);
    return namen.join(u' ');
}

// "name" its text, "name.visible" or any other property by its name ("true",
// "false"); "name.cursor" the number of the mouse pointer's shape.
inline QString eigenschaft(const QWidget* c, const QString& art)
{
    const QVariant wert = c->property(art.isEmpty() ? "text" : qPrintable(art));
    if (wert.metaType() == QMetaType::fromType<QCursor>())
        return QString::number(wert.value<QCursor>().shape());
    return wert.toString();
}

// The actual text for the name of an expected text (what stands before its "=").
inline QString wert(QWidget* w, const QString& name)
{
    if (name.contains(u'/'))
        return wert(fenster::offen(name.section(u'/', 0, 0)), name.section(u'/', 1));
    if (name == u"#fokus")
        return fokus();
    if (name == u"#offen")
        return offen();
    if (name == u"#aktiv")
        return aktiv();
    if (!w)
        return QStringLiteral("(nicht offen)");
    if (name == u"#höhe")
        return QString::number(w->height() * 15);
    if (name == u"#breite")
        return QString::number(w->width() * 15);
    if (name == u"#titel")
        return w->windowTitle();
    if (name == u"#grund")
        return w->grab().toImage().pixelColor(1, 1).name();
    const bool obAn = name.startsWith(u'@');
    QWidget* c = kind<QWidget>(w, name.section(u'.', 0, 0).mid(obAn ? 1 : 0).toUtf8().constData());
    const QString art = name.section(u'.', 1);
    if (obAn)
        return an(c);
    if (art == u"farbe")
        return farbe(c);
    if (art == u"ganz")
        return ganz(c);
    if (art == u"grund")
        return grund(c);
    if (art == u"lage")
        return lage(w, c);
    if (art == u"tabfolge")
        return tabfolge(c);
    return eigenschaft(c, art);
}
} // namespace lesen

// For expected texts "name=text" the actual ones in that form, read as
// lesen:: says: "name" the control's text, "@name" whether it is enabled,
// "name.farbe", "name.ganz", "name.grund", "name.lage", "name.tabfolge",
// "name.visible" (or another property), "#höhe" and "#breite" the window's
// size in twips, "#titel" its title, "#grund" its background as drawn in its
// corner, "#fokus" the control that has the focus, "#offen" the windows in
// sight, "#aktiv" the active one; "frmX/name" as "name" in the open window
// frmX.
inline QStringList stand(QWidget* w, const QStringList& soll)
{
    QCoreApplication::processEvents(); // a layout follows what was shown or hidden
    QStringList ist;
    for (const QString& s : soll) {
        const QString name = s.section(u'=', 0, 0);
        ist << name + u'=' + lesen::wert(w, name);
    }
    return ist;
}

// The expected "name.lage" texts of the named controls (separated by blanks)
// as a fresh window of class T has them: a row that hides or shows controls
// expects the others where they stood.
template <class T>
QString lagen(const QString& namen)
{
    Testumgebung umgebung;
    const auto schliessen = qScopeGuard([] { alleSchliessen(); });
    T* w = fenster::zeige<T>();
    QStringList soll;
    for (const QString& n : namen.split(u' '))
        soll << n + QStringLiteral(".lage");
    return stand(w, soll).join(u';');
}

// Records each box as "title: text" (line breaks as " | "), followed by the
// texts of the watched controls at that moment in brackets.
class Zeuge : public meldung::Anzeige {
public:
    Zeuge(QWidget* w, const QStringList& namen) : m_w(w), m_namen(namen), m_vorher(meldung::setzeAnzeige(this)) {}
    ~Zeuge() override { meldung::setzeAnzeige(m_vorher); }
    QStringList gesehen;
    int zeige(const QString& text, const QString& titel, int stil) override
    {
        QStringList t;
        for (const QString& n : m_namen)
            t << kind<QWidget>(m_w, n.toUtf8().constData())->property("text").toString();
        gesehen << titel + QStringLiteral(": ") + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" | "))
                       + (t.isEmpty() ? QString() : QStringLiteral(" [") + t.join(u'|') + u']')
                       + (stil ? QStringLiteral(" {%1}").arg(stil) : QString());
        return meldung::Ok;
    }

private:
    QWidget* m_w;
    QStringList m_namen;
    meldung::Anzeige* m_vorher;
};

// An input error message as the Zeuge lists it.
inline QString fehler(Fehler art, const QString& text, const QString& titel = QStringLiteral("Eingabefehler"))
{
    return titel + QStringLiteral(": ") + Laufzeitfehler(art).beschreibung() + QStringLiteral(" | ") + text;
}

// "name=text;..." for the names (separated by blanks) and the texts (by ";")
// side by side, as far as texts are given.
inline QString je(const QString& namen, const QString& texte)
{
    const QStringList n = namen.split(u' '), t = texte.split(u';');
    QStringList z;
    for (qsizetype i = 0; i < t.size(); ++i)
        z << n.value(i) + u'=' + t[i];
    return z.join(u';');
}

// The expected texts grund ("name=text;..."), changed as aenderung says: a
// name that both give takes the text of aenderung, one that grund lacks is
// added.
inline QString anders(const QString& grund, const QString& aenderung)
{
    QStringList z = grund.split(u';');
    for (const QString& a : aenderung.split(u';', Qt::SkipEmptyParts)) {
        const QString name = a.section(u'=', 0, 0) + u'=';
        const auto alt = std::find_if(z.begin(), z.end(), [&](const QString& x) { return x.startsWith(name); });
        if (alt != z.end())
            *alt = a;
        else
            z << a;
    }
    return z.join(u';');
}

// As je(), followed by "name.ganz=ja" for each of the names: every field's
// text in sight whole.
inline QString ganz(const QString& namen, const QString& texte = {})
{
    const QString z = QString(namen + u' ').replace(u' ', QStringLiteral(".ganz=ja;")).chopped(1);
    return texte.isEmpty() ? z : je(namen, texte) + u';' + z;
}

// "#offen=" for the named windows, sorted as the read lists them.
inline QString offen(QStringList namen)
{
    namen.sort();
    namen.removeDuplicates();
    return QStringLiteral("#offen=") + namen.join(u',');
}

// The columns of a row.
inline void spalten()
{
    QTest::addColumn<QStringList>("schritte");
    QTest::addColumn<QStringList>("soll");
    QTest::addColumn<QStringList>("meldungen");
}

// An expected text "name=text" read as stand() does, or from the recorders:
// "#link" the links handed to the opener, "#ablage" what the window did with
// the clipboard, each step separated by "|".
inline QString gelesen(QWidget* w, const Testumgebung& umgebung, const QString& s)
{
    const QString name = s.section(u'=', 0, 0);
    if (name == u"#link")
        return name + u'=' + umgebung.links.links.join(u'|');
    if (name == u"#ablage")
        return name + u'=' + umgebung.ablage.schritte.join(u'|');
    return stand(w, {s})[0];
}

// What a file may do its own way in zeile(): take a step (by default
// ablauf()) and read an expected text (by default gelesen()).
template <class T>
struct Eigenes {
    void (*schritt)(T*, Testumgebung&, const QString&) = [](T* w, Testumgebung&, const QString& s) { ablauf(w, {s}); };
    QString (*lesen)(T*, Testumgebung&, const QString&) = [](T* w, Testumgebung& u, const QString& s) {
        return gelesen(w, u, s);
    };
};

// Runs the current row on a fresh window of class T, the named controls
// watched at each box. Each step and read goes to the window of class T open
// at that moment: one closed and opened again is the new one.
template <class T>
void zeile(const QStringList& beobachtet = {}, const Eigenes<T>& eigenes = {})
{
    QFETCH(QStringList, schritte);
    QFETCH(QStringList, soll);
    QFETCH(QStringList, meldungen);
    Testumgebung umgebung;
    const auto schliessen = qScopeGuard([] { alleSchliessen(); });
    T* w = fenster::zeige<T>();
    Zeuge zeuge(w, beobachtet);
    for (const QString& s : schritte)
        eigenes.schritt(fenster::offen<T>(), umgebung, s);
    QStringList ist;
    for (const QString& s : soll)
        ist << eigenes.lesen(fenster::offen<T>(), umgebung, s);
    QCOMPARE(ist, soll);
    QCOMPARE(zeuge.gesehen, meldungen);
}

// A row from its steps and its expected texts, each separated by ";".
inline void reihe(const char* name, const QString& schritte, const QString& soll, const QStringList& meldungen = {})
{
    QTest::newRow(name) << schritte.split(u';', Qt::SkipEmptyParts) << soll.split(u';', Qt::SkipEmptyParts)
                        << meldungen;
}
