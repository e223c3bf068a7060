#pragma once

// The Prandtl-Colebrook velocity of a circular pipe running full, evaluated
// once without iteration:
//   v = -2 log10(2.51 nu / (D sqrt(2g D i)) + kb / (3.71 D)) sqrt(2g D i)
// with 2g = 19.62. All values in SI units (i as a fraction, nu in m²/s, D and
// kb in m). Runtime errors as the checked arithmetic raises them.
struct PrandtlColebrook {
    double t1 = 0; // 2.51 nu / (D sqrt(2g D i))
    double t2 = 0; // kb / (3.71 D)
    double r = 0;  // sqrt(2g D i)
    double v = 0;  // velocity in m/s

    // The log term t1 + t2 is below 1 only for a positive velocity.
    bool positiv() const { return t1 + t2 < 1.0; }
};

PrandtlColebrook prandtlColebrook(double i, double nu, double d, double kb);
