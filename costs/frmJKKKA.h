#pragma once

#include "ui_frmJKKKA.h"

#include "fensterwert.h"

#include <QWidget>

// What a small household treatment plant costs its owners per year: the
// capital cost (straight-line depreciation plus average interest on the part
// not covered by a subsidy), the operating cost, their sum and that sum per
// cubic metre of drinking water. Computed on "Berechnung" only.
class frmJKKKA : public QWidget, public Ui::frmJKKKA {
public:
    static constexpr const char* Name = "frmJKKKA";
    explicit frmJKKKA(QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Refinanzierungskosten();
    void Betriebskosten();
    void Jahreskosten();

    // The inputs as the texts of their boxes when last taken.
    Fensterwert E, IK, NND, FM, TW, EK, P, WK, S;
    double Z = 0; // half the interest rate: the average over the service life, %/a
    // Results, unrounded: the annual cost adds these, not the shown texts.
    double TWE = 0, TWa = 0;                      // drinking water per inhabitant and per household, m³/a
    double Abschreibung = 0, Zinsen = 0, Ref = 0; // capital cost and its two parts, Euro/a
    double Schlamm = 0, SEK = 0, BK = 0;          // sludge m³/a, its disposal and the operating cost, Euro/a
    double JK = 0, JKm3 = 0;                      // annual cost, Euro/a and Euro/m³
};
