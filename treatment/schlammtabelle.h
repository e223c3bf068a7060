#pragma once

// A row of the standard sludge table chosen on one of its pages: shows the
// sludge quantity window (created with its design values if it is closed)
// and writes the row's dry solids per population equivalent and day and its
// dry solids content into its boxes. Nothing is computed there.
void uebernimmSchlammdaten(int gEd, double ts);
