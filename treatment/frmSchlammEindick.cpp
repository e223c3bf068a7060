#include "frmSchlammEindick.h"

#include "drucker.h"
#include "ereignisse.h"
#include "fenster.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QGridLayout>

#include <algorithm>

using ereignis::fehlerblock;
using namespace rechnen;

namespace {

const QString eineStelle = QStringLiteral("##,##0.0");
const QString zweiStellen = QStringLiteral("##,##0.00");
const QString dreiStellen = QStringLiteral("##,##0.000");

void zeige(std::initializer_list<QWidget*> steuerelemente)
{
    for (QWidget* w : steuerelemente)
        w->setVisible(true);
}

} // namespace

frmSchlammEindick::frmSchlammEindick(QWidget* parent) : QWidget(parent)
{
    setupUi(this);

    // The groups that show up later keep their place while hidden, so that
    // the table does not move when they appear.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Shape1_2,  Label2_7,    txtTS,     cmdTS,     lblSVm3h,  Label2_8,  txtSVm3d,  Label2_9,
             lblSVm3a,  Label2_10,   Shape1_3,  Label2_11, Label2_12, txtentTS,  Label3,    Label1,
             lblentm3h, lblwasm3h,   Label2_13, lblentm3d, lblwasm3d, Label2_14, lblentm3a, lblwasm3a,
             Label2_15, Reduzierung, Label2_16, lblSVred,  Label2_17}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
        w->hide();
    }
    // One height for the rows of every column, so that they line up.
    const int zeile = txtEW->sizeHint().height();
    for (QGridLayout* g : {gridTrockenmasse, gridVorher, gridNachher, gridReduzierung}) {
        g->setContentsMargins(twips(90), twips(60), twips(90), twips(60));
        g->setRowMinimumHeight(0, Label2_3->sizeHint().height());
        for (int r = 1; r < 5; ++r)
            g->setRowMinimumHeight(r, zeile);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{txtEW, txtgEd, txtda, txtTMtd, lblTMkgh, lblTMta, txtTS, txtSVm3d,
                                                      lblSVm3h, lblSVm3a, txtentTS, Label3, lblentm3h, lblentm3d,
                                                      lblentm3a, lblwasm3h, lblwasm3d, lblwasm3a, lblSVred})
        w->setFixedWidth(twips(1005));
    for (QWidget* w : std::initializer_list<QWidget*>{lblTMkgh, lblTMta, lblSVm3h, lblSVm3a, Label3, lblentm3h,
                                                      lblentm3d, lblentm3a, lblwasm3h, lblwasm3d, lblwasm3a, lblSVred})
        w->setFixedHeight(zeile);
    gridFlaeche->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    gridFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    Flaeche->adjustSize();

    // The client area as drawn, larger only where the fonts need it; the
    // print button lies below it until the user enlarges the window.
    const QSize flaeche = Flaeche->sizeHint();
    resize(std::max(twips(9660), flaeche.width()), std::max(twips(3075), flaeche.height()));
    cmdDrucken->move(twips(240), height() + twips(4080 - 3075));
    fenster::designLage(this);

    ereignis::keyUp(txtEW, [this] { txtEW_KeyUp(); });
    ereignis::keyUp(txtgEd, [this] { txtgEd_KeyUp(); });
    ereignis::keyUp(txtda, [this] { txtda_KeyUp(); });
    ereignis::keyUp(txtTMtd, [this] { txtTMtd_KeyUp(); });
    ereignis::keyPress(txtTS, [this](int z) { txtTS_KeyPress(z); });
    ereignis::click(cmdTS, [this] { cmdTS_Click(); });
    ereignis::keyUp(txtSVm3d, [this] { txtSVm3d_KeyUp(); });
    ereignis::keyUp(txtentTS, [this] { txtentTS_KeyUp(); });
    ereignis::click(cmdDrucken, [this] { cmdDrucken_Click(); });
}

// From the population. The yearly mass is taken from the daily mass as the
// box shows it, rounded to two decimals.
void frmSchlammEindick::fEW()
{
    EW.binde(txtEW);
    gEd.binde(txtgEd);
    da.binde(txtda);
    TMtd.setzeZahl(geprueft(EW.zahl() * gEd.zahl()) / 1000000);
    schreibe(txtTMtd, TMtd.zahl(), zweiStellen);
    TMkgh.setzeZahl(geprueft(TMtd.zahl() * 1000) / 24);
    schreibe(lblTMkgh, TMkgh.zahl(), dreiStellen);
    TMta.setzeZahl(geprueft(zahl(txtTMtd->text()) * da.zahl()));
    schreibe(lblTMta, TMta.zahl(), zweiStellen);
}

// From the dry mass per day: the population is computed back.
void frmSchlammEindick::ftd()
{
    gEd.binde(txtgEd);
    da.binde(txtda);
    TMtd.binde(txtTMtd);
    TMkgh.setzeZahl(geprueft(TMtd.zahl() * 1000) / 24);
    schreibe(lblTMkgh, TMkgh.zahl(), eineStelle);
    EW.setzeZahl(teile(geprueft(TMtd.zahl() * 1000000), gEd.zahl()));
    schreibe(txtEW, EW.zahl(), QStringLiteral("##,##0"));
    TMta.setzeZahl(geprueft(TMtd.zahl() * da.zahl()));
    schreibe(lblTMta, TMta.zahl(), zweiStellen);
}

// Sludge volume before treatment: 1 t of dry mass at p % TS is 100/p m³.
void frmSchlammEindick::davor()
{
    TS.binde(txtTS);
    SVm3d.setzeZahl(teile(TMtd.zahl(), TS.zahl() / 100));
    schreibe(txtSVm3d, SVm3d.zahl(), zweiStellen);
    SVm3h.setzeZahl(SVm3d.zahl() / 24);
    schreibe(lblSVm3h, SVm3h.zahl(), zweiStellen);
    SVm3a.setzeZahl(geprueft(SVm3d.zahl() * da.zahl()));
    schreibe(lblSVm3a, SVm3a.zahl(), zweiStellen);
}

// Sludge volume after treatment at the target content.
void frmSchlammEindick::danach()
{
    entTS.binde(txtentTS);
    entm3h.setzeZahl(teile(TMtd.zahl() / 24, entTS.zahl() / 100));
    schreibe(lblentm3h, entm3h.zahl(), dreiStellen);
    entm3d.setzeZahl(teile(TMtd.zahl(), entTS.zahl() / 100));
    schreibe(lblentm3d, entm3d.zahl(), zweiStellen);
    entm3a.setzeZahl(teile(TMta.zahl(), entTS.zahl() / 100));
    schreibe(lblentm3a, entm3a.zahl(), zweiStellen);
    if (zahl(txtentTS->text()) > 0)
        Wasser();
}

void frmSchlammEindick::Wasser()
{
    schreibe(lblwasm3h, geprueft(SVm3h.zahl() - entm3h.zahl()), eineStelle);
    schreibe(lblwasm3d, geprueft(SVm3d.zahl() - entm3d.zahl()), eineStelle);
    schreibe(lblwasm3a, geprueft(SVm3a.zahl() - entm3a.zahl()), eineStelle);
}

void frmSchlammEindick::SVred()
{
    schreibe(lblSVred, teile(geprueft(100 * geprueft(SVm3d.zahl() - entm3d.zahl())), SVm3d.zahl()), eineStelle);
}

// The volume typed first: the dry solids content is computed back. The
// values after treatment stay as they were.
void frmSchlammEindick::Volumen()
{
    SVm3d.binde(txtSVm3d);
    TS.setzeZahl(teile(geprueft(100 * TMtd.zahl()), SVm3d.zahl()));
    schreibe(txtTS, TS.zahl(), zweiStellen);
    SVm3h.setzeZahl(teile(TMkgh.zahl(), TS.zahl()) / 10);
    schreibe(lblSVm3h, SVm3h.zahl(), zweiStellen);
    SVm3a.setzeZahl(geprueft(zahl(txtda->text()) * SVm3d.zahl()));
    schreibe(lblSVm3a, SVm3a.zahl(), zweiStellen);
}

void frmSchlammEindick::Vorentvisible()
{
    zeige({Label2_7, Label2_8, Label2_9, Label2_10, txtTS, txtSVm3d, lblSVm3h, lblSVm3a, Shape1_2, cmdTS});
}

void frmSchlammEindick::entVisible()
{
    zeige({Label2_13, Label2_14, Label2_15, Label2_11, Label2_12, Label2_16, lblentm3h, lblentm3d, lblentm3a, lblwasm3h,
           lblwasm3d, lblwasm3a, txtentTS, Label2_17, lblSVred, Shape1_3, Reduzierung, Label1, Label3});
}

// Enter in the content box or its button. The target content is tested as
// a text: empty and "0" fail, "5" and "0,5" pass.
void frmSchlammEindick::Eingabe()
{
    fehlerblock(
        [this] {
            davor();
            entVisible();
            if (txtentTS->text() > QStringLiteral("0"))
                danach();
            if (txtentTS->text() > QStringLiteral("0"))
                SVred();
        },
        [this] { txtTS->clear(); }, QStringLiteral("Tippfehler?"));
}

void frmSchlammEindick::txtEW_KeyUp()
{
    fehlerblock(
        [this] {
            fEW();
            Vorentvisible();
        },
        [this] { txtEW->setText(QStringLiteral("1")); }, texte::wertZurueck);
}

void frmSchlammEindick::txtgEd_KeyUp()
{
    fehlerblock(
        [this] {
            fEW();
            Vorentvisible();
        },
        [this] { txtgEd->setText(QStringLiteral("50")); }, texte::wertZurueck);
}

void frmSchlammEindick::txtda_KeyUp()
{
    fehlerblock([this] { fEW(); }, [this] { txtda->setText(QStringLiteral("365")); }, texte::wertZurueck);
}

void frmSchlammEindick::txtTMtd_KeyUp()
{
    fehlerblock(
        [this] {
            ftd();
            Vorentvisible();
        },
        [this] { txtTMtd->setText(QStringLiteral("0")); }, texte::wertZurueck);
}

void frmSchlammEindick::txtTS_KeyPress(int zeichen)
{
    if (zeichen == 13)
        Eingabe();
}

void frmSchlammEindick::cmdTS_Click()
{
    Eingabe();
}

void frmSchlammEindick::txtSVm3d_KeyUp()
{
    fehlerblock(
        [this] {
            Volumen();
            entVisible();
        },
        [this] { txtSVm3d->setText(QStringLiteral("0")); }, texte::wertZurueck);
}

void frmSchlammEindick::txtentTS_KeyUp()
{
    fehlerblock(
        [this] {
            danach();
            SVred();
        },
        [this] { txtentTS->setText(QStringLiteral("0")); }, texte::wertZurueck);
}

// Seven rules to write on, then the daily sludge volume before treatment.
// The rounded text is only printed: the volume itself keeps its value.
void frmSchlammEindick::cmdDrucken_Click()
{
    drucker::Seite seite{3, 5, {}};
    for (int i = 0; i < 7; ++i)
        seite.zeilen << QString(55, u'_');
    seite.zeilen << format(SVm3d.text(), zweiStellen);
    switch (drucker::drucke(seite)) {
    case drucker::Ergebnis::Gedruckt: break;
    case drucker::Ergebnis::KeinDrucker:
        meldung::box(QStringLiteral("Drucken nicht möglich: kein Drucker eingerichtet."), QStringLiteral("Drucken"),
                     meldung::Ausrufezeichen);
        break;
    case drucker::Ergebnis::Fehlgeschlagen:
        meldung::box(QStringLiteral("Drucken nicht möglich: der Druckauftrag ließ sich nicht ausführen."),
                     QStringLiteral("Drucken"), meldung::Ausrufezeichen);
        break;
    }
}
