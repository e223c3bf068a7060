#include "frmPyramidenstumpf.h"

#include "datum.h"
#include "ereignisse.h"
#include "fenster.h"
#include "mausereignis.h"
#include "mdlInternet.h"
#include "twips.h"
#include "zahlen.h"

#include <QIcon>

#include <cmath>

using namespace rechnen;

namespace {

const QString eineStelle = QStringLiteral("##,##0.0");
// "zurückgegesetzt", not the usual "zurückgesetzt": this window's message has always read so.
const QString tippfehler = QStringLiteral("Tippfehler - Alle Eingabewerte werden zurückgegesetzt");

} // namespace

frmPyramidenstumpf::frmPyramidenstumpf(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/pyramidenstumpf.svg")));
    resize(twips(12900, 10500));
    fenster::designLage(this);

    // The dimension boxes keep their room while they are hidden.
    for (QLineEdit* box : {txtLängeBeckenboden, txtBreiteBeckenboden, txtWassertiefe, txtFreibord}) {
        QSizePolicy sp = box->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        box->setSizePolicy(sp);
        box->hide();
    }
    const QIcon internet(QStringLiteral(":/icons/internet.svg"));
    Command1->setIcon(internet);
    Command1->setText(QStringLiteral("Quelle: ") + mdlInternet::Link::Host);
    Image1->setPixmap(internet.pixmap(QSize(24, 24), devicePixelRatioF()));
    datum::heuteAnzeigen(this, [this](const QString& heute) { Label45->setText(heute); });

    ereignis::keyUp(txtGefälleAbsolut,
                    [this] { Gefaelle_KeyUp(txtGefälleAbsolut, &frmPyramidenstumpf::EingabeGefälleAbsolut); });
    ereignis::keyUp(txtGefälleProzent,
                    [this] { Gefaelle_KeyUp(txtGefälleProzent, &frmPyramidenstumpf::EingabeGefälleProzent); });
    ereignis::keyUp(txtGefälleProportion,
                    [this] { Gefaelle_KeyUp(txtGefälleProportion, &frmPyramidenstumpf::EingabeGefälleProportion); });
    for (QLineEdit* box : {txtLängeBeckenboden, txtBreiteBeckenboden, txtWassertiefe, txtFreibord})
        ereignis::keyUp(box, [this] { Abmessung_KeyUp(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::mouseClick(Image1, [this] { Command1_Click(); });
}

void frmPyramidenstumpf::mitFehlerblock(const std::function<void()>& schritte)
{
    ereignis::fehlerblock(
        schritte,
        [this] {
            Rücksetzen();
            // The gradient kept for the next computation is the one the boxes
            // now show, and so is the angle once a slope had been entered.
            I.setzeText(QStringLiteral("0,4"));
            P.setzeZahl(40);
            n.setzeZahl(2.5);
            if (!alpha.leer())
                Winkelberechnung();
        },
        tippfehler);
}

void frmPyramidenstumpf::Gefaelle_KeyUp(QLineEdit* box, void (frmPyramidenstumpf::*umrechnung)())
{
    mitFehlerblock([this, box, umrechnung] {
        // A gradient of 0 would divide by zero: it is not converted.
        if (zahl(box->text()) != 0)
            (this->*umrechnung)();
        if (alpha.zahl() != 0)
            B_Gesamttiefe();
        Sichtbar();
    });
}

void frmPyramidenstumpf::Abmessung_KeyUp()
{
    mitFehlerblock([this] {
        if (alpha.zahl() != 0)
            B_Gesamttiefe();
    });
}

// The box typed in stays as typed; the other two get the converted value.
void frmPyramidenstumpf::EingabeGefälleAbsolut()
{
    I.setzeText(txtGefälleAbsolut->text());
    P.setzeZahl(geprueft(I.zahl() * 100));
    schreibe(txtGefälleProzent, P.zahl(), eineStelle);
    n.setzeZahl(teile(1, I.zahl()));
    schreibe(txtGefälleProportion, n.zahl(), eineStelle);
    Winkelberechnung();
}

void frmPyramidenstumpf::EingabeGefälleProzent()
{
    P.setzeText(txtGefälleProzent->text());
    I.setzeZahl(P.zahl() / 100);
    schreibe(txtGefälleAbsolut, I.zahl(), QStringLiteral("##,##0.0000"));
    n.setzeZahl(teile(1, I.zahl()));
    schreibe(txtGefälleProportion, n.zahl(), eineStelle);
    Winkelberechnung();
}

void frmPyramidenstumpf::EingabeGefälleProportion()
{
    n.setzeText(txtGefälleProportion->text());
    I.setzeZahl(teile(1, n.zahl()));
    schreibe(txtGefälleAbsolut, I.zahl(), QStringLiteral("##,##0.0000"));
    P.setzeZahl(geprueft(I.zahl() * 100));
    schreibe(txtGefälleProzent, P.zahl(), eineStelle);
    Winkelberechnung();
}

void frmPyramidenstumpf::Winkelberechnung()
{
    pi = 4 * std::atan(1.0);
    alpha.setzeZahl(std::atan(I.zahl()));
    schreibe(lblBogenmaß, alpha.zahl(), QStringLiteral("##,##0.00000"));
    grad = alpha.zahl() * 180 / pi;
    schreibe(lblBöschungswinkel, grad, eineStelle);
}

// The whole basin from the dimension boxes and the gradient kept. Each input
// is read at the step that first needs it, so an unreadable later box leaves
// the earlier results written.
void frmPyramidenstumpf::B_Gesamttiefe()
{
    const auto setze = [](QLabel* ziel, double& wert, double x) {
        wert = geprueft(x);
        schreibe(ziel, wert, eineStelle);
    };
    const double i = I.zahl();
    t = zahl(txtWassertiefe->text());
    f = zahl(txtFreibord->text());
    setze(lblGesamttiefe, H, t + f);
    setze(lblBöschungsprojektion, p, teile(H, i));
    setze(lblBenetzteBöschungsprojektion, pw, teile(t, i));
    setze(lblBöschungslänge, s, wurzel(geprueft(geprueft(p * p) + geprueft(H * H))));
    setze(lblBenetzteBöschungslänge, sw, wurzel(geprueft(geprueft(pw * pw) + geprueft(t * t))));
    L = zahl(txtLängeBeckenboden->text());
    setze(lblLängeOKBecken, Lo, L + geprueft(2 * p));
    B = zahl(txtBreiteBeckenboden->text());
    setze(lblBreiteOKBecken, Bo, B + geprueft(2 * p));
    setze(lblWasserspiegelLänge, Lw, L + geprueft(2 * pw));
    setze(lblWasserspiegelbreite, Bw, B + geprueft(2 * pw));
    const double umfang = geprueft(geprueft(2 * L) + geprueft(2 * B));
    setze(lblGesamtvolumenBeckenboden, V1, geprueft(L * B) * H);
    setze(lblGesamtvolumenGeneigteFlächen, V2, geprueft(p * H) / 2 * umfang);
    setze(lblGesamtvolumenKehlen, V3, geprueft(geprueft(2 * p) * geprueft(2 * p)) * H / 3);
    setze(lblGesamtvolumen, V, geprueft(V1 + V2) + V3);
    setze(lblNutzvolumenBeckenboden, N1, geprueft(L * B) * t);
    setze(lblNutzvolumenGeneigteFlächen, N2, geprueft(t * pw) / 2 * umfang);
    setze(lblNutzvolumenKehlen, N3, geprueft(geprueft(2 * pw) * geprueft(2 * pw)) * t / 3);
    setze(lblNutzvolumen, N, geprueft(N1 + N2) + N3);
    setze(lblEineLängereMantelfläche, AL, geprueft(Lo + L) / 2 * s);
    setze(lblEineMantelflächeStirnseite, AB, geprueft(Bo + B) / 2 * s);
    setze(lblAlleSeitenflächen, AS, geprueft(2 * AB) + geprueft(2 * AL));
    setze(lblFlächeBeckenboden, A0, L * B);
    schreibe(lblGesamteBodenfilteroberflächeAF, A0, eineStelle);
    setze(lblOberflächePyramidenstumpf, AO, A0 + AS);
    setze(lblAnströmflächeA, A, B * t);
    setze(lblWasseroberfläche, AW, Lw * Bw);
}

// The reset texts only: nothing is computed, hidden or forgotten here.
void frmPyramidenstumpf::Rücksetzen()
{
    txtLängeBeckenboden->setText(QStringLiteral("30"));
    txtBreiteBeckenboden->setText(QStringLiteral("10"));
    txtWassertiefe->setText(QStringLiteral("3"));
    txtFreibord->setText(QStringLiteral("0,5"));
    txtGefälleAbsolut->setText(QStringLiteral("0,4"));
    txtGefälleProzent->setText(QStringLiteral("40"));
    txtGefälleProportion->setText(QStringLiteral("2,5"));
}

void frmPyramidenstumpf::Sichtbar()
{
    for (QLineEdit* box : {txtLängeBeckenboden, txtBreiteBeckenboden, txtWassertiefe, txtFreibord})
        box->setVisible(true);
}

void frmPyramidenstumpf::Command1_Click()
{
    Link = mdlInternet::Link::Homepage;
    mdlInternet::OeffneLink(Link);
}
