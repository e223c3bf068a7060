#include "gefaellesuche.h"

#include "rechnen.h"

#include <cfloat>
#include <cmath>

Gefaellesuche sucheGefaelle(double vSoll, double nu, double d, double kb, double schritt, double grenze)
{
    Gefaellesuche s;
    const double t2 = rechnen::teile(kb, 3.71 * d);
    if (t2 >= 1.0)
        return s;
    const double zaehler = nu * 2.51;
    const double ln10 = std::log(10.0);
    double i = 0;
    for (;;) {
        i = i + schritt;
        ++s.schritte;
        if (i > grenze) {
            s.i = i;
            return s;
        }
        // The terms of prandtlColebrook(), the root of t1 taken of ((i D) 2) 9.81.
        const double t1 = zaehler / (d * std::sqrt(((i * d) * 2) * 9.81));
        const double summe = t1 + t2;
        double v;
        if (summe > 0.0 && summe <= DBL_MAX) {
            const double r = std::sqrt((19.62 * i) * d);
            v = ((std::log(summe) / ln10) * -2.0) * r;
        } else {
            v = prandtlColebrook(i, nu, d, kb).v; // raises the error of this step
        }
        if (!(v < vSoll))
            break;
    }
    s.gefunden = true;
    s.i = i;
    s.pc = prandtlColebrook(i, nu, d, kb);
    return s;
}
