#include "frmSchlamm.h"

#include "ereignisse.h"
#include "fenster.h"
#include "twips.h"
#include "zahlen.h"
#include "texte.h"

using namespace rechnen;

namespace {
const QString eineStelle = QStringLiteral("##,##0.0");
const QString zweiStellen = QStringLiteral("##,##0.00");
} // namespace

frmSchlamm::frmSchlamm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(4215, 2835));
    fenster::designLage(this);

    ereignis::keyUp(txtEW, [this] { txtEW_KeyUp(); });
    ereignis::keyUp(txtgEd, [this] { txtgEd_KeyUp(); });
    ereignis::keyUp(txtTS, [this] { txtTS_KeyUp(); });
    ereignis::keyUp(txtda, [this] { txtda_KeyUp(); });
    ereignis::keyUp(txtTMtd, [this] { txtTMtd_KeyUp(); });
    ereignis::keyUp(txtSVm3d, [this] { txtSVm3d_KeyUp(); });
}

// From the population. Each text is read when a step first needs it.
void frmSchlamm::fEW()
{
    E = zahl(txtEW->text());
    g = zahl(txtgEd->text());
    Mh = geprueft(E * g) / 24;
    schreibe(lblTMkgh, Mh, eineStelle);
    Md = geprueft(E * g) / 1000;
    schreibe(txtTMtd, Md, zweiStellen);
    d = zahl(txtda->text());
    Ma = geprueft(geprueft(E * d) * g) / 1000;
    schreibe(lblTMta, Ma, zweiStellen);
    TS = zahl(txtTS->text());
    Vh = teile(Mh, TS) / 10;
    schreibe(lblSVm3h, Vh, eineStelle);
    Vd = geprueft(Vh * 24);
    schreibe(txtSVm3d, Vd, eineStelle);
    d = zahl(txtda->text());
    Va = geprueft(Vd * d);
    schreibe(lblSVm3a, Va, eineStelle);
}

// From the dry mass per day: the population is computed back.
void frmSchlamm::ftd()
{
    T = zahl(txtTMtd->text());
    Mh = geprueft(T * 1000) / 24;
    schreibe(lblTMkgh, Mh, eineStelle);
    g = zahl(txtgEd->text());
    E = teile(geprueft(T * 1000), g);
    schreibe(txtEW, E, eineStelle);
    d = zahl(txtda->text());
    Ma = geprueft(geprueft(E * d) * g) / 1000;
    schreibe(lblTMta, Ma, zweiStellen);
    TS = zahl(txtTS->text());
    Vh = teile(Mh, TS) / 10;
    schreibe(lblSVm3h, Vh, eineStelle);
    Vd = geprueft(Vh * 24);
    schreibe(txtSVm3d, Vd, eineStelle);
    Va = geprueft(Vd * d);
    schreibe(lblSVm3a, Va, eineStelle);
}

// From the sludge volume per day: dry mass and population are computed back.
void frmSchlamm::fSVm3d()
{
    V = zahl(txtSVm3d->text());
    TS = zahl(txtTS->text());
    T = geprueft(V * TS) / 100;
    schreibe(txtTMtd, T, eineStelle);
    Mh = geprueft(T * 1000) / 24;
    schreibe(lblTMkgh, Mh, eineStelle);
    g = zahl(txtgEd->text());
    E = teile(geprueft(T * 1000), g);
    schreibe(txtEW, E, eineStelle);
    d = zahl(txtda->text());
    Ma = geprueft(geprueft(E * d) * g) / 1000;
    schreibe(lblTMta, Ma, zweiStellen);
    Vh = teile(Mh, TS) / 10;
    schreibe(lblSVm3h, Vh, eineStelle);
    Va = geprueft(V * d);
    schreibe(lblSVm3a, Va, eineStelle);
}

void frmSchlamm::rechne(void (frmSchlamm::*rechnung)(), QLineEdit* box, const QString& ruecksetzText)
{
    ereignis::fehlerblock([this, rechnung] { (this->*rechnung)(); },
                          [box, ruecksetzText] { box->setText(ruecksetzText); }, texte::wertZurueck);
}

void frmSchlamm::txtEW_KeyUp()
{
    rechne(&frmSchlamm::fEW, txtEW, QStringLiteral("1"));
}

void frmSchlamm::txtgEd_KeyUp()
{
    rechne(&frmSchlamm::fEW, txtgEd, QStringLiteral("50"));
}

void frmSchlamm::txtTS_KeyUp()
{
    rechne(&frmSchlamm::fEW, txtTS, QStringLiteral("2,5"));
}

void frmSchlamm::txtda_KeyUp()
{
    rechne(&frmSchlamm::fEW, txtda, QStringLiteral("365"));
}

void frmSchlamm::txtTMtd_KeyUp()
{
    rechne(&frmSchlamm::ftd, txtTMtd, QStringLiteral("0"));
}

void frmSchlamm::txtSVm3d_KeyUp()
{
    rechne(&frmSchlamm::fSVm3d, txtSVm3d, QStringLiteral("0"));
}
