#include "rechnen.h"

#include "laufzeitfehler.h"

#include <cmath>

namespace rechnen {

double geprueft(double x)
{
    if (!std::isfinite(x))
        throw Laufzeitfehler(Fehler::Ueberlauf);
    return x;
}

double teile(double a, double b)
{
    if (b == 0.0)
        throw Laufzeitfehler(a == 0.0 ? Fehler::Ueberlauf : Fehler::DivisionDurchNull);
    return geprueft(a / b);
}

double hoch(double a, double b)
{
    if (a < 0.0 && std::trunc(b) != b)
        throw Laufzeitfehler(Fehler::UngueltigesArgument);
    if (a == 0.0 && b < 0.0)
        throw Laufzeitfehler(Fehler::DivisionDurchNull);
    return geprueft(std::pow(a, b));
}

double wurzel(double a)
{
    if (a < 0.0)
        throw Laufzeitfehler(Fehler::UngueltigesArgument);
    return std::sqrt(a);
}

double ln(double a)
{
    if (!(a > 0.0))
        throw Laufzeitfehler(Fehler::UngueltigesArgument);
    return geprueft(std::log(a));
}

double exp(double a)
{
    return geprueft(std::exp(a));
}

} // namespace rechnen
