#pragma once

#include "ui_frmIndex.h"

#include "fensterwert.h"

#include <QWidget>

// The investment cost of a treatment plant or a local sewer, known from a
// tender year, escalated to the price basis 2003 by a fixed factor per year;
// a DM amount is first converted to euro.
class frmIndex : public QWidget, public Ui::frmIndex {
public:
    static constexpr const char* Name = "frmIndex";
    explicit frmIndex(QWidget* parent = nullptr);

private:
    void OptKA_Click();
    void OptKanal_Click();
    void OptDM_Click();
    void OptEuro_Click();
    void txtIkAusschreibung_KeyUp();
    void cmdIK_Click();
    void Command1_Click();

    void sichtindizes();
    void berechnungIK();
    void wertebereich();
    void Algo();
    void BerechnungKanal();
    void BerechnungKA();
    void Kosten2003();
    void neu();

    // The year, bound to its box; the cost, bound to its box or, after the
    // DM conversion, the euro amount.
    Fensterwert Jahr;
    Fensterwert Kosten;
    static constexpr double Kurs = 1.95583; // DM per euro
};
