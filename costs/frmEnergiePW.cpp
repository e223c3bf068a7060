#include "frmEnergiePW.h"

#include "farben.h"
#include "frmEnergiePWInfo.h"

// The link addresses live with the information windows.
#include "mdlInternet.h"

#include "aussehen.h"
#include "ereignisse.h"
#include "fenster.h"
#include "mausereignis.h"
#include "meldung.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QApplication>
#include <QIcon>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

using namespace rechnen;

namespace {

const QString eineStelle = QStringLiteral("##,##0.0 ");

// The design's system colours as palette roles: the inactive border of a
// locked box, the menu face behind the efficiency, the window background, and
// the caption text colour of the results once the cost is computed.
constexpr QPalette::ColorRole gesperrt = QPalette::Window;
constexpr QPalette::ColorRole menue = QPalette::Button;
constexpr QPalette::ColorRole fensterfarbe = QPalette::Base;
constexpr QPalette::ColorRole titeltext = QPalette::HighlightedText;

// A text that sorts after "0" as text: "5" and "0,5" do, "", "0" and "-1" do not.
bool nachNull(const QLineEdit* box)
{
    return box->text().compare(QLatin1String("0")) > 0;
}

} // namespace

frmEnergiePW::frmEnergiePW(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/pumpe.svg")));
    Command1->setText(mdlInternet::Link::Homepage);
    URL->setText(mdlInternet::Link::Homepage);

    for (QLineEdit* b : {txtHman, txtPZhd, TxtPZda, txtDMkw})
        aussehen::grund(b, gesperrt);
    aussehen::grund(LblEta, menue);
    for (QLabel* l : {LblPk, lblkWha, lblEk_0, lblEkEuro_1})
        aussehen::grund(l, fensterfarbe);
    aussehen::grund(LblPZha, farben::weiss);
    for (QLabel* l : {lblMengejeTag, lblMengejeJahr})
        aussehen::grund(l, QPalette::Button);

    // The address lies below the client area, out of sight until the user
    // enlarges the window; the buttons stay in sight.
    gridFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    Flaeche->adjustSize();
    const int knoepfeUnten = Command2->mapTo(Flaeche, QPoint(0, Command2->height())).y();
    const int hoehe = std::max(twips(6195), knoepfeUnten + twips(105));
    const int urlOben = hoehe + twips(6360 - 6195);
    gridFlaeche->setAlignment(URL, Qt::AlignLeft | Qt::AlignBottom);
    gridFlaeche->setRowMinimumHeight(4, urlOben - knoepfeUnten - gridFlaeche->spacing() + URL->sizeHint().height());
    Flaeche->adjustSize();
    resize(std::max(twips(7365), Flaeche->width()), hoehe);
    fenster::designLage(this);

    Form_Load();

    ereignis::keyUp(txtQls, [this] { txtQls_KeyUp(); });
    ereignis::keyUp(txtQm3h, [this] { txtQm3h_KeyUp(); });
    ereignis::change(txtHman, [this] { txtHman_Change(); });
    // A choice is an entry selected: by a click, by an arrow key that moves
    // the selection, or from code. The list's cursor alone chooses nothing,
    // so moving into the list with Tab leaves the efficiency as it is. The
    // choice is handled once the list has finished with the key or the
    // mouse, so that taking it back is not undone by the list itself, and
    // only the last of several is handled.
    connect(ListEta, &QListWidget::itemSelectionChanged, this, [this] {
        if (!std::exchange(wahlOffen, true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                    wahlOffen = false;
                    const QListWidgetItem* e = ListEta->currentItem();
                    if (e && e->isSelected())
                        ereignis::geschuetzt([this] { ListEta_Click(); });
                },
                Qt::QueuedConnection);
    });
    ereignis::keyUp(txtPZhd, [this] { txtPZhd_KeyUp(); });
    ereignis::keyUp(TxtPZda, [this] { TxtPZda_KeyUp(); });
    ereignis::change(txtDMkw, [this] { txtDMkw_Change(); });
    ereignis::click(Command2, [this] { Command2_Click(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::mouseClick(URL, [this] { URL_Click(); });
}

void frmEnergiePW::Form_Load()
{
    for (int k = 1; k <= 20; ++k)
        ListEta->addItem(format(k / 20.0, QStringLiteral("0.00")));
    setzeCursor(-1);
}

// The entry chosen (-1: none); with none, the cursor stands on the entry of
// the efficiency shown, so that the arrow keys start from there.
void frmEnergiePW::setzeCursor(int zeile)
{
    const QSignalBlocker still(ListEta);
    if (zeile >= 0) {
        ListEta->setCurrentRow(zeile);
        return;
    }
    ListEta->clearSelection();
    const QList<QListWidgetItem*> gezeigt = ListEta->findItems(LblEta->text().trimmed(), Qt::MatchExactly);
    ListEta->setCurrentRow(gezeigt.isEmpty() ? -1 : ListEta->row(gezeigt.first()), QItemSelectionModel::NoUpdate);
}

bool frmEnergiePW::tageGegeben() const
{
    return nachNull(TxtPZda);
}

void frmEnergiePW::Leistung()
{
    eta.setzeText(LblEta->text());
    schreibe(LblPk, teile(geprueft(zahl(txtQls->text()) * zahl(txtHman->text())), geprueft(102 * eta.zahl())),
             QStringLiteral("##,##0.000"));
}

// Energy and cost from the hours and the power as they are shown.
void frmEnergiePW::Kosten()
{
    schreibe(lblkWha, zahl(LblPZha->text()) * zahl(LblPk->text()));
    schreibe(lblEk_0, geprueft(zahl(txtDMkw->text()) * zahl(lblkWha->text())) / 1000);
    schreibe(lblEkEuro_1, zahl(lblEk_0->text()) * 1.95583);
    for (QLabel* l : {LblPZha, LblPk, lblkWha, lblEk_0, lblEkEuro_1})
        aussehen::grund(l, titeltext);
    umformatieren(lblkWha, QStringLiteral("##,##0 "));
    umformatieren(lblEk_0, QStringLiteral("##,##0.000 "));
    umformatieren(lblEkEuro_1, QStringLiteral("##,##0.000 "));
}

void frmEnergiePW::menge()
{
    schreibe(lblMengejeTag, zahl(txtPZhd->text()) * zahl(txtQm3h->text()));
    schreibe(lblMengejeJahr, zahl(TxtPZda->text()) * zahl(lblMengejeTag->text()));
    for (QLabel* l : {lblMengejeTag, lblMengejeJahr}) {
        aussehen::grund(l, fensterfarbe);
        umformatieren(l, eineStelle);
    }
}

void frmEnergiePW::visibleLeistung()
{
    aussehen::grund(txtHman, fensterfarbe);
    txtHman->setEnabled(true);
    aussehen::grund(LblPk, fensterfarbe);
    LblPk->setEnabled(true);
    aussehen::grund(LblEta, fensterfarbe);
}

void frmEnergiePW::BerechnungQm3h()
{
    schreibe(txtQm3h, zahl(txtQls->text()) * 3.6, eineStelle);
    neuerVolumenstrom();
}

void frmEnergiePW::neuerVolumenstrom()
{
    if (tageGegeben())
        menge();
    if (nachNull(txtHman))
        Leistung();
    if (tageGegeben())
        Kosten();
    visibleLeistung();
}

void frmEnergiePW::txtQls_KeyUp()
{
    ereignis::fehlerblock([this] { BerechnungQm3h(); }, [this] { txtQls->setText(QStringLiteral("0")); },
                          texte::wertAuf0);
}

void frmEnergiePW::txtQm3h_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            schreibe(txtQls, zahl(txtQm3h->text()) / 3.6, QStringLiteral("##,##0.00 "));
            neuerVolumenstrom();
        },
        [this] { txtQm3h->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

// The reset to "0" changes the text once more and so runs these steps again.
void frmEnergiePW::txtHman_Change()
{
    ereignis::fehlerblock(
        [this] {
            ListEta->setEnabled(true);
            Leistung();
            aussehen::grund(txtPZhd, fensterfarbe);
            txtPZhd->setEnabled(true);
            if (tageGegeben())
                Kosten();
        },
        [this] { txtHman->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

// A choice that cannot be computed with the other inputs is taken back: the
// efficiency, its list entry and the results it changed show what they
// showed before, and nothing is chosen anew.
void frmEnergiePW::ListEta_Click()
{
    const QString vorher = LblEta->text();
    QLabel* const ergebnisse[] = {LblPk, lblkWha, lblEk_0, lblEkEuro_1};
    QStringList alt;
    for (QLabel* l : ergebnisse)
        alt << l->text();
    LblEta->setText(ListEta->currentItem()->text());
    ereignis::fehlerblock(
        [this] {
            Leistung();
            if (tageGegeben())
                Kosten();
            etaZeile = ListEta->currentRow();
        },
        [&] {
            LblEta->setText(vorher);
            eta.setzeText(vorher);
            for (int i = 0; i < 4; ++i)
                ergebnisse[i]->setText(alt[i]);
            setzeCursor(etaZeile);
        },
        texte::wertAuf0);
}

void frmEnergiePW::txtPZhd_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            if (zahl(txtPZhd->text()) > 24)
                meldung::warnung(QStringLiteral("Tippfehler - Ein Tag hat nur 24 Stunden!"), texte::eingabeAendern);
            if (tageGegeben()) {
                schreibe(LblPZha, zahl(TxtPZda->text()) * zahl(txtPZhd->text()));
                menge();
                Kosten();
            }
            aussehen::grund(TxtPZda, fensterfarbe);
            TxtPZda->setEnabled(true);
            umformatieren(TxtPZda, eineStelle);
        },
        [this] { txtPZhd->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

// The hours per year follow the days whenever the hours per day are a
// number, 0 included; otherwise the last hours per year stay.
void frmEnergiePW::TxtPZda_KeyUp()
{
    ereignis::fehlerblock(
        [this] {
            if (zahl(TxtPZda->text()) > 365)
                meldung::warnung(QStringLiteral("Tippfehler - Dieses Jahr hat sicher nur 365 Tage!"),
                                 texte::eingabeAendern);
            if (istZahl(txtPZhd->text()))
                schreibe(LblPZha, zahl(TxtPZda->text()) * zahl(txtPZhd->text()));
            aussehen::grund(txtDMkw, fensterfarbe);
            txtDMkw->setEnabled(true);
            umformatieren(LblPZha, QStringLiteral("##,##0.0  "));
            Kosten();
            menge();
        },
        [this] { TxtPZda->setText(QStringLiteral("0")); }, texte::wertAuf0);
}

// The reset runs these steps once more with 0,25; setting the same text again
// changes nothing and so cannot start them a third time.
void frmEnergiePW::txtDMkw_Change()
{
    ereignis::fehlerblock([this] { Kosten(); }, [this] { txtDMkw->setText(QStringLiteral("0,25")); },
                          texte::wertAuf(QStringLiteral("0,25")));
}

void frmEnergiePW::Command2_Click()
{
    fenster::zeige<frmEnergiePWInfo>();
}

void frmEnergiePW::Command1_Click()
{
    URL->setText(mdlInternet::Link::Homepage);
    mdlInternet::OeffneLink(URL->text());
}

void frmEnergiePW::URL_Click()
{
    mdlInternet::OeffneLink(URL->text());
}
