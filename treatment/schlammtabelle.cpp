#include "schlammtabelle.h"

#include "fenster.h"
#include "frmSchlamm.h"
#include "zahlen.h"

void uebernimmSchlammdaten(int gEd, double ts)
{
    frmSchlamm* schlamm = fenster::zeige<frmSchlamm>();
    schlamm->txtgEd->setText(zahlText(gEd));
    schlamm->txtTS->setText(zahlText(ts));
}
