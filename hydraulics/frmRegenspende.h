#pragma once

#include "ui_frmRegenspende.h"

#include "fensterwert.h"

#include <QWidget>

// Rain yield of another duration and frequency from the design rain by the
// time factor, the rain depth and intensity, the rain volume on an area with
// its mean flow, and the runoff for a chosen runoff coefficient.
class frmRegenspende : public QWidget, public Ui::frmRegenspende {
public:
    static constexpr const char* Name = "frmRegenspende";
    explicit frmRegenspende(QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_MouseMove();
    void Form_MouseMove();
    void Abflussbeiwert_Click(double wert, bool zuerstInDieBox);
    void Regenhaeufigkeit_Click(double wert);
    void txtm2_Change();
    void TxtPsi_Change();
    void txtT_Change();

    void Fläche();
    void Jährlichkeit();
    void Zeitbeiwert();
    bool Regenrtn();
    void Regenfall();
    void Niederschlagsintensität();
    void Gesamtregenmenge();
    void Gesamtabflussmenge();

    void setzeHoehe(int hoehe);

    // Window-level values: texts as last read from their boxes, and the
    // unrounded results computed from them.
    Fensterwert r15, T, n, Am2, Psi;
    double Tn = 0;         // return period, years
    double phi = 0;        // time factor
    double rT = 0;         // rain yield rT(n), l/(s ha)
    double Aha = 0;        // area, ha
    double h = 0, i = 0;   // rain depth (mm) and intensity (mm/min)
    double VR = 0, VA = 0; // rain and runoff volume, m³
};
