#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

#include <span>

class QPainter;

// Construction price index factors: a cost of a past tender year times the
// factor of that year gives the cost at the price basis 2003.
namespace preisindizes {

struct Faktor {
    int jahr;
    double faktor;
};

// Local sewers, 1980 to 2002.
extern const std::span<const Faktor> ortskanal;
// Treatment plants, 1991 to 2002.
extern const std::span<const Faktor> klaeranlagen;

// A table as its picture shows it: the year and the factor, one row per year.
struct Zeile {
    QString jahr;
    QString faktor;
};
QList<Zeile> zeilen(std::span<const Faktor> tabelle);

// Both tables side by side, drawn from the rows above.
QSizeF bildgroesse();
void zeichne(QPainter& p);

} // namespace preisindizes
