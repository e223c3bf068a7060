#include "frmSchlammD.h"

#include "fenster.h"
#include "schlammtabelle.h"
#include "twips.h"

frmSchlammD::frmSchlammD(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(8310, 3075).expandedTo(sizeHint()));
    move(twips(4575), twips(1530));

    // Each row: its g/(PE d) and its % TS (row 17 forty per cent, as the table has it).
    verbindeZeilen({{OA1, 65, 4}, {OA2, 45, 5}, {Option1, 90, 40}, {Option2, 60, 3}, {Option3, 15, 1.5}},
                   [this](int gEd, double ts) { Zeile_Click(gEd, ts); });
}

void frmSchlammD::Zeile_Click(int gEd, double ts)
{
    // The sludge quantity window stays in front.
    uebernimmSchlammdaten(gEd, ts);
}
