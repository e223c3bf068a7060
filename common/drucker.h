#pragma once

#include <QStringList>

class QPrinter;

// The printer of the desktop. Every printout goes through here, so that tests
// can put a recorder in place of the real printer.
namespace drucker {

// One page of plain text lines. The first line starts `linksCm` from the left
// and `obenCm` from the top of the printable area; each further line starts
// at the left edge of the printable area, one line below the one before.
struct Seite {
    double linksCm = 0;
    double obenCm = 0;
    QStringList zeilen;
};

enum class Ergebnis {
    Gedruckt,
    KeinDrucker,   // no default printer is set up
    Fehlgeschlagen // the job could not be started or was not finished
};

class Drucker {
public:
    virtual ~Drucker() = default;
    // Prints the page on the default printer, without a dialog.
    virtual Ergebnis drucke(const Seite& seite) = 0;
};

// Replaces the real printer (nullptr puts it back). Returns the previous one.
Drucker* setzeDrucker(Drucker* drucker);

Ergebnis drucke(const Seite& seite);

// Paints the page on a printer that is set up already (a real one or a PDF
// file) and ends the job. False when the job could not start or failed.
bool zeichne(QPrinter& drucker, const Seite& seite);

} // namespace drucker
