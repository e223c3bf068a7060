#include "prandtlColebrook.h"

#include "rechnen.h"

using namespace rechnen;

PrandtlColebrook prandtlColebrook(double i, double nu, double d, double kb)
{
    PrandtlColebrook p;
    p.t1 = teile(nu * 2.51, d * hoch(geprueft((19.62 * i) * d), 0.5));
    p.t2 = teile(kb, 3.71 * d);
    p.r = hoch(geprueft((19.62 * i) * d), 0.5);
    const double lg = teile(ln(geprueft(p.t1 + p.t2)), ln(10.0));
    p.v = geprueft((lg * -2.0) * p.r);
    return p;
}
