#pragma once

#include <functional>
#include <initializer_list>

class QRadioButton;

// A row of the standard sludge table chosen on one of its pages: shows the
// sludge quantity window (created with its design values if it is closed)
// and writes the row's dry solids per population equivalent and day and its
// dry solids content into its boxes. Nothing is computed there.
void uebernimmSchlammdaten(int gEd, double ts);

// A row of a page: its option button, g/(PE d) and % TS.
struct Schlammzeile {
    QRadioButton* zeile;
    int gEd;
    double ts;
};

// Makes every row of a page run its click handler with the row's values.
void verbindeZeilen(std::initializer_list<Schlammzeile> zeilen, const std::function<void(int gEd, double ts)>& klick);
