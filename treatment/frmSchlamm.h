#pragma once

#include "ui_frmSchlamm.h"

#include <QWidget>

// Sludge quantities from the population: dry mass and sludge volume per hour,
// day and year, or back from the dry mass or the sludge volume per day. The
// standard sludge table writes txtgEd and txtTS from outside.
class frmSchlamm : public QWidget, public Ui::frmSchlamm {
public:
    static constexpr const char* Name = "frmSchlamm";
    explicit frmSchlamm(QWidget* parent = nullptr);

private:
    void fEW();
    void ftd();
    void fSVm3d();

    void txtEW_KeyUp();
    void txtgEd_KeyUp();
    void txtTS_KeyUp();
    void txtda_KeyUp();
    void txtTMtd_KeyUp();
    void txtSVm3d_KeyUp();
    // Runs the computation; on a runtime error the key's own box gets its
    // reset text back.
    void rechne(void (frmSchlamm::*rechnung)(), QLineEdit* box, const QString& ruecksetzText);

    // Working values of the last computation.
    double E = 0;                  // population equivalents in thousands
    double g = 0;                  // dry solids per population equivalent and day, g
    double TS = 0;                 // dry solids content, %
    double d = 0;                  // days of operation per year
    double Mh = 0, Md = 0, Ma = 0; // dry mass per hour (kg), day (t), year (t)
    double Vh = 0, Vd = 0, Va = 0; // sludge volume per hour, day, year (m³)
    double T = 0, V = 0;           // dry mass (t/d) and volume (m³/d) typed
};
