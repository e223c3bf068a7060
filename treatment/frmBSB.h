#pragma once

#include "ui_frmBSB.h"

#include <QWidget>

class Arbeitsblatt;
class Blattmodell;

// First-order degradation of the carbon load: from the measured BOD5, the
// rate constant k1 at 20 °C, the water temperature and the COD the ultimate
// BOD, the times for 99 % and 99,99 % degradation and the slowly and not
// degradable parts. Two worksheets tabulate the curve over 30 days, in percent
// of the ultimate BOD and in mg/l.
class frmBSB : public QWidget, public Ui::frmBSB {
public:
    static constexpr const char* Name = "frmBSB";
    explicit frmBSB(QWidget* parent = nullptr);

    // The first sheets of the two workbooks, as the tabs show them.
    Arbeitsblatt& absolut();
    Arbeitsblatt& relativ();

private:
    void Abbau();
    void FehlerNull();
    double abbauzeit(double anteil) const;

    void txtBSB5_KeyUp();
    void txtK1_KeyUp();
    void txtK1_relativ_KeyUp();
    void HScroll1_Change();
    void OptionAbsolut_Click(const QString& k1);
    void OptionRelativ_Click(const QString& k1);
    void Command1_Click();

    Blattmodell* m_absolut = nullptr; // OLE1
    Blattmodell* m_relativ = nullptr; // OLE2

    // Window-level values of the last computation.
    double k1 = 0, T = 0, BSB5 = 0, CSB = 0;
    double k1T = 0, Y5 = 0, L = 0, LRelativ = 0, BSB25 = 0, t99 = 0, t9999 = 0;
    double schwer = 0, zeitSchwer = 0, schwerJeTag = 0, nichtAbbaubar = 0, anteilNichtAbbaubar = 0;
};
