#pragma once

#include "fensterwert.h"
#include "ui_frmKreis.h"

#include <QWidget>

// Diameter and area of a circle and, with that circle as base, height and
// volume of a cylinder: whichever box is typed in drives the others.
class frmKreis : public QWidget, public Ui::frmKreis {
public:
    static constexpr const char* Name = "frmKreis";
    explicit frmKreis(QWidget* parent = nullptr);

private:
    void txtDurchmesser_KeyUp();
    void txtFläche_KeyUp();
    void txtZylinderhöhe_KeyUp();
    void txtZylindervolumen_KeyUp();
    // The key filter of the volume box: false when the key is turned away.
    bool txtZylindervolumen_KeyPress(const QKeyEvent* taste);

    void BerechnungFläche();
    void BerechnungDurchmesser();
    void BerechnungZylindervolumen();
    void BerechnungZylinderhöhe();
    // Runs the steps; on a runtime error the key's box is set to "0".
    void rechne(QLineEdit* box, const std::function<void()>& schritte);

    // Diameter, area, height and volume: unset when the window opens, then
    // the last computed number or bound to their own box.
    Fensterwert D, A, H, V;
};
