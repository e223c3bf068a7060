#pragma once

#include "ui_frm_natürl_bel_Teich.h"

#include "fensterwert.h"

#include <QWidget>

#include <functional>

// Design of a plant of naturally aerated wastewater ponds, in two independent
// ways on two pages: the empirical BOD5 degradation model (flows, load,
// detention time, volume, surface, the constant K1, the effluent and the
// reserve against the monitoring value, with warnings), and sizing by a fixed
// water-surface area per inhabitant. Two more pages show a pond scheme and a
// chart of K1. Both design pages open the earth basin window.
class frm_natürl_bel_Teich : public QWidget, public Ui::frm_natürl_bel_Teich {
public:
    static constexpr const char* Name = "frm_natürl_bel_Teich";
    explicit frm_natürl_bel_Teich(QWidget* parent = nullptr);

private:
    void Eingabe();
    void ZulauffrachtVK();
    void Zwischenergebnisse();
    void Konstante();
    void Endergebnisse();
    void Warnungen();
    void Berechnung();
    void F_DWAFlächengröße();
    void Programmstart();

    void HScroll1_Change();
    void HScroll2_Change();
    // A key released in a page-1 box.
    void Eingabe_KeyUp();
    void Option_Click(double flaeche);
    void Command4_Click();

    // The seven page-1 boxes get their reset texts.
    void seite1Zuruecksetzen();
    // The error blocks of page 1 (scroll bars and boxes) and of page 2.
    void seite1Fehlerblock(const std::function<void()>& schritte);
    void seite2Fehlerblock(const std::function<void()>& schritte);

    // The page-1 inputs as the texts of their boxes.
    Fensterwert UeW, E, q, QF, g, n, Tiefe;
    // Volumetric loading and water temperature; empty until a page-1 bar moves.
    Fensterwert BR, T;
    double Qs = 0, Qd = 0, L = 0, S0 = 0;    // flows (m³/d), load (kg/d), inflow BOD5 (mg/l)
    double tStern = 0, V = 0, A = 0, BA = 0; // detention time (d), volume, surface, m² per inhabitant
    double K1 = 0, S = 0, Reserve = 0;       // 1/d, effluent BOD5 (mg/l), %
    // Sizing by area: m² per inhabitant (empty until an option is chosen),
    // safety factor, water-surface area and the depth bar's value.
    Fensterwert Flaechenbedarf;
    double Sicherheit = 0;
    double DWAFlaeche = 0;
    double DWATiefe = 0;
};
