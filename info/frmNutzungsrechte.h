#pragma once

#include "ui_frmNutzungsrechte.h"

#include <QWidget>

// The terms of use: three labels one below the other, empty in this version.
class frmNutzungsrechte : public QWidget, public Ui::frmNutzungsrechte {
public:
    static constexpr const char* Name = "frmNutzungsrechte";
    explicit frmNutzungsrechte(QWidget* parent = nullptr);
};
