#pragma once

#include "fensterwert.h"
#include "ui_frmSchlammEindick.h"

#include <QWidget>

// Thickening, centrifuging or drying sludge: the dry mass per day, hour and
// year from the population (or back from the dry mass), the sludge volume
// before treatment from its dry solids content (or the content from the
// volume), and the volume left, the sludge water removed and the volume
// reduction for a target content. The groups below show up step by step.
class frmSchlammEindick : public QWidget, public Ui::frmSchlammEindick {
public:
    static constexpr const char* Name = "frmSchlammEindick";
    explicit frmSchlammEindick(QWidget* parent = nullptr);

private:
    void txtEW_KeyUp();
    void txtgEd_KeyUp();
    void txtda_KeyUp();
    void txtTMtd_KeyUp();
    void txtTS_KeyPress(int zeichen);
    void cmdTS_Click();
    void txtSVm3d_KeyUp();
    void txtentTS_KeyUp();
    void cmdDrucken_Click();

    void fEW();
    void ftd();
    void davor();
    void danach();
    void Wasser();
    void SVred();
    void Volumen();
    void Vorentvisible();
    void entVisible();
    void Eingabe();

    // The working values between events: a value taken from a box follows
    // later edits of that box, a computed one keeps its number.
    Fensterwert EW, gEd, da, TS;        // population, g/(E·d), days per year, % TS before
    Fensterwert TMtd, TMkgh, TMta;      // dry mass t/d, kg/h, t/a
    Fensterwert SVm3h, SVm3d, SVm3a;    // sludge volume before treatment
    Fensterwert entTS;                  // target % TS
    Fensterwert entm3h, entm3d, entm3a; // sludge volume after treatment
};
