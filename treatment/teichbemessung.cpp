#include "teichbemessung.h"

#include "rechnen.h"

using namespace rechnen;

double abbaukonstanteK1(double T, double BR, double tStern)
{
    const double x = teile(-1, 1.391 + teile(1.304, T) + teile(0.061 + geprueft(0.05 * T), BR));
    const double nenner = 0.327 + teile(10.277, T) + teile(1, geprueft((0.25 + teile(0.476, T)) * BR));
    return teile(hoch(tStern, x), nenner);
}
