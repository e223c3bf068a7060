#include "svgBild.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QXmlStreamReader>

namespace {

// The size that the root element of an SVG file gives in plain numbers
// (width="498" height="95"), without reading the rest of the drawing.
QSize eigeneGroesse(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&f);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("svg"))
        return {};
    bool breiteOk = false, hoeheOk = false;
    const int breite = xml.attributes().value(QLatin1String("width")).toInt(&breiteOk);
    const int hoehe = xml.attributes().value(QLatin1String("height")).toInt(&hoeheOk);
    return breiteOk && hoeheOk && breite > 0 && hoehe > 0 ? QSize(breite, hoehe) : QSize();
}

} // namespace

SvgBild::SvgBild(QWidget* parent) : QWidget(parent)
{
}

void SvgBild::setzeDatei(const QString& datei, bool festeGroesse)
{
    m_datei = datei;
    m_gelesen = false;
    m_groesse = eigeneGroesse(datei);
    if (!m_groesse.isValid())
        m_groesse = svg().isValid() ? svg().defaultSize() : QSize();
    if (festeGroesse)
        setFixedSize(sizeHint());
    updateGeometry();
    update();
}

QSvgRenderer& SvgBild::svg()
{
    if (!m_gelesen) {
        m_gelesen = true;
        m_svg.load(m_datei);
    }
    return m_svg;
}

QSize SvgBild::sizeHint() const
{
    return m_groesse.isValid() ? m_groesse : QSize(200, 120);
}

void SvgBild::paintEvent(QPaintEvent*)
{
    if (m_datei.isEmpty())
        return;
    // The drawing at this size is kept for the program's run: a window
    // opened again, or drawn again under a result that changed, shows it
    // without reading the drawing's shapes anew.
    const qreal dpr = devicePixelRatioF();
    const QString schluessel = QStringLiteral("svgBild|%1|%2x%3@%4").arg(m_datei).arg(width()).arg(height()).arg(dpr);
    QPixmap bild;
    if (!QPixmapCache::find(schluessel, &bild)) {
        if (!svg().isValid())
            return;
        bild = QPixmap(size() * dpr);
        bild.setDevicePixelRatio(dpr);
        bild.fill(Qt::transparent);
        QSizeF teil = m_svg.defaultSize();
        teil.scale(size(), Qt::KeepAspectRatio);
        const QPointF ecke((width() - teil.width()) / 2, (height() - teil.height()) / 2);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        m_svg.render(&p, QRectF(ecke, teil));
        p.end();
        QPixmapCache::insert(schluessel, bild);
    }
    QPainter(this).drawPixmap(0, 0, bild);
}
