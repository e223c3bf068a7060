#pragma once

#include "prandtlColebrook.h"

// The slope a pipe running full needs for a velocity: the slope is stepped up
// from 0 by a running sum until the Prandtl-Colebrook velocity reaches the
// required one. The result depends on the steps (it is the first step that
// reaches the velocity), so this is deliberately not a root finder.
//
// The search gives up at once when kb / (3.71 D) >= 1, since the velocity is
// then never positive, and when the slope passes the bound. One million steps
// take some 15 ms, so the loop evaluates the formula without the checked
// arithmetic; a step whose terms leave the sound range is evaluated again by
// prandtlColebrook(), which raises the runtime error.
struct Gefaellesuche {
    bool gefunden = false; // false: given up (kb too large, or the bound passed)
    double i = 0;          // the slope of the last step, as a fraction
    long schritte = 0;     // the steps taken
    PrandtlColebrook pc;   // the terms of the last step (when found)
};

Gefaellesuche sucheGefaelle(double vSoll, double nu, double d, double kb, double schritt = 0.00001,
                            double grenze = 10.0);
