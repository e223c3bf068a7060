#include "frmKreis.h"

#include "ereignisse.h"
#include "fenster.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QKeyEvent>
#include <QKeySequence>

using namespace rechnen;

namespace {

const QString muster = QStringLiteral("##,##0.000 ");
// The circle's constant of this window.
constexpr double pi = 3.1416;

// Editing keys pass the volume box's filter: cursor keys, Delete and the
// shortcuts for copying, cutting, pasting, selecting and undoing.
bool bearbeitung(const QKeyEvent* k)
{
    static const QKeySequence::StandardKey kuerzel[] = {QKeySequence::Copy,
                                                        QKeySequence::Cut,
                                                        QKeySequence::Paste,
                                                        QKeySequence::SelectAll,
                                                        QKeySequence::Undo,
                                                        QKeySequence::Redo,
                                                        QKeySequence::Delete,
                                                        QKeySequence::DeleteEndOfWord,
                                                        QKeySequence::DeleteStartOfWord};
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Delete)
        return true;
    for (QKeySequence::StandardKey s : kuerzel)
        if (k->matches(s))
            return true;
    return ereignis::zeichen(k) == 0;
}

} // namespace

frmKreis::frmKreis(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(4665, 2520));
    fenster::designLage(this);

    ereignis::keyUp(txtDurchmesser, [this] { txtDurchmesser_KeyUp(); });
    ereignis::keyUp(txtFläche, [this] { txtFläche_KeyUp(); });
    ereignis::keyUp(txtZylinderhöhe, [this] { txtZylinderhöhe_KeyUp(); });
    ereignis::keyUp(txtZylindervolumen, [this] { txtZylindervolumen_KeyUp(); });
    // Installed last, so it runs before the key release handler.
    ereignis::keyPress(txtZylindervolumen, [this](const QKeyEvent* k) { return txtZylindervolumen_KeyPress(k); });
}

void frmKreis::BerechnungFläche()
{
    D.binde(txtDurchmesser);
    A.setzeZahl(geprueft(pi * hoch(D.zahl(), 2)) / 4);
    schreibe(txtFläche, A.zahl(), muster);
}

void frmKreis::BerechnungDurchmesser()
{
    A.binde(txtFläche);
    D.setzeZahl(hoch(geprueft(A.zahl() * 4) / pi, 0.5));
    schreibe(txtDurchmesser, D.zahl(), muster);
}

void frmKreis::BerechnungZylindervolumen()
{
    H.binde(txtZylinderhöhe);
    V.setzeZahl(geprueft(A.zahl() * H.zahl()));
    schreibe(txtZylindervolumen, V.zahl(), muster);
}

void frmKreis::BerechnungZylinderhöhe()
{
    V.binde(txtZylindervolumen);
    H.setzeZahl(teile(V.zahl(), A.zahl()));
    schreibe(txtZylinderhöhe, H.zahl(), muster);
}

void frmKreis::rechne(QLineEdit* box, const std::function<void()>& schritte)
{
    ereignis::fehlerblock(
        schritte, [box] { box->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

void frmKreis::txtDurchmesser_KeyUp()
{
    rechne(txtDurchmesser, [this] {
        BerechnungFläche();
        if (H.gesetzt())
            BerechnungZylindervolumen();
    });
}

void frmKreis::txtFläche_KeyUp()
{
    rechne(txtFläche, [this] {
        BerechnungDurchmesser();
        if (H.gesetzt())
            BerechnungZylindervolumen();
    });
}

void frmKreis::txtZylinderhöhe_KeyUp()
{
    rechne(txtZylinderhöhe, [this] { BerechnungZylindervolumen(); });
}

void frmKreis::txtZylindervolumen_KeyUp()
{
    rechne(txtZylindervolumen, [this] {
        if (V.gesetzt())
            BerechnungZylinderhöhe();
    });
}

// Digits, the signs of a number and Backspace go in; any other character
// (a letter, a blank, Enter, Escape) is turned away and the box set to "0".
bool frmKreis::txtZylindervolumen_KeyPress(const QKeyEvent* taste)
{
    if (bearbeitung(taste))
        return true;
    const int z = ereignis::zeichen(taste);
    if (z == 8 || (z < 128 && QStringLiteral("0123456789.,-+*^").contains(QChar(z))))
        return true;
    txtZylindervolumen->setText(QStringLiteral("0"));
    meldung::eingabefehler(nullptr, texte::wertAuf0);
    return false;
}
