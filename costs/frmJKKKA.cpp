#include "frmJKKKA.h"

#include "ereignisse.h"
#include "fenster.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QIcon>

using namespace rechnen;

namespace {
const QString ganz = QStringLiteral("##,##0 ");
} // namespace

frmJKKKA::frmJKKKA(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kleinklaeranlage.svg")));
    resize(twips(10485, 7050).expandedTo(sizeHint()));
    fenster::designLage(this);

    ereignis::click(Command1, [this] { Command1_Click(); });
}

void frmJKKKA::Command1_Click()
{
    ereignis::fehlerblock(
        [this] {
            Refinanzierungskosten();
            Betriebskosten();
            Jahreskosten();
        },
        [this] {
            txtE->setText(QStringLiteral("4"));
            txtIK->setText(QStringLiteral("0"));
            txtNND->setText(QStringLiteral("30"));
            txtZins->setText(QStringLiteral("6"));
            txtFM->setText(QStringLiteral("0"));
            txtSchlammlEa->setText(QStringLiteral("800"));
            txtEK->setText(QStringLiteral("0"));
            txtSEKEurom3->setText(QStringLiteral("18"));
            txtTWlEd->setText(QStringLiteral("90"));
            txtWK->setText(QStringLiteral("90"));
        },
        texte::programmZurueck, texte::eingabefehler, ereignis::Reihenfolge::MeldungZuerst);
}

// Depreciation on the whole investment; interest on the unsubsidised part at
// half the rate, the average over the service life.
void frmJKKKA::Refinanzierungskosten()
{
    E.setzeText(txtE->text());
    NND.setzeText(txtNND->text());
    Z = zahl(txtZins->text()) / 2;
    FM.setzeText(txtFM->text());
    TW.setzeText(txtTWlEd->text());
    IK.setzeText(txtIK->text());

    TWE = geprueft(TW.zahl() * 365) / 1000;
    TWa = geprueft(TWE * E.zahl());
    Abschreibung = teile(IK.zahl(), NND.zahl());
    Zinsen = geprueft(geprueft(IK.zahl() * (1 - FM.zahl() / 100)) * Z) / 100;
    Ref = geprueft(Abschreibung + Zinsen);

    schreibe(lblTWm3Ea, TWE, ganz);
    schreibe(lblTWm3a, TWa, ganz);
    schreibe(lblDurchZins, Zinsen, ganz);
    schreibe(lblAbschreibung, Abschreibung, ganz);
    schreibe(lblRefEuroa, Ref, ganz);
    schreibe(Label36, Ref, ganz);
}

void frmJKKKA::Betriebskosten()
{
    EK.setzeText(txtEK->text());
    P.setzeText(txtSEKEurom3->text());
    WK.setzeText(txtWK->text());
    S.setzeText(txtSchlammlEa->text());

    Schlamm = geprueft(S.zahl() * E.zahl()) / 1000;
    schreibe(lblSchlammm3a, Schlamm, QStringLiteral("##,##0.0"));
    SEK = geprueft(geprueft(S.zahl() / 1000 * E.zahl()) * P.zahl());
    BK = geprueft(geprueft(EK.zahl() + SEK) + WK.zahl());

    schreibe(lblSEKEuroa, SEK, ganz);
    schreibe(lblBK, BK, ganz);
    schreibe(Label35, BK, ganz);
}

// Per cubic metre of drinking water: no household, or no water, divides by zero.
void frmJKKKA::Jahreskosten()
{
    JK = geprueft(BK + Ref);
    schreibe(lblJKEuroa, JK, ganz);
    JKm3 = teile(JK, geprueft(TWE * E.zahl()));
    schreibe(lblJKEurom3, JKm3, QStringLiteral("##,##0.00 "));
}
