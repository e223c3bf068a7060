#include "frm_natürl_bel_Teich.h"

#include "aussehen.h"
#include "datum.h"
#include "ereignisse.h"
#include "fenster.h"
#include "frmPyramidenstumpf.h"
#include "teichbemessung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

using namespace rechnen;

namespace {

const QString keineStelle = QStringLiteral("##,##0 ");
const QString eineStelle = QStringLiteral("##,##0.0 ");
const QString zweiStellen = QStringLiteral("##,##0.00 ");
const QString alleWerteZurueck = QStringLiteral("Tippfehler - Alle Werte werden zurückgesetzt");

} // namespace

frm_natürl_bel_Teich::frm_natürl_bel_Teich(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The tabs fill the client area; the hint and the warning below them are
    // seen only when the window is made taller.
    vbFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    frmRegister->setFixedSize(twips(14970) - 16, twips(12855) - 16);
    resize(twips(14970, 12855));
    fenster::designLage(this);

    Picture5->setzeDatei(QStringLiteral(":/bilder/teichanlage.svg"));
    Picture3->setzeDatei(QStringLiteral(":/bilder/teich_draufsicht.svg"));
    Picture4->setzeDatei(QStringLiteral(":/bilder/teich_ufer.svg"));
    Picture1->setzeDatei(QStringLiteral(":/bilder/teichschema.svg"));
    datum::heuteAnzeigen(this, [this](const QString& heute) {
        Label27->setText(heute);
        Label43->setText(heute);
    });
    // The depth value starts where its bar stands, so that the first
    // computation of page 2 has a depth.
    DWATiefe = HScrollDWA_Wassertiefe->value();

    ereignis::change(HScroll1, [this] { HScroll1_Change(); });
    ereignis::change(HScroll2, [this] { HScroll2_Change(); });
    for (QLineEdit* box :
         {txtÜW, txtE, txtspezifischeAbwassermenge, txtFremdwasser, txtEGWBiologie, txtAnzahlTeiche, txtTeichtiefe})
        ereignis::keyUp(box, [this] { Eingabe_KeyUp(); });
    const std::pair<QRadioButton*, double> optionen[] = {{Option1, 13}, {Option2, 8}, {Option3, 15}, {Option4, 10}};
    for (const auto& [option, flaeche] : optionen)
        ereignis::click(option, [this, flaeche] { Option_Click(flaeche); });
    ereignis::keyUp(txtDWA_EW, [this] { seite2Fehlerblock([this] { F_DWAFlächengröße(); }); });
    ereignis::change(HScrollSicherheit, [this] {
        seite2Fehlerblock([this] {
            schreibe(lblSicherheit, HScrollSicherheit->value());
            F_DWAFlächengröße();
        });
    });
    ereignis::change(HScrollDWA_Wassertiefe, [this] {
        seite2Fehlerblock([this] {
            DWATiefe = HScrollDWA_Wassertiefe->value();
            F_DWAFlächengröße();
        });
    });
    ereignis::click(Command4_1, [this] { Command4_Click(); });
    ereignis::click(Command4_2, [this] { Command4_Click(); });
}

void frm_natürl_bel_Teich::seite1Zuruecksetzen()
{
    txtÜW->setText(QStringLiteral("40"));
    txtE->setText(QStringLiteral("650"));
    txtspezifischeAbwassermenge->setText(QStringLiteral("70"));
    txtFremdwasser->setText(QStringLiteral("100"));
    txtEGWBiologie->setText(QStringLiteral("40"));
    txtAnzahlTeiche->setText(QStringLiteral("3"));
    txtTeichtiefe->setText(QStringLiteral("1,2"));
}

void frm_natürl_bel_Teich::seite1Fehlerblock(const std::function<void()>& schritte)
{
    ereignis::fehlerblock(
        schritte, [this] { seite1Zuruecksetzen(); }, texte::werteZurueck);
}

void frm_natürl_bel_Teich::seite2Fehlerblock(const std::function<void()>& schritte)
{
    ereignis::fehlerblock(
        schritte, [this] { txtDWA_EW->setText(QStringLiteral("500")); }, texte::werteZurueck);
}

void frm_natürl_bel_Teich::HScroll1_Change()
{
    seite1Fehlerblock([this] {
        schreibe(lblRaumbelastung, HScroll1->value() / 10.0);
        BR.setzeText(lblRaumbelastung->text());
        lblRaumbelastung->setText(format(BR.text(), eineStelle));
        T.setzeText(lblWassertemperatur->text());
        Berechnung();
    });
}

void frm_natürl_bel_Teich::HScroll2_Change()
{
    seite1Fehlerblock([this] {
        T.setzeZahl(HScroll2->value());
        lblWassertemperatur->setText(format(T.zahl(), eineStelle));
        BR.setzeText(lblRaumbelastung->text());
        Berechnung();
    });
}

// The boxes are read by the computation itself (Eingabe).
void frm_natürl_bel_Teich::Eingabe_KeyUp()
{
    seite1Fehlerblock([this] {
        // Nothing is computed before a page-1 bar has been moved once.
        if (T.zahl() != 0 && BR.zahl() != 0)
            Berechnung();
    });
}

void frm_natürl_bel_Teich::Eingabe()
{
    E.setzeText(txtE->text());
    q.setzeText(txtspezifischeAbwassermenge->text());
    QF.setzeText(txtFremdwasser->text());
    g.setzeText(txtEGWBiologie->text());
    n.setzeText(txtAnzahlTeiche->text());
    Tiefe.setzeText(txtTeichtiefe->text());
    UeW.setzeText(txtÜW->text());
}

void frm_natürl_bel_Teich::Berechnung()
{
    Eingabe();
    Zwischenergebnisse();
    Konstante();
    Endergebnisse();
    Warnungen();
}

void frm_natürl_bel_Teich::ZulauffrachtVK()
{
    Eingabe();
    Qs = geprueft(E.zahl() * q.zahl()) / 1000;
    schreibe(lblSchmutzwassermenge, Qs, zweiStellen);
    Qd = geprueft(geprueft(Qs * QF.zahl()) / 100 + Qs);
    schreibe(lblGesamterAbwasserzulauf, Qd, zweiStellen);
    L = geprueft(E.zahl() * g.zahl()) / 1000;
    schreibe(lblZulauffrachtNachVorklärung, L, zweiStellen);
    S0 = teile(geprueft(L * 1000), Qd);
    schreibe(lblSubstratkonzentrationTeichzulauf, S0, keineStelle);
}

// An error here resets the boxes and tells the user; the computation then
// goes on with the values as they stand.
void frm_natürl_bel_Teich::Zwischenergebnisse()
{
    ereignis::fehlerblock(
        [this] {
            ZulauffrachtVK();
            tStern = teile(S0, BR.zahl());
            schreibe(lblVerweilzeit, tStern, zweiStellen);
            V = teile(geprueft(L * 1000), BR.zahl());
            schreibe(lblTeichvolumen, V, zweiStellen);
            A = teile(V, Tiefe.zahl());
            schreibe(lblWasseroberfläche, A, zweiStellen);
            BA = teile(A, E.zahl());
            schreibe(lblFlächenbelastung, BA, eineStelle);
        },
        [this] { seite1Zuruecksetzen(); }, alleWerteZurueck);
}

void frm_natürl_bel_Teich::Konstante()
{
    K1 = abbaukonstanteK1(T.zahl(), BR.zahl(), tStern);
    schreibe(lblK1, K1, QStringLiteral("##,##0.000 "));
}

void frm_natürl_bel_Teich::Endergebnisse()
{
    Konstante();
    // n successive ponds; n is used as read, also when it is not whole.
    const double teiche = n.zahl();
    S = teile(S0, hoch(1 + teile(geprueft(K1 * tStern), teiche), teiche));
    schreibe(lblSubstratkonzentrationAblauf, S, keineStelle);
    UeW.setzeText(txtÜW->text());
    Reserve = geprueft(teile(UeW.zahl() - S, UeW.zahl()) * 100);
    schreibe(lblReserve, Reserve, keineStelle);
}

void frm_natürl_bel_Teich::Warnungen()
{
    aussehen::warnung(lblReserve, Reserve <= 0);
    Label22->setVisible(tStern > 100);
    aussehen::warnung(lblVerweilzeit, tStern > 100);
    aussehen::warnung(lblSubstratkonzentrationAblauf, Reserve <= 0);
    aussehen::warnung(lblFlächenbelastung, BA < 8);
}

void frm_natürl_bel_Teich::Programmstart()
{
    txtDWA_EW->setEnabled(true);
    HScrollSicherheit->setEnabled(true);
    HScrollDWA_Wassertiefe->setEnabled(true);
}

void frm_natürl_bel_Teich::Option_Click(double flaeche)
{
    seite2Fehlerblock([this, flaeche] {
        Flaechenbedarf.setzeZahl(flaeche);
        Programmstart();
        F_DWAFlächengröße();
    });
}

// An emptied population keeps the last area and volume.
void frm_natürl_bel_Teich::F_DWAFlächengröße()
{
    Sicherheit = 1 + zahl(lblSicherheit->text()) / 100;
    const bool einwohner = !txtDWA_EW->text().isEmpty();
    if (einwohner)
        DWAFlaeche = geprueft(geprueft(Flaechenbedarf.zahl() * Sicherheit) * zahl(txtDWA_EW->text()));
    schreibe(lblDWAFlächenbelastung, Flaechenbedarf.zahl(), eineStelle);
    schreibe(lblDWAFlächengröße, DWAFlaeche, eineStelle);
    schreibe(lblDWA_Wassertiefe, DWATiefe / 10, zweiStellen);
    if (einwohner)
        schreibe(lblDWA_Teichvolumen, DWAFlaeche * zahl(lblDWA_Wassertiefe->text()));
    umformatieren(lblDWA_Teichvolumen, keineStelle);
}

void frm_natürl_bel_Teich::Command4_Click()
{
    fenster::zeige<frmPyramidenstumpf>();
}
