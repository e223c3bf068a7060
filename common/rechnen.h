#pragma once

// Checked arithmetic: every operation that could produce inf or NaN raises the
// matching runtime error instead, so no result text ever reads "inf" or "nan".
namespace rechnen {

// A finite value passes; inf or NaN is an overflow.
double geprueft(double x);
// a / b: b == 0 is division by zero, 0 / 0 and a too large quotient overflow.
double teile(double a, double b);
// a ^ b: a negative base with a fractional exponent is an invalid argument,
// 0 to a negative power a division by zero.
double hoch(double a, double b);
double wurzel(double a);
// Natural logarithm; 0 and negative numbers are invalid arguments.
double ln(double a);
double exp(double a);

} // namespace rechnen
