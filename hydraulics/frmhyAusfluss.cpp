#include "frmhyAusfluss.h"

#include "fenster.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

using namespace rechnen;

namespace {
const QString eineStelle = QStringLiteral("##,##0.0 ");
const QString fuenfStellen = QStringLiteral("##,##0.00000 ");
const QString ganz = QStringLiteral("##,##0");

// Area of a circle of diameter d with pi as 3,1416.
double kreis(double d)
{
    return geprueft(d * d) * 3.1416 / 4;
}

// Diameter of one circle of area a.
double durchmesser(double a)
{
    return wurzel(geprueft(a * 4) / 3.1416);
}
} // namespace

frmhyAusfluss::frmhyAusfluss(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10530, 9405));
    fenster::designLage(this);
    // The count box keeps its place while it is hidden.
    QSizePolicy platz = txtAnzahl->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    txtAnzahl->setSizePolicy(platz);

    ereignis::click(Option1, [this] { Option1_Click(); });
    ereignis::click(Option2, [this] { Option2_Click(); });
    ereignis::keyUp(txtAnzahl, [this] { txtAnzahl_KeyUp(); });
    ereignis::keyUp(txtDurchmesser, [this] { txtDurchmesser_KeyUp(); });
    ereignis::keyUp(txtFläche, [this] { txtFläche_KeyUp(); });
    ereignis::keyUp(txth, [this] { txth_KeyUp(); });
    connect(Listmue, &QListWidget::currentRowChanged, this,
            [this] { ereignis::geschuetzt([this] { Listmue_Click(); }); });
    ereignis::keyUp(txtAnzahlSchächte, [this] { txtAnzahlSchächte_KeyUp(); });
    ereignis::keyUp(txtAusflusszeit, [this] { txtAusflusszeit_KeyUp(); });
    ereignis::change(HScroll1, [this] { HScroll1_Change(); });

    Form_Load();
}

void frmhyAusfluss::ohneRuecksetzen(const ereignis::Handler& schritte)
{
    ereignis::fehlerblock(
        schritte, [] {}, texte::werteUnveraendert);
}

// The coefficients 0,05 to 1,00 in steps of 0,05; 0,65 is chosen.
void frmhyAusfluss::Form_Load()
{
    for (int k = 1; k <= 20; ++k)
        Listmue->addItem(format(k * 0.05, QStringLiteral("0.00")));
    const QList<QListWidgetItem*> wahl = Listmue->findItems(zahlText(0.65), Qt::MatchExactly);
    if (!wahl.isEmpty())
        Listmue->setCurrentItem(wahl.first());
}

void frmhyAusfluss::Option1_Click()
{
    txtAnzahl->setText(QStringLiteral("1"));
    txtAnzahl->setVisible(true);
    txtAnzahl->setFrame(false);
    txtAnzahl->setEnabled(false);
    n.setzeZahl(1);
    visFläche();
}

void frmhyAusfluss::Option2_Click()
{
    txtAnzahl->setText(QString());
    txtAnzahl->setVisible(true);
    txtAnzahl->setEnabled(true);
    txtAnzahl->setFrame(true);
    visFläche();
}

void frmhyAusfluss::txtAnzahl_KeyUp()
{
    ohneRuecksetzen([this] {
        n.setzeText(txtAnzahl->text());
        // Before a water column is set Freigabe computes nothing; the area
        // follows the new count all the same.
        if (n.gesetzt() && d.gesetzt() && !h.gesetzt())
            BerechnungFläche();
        Freigabe();
    });
}

void frmhyAusfluss::txtDurchmesser_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            Freigabe();
            if (n.gesetzt())
                Option1->setEnabled(false);
            if (n.gesetzt())
                BerechnungFläche();
        },
        [this] { txtDurchmesser->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

void frmhyAusfluss::txtFläche_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            Freigabe();
            BerechnungDurchmesser();
        },
        [this] { txtFläche->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

void frmhyAusfluss::txth_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            Freigabe();
            einzelLoch();
            h.setzeZahl(zahl(txth->text()) / 1000);
            einzelLoch();
            Ausfluss();
            AusflussjeZeit();
        },
        [this] {
            // The window goes on with the water column its box shows, not
            // with the one refused.
            txth->setText(QStringLiteral("0"));
            h.setzeZahl(0);
        },
        texte::wertAuf0);
}

void frmhyAusfluss::Listmue_Click()
{
    ohneRuecksetzen([this] {
        const QListWidgetItem* wahl = Listmue->currentItem();
        mu.setzeText(wahl ? wahl->text() : QString());
        lblMue->setText(mu.text());
        Freigabe();
    });
}

void frmhyAusfluss::txtAnzahlSchächte_KeyUp()
{
    ereignis::fehlerblock([this] { AusflussjeZeit(); }, [this] { txtAnzahlSchächte->setText(QStringLiteral("1")); },
                          texte::wertAuf1);
}

void frmhyAusfluss::txtAusflusszeit_KeyUp()
{
    ereignis::fehlerblock([this] { AusflussjeZeit(); }, [this] { txtAusflusszeit->setText(QStringLiteral("1")); },
                          texte::wertAuf1);
}

void frmhyAusfluss::HScroll1_Change()
{
    ohneRuecksetzen([this] {
        schreibe(txtAusflusszeit, HScroll1->value());
        AusflussjeZeit();
    });
}

void frmhyAusfluss::visFläche()
{
    txtDurchmesser->setEnabled(true);
    txtFläche->setEnabled(true);
}

void frmhyAusfluss::Freigabe()
{
    if (n.gesetzt() && d.gesetzt() && h.gesetzt()) {
        BerechnungFläche();
        Ausfluss();
        einzelLoch();
        AusflussjeZeit();
    }
}

void frmhyAusfluss::BerechnungFläche()
{
    n.setzeText(txtAnzahl->text());
    d.setzeZahl(zahl(txtDurchmesser->text()) / 1000);
    A.setzeZahl(geprueft(n.zahl() * kreis(d.zahl())));
    schreibe(txtFläche, A.zahl(), fuenfStellen);
    schreibe(lblÄquiDN, geprueft(durchmesser(A.zahl()) * 1000), ganz);
    txth->setEnabled(true);
    Listmue->setEnabled(true);
}

// The diameter of one of n equal openings with the area typed; it is read
// back from its five-decimal text by the later steps.
void frmhyAusfluss::BerechnungDurchmesser()
{
    n.setzeText(txtAnzahl->text());
    A.setzeText(txtFläche->text());
    d.setzeZahl(wurzel(teile(teile(geprueft(A.zahl() * 4), n.zahl()), 3.1416)));
    schreibe(txtDurchmesser, geprueft(d.zahl() * 1000), fuenfStellen);
    // The equivalent diameter follows the area typed, as it does the area
    // computed.
    schreibe(lblÄquiDN, geprueft(durchmesser(A.zahl()) * 1000), ganz);
    txth->setEnabled(true);
}

void frmhyAusfluss::Ausfluss()
{
    Q = geprueft(mu.zahl() * A.zahl() * wurzel(geprueft(19.62 * h.zahl())));
    schreibe(lblQm3s, Q, fuenfStellen);
    Qls = geprueft(Q * 1000);
    schreibe(lblQls, Qls, eineStelle);
    schreibe(lblQm3h, geprueft(Q * 3600), eineStelle);
}

void frmhyAusfluss::einzelLoch()
{
    d.setzeZahl(zahl(txtDurchmesser->text()) / 1000);
    a1 = kreis(d.zahl());
    h.setzeZahl(zahl(txth->text()) / 1000);
    q1 = geprueft(a1 * geprueft(mu.zahl() * 1000) * wurzel(geprueft(19.62 * h.zahl())));
    schreibe(lblAusflussjeÖffnung, q1, eineStelle);
}

// With the last outflow computed (0 before the first).
void frmhyAusfluss::AusflussjeZeit()
{
    shafts.setzeText(txtAnzahlSchächte->text());
    t.setzeText(txtAusflusszeit->text());
    V = geprueft(shafts.zahl() * geprueft(Q * geprueft(t.zahl() * 60)));
    schreibe(lblAusflussmenge, V, QStringLiteral("##,##0.0"));
}
