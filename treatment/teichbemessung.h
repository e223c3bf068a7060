#pragma once

// The empirical degradation constant K1 (1/d) of a naturally aerated pond
// after Prof. Uhlmann and Dr. Schwarz, from the water temperature T (°C), the
// volumetric loading BR (g BOD5 per m³ and day) and the mean detention time
// t* (days). Checked arithmetic: a detention time of 0 is a division by zero,
// a negative one an invalid argument.
double abbaukonstanteK1(double T, double BR, double tStern);
