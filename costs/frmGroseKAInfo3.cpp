#include "frmGroseKAInfo3.h"

// The information text box and the link addresses live with the information windows.
#include "infoTextfeld.h"
#include "mdlInternet.h"
#include "fenster.h"
#include "twips.h"

// The text, with lines of about 110 characters and an empty line between
// paragraphs.
static QString text()
{
    return QStringLiteral(
               "Wir bieten Ihnen die rechtssichere Berechnung der nicht gebührenfähigen Kosten an. Dabei berücksichtigen wir\r\n"
               "die Mengenrelevanz, die Frachtrelevanz und die Unterschiede bei den Betriebskosten. Das erfordert eine\r\n"
               "interdisziplinäre Berechnung und zum Teil eine Neuplanung der Anlage.\r\n"
               "\r\n"
               "Unser Verfahren wurde vor einem Jahr von einem Obergericht bestätigt, zum Teil auf der Grundlage eines\r\n"
               "Gutachtens aus unserem Haus. Die Entscheidung finden Sie im Internet unter\r\n"
               "\r\n")
           + mdlInternet::Link::Gerichtsurteil
           + QStringLiteral("\r\n"
                            "\r\n"
                            "oder über den Menüpunkt „Gerichtsurteil im Internet“ dieses Programms.\r\n"
                            "\r\n"
                            "Wir sind ein interdisziplinäres Team mit jahrzehntelanger Erfahrung.\r\n");
}

frmGroseKAInfo3::frmGroseKAInfo3(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10425, 5625));
    infoTextfeld::richteEin(Text1, text(), infoTextfeld::erklaerung());
}
