#pragma once

#include "ui_frmSchlammD.h"

#include <QWidget>

// Page D of the standard sludge table (chemical precipitation and flocculation): each row
// writes its two values into the sludge quantity window.
class frmSchlammD : public QWidget, public Ui::frmSchlammD {
public:
    static constexpr const char* Name = "frmSchlammD";
    explicit frmSchlammD(QWidget* parent = nullptr);

private:
    void Zeile_Click(int gEd, double ts);
};
