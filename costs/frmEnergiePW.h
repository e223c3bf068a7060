#pragma once

#include "ui_frmEnergiePW.h"

#include "fensterwert.h"

#include <QWidget>

// Coupling power of a pump from flow, manometric head and overall efficiency
// (density 1 kg/l), and from the pumping time the volumes, the electric
// energy per year and its cost. The inputs unlock one after another, so that
// none can divide by zero before its predecessors are known.
class frmEnergiePW : public QWidget, public Ui::frmEnergiePW {
public:
    static constexpr const char* Name = "frmEnergiePW";
    explicit frmEnergiePW(QWidget* parent = nullptr);

private:
    void Form_Load();
    void txtQls_KeyUp();
    void txtQm3h_KeyUp();
    void txtHman_Change();
    void ListEta_Click();
    void txtPZhd_KeyUp();
    void TxtPZda_KeyUp();
    void txtDMkw_Change();
    void Command2_Click();
    void Command1_Click();
    void URL_Click();

    void Leistung();
    void Kosten();
    void visibleLeistung();
    void menge();
    void BerechnungQm3h();
    // What a new flow sets off, whichever box it was typed in.
    void neuerVolumenstrom();
    bool tageGegeben() const;
    void setzeCursor(int zeile);

    // The efficiency of the power computation, taken from LblEta each time.
    Fensterwert eta;
    // The list entry behind LblEta (-1 while it shows the design value).
    int etaZeile = -1;
    // A choice in the list waits to be handled.
    bool wahlOffen = false;
};
