#pragma once

#include "ui_frmSchlammA.h"

#include <QWidget>

// Page A of the standard sludge table (settling tanks with digester): each row
// writes its two values into the sludge quantity window.
class frmSchlammA : public QWidget, public Ui::frmSchlammA {
public:
    static constexpr const char* Name = "frmSchlammA";
    explicit frmSchlammA(QWidget* parent = nullptr);

private:
    void Zeile_Click(int gEd, double ts);
};
