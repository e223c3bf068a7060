#pragma once

// Drives a window by steps written as text, as a user works it, and reads its
// controls and message boxes back as text: a test row is a line of steps and
// a line of expected texts.
#include "fenster.h"
#include "laufzeitfehler.h"
#include "testhilfe.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>

// "box+text" typed at the end, "box=text" typed over all ("box=" deletes it),
// "box:text" pasted without a key, "name~" a key released, "knopf!" clicked,
// "liste>text" that item clicked, "leiste>30" the scroll bar dragged there,
// "name~Return" or "name~Ctrl+C" those keys pressed and released ("name~Num+Enter" on the keypad),
// "name^" the mouse moved onto the control, just inside its corner.
inline void ablauf(QWidget* w, const QStringList& schritte)
{
    for (const QString& s : schritte) {
        const qsizetype k = s.indexOf(QRegularExpression(QStringLiteral("[+=:~!>^]")));
        QWidget* c = kind<QWidget>(w, s.left(k).toUtf8().constData());
        const QChar art = s.at(k);
        const QString text = s.mid(k + 1);
        auto* box = qobject_cast<QLineEdit*>(c);
        auto* liste = qobject_cast<QListWidget*>(c);
        if (box && (art == u'+' || art == u'=')) {
            art == u'+' ? box->end(false) : box->selectAll();
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

// For expected texts "name=text" the actual ones in that form; "@name" reads
// whether the control is enabled ("an", "aus"), "name.farbe" its text colour
// ("#ff0000"), "name.ganz" whether its text is in sight whole ("ja", or what
// cuts it), "name.visible" another property ("true", "false"), "#höhe" the
// window height in twips.
inline QStringList stand(QWidget* w, const QStringList& soll)
{
    QStringList t;
    for (const QString& s : soll) {
        const QString name = s.section(u'=', 0, 0), art = name.section(u'.', 1);
        const bool hoehe = name == QStringLiteral("#höhe");
        const QWidget* c = hoehe ? w : kind<QWidget>(w, name.section(u'.', 0, 0).mid(name.startsWith(u'@')).toUtf8().constData());
        t << name + u'='
                 + (hoehe                   ? QString::number(w->height() * 15)
                    : name.startsWith(u'@') ? QString::fromLatin1(c->isEnabled() ? "an" : "aus")
                    : art == u"farbe"       ? c->palette().color(c->foregroundRole()).name()
                    : art == u"ganz"        ? (ruhe(), nichtGanz(c).isEmpty() ? QStringLiteral("ja") : nichtGanz(c))
                                            : c->property(art.isEmpty() ? "text" : qPrintable(art)).toString());
    }
    return t;
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

// As je(), followed by "name.ganz=ja" for each of the names: every field's
// text in sight whole.
inline QString ganz(const QString& namen, const QString& texte = {})
{
    const QString z = QString(namen + u' ').replace(u' ', QStringLiteral(".ganz=ja;")).chopped(1);
    return texte.isEmpty() ? z : je(namen, texte) + u';' + z;
}

// The columns of a row.
inline void spalten()
{
    QTest::addColumn<QStringList>("schritte");
    QTest::addColumn<QStringList>("soll");
    QTest::addColumn<QStringList>("meldungen");
}

// What a file may do its own way in zeile(): take a step (by default
// ablauf()) and read an expected text (by default stand()).
template <class T>
struct Eigenes {
    void (*schritt)(T*, Testumgebung&, const QString&) = [](T* w, Testumgebung&, const QString& s) { ablauf(w, {s}); };
    QString (*lesen)(T*, Testumgebung&, const QString&)
        = [](T* w, Testumgebung&, const QString& s) { return stand(w, {s})[0]; };
};

// Runs the current row on a fresh window of class T, the named controls
// watched at each box.
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
        eigenes.schritt(w, umgebung, s);
    QStringList ist;
    for (const QString& s : soll)
        ist << eigenes.lesen(w, umgebung, s);
    QCOMPARE(ist, soll);
    QCOMPARE(zeuge.gesehen, meldungen);
}

// A row from its steps and its expected texts, each separated by ";".
inline void reihe(const char* name, const QString& schritte, const QString& soll, const QStringList& meldungen = {})
{
    QTest::newRow(name) << schritte.split(u';', Qt::SkipEmptyParts) << soll.split(u';', Qt::SkipEmptyParts)
                        << meldungen;
}
