#pragma once

#include "ui_frmGefaelle_gesucht.h"

#include <QWidget>

#include <optional>

// The slope a circular pipe running full needs to carry a given flow
// (Prandtl-Colebrook, searched in steps of 0.00001), shown in per mille and as
// 1 : N, with the conversion between invert difference and section length.
class frmGefaelle_gesucht : public QWidget, public Ui::frmGefaelle_gesucht {
public:
    static constexpr const char* Name = "frmGefaelle_gesucht";
    explicit frmGefaelle_gesucht(QWidget* parent = nullptr);

private:
    void Geschwindigkeit();
    void gefälle();
    void Fläche();
    void zurück();
    // The answer to input the window cannot take seriously.
    void unrealistisch();

    void txtls_KeyUp();
    void txtm3h_KeyUp();
    void txtDN_KeyUp();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option_Click(QLineEdit* box, double wert);
    void txtdeltaSohle_KeyUp();
    void txtMZ_KeyPress();
    void txtMZ_KeyUp();
    void Sohldifferenz();

    // Window-level values; empty until first set, then kept between events.
    std::optional<double> i; // slope as a fraction, the search variable
    double kb = 0, nue = 0, D = 0, A = 0, vErf = 0;
    double t1 = 0, t2 = 0, r = 0, v = 0;
    double Q = 0, Qh = 0, Qs = 0;
    double N = 0; // section length of 1 : N, a Currency value
};
