#include "mausereignis.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QWidget>

namespace ereignis {
namespace {

class MausFilter : public QObject {
public:
    MausFilter(QObject* eltern, Handler h) : QObject(eltern), m_h(std::move(h)) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseMove)
            geschuetzt(m_h);
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

} // namespace ereignis
