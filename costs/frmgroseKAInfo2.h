#pragma once

#include "ui_frmgroseKAInfo2.h"

#include <QWidget>

// How the oversizing assessment computes, along its example.
class frmgroseKAInfo2 : public QWidget, public Ui::frmgroseKAInfo2 {
public:
    static constexpr const char* Name = "frmgroseKAInfo2";
    explicit frmgroseKAInfo2(QWidget* parent = nullptr);
};
