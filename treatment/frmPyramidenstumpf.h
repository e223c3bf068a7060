#pragma once

#include "ui_frmPyramidenstumpf.h"

#include "fensterwert.h"

#include <QWidget>

// Geometry of an earth basin shaped as an upside-down truncated pyramid on a
// rectangular floor (ponds, planted soil filters): depths, embankment
// projections and lengths, crest and water-surface sizes, gross and usable
// volume, liner surfaces and two soil-filter parameters; besides, the
// embankment gradient in its three usual forms and its angle.
class frmPyramidenstumpf : public QWidget, public Ui::frmPyramidenstumpf {
public:
    static constexpr const char* Name = "frmPyramidenstumpf";
    explicit frmPyramidenstumpf(QWidget* parent = nullptr);

private:
    void EingabeGefälleAbsolut();
    void EingabeGefälleProzent();
    void EingabeGefälleProportion();
    void Winkelberechnung();
    void B_Gesamttiefe();
    void Rücksetzen();
    void Sichtbar();

    // A key released in one of the slope boxes, converted by its procedure.
    void Gefaelle_KeyUp(QLineEdit* box, void (frmPyramidenstumpf::*umrechnung)());
    void Abmessung_KeyUp();
    // The error block of all seven key handlers.
    void mitFehlerblock(const std::function<void()>& schritte);
    void Command1_Click();

    // The gradient as a decimal: the absolute box's text as it stood, or the
    // number computed from one of the other two boxes.
    Fensterwert I;
    Fensterwert P; // percent
    Fensterwert n; // the n of 1 : n
    // The slope angle in radians; empty until the first conversion, and the
    // marker that a slope has been entered.
    Fensterwert alpha;
    double grad = 0;
    double pi = 0;

    double t = 0, f = 0, H = 0;           // water depth, freeboard, total depth
    double p = 0, pw = 0;                 // embankment projections over H and over t
    double s = 0, sw = 0;                 // embankment lengths over H and over t
    double L = 0, B = 0;                  // floor length and width
    double Lo = 0, Bo = 0;                // crest
    double Lw = 0, Bw = 0;                // water surface
    double V1 = 0, V2 = 0, V3 = 0, V = 0; // gross volume: floor block, side prisms, corners
    double N1 = 0, N2 = 0, N3 = 0, N = 0; // usable volume, the same parts
    double AL = 0, AB = 0, AS = 0;        // side faces: one long, one end, all four
    double A0 = 0, AO = 0, A = 0, AW = 0; // floor, liner, flow cross-section, water surface
    QString Link;
};
