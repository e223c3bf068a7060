#include "frmSchlammB.h"

#include "fenster.h"
#include "schlammtabelle.h"
#include "twips.h"

frmSchlammB::frmSchlammB(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(5670, 3030).expandedTo(sizeHint()));
    move(twips(4575), twips(1530));

    // Each row: its g/(PE d) and its % TS.
    verbindeZeilen({{OA1, 25, 4}, {OA2, 70, 4.7}, {OA3, 45, 3}, {OA4, 45, 28}},
                   [this](int gEd, double ts) { Zeile_Click(gEd, ts); });
}

void frmSchlammB::Zeile_Click(int gEd, double ts)
{
    // The sludge quantity window stays in front.
    uebernimmSchlammdaten(gEd, ts);
}
