#include "mausereignis.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ereignis {
namespace {

class MausFilter : public QObject {
public:
    MausFilter(QObject* eltern, Handler h, bool nurFlaeche = false)
        : QObject(eltern), m_h(std::move(h)), m_nurFlaeche(nurFlaeche)
    {
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseMove && (!m_nurFlaeche || frei(o, static_cast<QMouseEvent*>(e))))
            geschuetzt(m_h);
        return QObject::eventFilter(o, e);
    }

private:
    static bool frei(QObject* o, const QMouseEvent* e)
    {
        auto* w = static_cast<QWidget*>(o);
        return !w->childAt(e->position().toPoint());
    }
    Handler m_h;
    bool m_nurFlaeche;
};

class KlickFilter : public QObject {
public:
    KlickFilter(QObject* eltern, Handler h) : QObject(eltern), m_h(std::move(h)) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::LeftButton && static_cast<QWidget*>(o)->rect().contains(m->position().toPoint()))
                geschuetzt(m_h);
        }
        return QObject::eventFilter(o, e);
    }

private:
    Handler m_h;
};

} // namespace

void mouseMove(QWidget* w, Handler h)
{
    // A text box takes its mouse events in the area that shows the text.
    QWidget* ziel = w;
    if (auto* bereich = qobject_cast<QAbstractScrollArea*>(w))
        ziel = bereich->viewport();
    ziel->setMouseTracking(true);
    ziel->installEventFilter(new MausFilter(w, std::move(h)));
}

void mouseMoveFlaeche(QWidget* w, Handler h)
{
    w->setMouseTracking(true);
    w->installEventFilter(new MausFilter(w, std::move(h), true));
}

void mouseClick(QWidget* w, Handler h)
{
    w->installEventFilter(new KlickFilter(w, std::move(h)));
}

} // namespace ereignis
