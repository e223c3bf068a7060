#pragma once

#include "ui_frmCs.h"

#include <QWidget>

#include <functional>
#include <optional>

// Oxygen saturation of water from 0,0 to 41,0 °C in steps of 0,1 °C, looked
// up in a fixed table, and a measured concentration related to it.
class frmCs : public QWidget, public Ui::frmCs {
public:
    static constexpr const char* Name = "frmCs";
    explicit frmCs(QWidget* parent = nullptr);

private:
    void txtTemp_KeyUp();
    void txtCx_KeyUp();
    void Command2_Click();
    void Command1_Click();
    void txtQuellenangabe_MouseMove();

    void ungueltigeTemperatur();
    void setzeHoehe(int hoehe);
    // The error block of both key handlers: the message first, then the reset.
    static void fehlerblock(const std::function<void()>& schritte, const std::function<void()>& ruecksetzen);

    // Window-level values; empty until first set, then kept between events.
    std::optional<double> T;  // the last temperature read, °C
    std::optional<double> Cs; // saturation concentration, mg/l
    double Cx = 0;            // measured concentration, mg/l
    double relativ = 0;       // 100 Cx / Cs
    double verhaeltnis = 0;   // Cs / (Cs - Cx)
    QString Zeile;            // the last line put on the clipboard
};
