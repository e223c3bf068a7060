#include "frmEuro.h"

#include "aussehen.h"
#include "ereignisse.h"
#include "farben.h"
#include "fenster.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QApplication>

using ereignis::fehlerblock;
using namespace rechnen;

namespace {

const QString betrag = QStringLiteral("##,##0.00 ");
const QString auf0 = texte::wertAuf0;
double wert(const QLineEdit* box)
{
    return zahl(box->text());
}

// Runs its handler whenever the watched control changes its size.
class Groessenbeobachter : public QObject {
public:
    Groessenbeobachter(QWidget* w, std::function<void()> h) : QObject(w), m_h(std::move(h))
    {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            m_h();
        return false;
    }

private:
    std::function<void()> m_h;
};

} // namespace

frmEuro::frmEuro(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The rows as drawn: captions from 360 twips, the euro column from 2280,
    // the DM column from 5280, which lies beyond the window's right edge
    // until "in DM" widens the window.
    gridFlaeche->setContentsMargins(twips(120), twips(180), 0, 0);
    gridFlaeche->setSpacing(0);
    gridFlaeche->setVerticalSpacing(twips(2040 - 1815));
    gridFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    gridZeilen->setContentsMargins(twips(240), twips(120), twips(120), 0);
    gridZeilen->setSpacing(0);
    const int spalten[] = {1080 - 360, 2280 - 1080, 4200 - 2280, 5280 - 4200, 7200 - 5280, 600};
    for (int i = 0; i < 6; ++i)
        gridZeilen->setColumnMinimumWidth(i, twips(spalten[i]));
    for (int i = 0; i < 3; ++i)
        gridZeilen->setRowMinimumHeight(i, twips(500));
    for (QLineEdit* b : {NettoEuro, UstEuro, BruttoEuro, NettoDM, UstDM, BruttoDM})
        b->setFixedWidth(twips(1815));
    USTProzent->setFixedWidth(twips(690));
    Text1_2->setFixedWidth(twips(1440));
    Text1_0->setFixedWidth(twips(1440));
    Text1_1->setFixedWidth(twips(1080));
    Shape1->setFixedSize(twips(4935, 1635));
    new Groessenbeobachter(Flaeche, [this] { Rahmenbreite(); });
    Frame1->setFixedSize(twips(4935, 855));

    // Black also while the box is disabled.
    aussehen::farbe(USTProzent, QPalette::Text, farben::schwarz);
    // Light yellow of the rate box until a money box is first used; in its
    // palette, as a background from the style sheet would tint its frame.
    aussehen::farbe(USTProzent, QPalette::Base, farben::hellgelb);

    resize(twips(5220, 3030));
    fenster::designLage(this);
    // The first box in the tab order lies out of sight: typing starts in
    // the net amount in euro.
    NettoEuro->setFocus();

    // Load: the rate with one decimal.
    umformatieren(USTProzent, QStringLiteral("##,##0.0"));

    ereignis::keyUp(NettoDM, [this] { NettoDM_KeyUp(); });
    ereignis::keyUp(UstDM, [this] { UstDM_KeyUp(); });
    ereignis::keyUp(BruttoDM, [this] { BruttoDM_KeyUp(); });
    ereignis::keyUp(NettoEuro, [this] { NettoEuro_KeyUp(); });
    ereignis::keyUp(UstEuro, [this] { UstEuro_KeyUp(); });
    ereignis::keyUp(BruttoEuro, [this] { BruttoEuro_KeyUp(); });
    ereignis::keyUp(USTProzent, [this] { USTProzent_KeyUp(); });
    ereignis::click(Option1, [this] { Option1_Click(); });
    ereignis::click(Option2, [this] { Option2_Click(); });
}

double frmEuro::p() const
{
    return wert(USTProzent);
}

void frmEuro::SatzAlsWaehrung()
{
    USTProzent->setText(zahlText(waehrung(p())));
}

void frmEuro::InEuro()
{
    schreibe(BruttoEuro, teile(wert(BruttoDM), Kurs), betrag);
    schreibe(UstEuro, teile(wert(UstDM), Kurs), betrag);
    schreibe(NettoEuro, wert(BruttoEuro) - wert(UstEuro), betrag);
}

void frmEuro::InDM()
{
    schreibe(BruttoDM, wert(BruttoEuro) * Kurs, betrag);
    schreibe(UstDM, wert(UstEuro) * Kurs, betrag);
    schreibe(NettoDM, wert(BruttoDM) - wert(UstDM), betrag);
}

void frmEuro::Betrag(QLineEdit* box, const std::function<void()>& schritte)
{
    // Before the error block: even a failing first key frees the rate box,
    // white for good.
    if (!USTProzent->isEnabled()) {
        USTProzent->setEnabled(true);
        aussehen::farbe(USTProzent, QPalette::Base, QApplication::palette().color(QPalette::Base));
    }
    fehlerblock(
        schritte, [box] { box->setText(QStringLiteral("0")); }, auf0);
}

void frmEuro::NettoDM_KeyUp()
{
    Betrag(NettoDM, [this] {
        SatzAlsWaehrung();
        Netto = waehrung(wert(NettoDM));
        schreibe(UstDM, wert(NettoDM) * p() / 100, betrag);
        schreibe(BruttoDM, Netto + waehrung(wert(UstDM)), betrag);
        umformatieren(USTProzent, QStringLiteral("##,##0.0 "));
        InEuro();
    });
}

void frmEuro::NettoEuro_KeyUp()
{
    Betrag(NettoEuro, [this] {
        SatzAlsWaehrung();
        schreibe(UstEuro, wert(NettoEuro) * p() / 100, betrag);
        schreibe(BruttoEuro, waehrung(wert(NettoEuro)) + waehrung(wert(UstEuro)), betrag);
        umformatieren(USTProzent, QStringLiteral("##,##0.0"));
        InDM();
    });
}

void frmEuro::BruttoDM_KeyUp()
{
    Betrag(BruttoDM, [this] {
        schreibe(NettoDM, teile(wert(BruttoDM), p() / 100 + 1), betrag);
        schreibe(UstDM, wert(NettoDM) * p() / 100, betrag);
        InEuro();
    });
}

void frmEuro::BruttoEuro_KeyUp()
{
    Betrag(BruttoEuro, [this] {
        schreibe(NettoEuro, teile(wert(BruttoEuro), p() / 100 + 1), betrag);
        schreibe(UstEuro, wert(NettoEuro) * p() / 100, betrag);
        InDM();
    });
}

void frmEuro::UstDM_KeyUp()
{
    Betrag(UstDM, [this] {
        Ust = waehrung(wert(UstDM));
        schreibe(NettoDM, teile(wert(UstDM), p() / 100), betrag);
        schreibe(BruttoDM, wert(NettoDM) + Ust, betrag);
        umformatieren(USTProzent, QStringLiteral("##,##0.0"));
        InEuro();
    });
}

void frmEuro::UstEuro_KeyUp()
{
    Betrag(UstEuro, [this] {
        Ust = waehrung(wert(UstEuro));
        schreibe(NettoEuro, teile(wert(UstEuro), p() / 100), betrag);
        schreibe(BruttoEuro, wert(NettoEuro) + Ust, betrag);
        umformatieren(USTProzent, QStringLiteral("##,##0.0"));
        InDM();
    });
}

void frmEuro::USTProzent_KeyUp()
{
    if (NettoDM->text() == QStringLiteral("0")) {
        meldung::eingabefehler(nullptr,
                               QStringLiteral("Bitte zuerst einen anderen Parameter eingeben, um Divisionen durch "
                                              "Null zu vermeiden!"),
                               QStringLiteral("Unzweckmäßige Eingabereihenfolge"));
        return;
    }
    // A rate or a net amount that is no number: the amounts stay as they
    // were, and the user is told.
    QLineEdit* const boxen[] = {UstDM, BruttoDM, UstEuro, BruttoEuro};
    QStringList vorher;
    for (QLineEdit* b : boxen)
        vorher << b->text();
    fehlerblock([this] { FunktionUSTProzent(); },
                [&] {
                    for (int i = 0; i < 4; ++i)
                        boxen[i]->setText(vorher[i]);
                },
                QStringLiteral("Tippfehler - Beträge bleiben unverändert"));
}

void frmEuro::FunktionUSTProzent()
{
    schreibe(UstDM, wert(NettoDM) * p() / 100, betrag);
    schreibe(BruttoDM, wert(NettoDM) + waehrung(wert(UstDM)), betrag);
    schreibe(UstEuro, teile(wert(UstDM), Kurs), betrag);
    schreibe(BruttoEuro, wert(NettoEuro) + waehrung(wert(UstEuro)), betrag);
}

void frmEuro::Aussenmass(const QSize& aussen)
{
    // The size of the whole window, title bar and borders included.
    resize(aussen - (frameGeometry().size() - size()));
}

void frmEuro::Option1_Click()
{
    Aussenmass({twips(8625), frameGeometry().height()});
    m_dmBreite = width();
    m_inDM = true;
    Rahmenbreite();
}

// The frame around the rows ends after the euro column, or after the DM
// column once DM are shown; frame and window are as much wider as the
// columns in sight grew for their numbers (the DM column, out of sight
// until DM are shown, widens nothing before).
void frmEuro::Rahmenbreite()
{
    const int spalte = m_inDM ? 5 : 3;
    const int rechts = gridZeilen->cellRect(0, spalte).right();
    if (m_rechtsEntwurf[0] < 0 && rechts >= 0) {
        m_rechtsEntwurf[0] = gridZeilen->cellRect(0, 3).right();
        m_rechtsEntwurf[1] = gridZeilen->cellRect(0, 5).right();
    }
    const int zuwachs = std::max(rechts - m_rechtsEntwurf[m_inDM ? 1 : 0], 0);
    Shape1->setFixedWidth(twips(m_inDM ? 7695 : 4935) + zuwachs);
    const int breite = (m_inDM ? m_dmBreite : twips(5220)) + zuwachs;
    if (width() != breite)
        resize(breite, height());
}

void frmEuro::Option2_Click()
{
    Kopierformat();
}

void frmEuro::Kopierformat()
{
    // The window colour: in the palette of the window, the labels and the
    // frame (the frame keeps its place, and its options, which draw their
    // circles from it, take it too); the caption boxes, without a frame of
    // their own, show it only from the style sheet.
    const QColor weiss = QApplication::palette().color(QPalette::Base);
    aussehen::farbe(this, QPalette::Window, weiss);
    for (QWidget* x :
         std::initializer_list<QWidget*>{Label1_1, Label1_2, Label1_3, Label1_4, Label1_5, Label1_6, Frame1}) {
        aussehen::farbe(x, QPalette::Window, weiss);
        x->setAutoFillBackground(true);
    }
    for (QWidget* x : {Option1, Option2})
        aussehen::farbe(x, QPalette::Window, weiss);
    for (QWidget* x : {Text1_2, Text1_1, Text1_0})
        aussehen::setzeRolle(x, "weiss");
    // The flat look: a plain single line instead of the sunken frame.
    for (QLineEdit* b : {USTProzent, NettoDM, UstDM, BruttoDM, NettoEuro, UstEuro, BruttoEuro})
        aussehen::eigenerStil(b, QStringLiteral("QLineEdit { border: 1px solid palette(text); }"));
    // Cuts off the options below 2340 twips: there is no way back.
    Aussenmass({frameGeometry().width(), twips(2535)});
}
