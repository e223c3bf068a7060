#pragma once

#include "ui_frmSchlammStart.h"

#include <QWidget>

// Where the sludge properties come from: own values, or one of the four
// pages of the standard sludge table (one page open at a time).
class frmSchlammStart : public QWidget, public Ui::frmSchlammStart {
public:
    static constexpr const char* Name = "frmSchlammStart";
    explicit frmSchlammStart(QWidget* parent = nullptr);

private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
};
