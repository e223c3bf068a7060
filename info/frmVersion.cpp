#include "frmVersion.h"

#include "fenster.h"
#include "twips.h"

frmVersion::frmVersion(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(3345, 495));
    fenster::designLage(this);
}
