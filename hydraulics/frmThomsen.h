#pragma once

#include "ui_frmThomsen.h"

#include <QWidget>

// Discharge over a sharp-crested V-notch weir from the half opening angle
// and the head, with the coefficient and the angle in radians on a lower
// panel that the window shows on demand.
class frmThomsen : public QWidget, public Ui::frmThomsen {
public:
    static constexpr const char* Name = "frmThomsen";
    explicit frmThomsen(QWidget* parent = nullptr);

private:
    void txtAlpha_Change();
    void txtÜberfallhöhe_Change();
    void Command1_Click();
    void Command1_MouseMove();
    void Label7_MouseMove();

    void Thomsen();
    void Beiwert();
    void Bogen();
    void setzeHoehe(int hoehe);

    // Window-level values of the last computation.
    double h = 0;                          // head, m
    double mu = 0;                         // discharge coefficient
    double alpha = 0;                      // half angle, radians
    double Q = 0, Qls = 0, Qd = 0, Qh = 0; // m³/s, l/s, m³/d, m³/h
};
