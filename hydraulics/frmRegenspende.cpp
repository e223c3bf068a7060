#include "frmRegenspende.h"

#include "ereignisse.h"
#include "fenster.h"
#include "laufzeitfehler.h"
#include "mausereignis.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

using namespace rechnen;

namespace {
const QString eineStelle = QStringLiteral("##,##0.0 ");
const QString zweiStellen = QStringLiteral("##,##0.00 ");

// Heights of the inner area in twips: without and with the credits below.
constexpr int hoeheZu = 10545;
constexpr int hoeheOffen = 12420;

// Runoff coefficients: the mean of the range in each caption. The first two
// and the last write the box first and show the value rounded.
struct Abflussbeiwert {
    const char* option;
    double psi;
    bool zuerstInDieBox;
};
constexpr Abflussbeiwert abflussbeiwerte[] = {
    {"Option1", 0.95, true},  {"Option2", 0.9, true},  {"Option3", 0.6, false},   {"Option4", 0.875, false},
    {"Option5", 0.8, false},  {"Option6", 0.6, false}, {"Option7", 0.425, false}, {"Option8", 0.15, false},
    {"Option9", 0.15, false}, {"Option10", 0.1, true},
};

// Rain frequencies: the smallest n of the range in each caption, which
// gives the heaviest rain.
struct Regenhaeufigkeit {
    const char* option;
    double n;
};
constexpr Regenhaeufigkeit regenhaeufigkeiten[] = {
    {"Option11", 0.5},  {"Option12", 1},    {"Option13", 0.2},  {"Option14", 0.2},
    {"Option15", 0.02}, {"Option16", 0.05}, {"Option17", 0.05}, {"Option18", 0.1},
};
} // namespace

frmRegenspende::frmRegenspende(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    Flaeche->setFixedSize(twips(12435, hoeheOffen));
    Oben->setFixedHeight(twips(hoeheZu));
    Picture1->setzeDatei(QStringLiteral(":/bilder/dorvent_logo.svg"), true);
    resize(twips(12435, hoeheZu));
    fenster::designLage(this);

    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::click(Command2, [this] { Command2_Click(); });
    ereignis::mouseMove(Command3, [this] { Command3_MouseMove(); });
    // The window's own surface: the background and the drawn rectangles.
    for (QWidget* flaeche :
         {Flaeche, Oben, static_cast<QWidget*>(Shape1), static_cast<QWidget*>(Shape2), static_cast<QWidget*>(Shape3)})
        ereignis::mouseMoveFlaeche(flaeche, [this] { Form_MouseMove(); });
    for (const Abflussbeiwert& v : abflussbeiwerte)
        ereignis::click(findChild<QRadioButton*>(QString::fromLatin1(v.option)),
                        [this, v] { Abflussbeiwert_Click(v.psi, v.zuerstInDieBox); });
    for (const Regenhaeufigkeit& v : regenhaeufigkeiten)
        ereignis::click(findChild<QRadioButton*>(QString::fromLatin1(v.option)),
                        [this, v] { Regenhaeufigkeit_Click(v.n); });
    ereignis::change(txtm2, [this] { txtm2_Change(); });
    ereignis::change(TxtPsi, [this] { TxtPsi_Change(); });
    ereignis::change(txtT, [this] { txtT_Change(); });
}

void frmRegenspende::setzeHoehe(int hoehe)
{
    resize(width(), twips(hoehe));
}

void frmRegenspende::Command3_MouseMove()
{
    setzeHoehe(hoeheOffen);
}

void frmRegenspende::Form_MouseMove()
{
    setzeHoehe(hoeheZu);
}

// The whole computation. A failing step leaves the results before it new and
// the others as they were; the coefficient is then taken as 0,1.
void frmRegenspende::Command1_Click()
{
    ereignis::fehlerblock(
        [this] {
            Fläche();
            Jährlichkeit();
            Zeitbeiwert();
            if (!Regenrtn()) {
                for (QLabel* l :
                     {lblNiederschlag, lblRegensintensität, lblVR, lblNls, Label46, lblNm3h, lblVA, lblQls, lblQm3h})
                    l->clear();
                return;
            }
            Regenfall();
            Niederschlagsintensität();
            Gesamtregenmenge();
            Gesamtabflussmenge();
        },
        [this] {
            Psi.setzeZahl(0.1);
            lblPsi->setText(Psi.text());
        },
        // "Einga-befehler", with the hyphen: the title has always read so.
        texte::wertAuf(QStringLiteral("0,1")), QStringLiteral("Einga-befehler"), ereignis::Reihenfolge::MeldungZuerst);
}

// "andere Psi": no preset chosen any more, the coefficient is typed.
void frmRegenspende::Command2_Click()
{
    for (const Abflussbeiwert& v : abflussbeiwerte) {
        auto* o = findChild<QRadioButton*>(QString::fromLatin1(v.option));
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
    TxtPsi->setEnabled(true);
    Psi.setzeText(TxtPsi->text());
    lblPsi->setText(Psi.text());
    umformatieren(lblPsi, QStringLiteral("##,##0.000 "));
    TxtPsi->setText(QString());
}

void frmRegenspende::Abflussbeiwert_Click(double wert, bool zuerstInDieBox)
{
    if (zuerstInDieBox) {
        TxtPsi->setText(zahlText(wert));
        lblPsi->setText(zahlText(wert));
        Psi.setzeText(TxtPsi->text());
        lblPsi->setText(Psi.text());
        umformatieren(lblPsi, zweiStellen);
    } else {
        lblPsi->setText(Psi.text());
        umformatieren(lblPsi, zweiStellen);
        lblPsi->setText(zahlText(wert));
        TxtPsi->setText(zahlText(wert));
        Psi.setzeText(TxtPsi->text());
    }
}

// The rain part at once; a box that holds no number is only told.
void frmRegenspende::Regenhaeufigkeit_Click(double wert)
{
    ereignis::fehlerblock(
        [this, wert] {
            txtn->setText(zahlText(wert));
            n.setzeZahl(wert);
            umformatieren(txtn, zweiStellen);
            Jährlichkeit();
            T.setzeText(txtT->text());
            Zeitbeiwert();
            Regenrtn();
        },
        [] {}, texte::werteUnveraendert);
}

// While the area is being retyped its box may hold no number: the area in
// hectares then shows nothing, and the compute button reports the box.
void frmRegenspende::txtm2_Change()
{
    try {
        Fläche();
    } catch (const Laufzeitfehler&) {
        lblAha->clear();
    }
}

void frmRegenspende::TxtPsi_Change()
{
    Psi.setzeText(TxtPsi->text());
    lblPsi->setText(TxtPsi->text());
}

void frmRegenspende::txtT_Change()
{
    T.setzeText(txtT->text());
}

void frmRegenspende::Fläche()
{
    Am2.setzeText(txtm2->text());
    Aha = Am2.zahl() / 10000;
    schreibe(lblAha, Aha, zweiStellen);
}

void frmRegenspende::Jährlichkeit()
{
    n.setzeText(txtn->text());
    Tn = teile(1, n.zahl());
    schreibe(lblz, Tn, eineStelle);
}

// Reinhold's time factor.
void frmRegenspende::Zeitbeiwert()
{
    T.setzeText(txtT->text());
    phi = geprueft(teile(38, T.zahl() + 9) * (hoch(Tn, 0.25) - 0.369));
    schreibe(lblphi, phi, QStringLiteral("##,##0.000 "));
}

// The symbol beside the result reads r, the duration and the frequency.
// A time factor of 0 or below (rain more frequent than some 54 times a year)
// or a negative duration describes no rain: the rain yield stays empty and
// nothing is derived from it. Returns whether there is a rain.
bool frmRegenspende::Regenrtn()
{
    r15.setzeText(txtR151->text());
    const bool regen = phi > 0 && T.zahl() >= 0;
    rT = regen ? geprueft(phi * r15.zahl()) : 0.0;
    if (regen)
        schreibe(lblrTn, rT, eineStelle);
    else
        lblrTn->clear();
    Label31->setText(T.text());
    Label33->setText(QStringLiteral("(") + n.text() + QStringLiteral(")"));
    return regen;
}

void frmRegenspende::Regenfall()
{
    h = geprueft(rT * T.zahl()) / 166.7;
    schreibe(lblNiederschlag, h, eineStelle);
}

void frmRegenspende::Niederschlagsintensität()
{
    i = teile(h, T.zahl());
    schreibe(lblRegensintensität, i, eineStelle);
}

// The flow in m³/h is computed from the rounded flow in l/s as shown.
void frmRegenspende::Gesamtregenmenge()
{
    const double sekunden = geprueft(T.zahl() * 60);
    VR = geprueft(geprueft(rT * sekunden) * Aha) / 1000;
    schreibe(lblVR, VR, zweiStellen);
    schreibe(lblNls, teile(geprueft(VR * 1000), sekunden), zweiStellen);
    schreibe(Label46, sekunden, QStringLiteral("##,##0 "));
    schreibe(lblNm3h, geprueft(zahl(lblNls->text()) * 3.6), zweiStellen);
}

void frmRegenspende::Gesamtabflussmenge()
{
    Psi.setzeText(TxtPsi->text());
    VA = geprueft(Psi.zahl() * VR);
    schreibe(lblVA, VA, zweiStellen);
    schreibe(lblQls, teile(geprueft(VA * 1000), geprueft(T.zahl() * 60)), zweiStellen);
    schreibe(lblQm3h, geprueft(zahl(lblQls->text()) * 3.6), zweiStellen);
}
