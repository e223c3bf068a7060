#pragma once

#include "ui_frmIndexInfo.h"

#include <QWidget>

// How the price basis 2003 is reached, with the table of the factors.
class frmIndexInfo : public QWidget, public Ui::frmIndexInfo {
public:
    static constexpr const char* Name = "frmIndexInfo";
    explicit frmIndexInfo(QWidget* parent = nullptr);
};
