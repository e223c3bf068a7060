#pragma once

#include "ui_frmEuro.h"

#include <QWidget>

#include <functional>

// Net amount, VAT and gross amount, each in euro and in DM: whichever of the
// six is typed, the other five follow at the typed VAT rate.
class frmEuro : public QWidget, public Ui::frmEuro {
public:
    static constexpr const char* Name = "frmEuro";
    explicit frmEuro(QWidget* parent = nullptr);

private:
    void NettoDM_KeyUp();
    void UstDM_KeyUp();
    void BruttoDM_KeyUp();
    void NettoEuro_KeyUp();
    void UstEuro_KeyUp();
    void BruttoEuro_KeyUp();
    void USTProzent_KeyUp();
    void Option1_Click();
    void Option2_Click();

    void FunktionUSTProzent();
    void Kopierformat();

    // What every money box does on a key release before its own steps.
    void Betrag(QLineEdit* box, const std::function<void()>& schritte);
    double p() const;
    void SatzAlsWaehrung();
    void InEuro();
    void InDM();
    void Aussenmass(const QSize& aussen);
    void Rahmenbreite();

    // Conversion rate, DM per euro.
    static constexpr double Kurs = 1.95583;
    // Currency working values: the net amount and the VAT amount.
    double Netto = 0;
    double Ust = 0;
    // Whether the DM are shown, the window's width for them, and where the
    // euro and the DM column ended at the design values.
    bool m_inDM = false;
    int m_dmBreite = 0;
    int m_rechtsEntwurf[2] = {-1, -1};
};
