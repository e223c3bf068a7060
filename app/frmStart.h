#pragma once

#include "ui_frmStart.h"

#include <QMainWindow>

namespace fensterliste {
struct Menuepunkt;
}

// The main window: a strip with the menu bar and nothing else. The menu is
// built from the window table (fensterliste.cpp), one row per item; every
// command first runs the close rule, then opens its window or hands its link
// to the desktop.
class frmStart : public QMainWindow, private Ui::frmStart {
public:
    static constexpr const char* Name = "frmStart";
    explicit frmStart(QWidget* parent = nullptr);

private:
    // The close rule: closes the windows of the table's close list, in order.
    void schließen();
    // The Click handler of a menu row (named in the row), run as the row says.
    void Click(const fensterliste::Menuepunkt& punkt);
};
