#pragma once

#include "ui_frmVersion.h"

#include <QWidget>

// The date of this version, and nothing else.
class frmVersion : public QWidget, public Ui::frmVersion {
public:
    static constexpr const char* Name = "frmVersion";
    explicit frmVersion(QWidget* parent = nullptr);
};
