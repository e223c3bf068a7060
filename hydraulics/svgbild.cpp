#include "svgbild.h"

#include <QPainter>

SvgBild::SvgBild(QWidget* parent) : QWidget(parent) {}

void SvgBild::setzeDatei(const QString& datei)
{
    m_svg.load(datei);
    m_svg.setAspectRatioMode(Qt::KeepAspectRatio);
    setFixedSize(sizeHint());
    update();
}

QSize SvgBild::sizeHint() const
{
    return m_svg.isValid() ? m_svg.defaultSize() : QSize(16, 16);
}

void SvgBild::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    m_svg.render(&maler, QRectF(rect()));
}
