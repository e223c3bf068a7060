#include "frmBodendruck.h"

#include "ereignisse.h"
#include "fenster.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

using namespace rechnen;

namespace {
const QString kraft = QStringLiteral("##,##0.0 ");
// The diameter of a circle of 1 m² with pi as 3,1416, in mm.
constexpr double probeDurchmesser = 1128.37784777716;
} // namespace

frmBodendruck::frmBodendruck(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(5550, 4860));
    fenster::designLage(this);

    ereignis::keyUp(txtd, [this] { txtd_KeyUp(); });
    ereignis::keyUp(txtWS, [this] { txtWS_KeyUp(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
}

void frmBodendruck::Kreisfläche()
{
    D = zahl(txtd->text()) / 1000;
    A = geprueft(3.1416 * geprueft(D * D)) / 4;
    schreibe(lblFläche, A, QStringLiteral("##,##0.0000 "));
}

// Works with the unrounded area of the last Kreisfläche.
void frmBodendruck::Wasser()
{
    F_kp = geprueft(A * 1000 * zahl(txtWS->text()));
    schreibe(lblkp, F_kp, kraft);
    F_N = geprueft(F_kp * 9.81);
    schreibe(LblN, F_N, kraft);
    p_Pa = teile(F_N, A);
    schreibe(lblPa, p_Pa, kraft);
    p_kpcm = teile(F_kp, geprueft(A * 10000));
    schreibe(lblkpcm, p_kpcm, kraft);
}

void frmBodendruck::txtd_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            Kreisfläche();
            if (!txtWS->text().isEmpty())
                Wasser();
        },
        [this] {
            txtd->setText(QString());
            txtWS->setText(QString());
        },
        texte::wertAuf0);
}

void frmBodendruck::txtWS_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            if (!txtd->text().isEmpty())
                Wasser();
        },
        [this] { txtWS->setText(QString()); }, texte::wertAuf0);
}

void frmBodendruck::Command1_Click()
{
    schreibe(txtd, probeDurchmesser);
    txtWS->setText(QStringLiteral("10"));
    Kreisfläche();
    Wasser();
}
