#pragma once

#include <QString>

#include <functional>
#include <memory>

// One worksheet: cells holding numbers, texts and formulas in spreadsheet
// notation ("=$B$38*(1-(10^(-B$36*$A3)))" without the "="), computed by the
// ixion formula engine. Writing a cell recalculates every cell that depends
// on it. Cells are named in A1 notation, letters in either case; rows and
// columns counted from 0 address the same cells (A1 is 0, 0).
class Arbeitsblatt {
public:
    // A cell's value as the sheet shows it.
    struct Wert {
        enum class Art { Leer, Zahl, Text, Fehler };
        Art art = Art::Leer;
        double zahl = 0;
        QString text; // the text, or the error's name such as "#DIV/0!"
    };

    // The number formats a cell can have.
    enum class Format {
        Standard,    // as many digits as fit into eleven characters
        Grad,        // 0 "°"
        EineStelle,  // 0.0
        ZweiStellen, // 0.00
        DreiStellen, // 0.000
        Prozent,     // 0%
        MgBsbJeL,    // 0 "mg BSB/l"
    };

    explicit Arbeitsblatt(const QString& name);
    ~Arbeitsblatt();
    Arbeitsblatt(const Arbeitsblatt&) = delete;
    Arbeitsblatt& operator=(const Arbeitsblatt&) = delete;

    // The design. A range ("B3:G32") or a single cell.
    void zahl(const char* zelle, double x);
    // The numbers erster, erster + schritt, ... along the range.
    void reihe(const char* bereich, double erster, double schritt);
    void text(const char* zelle, const QString& text);
    // A formula written for the range's first cell and copied over the range:
    // its relative references follow each cell, the ones fixed by "$" stay.
    void formel(const char* bereich, const char* formel);
    void format(const char* bereich, Format f);
    // Marks the range's cells whose value is greater than a number, or than
    // the value of another cell.
    void markiereUeber(const char* bereich, double grenze);
    void markiereUeber(const char* bereich, const char* grenzzelle);
    // The part of the sheet that a view shows ("I1:O46").
    void zeige(const char* bereich);
    // Computes every formula; called once the design is complete.
    void berechne();

    // Sets a cell's value, as the window does: a text that reads as a number
    // is stored as that number, the empty text empties the cell, another text
    // stays a text. A formula in the cell is replaced. Then everything that
    // depends on the cell is recalculated.
    void setze(const QString& zelle, const QString& text);
    void setze(const QString& zelle, double x);

    Wert wert(int zeile, int spalte) const;
    Wert wert(const QString& zelle) const;
    // The value in the cell's number format; an error shows its name.
    QString anzeige(int zeile, int spalte) const;
    bool markiert(int zeile, int spalte) const;

    struct Ausschnitt {
        int ersteZeile = 0, ersteSpalte = 0, zeilen = 0, spalten = 0;
    };
    Ausschnitt ausschnitt() const;

    // Runs after every write, when the sheet has been recalculated.
    void beiAenderung(std::function<void()> f);

    // "A", "B", ... "Z", "AA", ...
    static QString spaltenname(int spalte);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
