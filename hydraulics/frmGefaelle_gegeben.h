#pragma once

#include "ui_frmGefaelle_gegeben.h"

#include <QWidget>

#include <optional>

// Flow of a circular pipe running full for a given slope (Prandtl-Colebrook),
// with friction loss over a length, minor losses and a side calculation that
// turns a height difference and a length into the slope.
class frmGefaelle_gegeben : public QWidget, public Ui::frmGefaelle_gegeben {
public:
    static constexpr const char* Name = "frmGefaelle_gegeben";
    explicit frmGefaelle_gegeben(QWidget* parent = nullptr);

private:
    void Geschwindigkeit();
    void Fläche();
    void Promille();
    void notVisiblePromille();
    void Länge();
    void Einzelverlust();

    void txtDN_KeyUp();
    void txtkb_KeyUp();
    void txtmue_KeyUp();
    void txti_KeyPress(int zeichen);
    void cmdi_Click();
    void txtRLL_KeyUp();
    void txtEVB_KeyUp();
    void txtdeltaSohle_KeyUp();
    void txtHL_KeyUp();
    void Option_Click(QLineEdit* box, double wert);

    // Window-level values; empty until first set, then kept between events.
    std::optional<double> i; // slope as a fraction
    double kb = 0, nue = 0, D = 0, A = 0;
    double t1 = 0, t2 = 0, r = 0, v = 0;
    double Q = 0, Qh = 0, hv = 0;
    double L = 0, hr = 0, zeta = 0, he = 0, ht = 0;
    double hoehe = 0, laenge = 0;
};
