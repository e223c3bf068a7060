#include "laufzeitfehler.h"

QString Laufzeitfehler::beschreibung() const
{
    switch (m_art) {
    case Fehler::Typen: return QStringLiteral("Typen unverträglich");
    case Fehler::DivisionDurchNull: return QStringLiteral("Division durch Null");
    case Fehler::Ueberlauf: return QStringLiteral("Überlauf");
    case Fehler::UngueltigesArgument: return QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument");
    }
    return {};
}

const char* Laufzeitfehler::what() const noexcept
{
    switch (m_art) {
    case Fehler::Typen: return "type mismatch";
    case Fehler::DivisionDurchNull: return "division by zero";
    case Fehler::Ueberlauf: return "overflow";
    case Fehler::UngueltigesArgument: return "invalid argument";
    }
    return "runtime error";
}
