#include "frmSchlammA.h"

#include "fenster.h"
#include "schlammtabelle.h"
#include "twips.h"

frmSchlammA::frmSchlammA(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(5670, 2490).expandedTo(sizeHint()));
    move(twips(4575), twips(1530));

    // Each row: its g/(PE d) and its % TS.
    verbindeZeilen({{OA1, 45, 2.5}, {OA2, 45, 5}, {OA3, 30, 10}, {OA4, 30, 30}},
                   [this](int gEd, double ts) { Zeile_Click(gEd, ts); });
}

void frmSchlammA::Zeile_Click(int gEd, double ts)
{
    uebernimmSchlammdaten(gEd, ts);
    // This page comes back in front of the sludge quantity window.
    fenster::zeige<frmSchlammA>();
}
