#include "frmSchlammC.h"

#include "fenster.h"
#include "schlammtabelle.h"
#include "twips.h"

frmSchlammC::frmSchlammC(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(7350, 3330).expandedTo(sizeHint()));
    move(twips(4575), twips(1530));

    // Each row: its g/(PE d) and its % TS.
    verbindeZeilen({{OA1, 35, 0.7}, {OA2, 80, 4}, {OA3, 50, 2.5}, {OA4, 50, 22}, {Option1, 50, 2.5}, {Option2, 50, 20}},
                   [this](int gEd, double ts) { Zeile_Click(gEd, ts); });
}

void frmSchlammC::Zeile_Click(int gEd, double ts)
{
    // The sludge quantity window stays in front.
    uebernimmSchlammdaten(gEd, ts);
}
