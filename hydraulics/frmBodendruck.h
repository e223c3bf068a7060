#pragma once

#include "ui_frmBodendruck.h"

#include <QWidget>

// Force and pressure of a water column on a circular floor, such as a closed
// manhole cover or the end cap of a pipe.
class frmBodendruck : public QWidget, public Ui::frmBodendruck {
public:
    static constexpr const char* Name = "frmBodendruck";
    explicit frmBodendruck(QWidget* parent = nullptr);

private:
    void Kreisfläche();
    void Wasser();

    void txtd_KeyUp();
    void txtWS_KeyUp();
    void Command1_Click();

    // Window-level values of the last computation (SI units, forces in kp and N).
    double D = 0, A = 0;
    double F_kp = 0, F_N = 0, p_Pa = 0, p_kpcm = 0;
};
