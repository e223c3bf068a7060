#pragma once

#include "ui_frmSchlammC.h"

#include <QWidget>

// Page C of the standard sludge table (activated sludge plants with digester or aerobic stabilisation): each row
// writes its two values into the sludge quantity window.
class frmSchlammC : public QWidget, public Ui::frmSchlammC {
public:
    static constexpr const char* Name = "frmSchlammC";
    explicit frmSchlammC(QWidget* parent = nullptr);

private:
    void Zeile_Click(int gEd, double ts);
};
