#include "drucker.h"

#include "naht.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace drucker {
namespace {

class EchterDrucker : public Drucker {
public:
    Ergebnis drucke(const Seite& seite) override
    {
        const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
        if (standard.isNull())
            return Ergebnis::KeinDrucker;
        QPrinter p(standard, QPrinter::HighResolution);
        return zeichne(p, seite) ? Ergebnis::Gedruckt : Ergebnis::Fehlgeschlagen;
    }
};

EchterDrucker echterDrucker;
Naht<Drucker> aktueller(echterDrucker);

} // namespace

Drucker* setzeDrucker(Drucker* drucker)
{
    return aktueller.setze(drucker);
}

Ergebnis drucke(const Seite& seite)
{
    return aktueller->drucke(seite);
}

bool zeichne(QPrinter& drucker, const Seite& seite)
{
    QPainter maler;
    if (!maler.begin(&drucker))
        return false;
    QFont schrift = QGuiApplication::font();
    schrift.setPointSizeF(10);
    maler.setFont(schrift);
    // The painter's origin is the top left of the printable area, in device
    // pixels.
    const double proCm = drucker.resolution() / 2.54;
    const QFontMetricsF masse(schrift, &drucker);
    double x = seite.linksCm * proCm;
    double y = seite.obenCm * proCm;
    for (const QString& zeile : seite.zeilen) {
        maler.drawText(QPointF(x, y + masse.ascent()), zeile);
        x = 0;
        y += masse.lineSpacing();
    }
    return maler.end() && drucker.printerState() != QPrinter::Error && drucker.printerState() != QPrinter::Aborted;
}

} // namespace drucker
