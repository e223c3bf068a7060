// The program's window table: the main menu, the close rule and the windows
// that no menu item opens.
#include "fensterliste.h"

#include "fenster.h"
#include "mdlInternet.h"

#include "frm_natürl_bel_Teich.h"
#include "frmAutor.h"
#include "frmBSB.h"
#include "frmBodendruck.h"
#include "frmCs.h"
#include "frmEnergiePW.h"
#include "frmEnergiePWInfo.h"
#include "frmEuro.h"
#include "frmEW.h"
#include "frmGefaelle_gegeben.h"
#include "frmGefaelle_gesucht.h"
#include "frmhyAusfluss.h"
#include "frmgewährleistung.h"
#include "frmgroseKA.h"
#include "frmKreis.h"
#include "frmgroseKAInfo1.h"
#include "frmgroseKAInfo2.h"
#include "frmGroseKAInfo3.h"
#include "frmGroseKAInfo5.h"
#include "frmIndex.h"
#include "frmIndexInfo.h"
#include "frmJKKKA.h"
#include "frmNagel.h"
#include "frmNutzungsrechte.h"
#include "frmRegenspende.h"
#include "frmPyramidenstumpf.h"
#include "frmSchlamm.h"
#include "frmSchlammA.h"
#include "frmSchlammB.h"
#include "frmSchlammC.h"
#include "frmSchlammD.h"
#include "frmSchlammEindick.h"
#include "frmSchlammStart.h"
#include "frmThomsen.h"
#include "frmUpdate.h"
#include "frmVersion.h"
#include "frmWinkel.h"

namespace fensterliste {
namespace {

namespace Link = mdlInternet::Link;
using fenster::eintrag;

constexpr Aktion untermenue{Art::Untermenue};
constexpr Aktion untermenueMitSchliessregel{Art::UntermenueMitSchliessregel};
template <class T>
constexpr Aktion oeffnet{Art::Fenster, eintrag<T>()};
template <class T>
constexpr Aktion oeffnetNachSchlamm{Art::FensterNachSchlamm, eintrag<T>()};
constexpr Aktion verlinkt(const QString& link)
{
    return {Art::Link, {nullptr, nullptr}, &link};
}

// The main menu in display order: level, caption, the submenu's name or the
// item's Click handler, and what choosing it does.
// clang-format off
const Menuepunkt menuepunkte[] = {
    {1, "Abwasserbehandlung",              "Abwasserbehandlung",          untermenue},
    {2, "Einwohnergleichwert",             "Einwohnergleichwert_Click",   oeffnet<frmEW>},
    {2, "Teiche",                          "Teiche_Click",                untermenueMitSchliessregel},
    {3, "natürlich belüftet",              "natürlichTeiche_Click",       oeffnet<frm_natürl_bel_Teich>},
    {3, "Konstruktion",                    "KOnstruktion_Click",          oeffnet<frmPyramidenstumpf>},
    {1, "Technik",                         "Technik",                     untermenue},
    {2, "Hydraulik",                       "kanhy",                       untermenue},
    {3, "Gefälle gegeben",                 "Gefällegegeben_Click",        oeffnet<frmGefaelle_gegeben>},
    {3, "Gefälle gesucht",                 "Gefällegesucht_Click",        oeffnet<frmGefaelle_gesucht>},
    {3, "Thomsen",                         "Thomsen_Click",               oeffnet<frmThomsen>},
    {3, "Ausfluss",                        "Bodenausfluss_Click",         oeffnet<frmhyAusfluss>},
    {3, "Bodendruckkraft",                 "Bodendruck_Click",            oeffnet<frmBodendruck>},
    {2, "Regen und Regenabfluß",           "Regen_Click",                 oeffnet<frmRegenspende>},
    {2, "Sauerstoffsättigung",             "Sauerstoffsättigung_Click",   oeffnet<frmCs>},
    {2, "Abwasserlast",                    "Abwasserlast_Click",          oeffnet<frmEW>},
    {2, "Schlammengen nach eigenen Daten", "Schlamm1_Click",              oeffnet<frmSchlamm>},
    {2, "Schlammengen nach Imhoff",        "Schlamm2_Click",              oeffnetNachSchlamm<frmSchlammStart>},
    {2, "Schlammentwässerung",             "Entwässerung_Click",          oeffnet<frmSchlammEindick>},
    {2, "Kupplungsleistung Pumpen",        "LeistungPumpen_Click",        oeffnet<frmEnergiePW>},
    {1, "Kosten",                          "Kosten",                      untermenue},
    {2, "Preisbasis 2003",                 "Hochrechnung_2003_Click",     oeffnet<frmIndex>},
    {2, "Zu grosse KA?",                   "Überbemessung_Click",         oeffnet<frmgroseKA>},
    {2, "Energiekosten Pumpen",            "EnergiekostenPumpen_Click",   oeffnet<frmEnergiePW>},
    {2, "Kleinkläranlagen",                "KKA_Click",                   oeffnet<frmJKKKA>},
    {1, "Sonstiges",                       "Sonstiges",                   untermenue},
    {2, "Kreis + Zylinder",                "Kreis_Click",                 oeffnet<frmKreis>},
    {2, "Pyramidenstumpf",                 "Pyramidenstumpf_Click",       oeffnet<frmPyramidenstumpf>},
    {2, "Miezekatze",                      "Katze_Click",                 oeffnet<frmAutor>},
    {2, "Humor - Internet",                "Humor_Click",                 verlinkt(Link::Humor)},
    {1, "Umsatzsteuer",                    "Umsatzsteuer_Click",          oeffnet<frmEuro>},
    {1, "Problemlösung",                   "Problemlösung_Click",         oeffnet<frmNagel>},
    {1, "Internetverbindungen",            "internet",                    untermenue},
    {2, "Homepage des Instituts",          "Homepage_Click",              verlinkt(Link::Homepage)},
    {2, "Newsletter bestellen",            "Newsletter_Click",            verlinkt(Link::Newsletter)},
    {2, "Programme download",              "download_Click",              verlinkt(Link::Download)},
    // Two blanks before "Institut", as the caption has always been.
    {2, "e-Mail an das  Institut",         "e_mail_Click",                verlinkt(Link::EMail)},
    {2, "Abwasserkosten 2003",             "Abwasserkosten_Click",        verlinkt(Link::Abwasserkosten)},
    {1, "Rechte",                          "Rechte",                      untermenue},
    {2, "Nutzungsfreigabe",                "Nutzungsrechte_Click",        oeffnet<frmNutzungsrechte>},
    {2, "Gewährleistung",                  "Gewährleistung_Click",        oeffnet<frmgewährleistung>},
    {2, "Urheberrechte",                   "Urheberrechte_Click",         verlinkt(Link::Homepage)},
    {1, "Update",                          "Updatemnu_Click",             oeffnet<frmUpdate>},
    {1, "Version",                         "Version_Click",               oeffnet<frmVersion>},
};

// The close rule: the windows that every menu command closes first, one after
// the other in this order. The others stay open.
constexpr fenster::Eintrag schliessfenster[] = {
    eintrag<frmIndex>(),          eintrag<frmAutor>(),           eintrag<frmgewährleistung>(),
    eintrag<frmUpdate>(),         eintrag<frmVersion>(),         eintrag<frmSchlamm>(),
    eintrag<frmSchlammA>(),       eintrag<frmSchlammB>(),        eintrag<frmSchlammC>(),
    eintrag<frmSchlammD>(),       eintrag<frmSchlammEindick>(),  eintrag<frmSchlammStart>(),
    eintrag<frmEuro>(),           eintrag<frmEW>(),              eintrag<frmgroseKA>(),
    eintrag<frmgroseKAInfo1>(),   eintrag<frmgroseKAInfo2>(),    eintrag<frmGroseKAInfo5>(),
    eintrag<frmNagel>(),          eintrag<frmEnergiePW>(),       eintrag<frmEnergiePWInfo>(),
    eintrag<frmThomsen>(),        eintrag<frmKreis>(),           eintrag<frmJKKKA>(),
    eintrag<frmRegenspende>(),    eintrag<frmPyramidenstumpf>(),
};
// clang-format on

// Opened by another window, or by name from the command line only.
constexpr fenster::Eintrag weitere[] = {
    eintrag<frmBSB>(),
    eintrag<frmGroseKAInfo3>(),
    eintrag<frmIndexInfo>(),
    eintrag<frmWinkel>(),
};

// Kept ready while the program runs (fenster::bereithalten): a window whose
// building takes longer than opening a window may. The pond window has 134
// controls, 87 on its first page.
constexpr fenster::Eintrag bereitgehalten[] = {
    eintrag<frm_natürl_bel_Teich>(),
};

} // namespace

std::span<const Menuepunkt> menue()
{
    return menuepunkte;
}

std::span<const fenster::Eintrag> schliessliste()
{
    return schliessfenster;
}

std::span<const fenster::Eintrag> bereit()
{
    return bereitgehalten;
}

QString punktname(const Menuepunkt& p)
{
    QString name = QString::fromUtf8(p.name);
    if (name.endsWith(QLatin1String("_Click")))
        name.chop(6);
    return name;
}

} // namespace fensterliste

void registriereFenster()
{
    using namespace fensterliste;
    for (const Menuepunkt& p : menue())
        if (p.aktion.fenster.name)
            fenster::registriere(p.aktion.fenster.name, p.aktion.fenster.fabrik);
    for (const fenster::Eintrag& e : schliessliste())
        fenster::registriere(e.name, e.fabrik);
    for (const fenster::Eintrag& e : weitere)
        fenster::registriere(e.name, e.fabrik);
}
