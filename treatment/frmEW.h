#pragma once

#include "ui_frmEW.h"

#include <QWidget>

// Daily wastewater loads of a population: the typed population equivalents
// times fixed per-capita loads, in two tables (solids and BOD5 after Imhoff,
// load structure for the design of activated sludge plants).
class frmEW : public QWidget, public Ui::frmEW {
public:
    static constexpr const char* Name = "frmEW";
    explicit frmEW(QWidget* parent = nullptr);

private:
    void txtEW_Change();
    void Tabelle1();
    void Tabelle2();
    // One cell: the population times the cell's load in kg per person and day.
    void Zelle(QLabel* zelle, double faktor);
};
