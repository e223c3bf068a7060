#include "frmUpdate.h"

#include "ereignisse.h"
#include "farben.h"
#include "fenster.h"
#include "infoTextfeld.h"
#include "mdlInternet.h"
#include "twips.h"

using mdlInternet::OeffneLink;
namespace Link = mdlInternet::Link;

frmUpdate::frmUpdate(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(6270, 3150));
    fenster::designLage(this);

    // Borderless on the window's own colour, in black: the text reads as part
    // of the window.
    infoTextfeld::Art art = infoTextfeld::info();
    art.rahmen = false;
    art.ganzerText = true;
    art.hintergrund = infoTextfeld::systemfarbe(QPalette::Window);
    art.schrift = farben::schwarz;
    infoTextfeld::richteEin(Text1,
                            QStringLiteral("Das Programmsystem wird schrittweise ausgebaut.\r\n"
                                           "\r\n"
                                           "Vielleicht schauen Sie ab und zu auf der Homepage nach, ob es \r\n"
                                           "eine neue Version gibt, die Sie downloaden können, wie man so \r\n"
                                           "schön sagt. \r\n"
                                           "\r\n"
                                           "Noch einfacher haben Sie es, wenn Sie unseren Newsletter \r\n"
                                           "bestellen, denn dann sind Sie automatisch auf dem Laufenden!\r\n"),
                            art);

    ereignis::click(Command1, [this] { Command1_Click(); });
    ereignis::click(Command2, [this] { Command2_Click(); });
    ereignis::click(Command5, [this] { Command5_Click(); });
    ereignis::click(Command6, [this] { Command6_Click(); });
}

void frmUpdate::Command1_Click()
{
    OeffneLink(Link::EMail);
}
void frmUpdate::Command2_Click()
{
    OeffneLink(Link::Newsletter);
}
void frmUpdate::Command5_Click()
{
    OeffneLink(Link::Homepage);
}
void frmUpdate::Command6_Click()
{
    OeffneLink(Link::Download);
}
