#pragma once

#include "ui_frmGroseKAInfo3.h"

#include <QWidget>

// The maker's offer of an exact calculation, with the address of the court decision.
class frmGroseKAInfo3 : public QWidget, public Ui::frmGroseKAInfo3 {
public:
    static constexpr const char* Name = "frmGroseKAInfo3";
    explicit frmGroseKAInfo3(QWidget* parent = nullptr);
};
