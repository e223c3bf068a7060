#include "ereignisse.h"

#include "laufzeitfehler.h"
#include "meldung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>

#include <utility>

namespace ereignis {
namespace {

class TastenFilter : public QObject {
public:
    TastenFilter(QObject* eltern, QEvent::Type art, std::function<void(QKeyEvent*)> h)
        : QObject(eltern), m_art(art), m_h(std::move(h))
    {
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == m_art) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (!(m_art == QEvent::KeyRelease && k->isAutoRepeat()))
                m_h(k);
        }
        return QObject::eventFilter(o, e);
    }

private:
    QEvent::Type m_art;
    std::function<void(QKeyEvent*)> m_h;
};

// Swallows the pending release application-wide; any other key press ends it.
class Verschlucker : public QObject {
public:
    using QObject::QObject;
    int taste = 0;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (taste != 0 && (e->type() == QEvent::KeyRelease || e->type() == QEvent::KeyPress)) {
            auto* k = static_cast<QKeyEvent*>(e);
            const bool weg = e->type() == QEvent::KeyRelease && k->key() == taste && !k->isAutoRepeat();
            if (weg || e->type() == QEvent::KeyPress) {
                taste = 0;
                qApp->removeEventFilter(this);
            }
            if (weg)
                return true;
        }
        return QObject::eventFilter(o, e);
    }
};

} // namespace

int zeichen(const QKeyEvent* k)
{
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString t = k->text();
    return t.isEmpty() ? 0 : t.at(0).unicode();
}

void geschuetzt(const Handler& h)
{
    try {
        h();
    } catch (const Laufzeitfehler& f) {
        meldung::box(f.beschreibung() + QStringLiteral("\r\n"), {}, meldung::NurOk);
    }
}

void fehlerblock(const Handler& schritte, const Handler& ruecksetzen, const QString& text, const QString& titel,
                 Reihenfolge reihenfolge)
{
    try {
        schritte();
    } catch (const Laufzeitfehler& f) {
        if (reihenfolge == Reihenfolge::RuecksetzenZuerst)
            ruecksetzen();
        meldung::eingabefehler(&f, text, titel);
        if (reihenfolge == Reihenfolge::MeldungZuerst)
            ruecksetzen();
    }
}

void keyUp(QWidget* w, Handler h)
{
    w->installEventFilter(new TastenFilter(w, QEvent::KeyRelease, [h = std::move(h)](QKeyEvent*) { geschuetzt(h); }));
}

void keyPress(QWidget* w, std::function<void(int)> h)
{
    w->installEventFilter(new TastenFilter(w, QEvent::KeyPress, [h = std::move(h)](QKeyEvent* k) {
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            return;
        const int z = zeichen(k);
        if (z != 0)
            geschuetzt([&] { h(z); });
    }));
}

namespace {

class Abweiser : public QObject {
public:
    Abweiser(QObject* eltern, std::function<bool(const QKeyEvent*)> h) : QObject(eltern), m_h(std::move(h)) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return QObject::eventFilter(o, e);
        auto* k = static_cast<QKeyEvent*>(e);
        if (e->type() == QEvent::KeyRelease) {
            const bool weg = m_abgewiesen != 0 && k->key() == m_abgewiesen && !k->isAutoRepeat();
            if (weg)
                m_abgewiesen = 0;
            return weg;
        }
        bool annehmen = true;
        geschuetzt([&] { annehmen = m_h(k); });
        m_abgewiesen = annehmen ? 0 : k->key();
        return !annehmen;
    }

private:
    std::function<bool(const QKeyEvent*)> m_h;
    int m_abgewiesen = 0; // the key turned away, until its release
};

} // namespace

void keyPress(QWidget* w, std::function<bool(const QKeyEvent*)> annehmen)
{
    w->installEventFilter(new Abweiser(w, std::move(annehmen)));
}

void change(QLineEdit* w, Handler h)
{
    QObject::connect(w, &QLineEdit::textChanged, w, [h = std::move(h)] { geschuetzt(h); });
}

void click(QAbstractButton* b, Handler h)
{
    QObject::connect(b, &QAbstractButton::clicked, b, [h = std::move(h)] { geschuetzt(h); });
}

void click(QRadioButton* b, Handler h)
{
    // A choice by the user toggles and then clicks; a click on the selected
    // button only clicks; a choice from code only toggles. The flag makes each
    // of them run the handler once.
    auto getoggelt = std::make_shared<bool>(false);
    QObject::connect(b, &QAbstractButton::pressed, b, [getoggelt] { *getoggelt = false; });
    QObject::connect(b, &QAbstractButton::toggled, b, [h, getoggelt](bool an) {
        if (an) {
            *getoggelt = true;
            geschuetzt(h);
        }
    });
    QObject::connect(b, &QAbstractButton::clicked, b, [h, getoggelt] {
        if (*getoggelt)
            *getoggelt = false;
        else
            geschuetzt(h);
    });
}

void change(QScrollBar* s, Handler h)
{
    QObject::connect(s, &QScrollBar::valueChanged, s, [h = std::move(h)] { geschuetzt(h); });
}

namespace {

bool enter(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
           && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Another control of the box's window that Tab can reach now.
bool andererTabHalt(const QWidget* box)
{
    for (const QWidget* w = box->nextInFocusChain(); w && w != box; w = w->nextInFocusChain())
        if (w->window() == box->window() && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            return true;
    return false;
}

bool reichtTabWeiter(const QObject* o)
{
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(o))
        return t->tabChangesFocus();
    if (const auto* t = qobject_cast<const QTextEdit*>(o))
        return t->tabChangesFocus();
    return false;
}

class Tastatur : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return QObject::eventFilter(o, e);
        auto* k = static_cast<QKeyEvent*>(e);
        auto* knopf = qobject_cast<QPushButton*>(o);
        if (knopf && enter(k) && !knopf->autoDefault() && !knopf->isDefault()) {
            QKeyEvent leer(k->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), k->isAutoRepeat(),
                           k->count());
            QCoreApplication::sendEvent(knopf, &leer);
            return true;
        }
        // A horizontal scroll bar of Qt runs its arrow keys the other way
        // round (as a vertical one, where Up lessens the value).
        auto* leiste = qobject_cast<QScrollBar*>(o);
        const bool pfeil = k->key() == Qt::Key_Left || k->key() == Qt::Key_Right;
        if (leiste && pfeil && e->type() == QEvent::KeyPress && leiste->orientation() == Qt::Horizontal
            && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            leiste->triggerAction((k->key() == Qt::Key_Right) != leiste->isRightToLeft()
                                      ? QAbstractSlider::SliderSingleStepAdd
                                      : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
        // Where the focus chain finds no other control, the key would be
        // typed into the box; it is dropped instead.
        const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        if (tab && reichtTabWeiter(o) && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return e->type() == QEvent::KeyPress && !andererTabHalt(static_cast<QWidget*>(o));
        return QObject::eventFilter(o, e);
    }
};

} // namespace

void tastaturRegeln()
{
    static QPointer<Tastatur> regeln;
    if (!regeln) {
        regeln = new Tastatur(qApp);
        qApp->installEventFilter(regeln);
    }
}

void verschluckeLoslassen(int taste)
{
    static QPointer<Verschlucker> verschlucker;
    if (!verschlucker)
        verschlucker = new Verschlucker(qApp);
    if (verschlucker->taste == 0)
        qApp->installEventFilter(verschlucker);
    verschlucker->taste = taste;
}

bool GehalteneTaste::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress)
        m_taste = static_cast<QKeyEvent*>(e)->key();
    else if (e->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
        m_taste = 0;
    return QObject::eventFilter(o, e);
}

void GehalteneTaste::verschlucke()
{
    if (m_taste != 0)
        verschluckeLoslassen(std::exchange(m_taste, 0));
}

} // namespace ereignis
