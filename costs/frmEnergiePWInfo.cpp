#include "frmEnergiePWInfo.h"

// The information text box lives with the information windows.
#include "farben.h"
#include "infoTextfeld.h"
#include "twips.h"

#include <QPainter>

namespace {

// One paragraph a line; the box wraps them at its width.
const QString text = QStringLiteral(
    "Das Programm berechnet die Energiekosten der Förderung von Wasser, gleich ob Trinkwasser, Brauchwasser oder "
    "Abwasser. Es rechnet mit einer Dichte von 1 kg/l.\r\n"
    "\r\n"
    "Die Kupplungsleistung der Pumpe folgt aus der allgemein bekannten Formel oben in diesem Fenster (siehe z. B. "
    "die einschlägigen Lehrbücher der Wasserversorgung und der Pumpentechnik, Abschnitt Leistungsbedarf von "
    "Kreiselpumpen).\r\n"
    "\r\n"
    "Eingabefelder sind vertieft dargestellt, Ergebnisfelder einfach umrandet. In das Textfeld oben links können "
    "Sie frei den Namen des Pumpwerks oder des Projekts schreiben.\r\n"
    "\r\n"
    "Die Berechnung beginnt allein durch die Eingabe von Zahlen; eine Schaltfläche zum Rechnen gibt es nicht. Mit "
    "der Tabulatortaste kommen Sie schnell von Feld zu Feld.\r\n"
    "\r\n"
    "Zu Beginn sind alle Eingaben gesperrt, die eine Division durch Null verursachen könnten. Sie werden "
    "nacheinander freigegeben. Sind Volumenstrom, Förderhöhe und Pumpzeiten eingegeben, rechnet jede Eingabe "
    "sofort alles neu, was von ihr abhängt. So eignet sich das Programm auch für Modellbetrachtungen.\r\n"
    "\r\n"
    "Den Volumenstrom können Sie in l/s oder in m³/h eingeben; der jeweils andere Wert wird sofort berechnet. Mit "
    "der manometrischen Förderhöhe steht die Kupplungsleistung fest. Mit den Pumpzeiten folgen die elektrische "
    "Arbeit und die Energiekosten. Den Wirkungsgrad eta wählen Sie in der Liste, den Energiepreis können Sie "
    "ändern. Danach lässt sich jede Eingabe beliebig verändern.\r\n"
    "\r\n"
    "Das Programm wurde geprüft. Sollten Sie dennoch einen Fehler finden, sind wir für einen Hinweis dankbar.\r\n");

} // namespace

frmEnergiePWInfo::frmEnergiePWInfo(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10590, 5955));
    Image1->setzeBild(QSizeF(259, 55), formel);
    infoTextfeld::Art art;
    art.gesperrt = false;
    art.arial9 = false;
    art.bildlaufleiste = true;
    infoTextfeld::richteEin(Text1, text, art);
}

void frmEnergiePWInfo::formel(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 259, 55), farben::weiss);
    p.setPen(QPen(farben::schwarz, 1.2));
    QFont f = p.font();
    f.setFamily(QStringLiteral("serif"));
    f.setPixelSize(15);
    p.setFont(f);
    const Qt::Alignment mitte = Qt::AlignCenter;
    p.drawText(QRectF(4, 0, 30, 55), mitte, QStringLiteral("P ="));
    p.drawText(QRectF(36, 6, 176, 20), mitte, QStringLiteral("Q[l/s] · Hman[mWS]"));
    p.drawLine(QPointF(38, 27.5), QPointF(210, 27.5));
    p.drawText(QRectF(36, 30, 176, 20), mitte, QStringLiteral("102 · η"));
    p.drawText(QRectF(212, 0, 45, 55), mitte, QStringLiteral("[kW]"));
}
