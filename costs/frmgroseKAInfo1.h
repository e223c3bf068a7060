#pragma once

#include "ui_frmgroseKAInfo1.h"

#include <QWidget>

// The problem: what an oversized plant may cost the fee payers, and why it is less than feared.
class frmgroseKAInfo1 : public QWidget, public Ui::frmgroseKAInfo1 {
public:
    static constexpr const char* Name = "frmgroseKAInfo1";
    explicit frmgroseKAInfo1(QWidget* parent = nullptr);
};
