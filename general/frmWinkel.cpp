#include "frmWinkel.h"

#include "ereignisse.h"
#include "meldung.h"
#include "twips.h"
#include "zahlen.h"

#include <cmath>

using namespace rechnen;

namespace {
const QString winkelMuster = QStringLiteral("##,##0.00");
} // namespace

frmWinkel::frmWinkel(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    for (QLabel* l : {lblATn, lblArkuskosinus, lblAlphaGrad, lblAlphaGon}) {
        l->setFixedHeight(txtBetrag->sizeHint().height());
        l->setMinimumWidth(twips(1455));
    }
    txtBetrag->setMinimumWidth(twips(1215));
    resize(twips(9330, 2910));

    ereignis::click(Option1, [this] { Option1_Click(); });
    ereignis::click(Option2, [this] { Option2_Click(); });
    ereignis::click(Option3, [this] { Option3_Click(); });
    ereignis::click(Option4, [this] { Option4_Click(); });
}

void frmWinkel::Beginn()
{
    pi = 4 * std::atan(1.0);
    Betrag.binde(txtBetrag);
    schreibe(lblATn, std::atan(Betrag.zahl()), QStringLiteral("##,##0.0000 "));
}

void frmWinkel::Winkel(double bogen)
{
    const double grad = 180 * bogen / pi;
    schreibe(lblAlphaGrad, grad, winkelMuster);
    schreibe(lblAlphaGon, (400.0 / 360.0) * grad, winkelMuster);
}

void frmWinkel::rechne(const std::function<void()>& schritte)
{
    ereignis::fehlerblock(
        schritte, [] {}, QStringLiteral("Tippfehler - bitte eine Zahl eingeben"));
}

void frmWinkel::ausserhalb()
{
    meldung::eingabefehler(nullptr, QStringLiteral("Eingabefehler - Wert außerhalb des gültigen Wertebereiches"));
}

// The sine: 1 itself is taken as the value just below it, written as the
// box shows it. Values up to -1 and beyond 1 have no angle.
void frmWinkel::Option1_Click()
{
    rechne([this] {
        if (zahl(txtBetrag->text()) == 1)
            txtBetrag->setText(QStringLiteral("0,99999999999999"));
        else
            Beginn();
        const double v = zahl(txtBetrag->text());
        if (v > 1 || v <= -1)
            return ausserhalb();
        Beginn();
        Winkel(std::atan(teile(Betrag.zahl(), wurzel(1 - v * v))));
    });
}

// The cosine: only values strictly between -1 and 1 have an angle here.
void frmWinkel::Option2_Click()
{
    rechne([this] {
        Beginn();
        const double v = Betrag.zahl();
        if (v >= 1 || v <= -1)
            return ausserhalb();
        const double bogen = std::atan(teile(-v, wurzel(1 - v * v))) + 2 * std::atan(1.0);
        schreibe(lblArkuskosinus, bogen);
        Winkel(bogen);
    });
}

// The tangent: the angle between -90° and 90°.
void frmWinkel::Option3_Click()
{
    rechne([this] {
        Beginn();
        Winkel(std::atan(Betrag.zahl()));
    });
}

// The cotangent: the angle between 0° and 180°, 90° for 0.
void frmWinkel::Option4_Click()
{
    rechne([this] {
        Beginn();
        Winkel(std::atan2(1.0, Betrag.zahl()));
    });
}
