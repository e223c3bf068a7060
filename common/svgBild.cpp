#include "svgBild.h"

#include <QPainter>

SvgBild::SvgBild(QWidget* parent) : QWidget(parent) {}

void SvgBild::setzeDatei(const QString& datei, bool festeGroesse)
{
    m_svg.load(datei);
    if (festeGroesse)
        setFixedSize(sizeHint());
    updateGeometry();
    update();
}

QSize SvgBild::sizeHint() const
{
    return m_svg.isValid() ? m_svg.defaultSize() : QSize(200, 120);
}

void SvgBild::paintEvent(QPaintEvent*)
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
