#include "schlammtabelle.h"

#include "ereignisse.h"
#include "fenster.h"
#include "frmSchlamm.h"
#include "zahlen.h"

void uebernimmSchlammdaten(int gEd, double ts)
{
    frmSchlamm* schlamm = fenster::zeige<frmSchlamm>();
    schlamm->txtgEd->setText(zahlText(gEd));
    schlamm->txtTS->setText(zahlText(ts));
}

void verbindeZeilen(std::initializer_list<Schlammzeile> zeilen, const std::function<void(int, double)>& klick)
{
    for (const Schlammzeile& z : zeilen)
        ereignis::click(z.zeile, [klick, z] { klick(z.gEd, z.ts); });
}
