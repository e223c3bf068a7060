#include "frmGroseKAInfo5.h"

// The information text box and the link addresses live with the information windows.
#include "infoTextfeld.h"
#include "fenster.h"
#include "twips.h"

// The text, with lines of about 110 characters and an empty line between
// paragraphs.
static QString text()
{
    return QStringLiteral(
        "Das Programm dient einer ersten Plausibilitätsprüfung der finanziellen Folgen einer zu groß gebauten\r\n"
        "Kläranlage.\r\n"
        "\r\n"
        "Errechnet es mit Ihren Daten einen nicht gebührenfähigen Aufwand, ist eine eingehende Prüfung ratsam.\r\n"
        "\r\n"
        "Die Ergebnisse sind keinesfalls rechtssicher.\r\n");
}

frmGroseKAInfo5::frmGroseKAInfo5(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10425, 3195));
    infoTextfeld::richteEin(Text1, text(), infoTextfeld::erklaerung());
}
