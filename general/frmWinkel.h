#pragma once

#include "fensterwert.h"
#include "ui_frmWinkel.h"

#include <QWidget>

// The angle whose sine, cosine, tangent or cotangent is the value typed, in
// degrees and in gon, and the value's arc tangent in radians.
class frmWinkel : public QWidget, public Ui::frmWinkel {
public:
    static constexpr const char* Name = "frmWinkel";
    explicit frmWinkel(QWidget* parent = nullptr);

private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();

    void Beginn();
    // Degrees and gon of an angle given in radians.
    void Winkel(double bogen);
    // Runs the steps of an option; a text that is no number is reported.
    void rechne(const std::function<void()>& schritte);
    // The value is outside what the option can take: reported, no angle.
    static void ausserhalb();

    double pi = 0;
    Fensterwert Betrag; // bound to txtBetrag
};
