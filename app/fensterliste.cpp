// The program's window table: one line per window that is opened by name.
#include "fensterliste.h"

#include "fenster.h"

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

void registriereFenster()
{
    using fenster::eintrag;
    fenster::registriere({
        // info
        eintrag<frmAutor>(),
        eintrag<frmgewährleistung>(),
        eintrag<frmNagel>(),
        eintrag<frmNutzungsrechte>(),
        eintrag<frmUpdate>(),
        eintrag<frmVersion>(),
        // hydraulics
        eintrag<frmBodendruck>(),
        eintrag<frmGefaelle_gegeben>(),
        eintrag<frmGefaelle_gesucht>(),
        eintrag<frmhyAusfluss>(),
        eintrag<frmThomsen>(),
        eintrag<frmRegenspende>(),
        // treatment
        eintrag<frmBSB>(),
        eintrag<frm_natürl_bel_Teich>(),
        eintrag<frmCs>(),
        eintrag<frmEW>(),
        eintrag<frmPyramidenstumpf>(),
        eintrag<frmSchlamm>(),
        eintrag<frmSchlammA>(),
        eintrag<frmSchlammB>(),
        eintrag<frmSchlammC>(),
        eintrag<frmSchlammD>(),
        eintrag<frmSchlammEindick>(),
        eintrag<frmSchlammStart>(),
        // costs
        eintrag<frmEnergiePW>(),
        eintrag<frmEnergiePWInfo>(),
        eintrag<frmgroseKA>(),
        eintrag<frmgroseKAInfo1>(),
        eintrag<frmgroseKAInfo2>(),
        eintrag<frmGroseKAInfo3>(),
        eintrag<frmGroseKAInfo5>(),
        eintrag<frmIndex>(),
        eintrag<frmIndexInfo>(),
        eintrag<frmJKKKA>(),
        // general
        eintrag<frmEuro>(),
        eintrag<frmKreis>(),
        eintrag<frmWinkel>(),
    });
}
