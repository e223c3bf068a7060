#include "frmIndex.h"

#include "frmIndexInfo.h"
#include "preisindizes.h"

#include "aussehen.h"
#include "ereignisse.h"
#include "fenster.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <algorithm>

using namespace rechnen;

namespace {

// The whole window's height once a structure is chosen, frame included.
constexpr int hoeheAussen = 5880;

// Writes the factor of the year, when the table has that year; any other
// year leaves the label as it is.
void faktorDesJahres(QLabel* ziel, std::span<const preisindizes::Faktor> tabelle, double jahr)
{
    for (const preisindizes::Faktor& f : tabelle)
        if (jahr == f.jahr)
            schreibe(ziel, f.faktor);
}

} // namespace

frmIndex::frmIndex(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The controls below the top row lie outside the first, low window.
    gridFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    const int erste = twips(975);
    gridFlaeche->setRowMinimumHeight(0, erste - gridFlaeche->contentsMargins().top() - gridFlaeche->spacing());
    Flaeche->adjustSize();
    resize(qMax(twips(6585), Flaeche->width()), qMax(erste, hbOben->geometry().bottom() + 1));
    // The notes box as wide as the window, so the rows keep their width when
    // the top row changes.
    const QMargins rand = gridFlaeche->contentsMargins();
    Text1->setMinimumWidth(width() - rand.left() - rand.right());
    fenster::designLage(this);

    ereignis::click(OptKA, [this] { OptKA_Click(); });
    ereignis::click(OptKanal, [this] { OptKanal_Click(); });
    ereignis::click(OptDM, [this] { OptDM_Click(); });
    ereignis::click(OptEuro, [this] { OptEuro_Click(); });
    ereignis::keyUp(txtIkAusschreibung, [this] { txtIkAusschreibung_KeyUp(); });
    ereignis::click(cmdIK, [this] { cmdIK_Click(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
}

void frmIndex::OptKA_Click()
{
    sichtindizes();
    Label10->setText(QStringLiteral("Berechnung der Kläranlagenpreise für 2003"));
}

void frmIndex::OptKanal_Click()
{
    sichtindizes();
    Label10->setText(QStringLiteral("Berechnung der Ortskanalpreise für 2003"));
}

void frmIndex::OptDM_Click()
{
    Label11->setText(QStringLiteral("DM"));
    lblIKAusschreibung->show();
    Label13->show();
}

void frmIndex::OptEuro_Click()
{
    Label11->setText(QStringLiteral("€"));
    lblIKAusschreibung->hide();
    Label13->hide();
}

// Every key released in the cost box computes, once a year is given; the
// structure and the currency can then no longer be changed.
void frmIndex::txtIkAusschreibung_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            if (!txtAusschreibungsjahr->text().isEmpty())
                berechnungIK();
            Frame1->hide();
            Frame2->hide();
            Text2->show();
            Label10->show();
        },
        [this] { neu(); }, QStringLiteral("Vergleichsanlage größer als geplante Anlage - Werte werden auf 0 gesetzt"),
        texte::eingabefehler, ereignis::Reihenfolge::MeldungZuerst);
}

void frmIndex::cmdIK_Click()
{
    neu();
}

void frmIndex::Command1_Click()
{
    fenster::zeige<frmIndexInfo>();
}

void frmIndex::sichtindizes()
{
    for (QWidget* x : std::initializer_list<QWidget*>{txtAusschreibungsjahr, txtIkAusschreibung, Label1, Label2, Label9,
                                                      Label7_0, Label11, lblFaktor2003, lblIK2003, cmdIK})
        x->show();
    // The converted cost only when the cost is typed in DM.
    lblIKAusschreibung->setVisible(OptDM->isChecked());
    Label13->setVisible(OptDM->isChecked());
    // Taller, never lower than it is, and high enough for every row.
    const int rahmen = frameGeometry().height() - height();
    resize(width(), std::max({height(), twips(hoeheAussen) - rahmen, Flaeche->sizeHint().height()}));
}

void frmIndex::berechnungIK()
{
    txtAusschreibungsjahr->setEnabled(false);
    Jahr.binde(txtAusschreibungsjahr);
    Kosten.binde(txtIkAusschreibung);
    wertebereich();
    Algo();
    if (!txtAusschreibungsjahr->text().isEmpty())
        Kosten2003();
}

// Each failing check resets the window; the later checks see the year 0.
void frmIndex::wertebereich()
{
    const auto pruefe = [this](bool ausserhalb, const QString& text) {
        if (ausserhalb) {
            meldung::eingabefehler(nullptr, text);
            neu();
        }
    };
    pruefe(OptKA->isChecked() && Jahr.zahl() < 1991, QStringLiteral("Kläranlagenindizes gibt es erst seit 1991"));
    pruefe(OptKA->isChecked() && Jahr.zahl() > 2002,
           QStringLiteral("Kläranlagenindizes nur bis 2002 in der Datenbank"));
    pruefe(OptKanal->isChecked() && Jahr.zahl() > 2002, QStringLiteral("Indizes nur bis 2002 in der Datenbank"));
    pruefe(OptKanal->isChecked() && Jahr.zahl() < 1980, QStringLiteral("Indizes nur ab 1980 in der Datenbank"));
}

void frmIndex::Algo()
{
    if (OptKA->isChecked())
        BerechnungKA();
    else
        BerechnungKanal();
}

void frmIndex::BerechnungKanal()
{
    faktorDesJahres(lblFaktor2003, preisindizes::ortskanal, Jahr.zahl());
}

void frmIndex::BerechnungKA()
{
    faktorDesJahres(lblFaktor2003, preisindizes::klaeranlagen, Jahr.zahl());
}

void frmIndex::Kosten2003()
{
    if (OptDM->isChecked()) {
        Kosten.setzeZahl(teile(Kosten.zahl(), Kurs));
        schreibe(lblIKAusschreibung, Kosten.zahl());
    }
    umformatieren(lblIKAusschreibung, QStringLiteral("##,##0.00 "));
    if (!lblFaktor2003->text().isEmpty())
        schreibe(lblIK2003, Kosten.zahl() * zahl(lblFaktor2003->text()));
    umformatieren(lblFaktor2003, QStringLiteral("##,##0.000 "));
    umformatieren(lblIK2003, QStringLiteral("##,##0.00 "));
}

void frmIndex::neu()
{
    txtAusschreibungsjahr->setText(QStringLiteral("0"));
    txtIkAusschreibung->setText(QStringLiteral("0"));
    lblFaktor2003->setText(QStringLiteral("0"));
    lblIK2003->setText(QStringLiteral("0"));
    lblIKAusschreibung->setText(QStringLiteral("0"));
    txtAusschreibungsjahr->setEnabled(true);
    Frame1->show();
    Frame2->show();
    Label10->hide();
    Text2->hide();
}
