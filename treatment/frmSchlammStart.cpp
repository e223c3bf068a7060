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

#include <type_traits>

namespace {

// Shows the chosen window first, then closes the other pages in the order
// A, B, C, D; a page that is not open stays closed.
template <class Ziel, class... Seiten>
void zeigeAllein()
{
    fenster::zeige<Ziel>();
    (..., (std::is_same_v<Ziel, Seiten> ? void() : fenster::schliesse<Seiten>()));
}

template <class Ziel>
void waehle()
{
    zeigeAllein<Ziel, frmSchlammA, frmSchlammB, frmSchlammC, frmSchlammD>();
}

} // namespace

frmSchlammStart::frmSchlammStart(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(4200, 4140));
    move(twips(255), twips(4860));
    Text1->setPlainText(QStringLiteral("Datenquelle:\n") + handbuch::autoren + u'\n' + handbuch::titel
                        + QStringLiteral("\n27. Auflage , 1990, Seite 242-243\n"));

    ereignis::click(Option1, [this] { Option1_Click(); });
    ereignis::click(Option2, [this] { Option2_Click(); });
    ereignis::click(Option3, [this] { Option3_Click(); });
    ereignis::click(Option4, [this] { Option4_Click(); });
    ereignis::click(Option5, [this] { Option5_Click(); });
}

void frmSchlammStart::Option1_Click()
{
    waehle<frmSchlammA>();
}
void frmSchlammStart::Option2_Click()
{
    waehle<frmSchlammB>();
}
void frmSchlammStart::Option3_Click()
{
    waehle<frmSchlammC>();
}
void frmSchlammStart::Option4_Click()
{
    waehle<frmSchlammD>();
}
void frmSchlammStart::Option5_Click()
{
    waehle<frmSchlamm>();
}
