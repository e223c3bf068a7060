#include "frmNutzungsrechte.h"

#include "fenster.h"
#include "twips.h"

frmNutzungsrechte::frmNutzungsrechte(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(6300, 2550));
    move(twips(255), twips(1530));
}
