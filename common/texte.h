#pragma once

#include <QString>

// The fixed texts of the input error messages that many windows share.
namespace texte {

// "Tippfehler - Wert wird auf <wert> gesetzt"
inline QString wertAuf(const QString& wert)
{
    return QStringLiteral("Tippfehler - Wert wird auf ") + wert + QStringLiteral(" gesetzt");
}

inline const QString wertAuf0 = wertAuf(QStringLiteral("0"));
inline const QString wertAuf1 = wertAuf(QStringLiteral("1"));
inline const QString wertZurueck = QStringLiteral("Tippfehler - Wert wird zurückgesetzt");
inline const QString werteZurueck = QStringLiteral("Tippfehler - Werte werden zurückgesetzt");
inline const QString alleZurueck = QStringLiteral("Tippfehler - Alle Eingabewerte werden zurückgesetzt");
// A handler without a reset of its own: the input stays as typed.
inline const QString werteUnveraendert = QStringLiteral("Tippfehler - Werte bleiben unverändert");
inline const QString programmZurueck = QStringLiteral("Tippfehler - Programm wird zurückgesetzt");

// The usual titles.
inline const QString eingabefehler = QStringLiteral("Eingabefehler");
inline const QString eingabeAendern = QStringLiteral("Eingabe ändern!");

} // namespace texte
