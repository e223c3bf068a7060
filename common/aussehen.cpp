#include "aussehen.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace aussehen {
namespace {

// A changed property takes effect only when the style looks at the control
// again.
void setze(QWidget* w, const char* eigenschaft, const QVariant& wert)
{
    if (w->property(eigenschaft) == wert)
        return;
    w->setProperty(eigenschaft, wert);
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

} // namespace

void anwenden()
{
    QFile datei(QStringLiteral(":/kelmo.qss"));
    if (datei.open(QIODevice::ReadOnly | QIODevice::Text))
        qApp->setStyleSheet(QString::fromUtf8(datei.readAll()));
}

void setzeRolle(QWidget* w, const char* rolle)
{
    setze(w, "rolle", QString::fromLatin1(rolle));
}

void warnung(QWidget* w, bool an)
{
    setze(w, "warnung", an ? QStringLiteral("an") : QStringLiteral("zurueck"));
}

void rosa(QWidget* w, bool an)
{
    setze(w, "rosa", an);
}

} // namespace aussehen
