#include "frmSchlammStart.h"

#include "ereignisse.h"
#include "fenster.h"
#include "frmSchlamm.h"
#include "frmSchlammA.h"
#include "frmSchlammB.h"
#include "frmSchlammC.h"
#include "frmSchlammD.h"
#include "handbuch.h"
#include "twips.h"

frmSchlammStart::frmSchlammStart(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(4200, 4140));
    move(twips(255), twips(4860));
    Text1->setPlainText(QStringLiteral("Datenquelle:\n") + handbuch::autoren + u'\n' + handbuch::titel +
                        QStringLiteral("\n27. Auflage , 1990, Seite 242-243\n"));

    ereignis::click(Option1, [this] { Option1_Click(); });
    ereignis::click(Option2, [this] { Option2_Click(); });
    ereignis::click(Option3, [this] { Option3_Click(); });
    ereignis::click(Option4, [this] { Option4_Click(); });
    ereignis::click(Option5, [this] { Option5_Click(); });
}

// Each choice shows its window first, then closes the other pages.
void frmSchlammStart::Option1_Click()
{
    fenster::zeige<frmSchlammA>();
    fenster::schliesse(QString::fromUtf8(frmSchlammB::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammC::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammD::Name));
}

void frmSchlammStart::Option2_Click()
{
    fenster::zeige<frmSchlammB>();
    fenster::schliesse(QString::fromUtf8(frmSchlammA::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammC::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammD::Name));
}

void frmSchlammStart::Option3_Click()
{
    fenster::zeige<frmSchlammC>();
    fenster::schliesse(QString::fromUtf8(frmSchlammA::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammB::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammD::Name));
}

void frmSchlammStart::Option4_Click()
{
    fenster::zeige<frmSchlammD>();
    fenster::schliesse(QString::fromUtf8(frmSchlammA::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammB::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammC::Name));
}

void frmSchlammStart::Option5_Click()
{
    fenster::zeige<frmSchlamm>();
    fenster::schliesse(QString::fromUtf8(frmSchlammA::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammB::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammC::Name));
    fenster::schliesse(QString::fromUtf8(frmSchlammD::Name));
}
