#pragma once

#include "ui_frmEnergiePWInfo.h"

#include <QWidget>

class QPainter;

// How the pump window computes, with the formula of the coupling power.
class frmEnergiePWInfo : public QWidget, public Ui::frmEnergiePWInfo {
public:
    static constexpr const char* Name = "frmEnergiePWInfo";
    explicit frmEnergiePWInfo(QWidget* parent = nullptr);

    // P = Q[l/s] × Hman[mWS] / (102 × η) [kW], in a picture of 259 × 55.
    static void formel(QPainter& p);
};
