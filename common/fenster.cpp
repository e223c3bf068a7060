#include "fenster.h"

#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

namespace fenster {
namespace {

QHash<QString, Fabrik>& fabriken()
{
    static QHash<QString, Fabrik> f;
    return f;
}

QHash<QString, QPointer<QWidget>>& instanzen()
{
    static QHash<QString, QPointer<QWidget>> i;
    return i;
}

// Forgets a window the moment it is closed by its own close box, not only when
// it is finally deleted, so that nothing finds a dying window.
class Schliessbeobachter : public QObject {
public:
    Schliessbeobachter(QWidget* w, QString name) : QObject(w), m_name(std::move(name)) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Close && e->isAccepted()) {
            auto& inst = instanzen();
            auto it = inst.find(m_name);
            if (it != inst.end() && it.value() == o)
                inst.erase(it);
        }
        return QObject::eventFilter(o, e);
    }

private:
    QString m_name;
};

// The windows kept ready (see bereithalten()): their names, the hidden
// instance built ahead for each, and the main window they live with.
struct Vorrat {
    QSet<QString> namen;
    QHash<QString, QPointer<QWidget>> fenster;
    QPointer<QWidget> haupt;
};

Vorrat& vorrat()
{
    static Vorrat v;
    return v;
}

// Builds the hidden instance of a window kept ready, unless it has one or the
// window is open (its close builds one). It is polished too, so that showing
// it later only lays it out and draws it.
void baueVorrat(const QString& name)
{
    Vorrat& v = vorrat();
    const Fabrik f = fabriken().value(name);
    if (!v.haupt || !v.namen.contains(name) || v.fenster.value(name) || instanzen().value(name) || !f)
        return;
    QWidget* w = f();
    w->ensurePolished();
    v.fenster.insert(name, w);
}

void leereVorrat()
{
    Vorrat& v = vorrat();
    for (const QPointer<QWidget>& w : std::as_const(v.fenster))
        delete w.data();
    v = Vorrat();
}

// Once the events now waiting are handled; dropped with the main window.
void planeVorrat(const QString& name)
{
    if (vorrat().haupt)
        QTimer::singleShot(0, vorrat().haupt, [name] { baueVorrat(name); });
}

// Starts the first builds once the main window has been drawn (a paint of
// it or of its menu bar), so that they do not hold up its first picture.
class ErstesBild : public QObject {
public:
    explicit ErstesBild(QWidget* haupt) : QObject(haupt), m_haupt(haupt) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == m_haupt) {
            qApp->removeEventFilter(this);
            for (const QString& name : std::as_const(vorrat().namen))
                planeVorrat(name);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_haupt;
};

} // namespace

void anzeigeWaehlen()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Qt's raster engine hands every fill of more than about a hundred lines
    // to the global thread pool in pieces and waits for them. For windows of
    // this size the fills are short, and waking several threads for each one
    // costs more than the fill itself: the pond window is drawn in 3.8 ms
    // instead of 5.0. One helper thread, kept, takes the pieces; the program
    // itself runs nothing on that pool.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
}

void registriere(const char* name, Fabrik fabrik)
{
    fabriken().insert(QString::fromUtf8(name), fabrik);
}

void registriere(std::initializer_list<Eintrag> eintraege)
{
    for (const Eintrag& e : eintraege)
        registriere(e.name, e.fabrik);
}

bool bekannt(const QString& name)
{
    return fabriken().contains(name);
}

QStringList namen()
{
    QStringList n = fabriken().keys();
    n.sort();
    return n;
}

QWidget* offen(const QString& name)
{
    return instanzen().value(name).data();
}

void merke(const QString& name, QWidget* w)
{
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->installEventFilter(new Schliessbeobachter(w, name));
    instanzen().insert(name, w);
}

QWidget* hole(const QString& name)
{
    if (QWidget* w = offen(name))
        return w;
    const Fabrik f = fabriken().value(name);
    if (!f)
        return nullptr;
    // The instance built ahead, if there is one, else a new one.
    Vorrat& v = vorrat();
    QWidget* w = v.fenster.take(name).data();
    if (!w)
        w = f();
    merke(name, w);
    if (v.namen.contains(name) && v.haupt)
        QObject::connect(w, &QObject::destroyed, v.haupt, [name] { planeVorrat(name); });
    return w;
}

void bereithalten(const QString& name, QWidget* haupt)
{
    Vorrat& v = vorrat();
    if (v.haupt != haupt) {
        // A new main window: what the last one kept goes.
        leereVorrat();
        v.haupt = haupt;
        new ErstesBild(haupt);
        QObject::connect(haupt, &QObject::destroyed, [haupt] {
            if (vorrat().haupt == haupt || !vorrat().haupt)
                leereVorrat();
        });
    }
    v.namen.insert(name);
}

void designLage(QWidget* w)
{
    w->move(twips(255), twips(1530));
}

void zeigeVorn(QWidget* w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

QWidget* zeige(const QString& name)
{
    QWidget* w = hole(name);
    if (w)
        zeigeVorn(w);
    return w;
}

void schliesse(const QString& name)
{
    QPointer<QWidget> w = instanzen().take(name);
    if (!w)
        return;
    w->hide();
    w->deleteLater();
}

} // namespace fenster
