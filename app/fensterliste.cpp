// The program's window table: one line per window that is opened by name.
#include "fensterliste.h"

#include "fenster.h"

#include "frm_natürl_bel_Teich.h"
#include "frmAutor.h"
#include "frmCs.h"
#include "frmEuro.h"
#include "frmEW.h"
#include "frmGefaelle_gegeben.h"
#include "frmGefaelle_gesucht.h"
#include "frmgewährleistung.h"
#include "frmgroseKA.h"
#include "frmgroseKAInfo1.h"
#include "frmgroseKAInfo2.h"
#include "frmGroseKAInfo3.h"
#include "frmGroseKAInfo5.h"
#include "frmNagel.h"
#include "frmNutzungsrechte.h"
#include "frmPyramidenstumpf.h"
#include "frmSchlamm.h"
#include "frmSchlammA.h"
#include "frmSchlammB.h"
#include "frmSchlammC.h"
#include "frmSchlammD.h"
#include "frmSchlammStart.h"
#include "frmUpdate.h"
#include "frmVersion.h"

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
        eintrag<frmGefaelle_gegeben>(),
        eintrag<frmGefaelle_gesucht>(),
        // treatment
        eintrag<frm_natürl_bel_Teich>(),
        eintrag<frmCs>(),
        eintrag<frmEW>(),
        eintrag<frmPyramidenstumpf>(),
        eintrag<frmSchlamm>(),
        eintrag<frmSchlammA>(),
        eintrag<frmSchlammB>(),
        eintrag<frmSchlammC>(),
        eintrag<frmSchlammD>(),
        eintrag<frmSchlammStart>(),
        // costs
        eintrag<frmgroseKA>(),
        eintrag<frmgroseKAInfo1>(),
        eintrag<frmgroseKAInfo2>(),
        eintrag<frmGroseKAInfo3>(),
        eintrag<frmGroseKAInfo5>(),
        // general
        eintrag<frmEuro>(),
    });
}
