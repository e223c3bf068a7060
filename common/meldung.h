#pragma once

#include <QString>

class Laufzeitfehler;

// Every message box of the program goes through here, so that tests can put a
// recorder in place of the real box.
namespace meldung {

// Buttons and icon of a box, as the message box styles are numbered.
enum Stil : int {
    NurOk = 0,
    JaNein = 4,
    Kritisch = 16,
    Frage = 32,
    Ausrufezeichen = 48,
    Information = 64,
};

// The answer: the button that closed the box.
enum Antwort : int { Ok = 1, Ja = 6, Nein = 7 };

// The program's title, shown by a box that has none of its own.
inline const QString programmTitel = QStringLiteral("Kelmo");

class Anzeige {
public:
    virtual ~Anzeige() = default;
    virtual int zeige(const QString& text, const QString& titel, int stil) = 0;
};

// Replaces the real box (nullptr puts it back). Returns the previous one.
Anzeige* setzeAnzeige(Anzeige* anzeige);

// Shows a modal box and returns the button that closed it. Line breaks are
// written CR LF. An empty title shows the program's title.
int box(const QString& text, const QString& titel = {}, int stil = NurOk);

// The input error message: the error's description, CR LF, the fixed text;
// OK only, no icon. Without an error the text starts with the line break.
void eingabefehler(const Laufzeitfehler* fehler, const QString& text,
                   const QString& titel = QStringLiteral("Eingabefehler"));

// A plausibility warning that keeps the value ("Eingabe ändern!" and the
// like): OK only, no icon; shown without an error, its text starts with the
// line break.
void warnung(const QString& text, const QString& titel);

} // namespace meldung
