#include "frmGefaelle_gegeben.h"

#include "ereignisse.h"
#include "fenster.h"
#include "prandtlColebrook.h"
#include "rohrvorgaben.h"
#include "twips.h"
#include "zahlen.h"
#include "texte.h"

using ereignis::fehlerblock;
using namespace rechnen;

namespace {
const QString auf0 = texte::wertAuf0;
}

frmGefaelle_gegeben::frmGefaelle_gegeben(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(9165, 5025));
    fenster::designLage(this);
    // The side calculation keeps its place once it is hidden, so that the
    // viscosity frame above it does not move.
    for (QWidget* w :
         std::initializer_list<QWidget*>{txtHL, txtdeltaSohle, Label1_18, Label1_19, Label2, Shape2, Label8, Label7}) {
        QSizePolicy platz = w->sizePolicy();
        platz.setRetainSizeWhenHidden(true);
        w->setSizePolicy(platz);
    }
    // One height for every row, so that no row grows when its result appears.
    for (int z = 0; z < gridLinks->rowCount() - 1; ++z)
        gridLinks->setRowMinimumHeight(z, txtDN->sizeHint().height());

    ereignis::keyUp(txtDN, [this] { txtDN_KeyUp(); });
    ereignis::keyUp(txtkb, [this] { txtkb_KeyUp(); });
    ereignis::keyUp(txtmue, [this] { txtmue_KeyUp(); });
    ereignis::keyPress(txti, [this](int z) { txti_KeyPress(z); });
    ereignis::click(cmdi, [this] { cmdi_Click(); });
    ereignis::keyUp(txtRLL, [this] { txtRLL_KeyUp(); });
    ereignis::keyUp(txtEVB, [this] { txtEVB_KeyUp(); });
    ereignis::keyUp(txtdeltaSohle, [this] { txtdeltaSohle_KeyUp(); });
    ereignis::keyUp(txtHL, [this] { txtHL_KeyUp(); });

    for (const RohrVorgabe& v : rohrVorgaben) {
        QLineEdit* box = v.rauigkeit ? txtkb : txtmue;
        const double wert = v.wert;
        ereignis::click(findChild<QRadioButton*>(QString::fromLatin1(v.option)),
                        [this, box, wert] { Option_Click(box, wert); });
    }
}

void frmGefaelle_gegeben::Geschwindigkeit()
{
    i = zahl(txti->text()) / 1000;
    nue = zahl(txtmue->text()) / 1000000;
    D = zahl(txtDN->text()) / 1000;
    kb = zahl(txtkb->text()) / 1000;
    const PrandtlColebrook pc = prandtlColebrook(*i, nue, D, kb);
    t1 = pc.t1;
    t2 = pc.t2;
    r = pc.r;
    if (pc.positiv()) {
        v = pc.v;
        schreibe(lblv, v, QStringLiteral("##,##0.0000 "));
        Fläche();
        Q = geprueft(A * v) * 1000;
        schreibe(lblls, Q, QStringLiteral("##,##0.000 "));
        Qh = Q * 3.6;
        schreibe(lblm3h, Qh, QStringLiteral("##,##0.000 "));
        hv = geprueft(v * v) / 19.62;
        schreibe(lblv22g, hv, QStringLiteral("##,##0.000 "));
    } else {
        // The roughness or the viscosity is too large for this pipe: the
        // formula would give a negative velocity. No result then, but no
        // message either, so that typing can go on.
        v = Q = Qh = hv = 0;
        lblv->clear();
        lblls->clear();
        lblm3h->clear();
        lblv22g->clear();
    }
    if (!txtRLL->text().isEmpty())
        Länge();
    if (!txtEVB->text().isEmpty())
        Einzelverlust();
}

void frmGefaelle_gegeben::Fläche()
{
    A = (3.1416 * (D * D)) / 4;
}

void frmGefaelle_gegeben::Promille()
{
    hoehe = zahl(txtdeltaSohle->text());
    laenge = zahl(txtHL->text());
    const double s = 1000 * teile(hoehe, laenge);
    schreibe(txti, s, QStringLiteral("##,##0.0 "));
    i = teile(hoehe, laenge);
}

void frmGefaelle_gegeben::notVisiblePromille()
{
    txtHL->setVisible(false);
    txtdeltaSohle->setVisible(false);
    Label1_18->setVisible(false);
    Label1_19->setVisible(false);
    Label2->setVisible(false);
    Shape2->setVisible(false);
    Label8->setVisible(false);
    Label7->setVisible(false);
}

void frmGefaelle_gegeben::Länge()
{
    L = zahl(txtRLL->text());
    // Before anything set the slope value, the slope shown in its box holds.
    double gefaelle = 0;
    if (i)
        gefaelle = *i;
    else if (!txti->text().isEmpty())
        gefaelle = zahl(txti->text()) / 1000;
    hr = geprueft(L * gefaelle);
    schreibe(lblLV, hr, QStringLiteral("##,##0.0 "));
}

void frmGefaelle_gegeben::Einzelverlust()
{
    zeta = zahl(txtEVB->text());
    he = geprueft(zeta * hv);
    schreibe(lblEV, he, QStringLiteral("##,##0.0 "));
    ht = geprueft(he + hr);
    schreibe(lblGV, ht, QStringLiteral("##,##0.0 "));
}

void frmGefaelle_gegeben::txtDN_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txti->text().isEmpty())
                Geschwindigkeit();
        },
        [this] { txtDN->setText(QString()); }, auf0);
}

void frmGefaelle_gegeben::txtkb_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txti->text().isEmpty() && !txtDN->text().isEmpty())
                Geschwindigkeit();
        },
        [this] { schreibe(txtkb, 1.5); }, texte::wertAuf(QStringLiteral("1,5")));
}

void frmGefaelle_gegeben::txtmue_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txti->text().isEmpty() && !txtDN->text().isEmpty())
                Geschwindigkeit();
        },
        [this] { schreibe(txtmue, 1.31); }, texte::wertAuf(QStringLiteral("1,31")));
}

void frmGefaelle_gegeben::txti_KeyPress(int zeichen)
{
    if (zeichen != 13)
        return;
    cmdi_Click();
}

void frmGefaelle_gegeben::cmdi_Click()
{
    fehlerblock(
        [this] {
            if (!txtDN->text().isEmpty())
                Geschwindigkeit();
            notVisiblePromille();
        },
        [this] {
            txti->setText(QString());
            txtDN->setText(QString());
        },
        auf0);
}

void frmGefaelle_gegeben::txtRLL_KeyUp()
{
    fehlerblock(
        [this] {
            Länge();
            if (!txtEVB->text().isEmpty())
                Einzelverlust();
        },
        [this] { txtRLL->setText(QString()); }, texte::wertAuf(QStringLiteral("Null")));
}

void frmGefaelle_gegeben::txtEVB_KeyUp()
{
    fehlerblock([this] { Einzelverlust(); }, [this] { txtEVB->setText(QString()); }, auf0);
}

void frmGefaelle_gegeben::txtdeltaSohle_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txtHL->text().isEmpty())
                Promille();
            if (!txtDN->text().isEmpty())
                Geschwindigkeit();
            txti->setEnabled(false);
        },
        [this] { txtdeltaSohle->setText(QStringLiteral("1")); }, texte::wertAuf1);
}

void frmGefaelle_gegeben::txtHL_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txtdeltaSohle->text().isEmpty())
                Promille();
            if (!txtDN->text().isEmpty())
                Geschwindigkeit();
            txti->setEnabled(false);
        },
        [this] { txtHL->setText(QString()); }, auf0);
}

void frmGefaelle_gegeben::Option_Click(QLineEdit* box, double wert)
{
    // The presets have no reset of their own: a failing computation (in the
    // fresh window the diameter is still 0) only tells the user.
    fehlerblock(
        [this, box, wert] {
            schreibe(box, wert, QStringLiteral("##,##0.00 "));
            if (!txti->text().isEmpty() && !txtDN->text().isEmpty())
                Geschwindigkeit();
            if (!txtRLL->text().isEmpty())
                Länge();
            if (!txtEVB->text().isEmpty())
                Einzelverlust();
        },
        [] {}, auf0);
}
