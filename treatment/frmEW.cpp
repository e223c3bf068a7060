#include "frmEW.h"

#include "aussehen.h"
#include "ereignisse.h"
#include "farben.h"
#include "fenster.h"
#include "handbuch.h"
#include "texte.h"
#include "twips.h"
#include "zahlen.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QString muster = QStringLiteral("##,##0.0");
// Dark red of the headers once results are shown.

// The window's icon: a drop of wastewater with the population figures.
QIcon symbol()
{
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tropfen;
    tropfen.moveTo(16, 1);
    tropfen.cubicTo(16, 1, 4, 15, 4, 21);
    tropfen.cubicTo(4, 27.6, 9.4, 31, 16, 31);
    tropfen.cubicTo(22.6, 31, 28, 27.6, 28, 21);
    tropfen.cubicTo(28, 15, 16, 1, 16, 1);
    p.fillPath(tropfen, farben::tropfen);
    p.setPen(farben::weiss);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(4, 14, 24, 14), Qt::AlignCenter, QStringLiteral("EW"));
    return QIcon(bild);
}

} // namespace

frmEW::frmEW(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowIcon(symbol());
    Label7->setText(QStringLiteral("Abwasserlast nach Imhoff, ") + handbuch::titel + QStringLiteral(", 27. Auflage "));
    resize(twips(8955, 8070));
    fenster::designLage(this);

    ereignis::change(txtEW, [this] { txtEW_Change(); });
}

void frmEW::Zelle(QLabel* zelle, double faktor)
{
    schreibe(zelle, zahl(txtEW->text()) * faktor, muster);
}

void frmEW::Tabelle1()
{
    if (lblDimension_0->text() != QStringLiteral("Ergebnisse in kg/d!")) {
        lblDimension_0->setText(QStringLiteral("Ergebnisse in kg/d!"));
        aussehen::farbe(lblDimension_0, QPalette::WindowText, farben::dunkelrot);
    }

    Zelle(lblAbsStBsb, 0.02);
    Zelle(lblNabsStBsb, 0.01);
    Zelle(lblGelStBsb, 0.03);
    Zelle(lblBsb, 0.06);
    // Without the settleable solids: the difference of the two shown values.
    schreibe(lblOabsStBsb, zahl(lblBsb->text()) - zahl(lblAbsStBsb->text()), muster);

    Zelle(lblabsStTs, 0.05);
    Zelle(lblNabsStTs, 0.015);
    Zelle(lblgelStTs, 0.125);
    Zelle(lblTs, 0.19);

    Zelle(lblabsStOs, 0.03);
    Zelle(lblNabsStOs, 0.01);
    Zelle(lblgelStOs, 0.05);
    Zelle(lblOs, 0.09);

    Zelle(lblAbsStMs, 0.02);
    Zelle(lblNabsStMs, 0.005);
    Zelle(lblGelStMs, 0.075);
    Zelle(lblMs, 0.1);
}

void frmEW::Tabelle2()
{
    if (Label6->text() != QStringLiteral("Ergebnisse in kg/d !")) {
        Label6->setText(QStringLiteral("Ergebnisse in kg/d !"));
        aussehen::farbe(Label6, QPalette::WindowText, farben::dunkelrot);
    }

    Zelle(lblBSB5_0, 0.06);
    Zelle(lblBSB5_05, 0.045);
    Zelle(lblBSB5_15, 0.04);
    Zelle(lblCSB_0, 0.12);
    Zelle(lblCSB_05, 0.09);
    Zelle(lblCSB_15, 0.08);
    Zelle(lblTSo_0, 0.07);
    Zelle(lblTSo_05, 0.035);
    Zelle(lblTSo_15, 0.025);
    Zelle(lblN_0, 0.011);
    Zelle(lblN_05, 0.01);
    Zelle(lblN_15, 0.01);
    Zelle(lblP_0, 0.0018);
    Zelle(lblP_05, 0.0016);
    Zelle(lblP_15, 0.0016);
}

void frmEW::txtEW_Change()
{
    // The reset writes "0" into the box, which computes both tables once more.
    ereignis::fehlerblock(
        [this] {
            Tabelle1();
            Tabelle2();
        },
        [this] { txtEW->setText(QStringLiteral("0")); }, texte::wertAuf0);
}
