#include "frmGefaelle_gesucht.h"

#include "ereignisse.h"
#include "fenster.h"
#include "rohrvorgaben.h"
#include "gefaellesuche.h"
#include "laufzeitfehler.h"
#include "meldung.h"
#include "twips.h"
#include "zahlen.h"
#include "texte.h"

using ereignis::fehlerblock;
using namespace rechnen;

namespace {
const QString auf0 = texte::wertAuf0;
const QString zweiStellen = QStringLiteral("##,##0.00 ");
const QString eineStelle = QStringLiteral("##,##0.0 ");
} // namespace

frmGefaelle_gesucht::frmGefaelle_gesucht(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(9285, 4980));
    fenster::designLage(this);

    ereignis::keyUp(txtls, [this] { txtls_KeyUp(); });
    ereignis::keyUp(txtm3h, [this] { txtm3h_KeyUp(); });
    ereignis::keyUp(txtDN, [this] { txtDN_KeyUp(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::click(Command2, [this] { Command2_Click(); });
    ereignis::click(Command3, [this] { Command3_Click(); });
    ereignis::keyUp(txtdeltaSohle, [this] { txtdeltaSohle_KeyUp(); });
    ereignis::keyPress(txtMZ, [this](int) { txtMZ_KeyPress(); });
    ereignis::keyUp(txtMZ, [this] { txtMZ_KeyUp(); });

    for (const RohrVorgabe& v : rohrVorgaben) {
        QLineEdit* box = v.rauigkeit ? txtkb : txtmue;
        const double wert = v.wert;
        ereignis::click(findChild<QRadioButton*>(QString::fromLatin1(v.option)),
                        [this, box, wert] { Option_Click(box, wert); });
    }
}

void frmGefaelle_gesucht::Fläche()
{
    D = zahl(txtDN->text()) / 1000;
    A = geprueft((3.1416 * (D * D)) / 4);
}

void frmGefaelle_gesucht::Geschwindigkeit()
{
    Fläche();
    vErf = teile(Qs, A);
    // A negative flow can only be pasted; it is as unrealistic as a
    // velocity of more than 100 m/s.
    if (vErf > 100 || vErf < 0) {
        unrealistisch();
        return;
    }
    schreibe(lblv, vErf, QStringLiteral("##,##0.0000 "));
}

void frmGefaelle_gesucht::unrealistisch()
{
    meldung::eingabefehler(nullptr, QStringLiteral("Unrealistische Eingabe "));
    vErf = D = Q = Qh = 0;
    i.reset();
    lblv->clear();
    txtDN->clear();
    txtls->clear();
    txtm3h->clear();
    lbli->clear();
    N = 0;
    txtMZ->clear();
}

void frmGefaelle_gesucht::gefälle()
{
    nue = zahl(txtmue->text()) / 1000000;
    D = zahl(txtDN->text()) / 1000;
    kb = zahl(txtkb->text()) / 1000;
    i = 0;
    // Gives up when the roughness leaves no positive velocity, or when the
    // slope passes 10 (10 000 per mille) without reaching the velocity.
    const Gefaellesuche s = sucheGefaelle(vErf, nue, D, kb);
    i = s.i;
    if (!s.gefunden) {
        unrealistisch();
        return;
    }
    t1 = s.pc.t1;
    t2 = s.pc.t2;
    r = s.pc.r;
    v = s.pc.v;
    N = waehrung(teile(1, *i));
    schreibe(txtMZ, N, eineStelle);
    txtMZ->setReadOnly(false);
    schreibe(lbli, *i * 1000, eineStelle);
    txtdeltaSohle->setText(QStringLiteral("1"));
}

void frmGefaelle_gesucht::zurück()
{
    txtDN->clear();
    txtls->clear();
    txtm3h->clear();
    txtMZ->clear();
    schreibe(txtkb, 1.5);
    schreibe(txtmue, 1.31);
    lbli->clear();
    lblv->clear();
    txtdeltaSohle->setText(QStringLiteral("1"));
}

void frmGefaelle_gesucht::txtls_KeyUp()
{
    fehlerblock(
        [this] {
            Q = zahl(txtls->text());
            Qs = Q / 1000;
            Qh = geprueft(Q * 3.6);
            schreibe(txtm3h, Qh, zweiStellen);
            if (!txtDN->text().isEmpty())
                Geschwindigkeit();
            if (!lblv->text().isEmpty())
                gefälle();
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::txtm3h_KeyUp()
{
    fehlerblock(
        [this] {
            Qh = zahl(txtm3h->text());
            Q = Qh / 3.6;
            schreibe(txtls, Q);
            Qs = Q / 1000;
            umformatieren(txtls, zweiStellen);
            if (!txtDN->text().isEmpty())
                Geschwindigkeit();
            if (!lblv->text().isEmpty())
                gefälle();
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::txtDN_KeyUp()
{
    fehlerblock(
        [this] {
            if (!txtls->text().isEmpty() && !txtm3h->text().isEmpty())
                Geschwindigkeit();
            if (!lblv->text().isEmpty())
                gefälle();
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::Command1_Click()
{
    zurück();
}

void frmGefaelle_gesucht::Command2_Click()
{
    fehlerblock(
        [this] {
            if (!txtls->text().isEmpty() && !txtm3h->text().isEmpty() && !txtDN->text().isEmpty())
                gefälle();
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::Command3_Click()
{
    Command2_Click();
}

void frmGefaelle_gesucht::Option_Click(QLineEdit* box, double wert)
{
    // The presets have no reset of their own; a search that fails on a
    // typed roughness or viscosity is answered as the other handlers do.
    fehlerblock(
        [this, box, wert] {
            schreibe(box, wert, zweiStellen);
            if (!txtls->text().isEmpty() && !txtm3h->text().isEmpty() && !txtDN->text().isEmpty())
                gefälle();
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::txtdeltaSohle_KeyUp()
{
    fehlerblock(
        [this] {
            N = waehrung(teile(zahl(txtdeltaSohle->text()), i.value_or(0)));
            schreibe(txtMZ, N, eineStelle);
        },
        [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::Sohldifferenz()
{
    const double laenge = zahl(txtMZ->text());
    // Without a slope there is nothing to convert with: an error, as in the
    // division of the other direction, not an invert difference of 0.
    if (!i)
        throw Laufzeitfehler(Fehler::Typen);
    schreibe(txtdeltaSohle, geprueft(laenge * *i), eineStelle);
}

void frmGefaelle_gesucht::txtMZ_KeyPress()
{
    // Runs before the typed character enters the box: the previous text.
    fehlerblock([this] { Sohldifferenz(); }, [this] { zurück(); }, auf0);
}

void frmGefaelle_gesucht::txtMZ_KeyUp()
{
    fehlerblock([this] { Sohldifferenz(); }, [this] { zurück(); }, auf0);
}
