#pragma once

#include "ui_frmgroseKA.h"

#include <QWidget>

class QAction;

// A first, rough estimate of how much of the one-time investment in a
// treatment plant built too large may not be charged to fees: a reserve up to
// the permitted share is legitimate, and only the load- and flow-dependent
// units scale with the size, by the degression coefficient.
class frmgroseKA : public QWidget, public Ui::frmgroseKA {
public:
    static constexpr const char* Name = "frmgroseKA";
    explicit frmgroseKA(QWidget* parent = nullptr);

    // The window's own menu bar.
    QAction* Hinweise = nullptr;
    QAction* Verwendung = nullptr;
    QAction* Funktion = nullptr;
    QAction* Urteil = nullptr;
    QAction* Problemlösung = nullptr;

private:
    void Berechnung();
    QList<QWidget*> kostenzeilen() const;
    // The steps of Berechnung: the results, their rounding, the warning
    // colours, the verdict and the warning boxes.
    void rechne();
    void runde();
    void faerbe();
    void bewerte();
    void warne();
    void schließen();
    template <class Erklaerung>
    void erklaere();

    void Command1_Click();
    void Beispiel_Click();
    void Hinweise_Click();
    void Verwendung_Click();
    void Funktion_Click();
    void Urteil_Click();
    void Problemlösung_Click();

    // Window-level values. Rp, KG and Np hold Currency values (four decimals).
    double Rp = 0, KG = 0, Np = 0;
    double Rz = 0, KA = 0, Eg = 0, N = 0;
    QString link;
};
