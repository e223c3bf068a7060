#pragma once

#include "ui_frmUpdate.h"

#include <QWidget>

// How to keep up with new versions, with four buttons that open the maker's
// pages and the e-mail link.
class frmUpdate : public QWidget, public Ui::frmUpdate {
public:
    static constexpr const char* Name = "frmUpdate";
    explicit frmUpdate(QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();
};
