#include "k1Diagramm.h"

#include "farben.h"
#include "teichbemessung.h"
#include "zahlen.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The axes: detention time 5 to 100 days, K1 0 to 0,30 per day.
constexpr double tVon = 5, tBis = 100, kBis = 0.30;

} // namespace

K1Diagramm::K1Diagramm(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, farben::weiss);
    setPalette(p);
}

void K1Diagramm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int zeile = fm.height();
    const QRectF feld(fm.horizontalAdvance(QStringLiteral("0,300")) + 3 * zeile, 2.5 * zeile,
                      width() - fm.horizontalAdvance(QStringLiteral("0,300")) - 5 * zeile, height() - 6 * zeile);
    if (feld.width() < 50 || feld.height() < 50)
        return;
    const auto x = [&](double t) { return feld.left() + (t - tVon) / (tBis - tVon) * feld.width(); };
    const auto y = [&](double k) { return feld.bottom() - k / kBis * feld.height(); };

    p.setPen(farben::schwarz);
    p.drawText(QRectF(0, 0, width(), 2 * zeile), Qt::AlignCenter,
               QStringLiteral("Abbaukonstante K1 nach Prof. Uhlmann und Dr. Schwarz bei BR = ")
                   + format(Raumbelastung, QStringLiteral("0.0")) + QStringLiteral(" g BSB5/(m³·d)"));
    // Grid with its scales.
    for (int t = 10; t <= 100; t += 10) {
        p.setPen(farben::gitter);
        p.drawLine(QPointF(x(t), feld.top()), QPointF(x(t), feld.bottom()));
        p.setPen(farben::schwarz);
        p.drawText(QRectF(x(t) - 30, feld.bottom() + 4, 60, zeile), Qt::AlignHCenter | Qt::AlignTop,
                   format(t, QStringLiteral("0")));
    }
    for (int i = 0; i <= 6; ++i) {
        const double k = i * 0.05;
        p.setPen(farben::gitter);
        p.drawLine(QPointF(feld.left(), y(k)), QPointF(feld.right(), y(k)));
        p.setPen(farben::schwarz);
        p.drawText(QRectF(0, y(k) - zeile / 2.0, feld.left() - 6, zeile), Qt::AlignRight | Qt::AlignVCenter,
                   format(k, QStringLiteral("0.00")));
    }
    p.drawRect(feld);
    p.drawText(QRectF(feld.left(), feld.bottom() + zeile + 8, feld.width(), zeile), Qt::AlignHCenter,
               QStringLiteral("mittlere Verweilzeit t* in Tagen"));
    p.save();
    p.translate(zeile, feld.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-feld.height() / 2, -zeile, feld.height(), 2 * zeile), Qt::AlignCenter,
               QStringLiteral("K1 in 1/d"));
    p.restore();

    // One curve per temperature, named in the legend at the upper right.
    const double legendeBreite = fm.horizontalAdvance(QStringLiteral("T = 25 °C")) + 3.5 * zeile;
    const QRectF legende(feld.right() - legendeBreite - zeile, feld.top() + zeile, legendeBreite,
                         (std::size(Temperaturen) + 0.5) * zeile * 1.2);
    p.fillRect(legende, farben::weiss);
    p.drawRect(legende);
    for (int i = 0; i < int(std::size(Temperaturen)); ++i) {
        QPainterPath kurve;
        for (double t = tVon; t <= tBis + 1e-9; t += 0.5) {
            const QPointF punkt(x(t), y(abbaukonstanteK1(Temperaturen[i], Raumbelastung, t)));
            if (kurve.elementCount() == 0)
                kurve.moveTo(punkt);
            else
                kurve.lineTo(punkt);
        }
        p.setPen(QPen(farben::kurven[i], 2));
        p.drawPath(kurve);
        const double zeileY = legende.top() + (i + 0.75) * zeile * 1.2;
        p.drawLine(QPointF(legende.left() + 0.5 * zeile, zeileY), QPointF(legende.left() + 2.5 * zeile, zeileY));
        p.setPen(farben::schwarz);
        p.drawText(QPointF(legende.left() + 3 * zeile, zeileY + fm.ascent() / 2.0 - 1),
                   QStringLiteral("T = ") + format(Temperaturen[i], QStringLiteral("0")) + QStringLiteral(" °C"));
    }
}
