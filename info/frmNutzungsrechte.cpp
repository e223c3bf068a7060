#include "frmNutzungsrechte.h"

#include "fenster.h"
#include "twips.h"

frmNutzungsrechte::frmNutzungsrechte(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(6300, 2550));
    fenster::designLage(this);
}
