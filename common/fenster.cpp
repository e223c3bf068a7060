#include "fenster.h"

#include "twips.h"

#include <QCloseEvent>
#include <QHash>
#include <QPointer>

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

} // namespace

void anzeigeWaehlen()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
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
    QWidget* w = f();
    merke(name, w);
    return w;
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
