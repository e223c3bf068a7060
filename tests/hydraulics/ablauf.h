#pragma once

// Drives a window by steps written as text, the way a user works it, and
// reads its controls and the message boxes back as text, so that a test row
// is a line of steps and a line of expected texts.
#include "laufzeitfehler.h"
#include "testhilfe.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

// "box+text" typed key by key at the end; "box=text" typed over the whole
// text ("box=" deletes it); "box:text" put in without a key (pasted with the
// mouse); "name~" a key released without a change;
// "knopf!" clicked; "liste>text" that item clicked; "leiste>30" the scroll
// bar dragged there.
inline void ablauf(QWidget* w, const QStringList& schritte)
{
    for (const QString& s : schritte) {
        qsizetype k = 0;
        while (k < s.size() && !QStringLiteral("+=:~!>").contains(s[k]))
            ++k;
        QWidget* c = kind<QWidget>(w, s.left(k).toUtf8().constData());
        const QChar art = k < s.size() ? s[k] : QChar();
        const QString text = s.mid(k + 1);
        auto* box = qobject_cast<QLineEdit*>(c);
        if (art == u'+' && box) {
            box->end(false);
            tippe(box, text);
        } else if (art == u'=' && box) {
            box->selectAll();
            if (text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                tippe(box, text);
        } else if (art == u':' && box) {
            box->setText(text);
        } else if (art == u'~') {
            QTest::keyClick(c, Qt::Key_End);
        } else if (auto* knopf = qobject_cast<QAbstractButton*>(c); knopf && art == u'!') {
            klicke(knopf);
        } else if (auto* liste = qobject_cast<QListWidget*>(c); liste && art == u'>') {
            const QList<QListWidgetItem*> treffer = liste->findItems(text, Qt::MatchExactly);
            QVERIFY2(treffer.size() == 1, qPrintable(s));
            liste->scrollToItem(treffer[0]);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(treffer[0]).center());
        } else if (auto* leiste = qobject_cast<QScrollBar*>(c); leiste && art == u'>') {
            leiste->setSliderDown(true);
            leiste->setSliderPosition(text.toInt());
            leiste->setSliderDown(false);
        } else {
            QFAIL(qPrintable(QStringLiteral("Schritt unbekannt: ") + s));
        }
    }
}

// The texts of the named controls; "@name" asks instead whether the control
// is enabled ("an", "aus").
inline QStringList texteVon(QWidget* w, const QStringList& namen)
{
    QStringList t;
    for (const QString& n : namen) {
        const bool schalter = n.startsWith(u'@');
        QWidget* c = kind<QWidget>(w, n.mid(schalter ? 1 : 0).toUtf8().constData());
        t << (schalter ? QString::fromLatin1(c->isEnabled() ? "an" : "aus") : c->property("text").toString());
    }
    return t;
}

// The same for expected texts written "name=text": the actual texts, in
// that form.
inline QStringList stand(QWidget* w, const QStringList& soll)
{
    QStringList t;
    for (const QString& s : soll) {
        const QString name = s.section(u'=', 0, 0);
        t << name + u'=' + texteVon(w, {name}).value(0);
    }
    return t;
}

// The boxes shown, each as "title: text" with its line breaks as " | ".
inline QStringList gezeigt(const Testumgebung& u)
{
    QStringList t;
    for (const Box& b : u.meldungen.boxen)
        t << b.titel + QStringLiteral(": ") + QString(b.text).replace(QStringLiteral("\r\n"), QStringLiteral(" | "))
                 + (b.stil ? QStringLiteral(" [%1]").arg(b.stil) : QString());
    return t;
}

// Passes each box on to the test environment's recorder and notes the texts
// of the watched controls at the moment it is shown, joined by "|".
class Zeuge : public meldung::Anzeige {
public:
    Zeuge(Testumgebung& u, QList<QWidget*> beobachtet) : m_weiter(&u.meldungen), m_beobachtet(beobachtet)
    {
        meldung::setzeAnzeige(this);
    }
    ~Zeuge() override { meldung::setzeAnzeige(m_weiter); }
    QStringList gesehen;
    int zeige(const QString& text, const QString& titel, int stil) override
    {
        QStringList t;
        for (QWidget* w : m_beobachtet)
            t << w->property("text").toString();
        gesehen << t.join(u'|');
        return m_weiter->zeige(text, titel, stil);
    }

private:
    MeldungsRecorder* m_weiter;
    QList<QWidget*> m_beobachtet;
};

// An input error message as gezeigt() lists it.
inline QString fehler(const QString& beschreibung, const QString& text,
                      const QString& titel = QStringLiteral("Eingabefehler"))
{
    return titel + QStringLiteral(": ") + beschreibung + QStringLiteral(" | ") + text;
}
inline QString fehler(Fehler art, const QString& text, const QString& titel = QStringLiteral("Eingabefehler"))
{
    return fehler(Laufzeitfehler(art).beschreibung(), text, titel);
}
