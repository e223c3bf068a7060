#include "frmNagel.h"

#include "fenster.h"
#include "infoTextfeld.h"
#include "twips.h"

frmNagel::frmNagel(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10425, 2295));
    fenster::designLage(this);
    infoTextfeld::richteEin(
        Text1,
        QStringLiteral("Ganz uneigennützig ist es nicht, wenn wir kostenlose Programme zur Verfügung stellen ;-)\r\n"
                       "\r\n"
                       "Zugegeben, die Programmierung war auch eine Herausforderung.\r\n"
                       "\r\n"
                       "Dass ein wenig Spekulation auch dabei war, können Sie sich sicher vorstellen.\r\n"
                       "\r\n"
                       "Vielleicht wollen Sie irgendwann einmal unser komplexes Leistungsvermögen nutzen?\r\n"),
        infoTextfeld::info());
}
