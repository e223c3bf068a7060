#include "bildflaeche.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

Bildflaeche::Bildflaeche(QWidget* parent) : QWidget(parent)
{
}

void Bildflaeche::setzeBild(const QSizeF& groesse, Maler maler)
{
    m_groesse = groesse;
    m_maler = std::move(maler);
    updateGeometry();
    update();
}

QSize Bildflaeche::sizeHint() const
{
    return {int(std::ceil(m_groesse.width())), int(std::ceil(m_groesse.height()))};
}

void Bildflaeche::paintEvent(QPaintEvent*)
{
    if (!m_maler || m_groesse.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal massstab = std::min(width() / m_groesse.width(), height() / m_groesse.height());
    // Centred across, from the top down.
    p.translate((width() - m_groesse.width() * massstab) / 2, 0);
    p.scale(massstab, massstab);
    m_maler(p);
}
