#include "svgZeichnung.h"

#include <QPainter>

SvgZeichnung::SvgZeichnung(QWidget* parent) : QWidget(parent) {}

void SvgZeichnung::setzeDatei(const QString& datei)
{
    m_svg.load(datei);
    updateGeometry();
    update();
}

QSize SvgZeichnung::sizeHint() const
{
    return m_svg.isValid() ? m_svg.defaultSize() : QSize(200, 120);
}

void SvgZeichnung::paintEvent(QPaintEvent*)
{
    if (!m_svg.isValid())
        return;
    QSizeF bild = m_svg.defaultSize();
    bild.scale(size(), Qt::KeepAspectRatio);
    const QPointF ecke((width() - bild.width()) / 2, (height() - bild.height()) / 2);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_svg.render(&p, QRectF(ecke, bild));
}
