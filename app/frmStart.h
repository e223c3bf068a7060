#pragma once

#include "ui_frmStart.h"

#include <QMainWindow>
#include <QStringList>

// The main window: a strip with the menu bar and nothing else. Every menu
// command first closes the windows of the close list, then opens its window
// or hands its link to the desktop.
class frmStart : public QMainWindow, private Ui::frmStart {
public:
    explicit frmStart(QWidget* parent = nullptr);

    // The windows closed by every menu command, in this order.
    static const QStringList Schliessliste;

private:
    void schließen();
    void oeffne(const QString& fenstername);
    void link(const QString& adresse);

    void Einwohnergleichwert_Click();
    void Teiche_Click();
    void natürlichTeiche_Click();
    void KOnstruktion_Click();
    void Gefällegegeben_Click();
    void Gefällegesucht_Click();
    void Thomsen_Click();
    void Bodenausfluss_Click();
    void Bodendruck_Click();
    void Regen_Click();
    void Sauerstoffsättigung_Click();
    void Abwasserlast_Click();
    void Schlamm1_Click();
    void Schlamm2_Click();
    void Entwässerung_Click();
    void LeistungPumpen_Click();
    void Hochrechnung_2003_Click();
    void Überbemessung_Click();
    void EnergiekostenPumpen_Click();
    void KKA_Click();
    void Kreis_Click();
    void Pyramidenstumpf_Click();
    void Katze_Click();
    void Humor_Click();
    void Umsatzsteuer_Click();
    void Problemlösung_Click();
    void Homepage_Click();
    void Newsletter_Click();
    void download_Click();
    void e_mail_Click();
    void Abwasserkosten_Click();
    void Nutzungsrechte_Click();
    void Gewährleistung_Click();
    void Urheberrechte_Click();
    void Updatemnu_Click();
    void Version_Click();
};
