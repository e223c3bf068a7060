#pragma once

#include <QString>

// The handbook the standard sludge table and the per-capita loads are taken
// from, as the windows cite it. Kept here once, so that every citation reads
// the same.
namespace handbuch {

inline const QString autoren = QStringLiteral("Arbeitskreis Abwasserpraxis");
inline const QString titel = QStringLiteral("Handbuch Abwasserreinigung und Schlammbehandlung");

} // namespace handbuch
