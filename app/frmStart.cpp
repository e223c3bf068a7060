#include "frmStart.h"

#include "ereignisse.h"
#include "fenster.h"
#include "fensterliste.h"
#include "mdlInternet.h"
#include "twips.h"

#include <QIcon>

using mdlInternet::OeffneLink;
namespace Link = mdlInternet::Link;

const QStringList frmStart::Schliessliste = {
    QStringLiteral("frmIndex"),           QStringLiteral("frmAutor"),
    QStringLiteral("frmgewährleistung"),  QStringLiteral("frmUpdate"),
    QStringLiteral("frmVersion"),         QStringLiteral("frmSchlamm"),
    QStringLiteral("frmSchlammA"),        QStringLiteral("frmSchlammB"),
    QStringLiteral("frmSchlammC"),        QStringLiteral("frmSchlammD"),
    QStringLiteral("frmSchlammEindick"),  QStringLiteral("frmSchlammStart"),
    QStringLiteral("frmEuro"),            QStringLiteral("frmEW"),
    QStringLiteral("frmgroseKA"),         QStringLiteral("frmgroseKAInfo1"),
    QStringLiteral("frmgroseKAInfo2"),    QStringLiteral("frmGroseKAInfo5"),
    QStringLiteral("frmNagel"),           QStringLiteral("frmEnergiePW"),
    QStringLiteral("frmEnergiePWInfo"),   QStringLiteral("frmThomsen"),
    QStringLiteral("frmKreis"),           QStringLiteral("frmJKKKA"),
    QStringLiteral("frmRegenspende"),     QStringLiteral("frmPyramidenstumpf"),
};

frmStart::frmStart(QWidget* parent) : QMainWindow(parent)
{
    registriereFenster();
    setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelmo.svg")));
    // Only the menu bar: the client area is as high as the menu strip.
    const int breite = twips(13965);
    setGeometry(twips(315), twips(660), breite, menubar->heightForWidth(breite));

    // A menu item chosen with Enter opens its window before the key is let
    // go; that release must not reach the new window's first box.
    auto* taste = new ereignis::GehalteneTaste(this);
    menubar->installEventFilter(taste);
    for (QMenu* m : menubar->findChildren<QMenu*>())
        m->installEventFilter(taste);
    const auto menue = [this, taste](QAction* a, void (frmStart::*h)()) {
        connect(a, &QAction::triggered, this, [this, h, taste] {
            taste->verschlucke();
            ereignis::geschuetzt([this, h] { (this->*h)(); });
        });
    };
    menue(Einwohnergleichwert, &frmStart::Einwohnergleichwert_Click);
    connect(Teiche, &QMenu::aboutToShow, this, [this] { ereignis::geschuetzt([this] { Teiche_Click(); }); });
    menue(natürlichTeiche, &frmStart::natürlichTeiche_Click);
    menue(KOnstruktion, &frmStart::KOnstruktion_Click);
    menue(Gefällegegeben, &frmStart::Gefällegegeben_Click);
    menue(Gefällegesucht, &frmStart::Gefällegesucht_Click);
    menue(Thomsen, &frmStart::Thomsen_Click);
    menue(Bodenausfluss, &frmStart::Bodenausfluss_Click);
    menue(Bodendruck, &frmStart::Bodendruck_Click);
    menue(Regen, &frmStart::Regen_Click);
    menue(Sauerstoffsättigung, &frmStart::Sauerstoffsättigung_Click);
    menue(Abwasserlast, &frmStart::Abwasserlast_Click);
    menue(Schlamm1, &frmStart::Schlamm1_Click);
    menue(Schlamm2, &frmStart::Schlamm2_Click);
    menue(Entwässerung, &frmStart::Entwässerung_Click);
    menue(LeistungPumpen, &frmStart::LeistungPumpen_Click);
    menue(Hochrechnung_2003, &frmStart::Hochrechnung_2003_Click);
    menue(Überbemessung, &frmStart::Überbemessung_Click);
    menue(EnergiekostenPumpen, &frmStart::EnergiekostenPumpen_Click);
    menue(KKA, &frmStart::KKA_Click);
    menue(Kreis, &frmStart::Kreis_Click);
    menue(Pyramidenstumpf, &frmStart::Pyramidenstumpf_Click);
    menue(Katze, &frmStart::Katze_Click);
    menue(Humor, &frmStart::Humor_Click);
    menue(Umsatzsteuer, &frmStart::Umsatzsteuer_Click);
    menue(Problemlösung, &frmStart::Problemlösung_Click);
    menue(Homepage, &frmStart::Homepage_Click);
    menue(Newsletter, &frmStart::Newsletter_Click);
    menue(download, &frmStart::download_Click);
    menue(e_mail, &frmStart::e_mail_Click);
    menue(Abwasserkosten, &frmStart::Abwasserkosten_Click);
    menue(Nutzungsrechte, &frmStart::Nutzungsrechte_Click);
    menue(Gewährleistung, &frmStart::Gewährleistung_Click);
    menue(Urheberrechte, &frmStart::Urheberrechte_Click);
    menue(Updatemnu, &frmStart::Updatemnu_Click);
    menue(Version, &frmStart::Version_Click);
}

void frmStart::schließen()
{
    for (const QString& name : Schliessliste)
        fenster::schliesse(name);
}

void frmStart::oeffne(const QString& fenstername)
{
    schließen();
    fenster::zeige(fenstername);
}

void frmStart::link(const QString& adresse)
{
    schließen();
    OeffneLink(adresse);
}

void frmStart::Einwohnergleichwert_Click() { oeffne(QStringLiteral("frmEW")); }
void frmStart::Teiche_Click() { schließen(); }
void frmStart::natürlichTeiche_Click() { oeffne(QStringLiteral("frm_natürl_bel_Teich")); }
void frmStart::KOnstruktion_Click() { oeffne(QStringLiteral("frmPyramidenstumpf")); }
void frmStart::Gefällegegeben_Click() { oeffne(QStringLiteral("frmGefaelle_gegeben")); }
void frmStart::Gefällegesucht_Click() { oeffne(QStringLiteral("frmGefaelle_gesucht")); }
void frmStart::Thomsen_Click() { oeffne(QStringLiteral("frmThomsen")); }
void frmStart::Bodenausfluss_Click() { oeffne(QStringLiteral("frmhyAusfluss")); }
void frmStart::Bodendruck_Click() { oeffne(QStringLiteral("frmBodendruck")); }
void frmStart::Regen_Click() { oeffne(QStringLiteral("frmRegenspende")); }
void frmStart::Sauerstoffsättigung_Click() { oeffne(QStringLiteral("frmCs")); }
void frmStart::Abwasserlast_Click() { oeffne(QStringLiteral("frmEW")); }
void frmStart::Schlamm1_Click() { oeffne(QStringLiteral("frmSchlamm")); }

void frmStart::Schlamm2_Click()
{
    // Only the sludge quantity window is closed here, not the whole list.
    fenster::schliesse(QStringLiteral("frmSchlamm"));
    fenster::zeige(QStringLiteral("frmSchlammStart"));
}

void frmStart::Entwässerung_Click() { oeffne(QStringLiteral("frmSchlammEindick")); }
void frmStart::LeistungPumpen_Click() { oeffne(QStringLiteral("frmEnergiePW")); }
void frmStart::Hochrechnung_2003_Click() { oeffne(QStringLiteral("frmIndex")); }
void frmStart::Überbemessung_Click() { oeffne(QStringLiteral("frmgroseKA")); }
void frmStart::EnergiekostenPumpen_Click() { oeffne(QStringLiteral("frmEnergiePW")); }
void frmStart::KKA_Click() { oeffne(QStringLiteral("frmJKKKA")); }
void frmStart::Kreis_Click() { oeffne(QStringLiteral("frmKreis")); }
void frmStart::Pyramidenstumpf_Click() { oeffne(QStringLiteral("frmPyramidenstumpf")); }
void frmStart::Katze_Click() { oeffne(QStringLiteral("frmAutor")); }
void frmStart::Humor_Click() { link(Link::Humor); }
void frmStart::Umsatzsteuer_Click() { oeffne(QStringLiteral("frmEuro")); }
void frmStart::Problemlösung_Click() { oeffne(QStringLiteral("frmNagel")); }
void frmStart::Homepage_Click() { link(Link::Homepage); }
void frmStart::Newsletter_Click() { link(Link::Newsletter); }
void frmStart::download_Click() { link(Link::Download); }
void frmStart::e_mail_Click() { link(Link::EMail); }
void frmStart::Abwasserkosten_Click() { link(Link::Abwasserkosten); }
void frmStart::Nutzungsrechte_Click() { oeffne(QStringLiteral("frmNutzungsrechte")); }
void frmStart::Gewährleistung_Click() { oeffne(QStringLiteral("frmgewährleistung")); }
void frmStart::Urheberrechte_Click() { link(Link::Homepage); }
void frmStart::Updatemnu_Click() { oeffne(QStringLiteral("frmUpdate")); }
void frmStart::Version_Click() { oeffne(QStringLiteral("frmVersion")); }
