#include "preisindizes.h"

#include "farben.h"
#include "zahlen.h"

#include <QPainter>

#include <array>

namespace preisindizes {
namespace {

constexpr std::array<Faktor, 23> kanal = {{
    {1980, 1.268}, {1981, 1.248}, {1982, 1.261}, {1983, 1.261}, {1984, 1.250}, {1985, 1.248},
    {1986, 1.231}, {1987, 1.219}, {1988, 1.208}, {1989, 1.186}, {1990, 1.134}, {1991, 1.073},
    {1992, 1.016}, {1993, 0.980}, {1994, 0.969}, {1995, 0.960}, {1996, 0.976}, {1997, 0.994},
    {1998, 1.004}, {1999, 1.008}, {2000, 1.007}, {2001, 1.011}, {2002, 1.010},
}};

constexpr std::array<Faktor, 12> ka = {{
    {1991, 1.160},
    {1992, 1.108},
    {1993, 1.067},
    {1994, 1.049},
    {1995, 1.030},
    {1996, 1.030},
    {1997, 1.037},
    {1998, 1.037},
    {1999, 1.037},
    {2000, 1.030},
    {2001, 1.023},
    {2002, 1.015},
}};

// The picture's measures, in its own pixels.
constexpr qreal rand = 10, titelHoehe = 44, kopfHoehe = 40, zeilenHoehe = 19;
constexpr qreal jahrBreite = 56, faktorBreite = 64, abstand = 24;
constexpr qreal tabellenBreite = jahrBreite + faktorBreite;

// One table with its heading, its column captions and its rows.
void tabelle(QPainter& p, qreal x, qreal y, const QString& ueberschrift, std::span<const Faktor> t)
{
    QFont fett = p.font();
    fett.setBold(true);
    const QFont normal = p.font();
    p.setFont(fett);
    p.drawText(QRectF(x, y, tabellenBreite, kopfHoehe / 2), Qt::AlignCenter, ueberschrift);
    y += kopfHoehe / 2;
    p.fillRect(QRectF(x, y, tabellenBreite, kopfHoehe / 2), farben::kopf);
    p.drawText(QRectF(x, y, jahrBreite, kopfHoehe / 2), Qt::AlignCenter, QStringLiteral("Jahr"));
    p.drawText(QRectF(x + jahrBreite, y, faktorBreite, kopfHoehe / 2), Qt::AlignCenter, QStringLiteral("Faktor"));
    p.setFont(normal);
    const qreal oben = y;
    y += kopfHoehe / 2;
    for (const Zeile& z : zeilen(t)) {
        p.drawLine(QPointF(x, y), QPointF(x + tabellenBreite, y));
        p.drawText(QRectF(x, y, jahrBreite, zeilenHoehe), Qt::AlignCenter, z.jahr);
        p.drawText(QRectF(x + jahrBreite, y, faktorBreite - 10, zeilenHoehe), Qt::AlignRight | Qt::AlignVCenter,
                   z.faktor);
        y += zeilenHoehe;
    }
    p.drawRect(QRectF(x, oben, tabellenBreite, y - oben));
    p.drawLine(QPointF(x + jahrBreite, oben), QPointF(x + jahrBreite, y));
}

} // namespace

const std::span<const Faktor> ortskanal(kanal);
const std::span<const Faktor> klaeranlagen(ka);

QList<Zeile> zeilen(std::span<const Faktor> tabelle)
{
    QList<Zeile> z;
    for (const Faktor& f : tabelle)
        z.append({zahlText(f.jahr), format(f.faktor, QStringLiteral("##,##0.000"))});
    return z;
}

QSizeF bildgroesse()
{
    return {2 * rand + 2 * tabellenBreite + abstand,
            2 * rand + titelHoehe + kopfHoehe + qreal(kanal.size()) * zeilenHoehe};
}

void zeichne(QPainter& p)
{
    const QSizeF g = bildgroesse();
    p.fillRect(QRectF(QPointF(0, 0), g), farben::weiss);
    p.setPen(QPen(farben::schwarz, 1));
    QFont f = p.font();
    f.setPixelSize(13);
    p.setFont(f);
    QFont titel = f;
    titel.setBold(true);
    p.setFont(titel);
    p.drawText(QRectF(rand, rand, g.width() - 2 * rand, titelHoehe), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Hochrechnungsfaktoren auf die Preisbasis 2003"));
    p.setFont(f);
    const qreal y = rand + titelHoehe;
    tabelle(p, rand, y, QStringLiteral("Ortskanal"), ortskanal);
    tabelle(p, rand + tabellenBreite + abstand, y, QStringLiteral("Kläranlagen"), klaeranlagen);
}

} // namespace preisindizes
