#pragma once

#include <QString>

#include <exception>

// The four runtime errors a calculation can raise. They never leave an event
// handler: an error block or the guard around every handler catches them.
enum class Fehler {
    Typen,               // empty text or text that is no number
    DivisionDurchNull,   // x / 0 with x != 0
    Ueberlauf,           // 0 / 0, or a result beyond the double (or Currency) range
    UngueltigesArgument, // root, fractional power or logarithm of a negative number
};

class Laufzeitfehler : public std::exception {
public:
    explicit Laufzeitfehler(Fehler art) : m_art(art) {}
    Fehler art() const { return m_art; }
    // The German standard description shown in the input error message.
    QString beschreibung() const;
    const char* what() const noexcept override;

private:
    Fehler m_art;
};
