#pragma once

#include "ui_frmgewährleistung.h"

#include <QWidget>

// The warranty note in one label.
class frmgewährleistung : public QWidget, public Ui::frmgewährleistung {
public:
    static constexpr const char* Name = "frmgewährleistung";
    explicit frmgewährleistung(QWidget* parent = nullptr);
};
