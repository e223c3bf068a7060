#pragma once

#include "rechnen.h"

#include <QString>

// Numbers and their texts under German regional settings: decimal comma,
// point as thousands separator.

// Reads a number the way a user types it: blanks around it, a leading sign,
// thousands points (skipped), a decimal comma and an exponent are allowed;
// "2," reads 2 and "1." reads 1. Empty text or text that is no number is a
// type mismatch, a number beyond the double range an overflow.
double zahl(const QString& text);
bool istZahl(const QString& text);

// The plain number text: at most 15 significant digits, decimal comma, no
// grouping, exponent form ("1E-06", "1,5E+15") for very small and very large
// values. inf or NaN is an overflow.
QString zahlText(double x);

// Formats with a pattern such as "##,##0.00 ", "##,##0.0 Mio € " or
// "##,##0.0 % ". Rounding is half away from zero on the 15-digit decimal value;
// a value that rounds to zero prints without a minus sign. A text that is no
// number, empty text included, comes back unchanged.
QString format(double x, const QString& muster);
QString format(const QString& text, const QString& muster);

// Currency rounding: 4 decimals, a tie to the even digit; beyond the Currency
// range an overflow.
double waehrung(double x);

// Writes a result into a label or box: first the plain number text, then that
// text re-read and formatted with the pattern, so that a later step reading
// the control gets the rounded text.
template <class Ziel>
void schreibe(Ziel* ziel, double x, const QString& muster)
{
    ziel->setText(zahlText(x));
    ziel->setText(format(ziel->text(), muster));
}

// Rewrites the control's own text in the pattern (a text that is no number
// stays as it is).
template <class Ziel>
void umformatieren(Ziel* ziel, const QString& muster)
{
    ziel->setText(format(ziel->text(), muster));
}

// Writes only the plain number text.
template <class Ziel>
void schreibe(Ziel* ziel, double x)
{
    ziel->setText(zahlText(x));
}
