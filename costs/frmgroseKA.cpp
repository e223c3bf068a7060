#include "frmgroseKA.h"

#include "frmGroseKAInfo3.h"
#include "frmGroseKAInfo5.h"
#include "frmgroseKAInfo1.h"
#include "frmgroseKAInfo2.h"

// The link addresses live with the information windows.
#include "mdlInternet.h"
#include "aussehen.h"
#include "ereignisse.h"
#include "fenster.h"
#include "meldung.h"
#include "twips.h"
#include "zahlen.h"
#include "texte.h"

#include <QFontMetrics>
#include <QIcon>
#include <QMenuBar>

using namespace rechnen;

namespace {

// A formatted result that shows a negative number; a value that rounded to
// zero shows none.
bool negativ(const QLabel* l)
{
    return l->text().startsWith(u'-');
}

const QString eins = QStringLiteral("##,##0.0 ");
const QString einsOhneBlank = QStringLiteral("##,##0.0");
const QString mio = QStringLiteral("##,##0.0 Mio € ");
const QString prozent = QStringLiteral("##,##0.0 % ");
const QString tew = QStringLiteral("##,##0.0 TEW ");

} // namespace

frmgroseKA::frmgroseKA(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(9765, 5970));
    fenster::designLage(this);

    auto* leiste = new QMenuBar(this);
    const auto punkt = [leiste](QAction*& a, const char* name, const QString& text) {
        a = leiste->addAction(text);
        a->setObjectName(QString::fromUtf8(name));
    };
    punkt(Hinweise, "Hinweise", QStringLiteral("Problemstellung"));
    punkt(Verwendung, "Verwendung", QStringLiteral("Verwendung"));
    punkt(Funktion, "Funktion", QStringLiteral("Funktion"));
    punkt(Urteil, "Urteil", QStringLiteral("Gerichtsurteil im Internet"));
    punkt(Problemlösung, "Problemlösung", QStringLiteral("Auch eine Lösung!"));
    layout()->setMenuBar(leiste);

    // Results on the tooltip background; the verdict in black until the
    // first run colours it.
    for (QLabel* l :
         {lblvorhReserveEW, lblvorhReserveProzent, lblzulReserveEW, lblAusbaugrößeGebührenfähig, lblKostenanteilBBNKDM,
          lblBei1, lblKostenanteilgebührenfähig, lblBei2, lblnichtGebührenfähigDM, lblNichtGebührenfähigProzent})
        aussehen::grund(l, QPalette::ToolTipBase);

    // Room for the longest verdict, and for every wrapped caption: with a
    // wider font than the design's the window grows downwards.
    Label5_0->setMinimumHeight(3 * QFontMetrics(Label5_0->font()).lineSpacing());
    resize(width(), qMax(height(), layout()->totalHeightForWidth(width())));
    // The cost rows keep their place while the verdict hides them, so that
    // the inputs and the buttons do not move.
    for (QWidget* w : kostenzeilen()) {
        QSizePolicy platz = w->sizePolicy();
        platz.setRetainSizeWhenHidden(true);
        w->setSizePolicy(platz);
    }
    Image1->setPixmap(QIcon(QStringLiteral(":/icons/kelmo.svg")).pixmap(QSize(24, 24)));

    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::click(Beispiel, [this] { Beispiel_Click(); });
    const auto menue = [this](QAction* a, void (frmgroseKA::*h)()) {
        connect(a, &QAction::triggered, this, [this, h] { ereignis::geschuetzt([this, h] { (this->*h)(); }); });
    };
    menue(Hinweise, &frmgroseKA::Hinweise_Click);
    menue(Verwendung, &frmgroseKA::Verwendung_Click);
    menue(Funktion, &frmgroseKA::Funktion_Click);
    menue(Urteil, &frmgroseKA::Urteil_Click);
    menue(Problemlösung, &frmgroseKA::Problemlösung_Click);
}

// The labels of the cost rows and of the amount, which an eligible plant
// does not show.
QList<QWidget*> frmgroseKA::kostenzeilen() const
{
    return {lblnichtGebührenfähigDM, lblNichtGebührenfähigProzent, Label1_11, Label1_13, Label2_0, Label2_1,
            lblKostenanteilBBNKDM,   lblKostenanteilgebührenfähig, lblBei1,   lblBei2};
}

// The whole computation in its steps; a runtime error in any of them stops it
// there, resets the inputs and tells the user.
void frmgroseKA::Berechnung()
{
    ereignis::fehlerblock(
        [this] {
            rechne();
            runde();
            faerbe();
            bewerte();
            warne();
        },
        [this] {
            TxtEWKAreal->setText(QStringLiteral("0"));
            txtAnschlußEW->setText(QStringLiteral("0"));
            txtBruttoGKKA->setText(QStringLiteral("0"));
            txtDdeggesKA->setText(QStringLiteral("0,7"));
            txtKostenanteilBBNKProzent->setText(QStringLiteral("30"));
            txtzulReserveProzent->setText(QStringLiteral("20"));
        },
        texte::alleZurueck);
}

// The reserves, the fee-eligible size and the costs, each written as a plain
// number; every input is read from its box where it is used.
void frmgroseKA::rechne()
{
    const auto E = [this] { return zahl(TxtEWKAreal->text()); };
    const auto A = [this] { return zahl(txtAnschlußEW->text()); };
    const auto K = [this] { return zahl(txtBruttoGKKA->text()); };

    schreibe(lblvorhReserveEW, E() - A());
    // The reserve is read back from its text.
    Rp = waehrung(teile(100 * zahl(lblvorhReserveEW->text()), E()));
    schreibe(lblvorhReserveProzent, Rp);
    Rz = geprueft(E() * (zahl(txtzulReserveProzent->text()) / 100));
    schreibe(lblzulReserveEW, Rz);
    KA = geprueft(K() * (zahl(txtKostenanteilBBNKProzent->text()) / 100));
    schreibe(lblKostenanteilBBNKDM, KA);
    Eg = teile(geprueft(A() * 100), 100 - zahl(txtzulReserveProzent->text()));
    schreibe(lblAusbaugrößeGebührenfähig, Eg);
    lblBei1->setText(format(TxtEWKAreal->text(), eins));
    lblBei2->setText(format(lblAusbaugrößeGebührenfähig->text(), eins));
    const double verhaeltnis = teile(E(), Eg);
    KG = waehrung(teile(KA, hoch(verhaeltnis, zahl(txtDdeggesKA->text()))));
    schreibe(lblKostenanteilgebührenfähig, KG);
    N = geprueft(KA - KG);
    schreibe(lblnichtGebührenfähigDM, N);
    Np = waehrung(teile(N, K()));
    schreibe(lblNichtGebührenfähigProzent, Np);
}

// Every shown value rounded to one decimal, in this order; the next run
// computes with the rounded inputs.
void frmgroseKA::runde()
{
    umformatieren(lblnichtGebührenfähigDM, mio);
    umformatieren(lblNichtGebührenfähigProzent, prozent);
    umformatieren(lblKostenanteilgebührenfähig, mio);
    umformatieren(TxtEWKAreal, eins);
    umformatieren(txtAnschlußEW, eins);
    umformatieren(txtzulReserveProzent, eins);
    umformatieren(txtBruttoGKKA, eins);
    umformatieren(txtKostenanteilBBNKProzent, einsOhneBlank);
    umformatieren(lblvorhReserveEW, eins);
    umformatieren(lblvorhReserveProzent, eins);
    umformatieren(lblzulReserveEW, eins);
    umformatieren(lblAusbaugrößeGebührenfähig, einsOhneBlank);
    umformatieren(lblKostenanteilBBNKDM, mio);
    umformatieren(lblBei1, tew);
    umformatieren(lblBei2, tew);
}

// Warning colours, judged on the rounded texts; they stay until the window is
// closed.
void frmgroseKA::faerbe()
{
    if (negativ(lblvorhReserveEW))
        aussehen::warnung(lblvorhReserveEW, true);
    if (negativ(lblvorhReserveProzent))
        aussehen::warnung(lblvorhReserveProzent, true);
    if (!negativ(lblnichtGebührenfähigDM)) {
        aussehen::rosa(lblnichtGebührenfähigDM, true);
        aussehen::rosa(lblNichtGebührenfähigProzent, true);
    }
}

// The verdict on the unrounded non-eligible expense; the cost rows show only
// when there is one.
void frmgroseKA::bewerte()
{
    const bool gebuehrenfaehig = N <= 0;
    if (gebuehrenfaehig) {
        Label5_0->setText(QStringLiteral("Investkosten sind dem ersten Anschein nach gebühren- und "
                                         "beitragsfähig!"));
        aussehen::warnung(Label5_0, false);
    } else {
        Label5_0->setText(QStringLiteral("Nach dem ersten Anschein nicht gebühren- und beitragsfähiger "
                                         "Investaufwand!"));
        aussehen::warnung(Label5_0, true);
    }
    for (QWidget* k : kostenzeilen())
        k->setVisible(!gebuehrenfaehig);
}

// The three warnings, in this order; a negative expense brings the last two
// and is then shown as zero.
void frmgroseKA::warne()
{
    if (zahl(txtAnschlußEW->text()) >= zahl(TxtEWKAreal->text()))
        meldung::warnung(QStringLiteral("Anschlußgrad ist >= Anlagenkapazität!"),
                         QStringLiteral("Vielleicht ein Problem!"));
    if (negativ(lblnichtGebührenfähigDM))
        meldung::warnung(QStringLiteral("Gewählte zulässige Reserve ist größer oder gleich vorhandener Reserve!"),
                         QStringLiteral("Meist kein Problem!"));
    if (negativ(lblnichtGebührenfähigDM)) {
        meldung::warnung(QStringLiteral("Aufwendungen sind dem ersten Anschein nach gebührenfähig!"),
                         QStringLiteral("Kein Problem!"));
        schreibe(lblnichtGebührenfähigDM, 0, mio);
        schreibe(lblNichtGebührenfähigProzent, 0, prozent);
    }
}

void frmgroseKA::schließen()
{
    fenster::schliesse<frmgroseKAInfo1>();
    fenster::schliesse<frmgroseKAInfo2>();
    fenster::schliesse<frmGroseKAInfo3>();
    fenster::schliesse<frmGroseKAInfo5>();
}

template <class Erklaerung>
void frmgroseKA::erklaere()
{
    schließen();
    fenster::zeige<Erklaerung>();
}

void frmgroseKA::Command1_Click()
{
    Berechnung();
}

void frmgroseKA::Beispiel_Click()
{
    schreibe(TxtEWKAreal, 30);
    schreibe(txtAnschlußEW, 15);
    schreibe(txtBruttoGKKA, 25.5);
    Berechnung();
}

void frmgroseKA::Hinweise_Click()
{
    erklaere<frmgroseKAInfo1>();
}
void frmgroseKA::Verwendung_Click()
{
    erklaere<frmGroseKAInfo5>();
}
void frmgroseKA::Funktion_Click()
{
    erklaere<frmgroseKAInfo2>();
}
void frmgroseKA::Problemlösung_Click()
{
    erklaere<frmGroseKAInfo3>();
}

void frmgroseKA::Urteil_Click()
{
    link = mdlInternet::Link::Gerichtsurteil;
    mdlInternet::OeffneLink(link);
}
