#pragma once

#include "ui_frmhyAusfluss.h"

#include "ereignisse.h"
#include "fensterwert.h"

#include <QWidget>

// Steady outflow through equal openings in a floor under a constant water
// column, as through the holes of a manhole cover when a sewer surcharges:
// per opening and in total, and the volume of several manholes over a time.
class frmhyAusfluss : public QWidget, public Ui::frmhyAusfluss {
public:
    static constexpr const char* Name = "frmhyAusfluss";
    explicit frmhyAusfluss(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void txtAnzahl_KeyUp();
    void txtDurchmesser_KeyUp();
    void txtFläche_KeyUp();
    void txth_KeyUp();
    void Listmue_Click();
    void txtAnzahlSchächte_KeyUp();
    void txtAusflusszeit_KeyUp();
    void HScroll1_Change();

    void visFläche();
    void Freigabe();
    void BerechnungFläche();
    void BerechnungDurchmesser();
    void Ausfluss();
    void einzelLoch();
    void AusflussjeZeit();

    // The handlers without a reset of their own.
    static void ohneRuecksetzen(const ereignis::Handler& schritte);

    // Window-level values, empty until first set.
    Fensterwert n;         // count of openings: 1, or the text of txtAnzahl
    Fensterwert d;         // diameter of one opening, m
    Fensterwert A;         // total area, m²: computed, or the text of txtFläche
    Fensterwert h;         // water column, m
    Fensterwert mu;        // text of the chosen discharge coefficient
    Fensterwert shafts;    // text of txtAnzahlSchächte
    Fensterwert t;         // text of txtAusflusszeit, min
    double a1 = 0;         // area of one opening, m²
    double Q = 0, Qls = 0; // total outflow, m³/s and l/s
    double q1 = 0;         // outflow of one opening, l/s
    double V = 0;          // volume of all manholes over the time, m³
};
