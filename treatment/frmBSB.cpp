#include "frmBSB.h"

#include "blattansicht.h"
#include "bsbmappen.h"
#include "ereignisse.h"
#include "laufzeitfehler.h"
#include "meldung.h"
#include "twips.h"
#include "zahlen.h"

#include <QSignalBlocker>

using namespace rechnen;

namespace {
const QString drei = QStringLiteral("##,##0.000 ");
const QString eine = QStringLiteral("##,##0.0 ");

const QString k1Zurueck = QStringLiteral("0,1");
const QString bsb5Zurueck = QStringLiteral("25");
} // namespace

frmBSB::frmBSB(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(17175, 12690));
    // The captions keep the width they have at the design values when the
    // results grow: narrower, they would wrap onto more lines than the page
    // has room for. The worksheet beside them gives way instead.
    gridAbsolut->setColumnMinimumWidth(0, twips(5600));

    m_absolut = new Blattmodell(bsbMappe::erzeuge(bsbMappe::Art::Absolut), this);
    m_relativ = new Blattmodell(bsbMappe::erzeuge(bsbMappe::Art::Relativ), this);
    OLE1->zeige(m_absolut);
    OLE2->zeige(m_relativ);

    ereignis::keyUp(txtBSB5, [this] { txtBSB5_KeyUp(); });
    ereignis::keyUp(txtK1, [this] { txtK1_KeyUp(); });
    ereignis::keyUp(txtK1_relativ, [this] { txtK1_relativ_KeyUp(); });
    ereignis::change(HScroll1, [this] { HScroll1_Change(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    const std::pair<QRadioButton*, const char*> absolutVorgaben[] = {
        {Option5, "0,3"}, {Option6, "0,17"}, {Option7, "0,1"}, {Option8, "0,07"}};
    for (const auto& [option, k] : absolutVorgaben)
        ereignis::click(option, [this, k = QString::fromLatin1(k)] { OptionAbsolut_Click(k); });
    const std::pair<QRadioButton*, const char*> relativVorgaben[] = {
        {Option1, "0,07"}, {Option2, "0,1"}, {Option3, "0,17"}, {Option4, "0,3"}};
    for (const auto& [option, k] : relativVorgaben)
        ereignis::click(option, [this, k = QString::fromLatin1(k)] { OptionRelativ_Click(k); });
}

Arbeitsblatt& frmBSB::absolut()
{
    return m_absolut->blatt();
}

Arbeitsblatt& frmBSB::relativ()
{
    return m_relativ->blatt();
}

// Time until the share is degraded: log10(1 - p) / -k1T, that is 2 / k1T
// days for 99 %.
double frmBSB::abbauzeit(double anteil) const
{
    const double p = teile(geprueft(anteil * Y5), Y5);
    return teile(teile(ln(1 - p), ln(10)), -k1T);
}

void frmBSB::Abbau()
{
    BSB5 = zahl(txtBSB5->text());
    k1 = zahl(txtK1->text());
    T = zahl(lblTemp->text());
    k1T = geprueft(k1 * hoch(1.047, T - 20));
    schreibe(lblK1Temp, k1T, drei);
    Y5 = 1 - hoch(10, geprueft(-5 * k1T));
    schreibe(lblY, Y5, drei);
    LRelativ = teile(1, Y5);
    schreibe(lblLgesRelativ, LRelativ, drei);
    L = teile(BSB5, Y5);
    schreibe(lblBSBAbbaugrenze, L, eine);
    BSB25 = geprueft(L * (1 - hoch(10, geprueft(-25 * k1T))));
    schreibe(lblBSB25, BSB25, QStringLiteral("##,##0.0"));
    t99 = abbauzeit(0.99);
    schreibe(lblAbbauzeit, t99, eine);
    t9999 = abbauzeit(0.9999);
    schreibe(lblAbbauzeit9999, t9999, eine);
    schwer = geprueft(L - BSB5);
    schreibe(lblBSB5minusBSB, schwer, eine);
    zeitSchwer = t99 - 5;
    if (zeitSchwer > 0) {
        schreibe(lblZeitschwerabbaubarerBSB, zeitSchwer, eine);
        schwerJeTag = teile(schwer, zeitSchwer);
        schreibe(lblSchwerabbaubarTag, schwerJeTag, eine);
    } else {
        // 99 % are gone within the five days (k1T of 0,4 and more): there is
        // no time left for a slow part to be spread over.
        schwerJeTag = 0;
        lblZeitschwerabbaubarerBSB->clear();
        lblSchwerabbaubarTag->clear();
    }
    CSB = zahl(txtCSB->text());
    nichtAbbaubar = geprueft(CSB - L);
    schreibe(lblNichtAbbaubar, nichtAbbaubar, eine);
    anteilNichtAbbaubar = teile(geprueft(100 * nichtAbbaubar), CSB);
    schreibe(lblNichtAbbaubarProzent, anteilNichtAbbaubar, eine);
    schreibe(lblBSB5, BSB5, eine);
}

void frmBSB::FehlerNull()
{
    txtK1->setText(k1Zurueck);
    Abbau();
    meldung::eingabefehler(nullptr,
                           QStringLiteral("Die Eingabe der Zahl Null führt zum Fehler wegen Division durch Null - "
                                          "Wert wird auf 0,1 gesetzt"),
                           QStringLiteral("Einga-befehler")); // with the hyphen: meant so
}

void frmBSB::txtBSB5_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            absolut().setze(QStringLiteral("J40"), txtBSB5->text());
            Abbau();
        },
        [this] {
            txtBSB5->setText(bsb5Zurueck);
            absolut().setze(QStringLiteral("J40"), 25);
        },
        QStringLiteral("Falsche Eingabe - Wert wird auf 25 gesetzt"));
}

void frmBSB::txtK1_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            if (zahl(txtK1->text()) == 0)
                FehlerNull();
            absolut().setze(QStringLiteral("M36"), txtK1->text());
            Abbau();
        },
        [this] {
            txtK1->setText(k1Zurueck);
            absolut().setze(QStringLiteral("M36"), k1Zurueck);
            // A bad BOD5 or COD fails here again: the computation stops at
            // that step and the message below tells the user.
            try {
                Abbau();
            } catch (const Laufzeitfehler&) {
            }
        },
        QStringLiteral("Falsche Eingabe - Wert wird auf 0,1 gesetzt"));
}

void frmBSB::txtK1_relativ_KeyUp()
{
    relativ().setze(QStringLiteral("E36"), txtK1_relativ->text());
}

void frmBSB::HScroll1_Change()
{
    {
        // Narrowing the range moves a value outside it into it; that move
        // must not run this handler a second time.
        const QSignalBlocker stumm(HScroll1);
        HScroll1->setMaximum(30);
        HScroll1->setMinimum(5);
    }
    T = HScroll1->value();
    lblTemp->setText(zahlText(T));
    Abbau();
}

void frmBSB::OptionAbsolut_Click(const QString& k)
{
    absolut().setze(QStringLiteral("M36"), k);
    txtK1->setText(k);
    Abbau();
}

void frmBSB::OptionRelativ_Click(const QString& k)
{
    relativ().setze(QStringLiteral("E36"), k);
    txtK1_relativ->setText(k);
}

void frmBSB::Command1_Click()
{
    Abbau();
}
