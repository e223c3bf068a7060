#pragma once

#include "ui_frmGroseKAInfo5.h"

#include <QWidget>

// What the oversizing assessment is for.
class frmGroseKAInfo5 : public QWidget, public Ui::frmGroseKAInfo5 {
public:
    static constexpr const char* Name = "frmGroseKAInfo5";
    explicit frmGroseKAInfo5(QWidget* parent = nullptr);
};
