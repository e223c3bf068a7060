#include "frmCs.h"

#include "ereignisse.h"
#include "farben.h"
#include "fenster.h"
#include "laufzeitfehler.h"
#include "mausereignis.h"
#include "meldung.h"
#include "twips.h"
#include "zahlen.h"
#include "zwischenablage.h"
#include "texte.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

using namespace rechnen;

namespace {

// Saturation concentration of oxygen in water in mg/l after Wagner, from
// 0,0 °C (first value) to 41,0 °C (last) in steps of 0,1 °C.
constexpr double saettigung[411] = {
    //       .0     .1     .2     .3     .4     .5     .6     .7     .8     .9
    /*  0 */ 14.64, 14.60, 14.55, 14.51, 14.47, 14.43, 14.39, 14.35, 14.31, 14.27,
    /*  1 */ 14.23, 14.19, 14.15, 14.10, 14.06, 14.03, 13.99, 13.95, 13.91, 13.87,
    /*  2 */ 13.83, 13.79, 13.75, 13.71, 13.68, 13.64, 13.60, 13.56, 13.52, 13.49,
    /*  3 */ 13.45, 13.41, 13.38, 13.34, 13.30, 13.27, 13.23, 13.20, 13.16, 13.12,
    /*  4 */ 13.09, 13.05, 13.02, 12.98, 12.95, 12.92, 12.88, 12.85, 12.81, 12.78,
    /*  5 */ 12.75, 12.71, 12.68, 12.65, 12.61, 12.58, 12.55, 12.52, 12.48, 12.45,
    /*  6 */ 12.42, 12.39, 12.36, 12.32, 12.29, 12.26, 12.23, 12.20, 12.17, 12.14,
    /*  7 */ 12.11, 12.08, 12.05, 12.02, 11.99, 11.96, 11.93, 11.90, 11.87, 11.84,
    /*  8 */ 11.81, 11.78, 11.75, 11.72, 11.69, 11.67, 11.64, 11.61, 11.58, 11.55,
    /*  9 */ 11.53, 11.50, 11.47, 11.44, 11.42, 11.39, 11.36, 11.33, 11.31, 11.28,
    /* 10 */ 11.25, 11.23, 11.20, 11.18, 11.15, 11.12, 11.10, 11.07, 11.05, 11.02,
    /* 11 */ 10.99, 10.97, 10.94, 10.92, 10.89, 10.87, 10.84, 10.82, 10.79, 10.77,
    /* 12 */ 10.75, 10.72, 10.70, 10.67, 10.65, 10.63, 10.60, 10.58, 10.55, 10.53,
    /* 13 */ 10.51, 10.48, 10.46, 10.44, 10.41, 10.39, 10.37, 10.35, 10.32, 10.30,
    /* 14 */ 10.28, 10.26, 10.23, 10.21, 10.19, 10.17, 10.15, 10.12, 10.10, 10.08,
    /* 15 */ 10.06, 10.04, 10.02, 9.99,  9.97,  9.95,  9.93,  9.91,  9.89,  9.87,
    /* 16 */ 9.85,  9.83,  9.81,  9.78,  9.76,  9.74,  9.72,  9.70,  9.68,  9.66,
    /* 17 */ 9.64,  9.62,  9.60,  9.58,  9.56,  9.54,  9.53,  9.51,  9.49,  9.47,
    /* 18 */ 9.45,  9.43,  9.41,  9.39,  9.37,  9.35,  9.33,  9.31,  9.30,  9.28,
    /* 19 */ 9.26,  9.24,  9.22,  9.20,  9.19,  9.17,  9.15,  9.13,  9.11,  9.09,
    /* 20 */ 9.08,  9.06,  9.04,  9.02,  9.01,  8.99,  8.97,  8.95,  8.94,  8.92,
    /* 21 */ 8.90,  8.88,  8.87,  8.85,  8.83,  8.82,  8.80,  8.78,  8.76,  8.75,
    /* 22 */ 8.73,  8.71,  8.70,  8.68,  8.66,  8.65,  8.63,  8.62,  8.60,  8.58,
    /* 23 */ 8.57,  8.55,  8.53,  8.52,  8.50,  8.49,  8.47,  8.46,  8.44,  8.42,
    /* 24 */ 8.41,  8.39,  8.38,  8.36,  8.35,  8.33,  8.32,  8.30,  8.28,  8.27,
    /* 25 */ 8.25,  8.24,  8.22,  8.21,  8.19,  8.18,  8.16,  8.15,  8.14,  8.12,
    /* 26 */ 8.11,  8.09,  8.08,  8.06,  8.05,  8.03,  8.02,  8.00,  7.99,  7.98,
    /* 27 */ 7.96,  7.95,  7.93,  7.92,  7.90,  7.89,  7.88,  7.86,  7.85,  7.83,
    /* 28 */ 7.82,  7.81,  7.79,  7.78,  7.77,  7.75,  7.74,  7.73,  7.71,  7.70,
    /* 29 */ 7.69,  7.67,  7.66,  7.65,  7.63,  7.62,  7.61,  7.59,  7.58,  7.57,
    /* 30 */ 7.55,  7.54,  7.53,  7.51,  7.50,  7.49,  7.48,  7.46,  7.45,  7.44,
    /* 31 */ 7.42,  7.41,  7.40,  7.39,  7.37,  7.36,  7.35,  7.34,  7.32,  7.31,
    /* 32 */ 7.30,  7.29,  7.28,  7.26,  7.25,  7.24,  7.23,  7.21,  7.20,  7.19,
    /* 33 */ 7.18,  7.17,  7.15,  7.14,  7.13,  7.12,  7.11,  7.09,  7.08,  7.07,
    /* 34 */ 7.06,  7.05,  7.04,  7.02,  7.01,  7.00,  6.99,  6.98,  6.97,  6.96,
    /* 35 */ 6.94,  6.93,  6.92,  6.91,  6.90,  6.89,  6.88,  6.87,  6.85,  6.84,
    /* 36 */ 6.83,  6.82,  6.81,  6.80,  6.79,  6.78,  6.77,  6.75,  6.74,  6.73,
    /* 37 */ 6.72,  6.71,  6.70,  6.69,  6.68,  6.67,  6.66,  6.65,  6.64,  6.63,
    /* 38 */ 6.61,  6.60,  6.59,  6.58,  6.57,  6.56,  6.55,  6.54,  6.53,  6.52,
    /* 39 */ 6.51,  6.50,  6.49,  6.48,  6.47,  6.46,  6.45,  6.44,  6.43,  6.42,
    /* 40 */ 6.41,  6.40,  6.39,  6.38,  6.37,  6.36,  6.35,  6.34,  6.33,  6.32,
    /* 41 */ 6.31};

// The table value for a temperature that is one of the table's own, k/10
// exactly; none for any other, such as 20,05.
std::optional<double> tabellenwert(double t)
{
    const double k = std::round(t * 10);
    if (!(k >= 0 && k <= 410))
        return std::nullopt;
    const int zeile = int(k);
    if (zeile / 10.0 != t)
        return std::nullopt;
    return saettigung[zeile];
}

const QString muster = QStringLiteral("##,##0.00");

// Heights of the window's inner area, in twips: the results only, with the
// source below them, and the one left after the mouse passed the source.
constexpr int hoeheZu = 4230;
constexpr int hoeheQuelle = 8175;
constexpr int hoeheNachMaus = 4395;

const QString quellenText = QStringLiteral("Sättigungskonzentration nach :\n"
                                           "Wagner: Sättigungswerte des gelösten Sauerstoffs in reinem Wasser,\n"
                                           "Fachzeitschrift Band 52 (1979) und Band 53 (1979)\n"
                                           "\n"
                                           "aus:\n"
                                           "Gelöster Sauerstoff - Messpraxis für Wasser und Abwasser,\n"
                                           "1983, 146 Seiten, 67 Abbildungen");

// The fraction Cs over Cs - Cx, beside its value.
QPixmap bruch()
{
    QPixmap bild(68, 67);
    bild.fill(farben::weiss);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(farben::schwarz);
    QFont f = p.font();
    f.setPixelSize(15);
    p.setFont(f);
    p.drawText(QRect(0, 6, 68, 24), Qt::AlignCenter, QStringLiteral("Cs"));
    p.drawLine(6, 33, 62, 33);
    p.drawText(QRect(0, 37, 68, 24), Qt::AlignCenter, QStringLiteral("Cs - Cx"));
    return bild;
}

} // namespace

frmCs::frmCs(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The source text lies below the inner area until the window grows.
    constexpr int rand = 8;
    vbFlaeche->setContentsMargins(rand, 0, 0, 0);
    vbFlaeche->setSpacing(0);
    vbFlaeche->setSizeConstraint(QLayout::SetFixedSize);
    gridOben->setContentsMargins(0, rand, rand, rand);
    Oben->setFixedSize(twips(6675) - rand, twips(4440));
    hbShape1->setAlignment(LblCsCx, Qt::AlignVCenter);
    txtQuellenangabe->setFixedSize(twips(4335, 3495));
    vbFlaeche->setAlignment(txtQuellenangabe, Qt::AlignLeft | Qt::AlignTop);
    txtQuellenangabe->setPlainText(quellenText);
    Image1->setPixmap(bruch());
    Image1->setFixedSize(68, 67);

    resize(twips(6675, hoeheZu));
    fenster::designLage(this);

    ereignis::keyUp(txtTemp, [this] { txtTemp_KeyUp(); });
    ereignis::keyUp(txtCx, [this] { txtCx_KeyUp(); });
    ereignis::click(Command2, [this] { Command2_Click(); });
    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::mouseMove(txtQuellenangabe, [this] { txtQuellenangabe_MouseMove(); });
}

// Both key handlers tell the user first and reset afterwards.
void frmCs::fehlerblock(const std::function<void()>& schritte, const std::function<void()>& ruecksetzen)
{
    ereignis::fehlerblock(schritte, ruecksetzen, texte::werteZurueck, QStringLiteral("Eingabefehler"),
                          ereignis::Reihenfolge::MeldungZuerst);
}

void frmCs::ungueltigeTemperatur()
{
    Cs.reset();
    T.reset();
    txtTemp->setText(QString());
    meldung::box(QStringLiteral("Ungültige Temperatureingabe! Wertebereich nur >= 0 °C bis <=41,0 °C"), QString(),
                 meldung::Kritisch);
}

void frmCs::txtTemp_KeyUp()
{
    fehlerblock(
        [this] {
            T = zahl(txtTemp->text());
            bool angenommen = true;
            if (T.value_or(0) < 0) {
                ungueltigeTemperatur();
                angenommen = false;
            }
            // An emptied temperature counts as 0 here: one message per input.
            if (T.value_or(0) > 41) {
                ungueltigeTemperatur();
                angenommen = false;
            }
            // A temperature between the table's rows keeps the last value.
            if (angenommen) {
                if (const auto wert = tabellenwert(*T))
                    Cs = wert;
            }
            lblCs->setText(Cs ? zahlText(*Cs) : QString());
            umformatieren(lblCs, muster);
        },
        [this] {
            txtTemp->setText(QStringLiteral("0"));
            txtCx->setText(QStringLiteral("0"));
            lblrelativeKonzentration->setText(QStringLiteral("0"));
            umformatieren(lblrelativeKonzentration, muster);
        });
}

void frmCs::txtCx_KeyUp()
{
    const auto nullSetzen = [this] {
        txtCx->setText(QStringLiteral("0"));
        lblrelativeKonzentration->setText(QStringLiteral("0"));
        umformatieren(lblrelativeKonzentration, muster);
    };
    fehlerblock(
        [this, nullSetzen] {
            Cx = zahl(txtCx->text());
            const double cs = Cs.value_or(0);
            if (Cx > cs) {
                meldung::eingabefehler(nullptr, QStringLiteral("Gemessenen Konzentration ist größer als die "
                                                               "Sättigungskonzentration - Cx wird auf 0 gesetzt"));
                nullSetzen();
                return;
            }
            relativ = teile(geprueft(100 * Cx), cs);
            schreibe(lblrelativeKonzentration, relativ, muster);
            verhaeltnis = teile(cs, cs - Cx);
            schreibe(LblCsCx, verhaeltnis, muster);
        },
        nullSetzen);
}

void frmCs::Command2_Click()
{
    zwischenablage::leere();
    Zeile = QStringLiteral("Temperatur = ") + (T ? zahlText(*T) : QString())
            + QStringLiteral(" °C;   Sättigungskonzentration Cs = ") + (Cs ? zahlText(*Cs) : QString())
            + QStringLiteral("mg O2/l");
    zwischenablage::setzeText(Zeile);
}

void frmCs::setzeHoehe(int hoehe)
{
    resize(width(), twips(hoehe));
}

void frmCs::Command1_Click()
{
    setzeHoehe(height() != twips(hoeheZu) ? hoeheZu : hoeheQuelle);
}

void frmCs::txtQuellenangabe_MouseMove()
{
    setzeHoehe(hoeheNachMaus);
}
