#pragma once

#include "ui_frmSchlammB.h"

#include <QWidget>

// Page B of the standard sludge table (trickling filters with digester): each row
// writes its two values into the sludge quantity window.
class frmSchlammB : public QWidget, public Ui::frmSchlammB {
public:
    static constexpr const char* Name = "frmSchlammB";
    explicit frmSchlammB(QWidget* parent = nullptr);

private:
    void Zeile_Click(int gEd, double ts);
};
