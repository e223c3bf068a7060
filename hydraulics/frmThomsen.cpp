#include "frmThomsen.h"

#include "ereignisse.h"
#include "fenster.h"
#include "mausereignis.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <cmath>

using namespace rechnen;

namespace {
// "Einga-befehler", with the hyphen: the window's title has always read so.
const QString titel = QStringLiteral("Einga-befehler");
const QString zweiStellen = QStringLiteral("##,##0.00 ");

// Heights of the inner area in twips: the input strip alone, and with the
// lower panel.
constexpr int hoeheZu = 2805;
constexpr int hoeheOffen = 10110;
} // namespace

frmThomsen::frmThomsen(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The whole drawing, of which the window shows the upper part; wider
    // when a number needs room.
    Flaeche->resize(twips(9870, hoeheOffen));
    vbFlaeche->setSizeConstraint(QLayout::SetMinimumSize);
    Oben->setFixedHeight(twips(hoeheZu));
    Image1->setzeDatei(QStringLiteral(":/bilder/thomsen_abfluss.svg"), true);
    Image2->setzeDatei(QStringLiteral(":/bilder/thomsen_beiwert.svg"), true);
    Image3->setzeDatei(QStringLiteral(":/bilder/thomsen_wehr.svg"), true);
    resize(twips(9870, hoeheZu));
    fenster::designLage(this);

    ereignis::change(txtAlpha, [this] { txtAlpha_Change(); });
    ereignis::change(txtÜberfallhöhe, [this] { txtÜberfallhöhe_Change(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::mouseMove(Command1, [this] { Command1_MouseMove(); });
    for (QFrame* rahmen : {Label7_0, Label7_1, Label7_2})
        ereignis::mouseMoveFlaeche(rahmen, [this] { Label7_MouseMove(); });
}

void frmThomsen::setzeHoehe(int hoehe)
{
    resize(width(), twips(hoehe));
}

void frmThomsen::Command1_Click()
{
    setzeHoehe(hoeheOffen);
}

void frmThomsen::Command1_MouseMove()
{
    setzeHoehe(hoeheOffen);
}

void frmThomsen::Label7_MouseMove()
{
    setzeHoehe(hoeheZu);
}

// The angle is reset after the message, the head before it.
void frmThomsen::txtAlpha_Change()
{
    ereignis::fehlerblock([this] { Thomsen(); }, [this] { txtAlpha->setText(QStringLiteral("1")); }, texte::wertAuf1,
                          titel, ereignis::Reihenfolge::MeldungZuerst);
}

void frmThomsen::txtÜberfallhöhe_Change()
{
    ereignis::fehlerblock([this] { Thomsen(); }, [this] { txtÜberfallhöhe->setText(QStringLiteral("1")); },
                          texte::wertAuf1, titel, ereignis::Reihenfolge::RuecksetzenZuerst);
}

void frmThomsen::Thomsen()
{
    h = zahl(txtÜberfallhöhe->text()) / 100;
    Beiwert();
    Bogen();
    txtÜberfallhöhe->setEnabled(true);
    // With a half angle of no more than 0° or beyond the right angle the
    // notch has no opening: no discharge is shown.
    const double tangens = std::tan(alpha);
    if (!(tangens > 0)) {
        for (QLabel* l : {lblQm3s, lblQls, lblQm3d, lblQm3h})
            l->clear();
        return;
    }
    Q = geprueft(8.0 / 15 * mu * std::sqrt(19.62) * tangens * hoch(h, 2.5));
    schreibe(lblQm3s, Q, zweiStellen);
    Qls = geprueft(Q * 1000);
    schreibe(lblQls, Qls, zweiStellen);
    Qd = geprueft(Q * 3600 * 24);
    schreibe(lblQm3d, Qd, zweiStellen);
    Qh = Qd / 24;
    schreibe(lblQm3h, Qh, zweiStellen);
}

void frmThomsen::Beiwert()
{
    mu = 0.565 + teile(0.0087, hoch(h, 0.5));
    schreibe(lblMue, mu, QStringLiteral("##,##0.000000 "));
}

void frmThomsen::Bogen()
{
    const double grad = zahl(txtAlpha->text());
    alpha = geprueft(grad * 3.1416) / 180;
    if (grad > 89.999)
        meldung::warnung(QStringLiteral("Achtung Gesamter Winkel > 180 °!"), titel);
    schreibe(lblBogen, alpha, QStringLiteral("##,##0.00000 "));
}
