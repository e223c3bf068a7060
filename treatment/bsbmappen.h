#pragma once

#include "arbeitsblatt.h"

#include <memory>

// The two workbooks of the BOD degradation window. Both tabulate the
// degradation BOD(t) = L (1 - 10^(-k t)) for the days 1 to 30 and the water
// temperatures 5 to 30 °C: the left block with L = 100 (percent of the
// ultimate BOD), the right block with L in mg/l from the BOD5 in J40. The
// window writes k1 at 20 °C into M36 and the BOD5 into J40 of the absolute
// workbook, and k1 into E36 of the relative one.
namespace bsbMappe {

enum class Art { Absolut, Relativ };

// The workbook's first sheet in its stored state (k1 0,1, BOD5 25), computed.
std::unique_ptr<Arbeitsblatt> erzeuge(Art art);

} // namespace bsbMappe
