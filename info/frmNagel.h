#pragma once

#include "ui_frmNagel.h"

#include <QWidget>

// "Problemlösung": a few words from the maker in a locked text box.
class frmNagel : public QWidget, public Ui::frmNagel {
public:
    static constexpr const char* Name = "frmNagel";
    explicit frmNagel(QWidget* parent = nullptr);
};
