#include "frmStart.h"

#include "ereignisse.h"
#include "fenster.h"
#include "fensterliste.h"
#include "frmSchlamm.h"
#include "mdlInternet.h"
#include "twips.h"

#include <QIcon>
#include <QMenu>

using fensterliste::Art;
using fensterliste::Menuepunkt;

frmStart::frmStart(QWidget* parent) : QMainWindow(parent)
{
    registriereFenster();
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelmo.svg")));

    // A menu item chosen with Enter opens its window before the key is let
    // go; that release must not reach the new window's first box.
    auto* taste = new ereignis::GehalteneTaste(this);
    menubar->installEventFilter(taste);

    // The menu from the table: a row goes into the last submenu one level
    // above it, or into the menu bar.
    QList<QWidget*> oben{menubar};
    for (const Menuepunkt& p : fensterliste::menue()) {
        oben.resize(p.ebene);
        const QString text = QString::fromUtf8(p.text);
        if (p.aktion.art == Art::Untermenue || p.aktion.art == Art::UntermenueMitSchliessregel) {
            auto* m = new QMenu(text, oben.last());
            m->setObjectName(fensterliste::punktname(p));
            m->installEventFilter(taste);
            oben.last()->addAction(m->menuAction());
            oben << m;
            if (p.aktion.art == Art::UntermenueMitSchliessregel)
                connect(m, &QMenu::aboutToShow, this, [this] { ereignis::geschuetzt([this] { schließen(); }); });
        } else {
            auto* a = new QAction(text, this);
            a->setObjectName(fensterliste::punktname(p));
            oben.last()->addAction(a);
            connect(a, &QAction::triggered, this, [this, taste, &p] {
                taste->verschlucke();
                ereignis::geschuetzt([this, &p] { Click(p); });
            });
        }
    }

    // Only the menu bar: the client area is as high as the menu strip.
    const int breite = twips(13965);
    setGeometry(twips(315), twips(660), breite, menubar->heightForWidth(breite));

    for (const fenster::Eintrag& e : fensterliste::bereit())
        fenster::bereithalten(QString::fromUtf8(e.name), this);
}

void frmStart::schließen()
{
    for (const fenster::Eintrag& e : fensterliste::schliessliste())
        fenster::schliesse(QString::fromUtf8(e.name));
}

void frmStart::Click(const Menuepunkt& punkt)
{
    const fensterliste::Aktion& a = punkt.aktion;
    if (a.art == Art::FensterNachSchlamm)
        fenster::schliesse<frmSchlamm>(); // not the whole list
    else
        schließen();
    if (a.art == Art::Link)
        mdlInternet::OeffneLink(*a.link);
    else
        fenster::zeige(QString::fromUtf8(a.fenster.name));
}
