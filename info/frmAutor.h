#pragma once

#include "ui_frmAutor.h"

#include <QWidget>

// "Miezekatze": a picture of a cat with a call to order the newsletter; the
// button opens the maker's home page.
class frmAutor : public QWidget, public Ui::frmAutor {
public:
    static constexpr const char* Name = "frmAutor";
    explicit frmAutor(QWidget* parent = nullptr);

private:
    void Command2_Click();
};
