#include "frmgewährleistung.h"

#include "fenster.h"
#include "twips.h"

frmgewährleistung::frmgewährleistung(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(7770, 1620));
    // The whole note must show: with a wider font than the design's the window
    // grows downwards until the wrapped text fits.
    resize(width(), qMax(height(), layout()->totalHeightForWidth(width())));
    fenster::designLage(this);
}
