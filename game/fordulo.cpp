#include "game/szamlalo.h"
#include "main/frm_tukrosdi.h"
#include "text/global.h"

// One tick after the second card of a turn settles it: a pair leaves the
// board (and may end the game), other cards turn back.
void Frm_tukrosdi::Timer_Timer()
{
    bool egyezik = false;
    egyezés_vizsgálata(egyezik);
    if (egyezik) {
        pár_eltüntetése();
        bool maradt = true;
        maradt_kártya(maradt);
        if (!maradt) {
            dicséret_megjelenítése();
            beáll();
        } else {
            bemondás(QStringLiteral("A pár eltűnt."));
        }
    } else {
        kártyák_visszafordítása();
        bemondás(QStringLiteral("Visszafordultak."));
    }
    Timer.setEnabled(false);
}

// The count lives only in the counter's caption, right-aligned.
void Frm_tukrosdi::számláló_léptetése()
{
    kiír(Label_számláló, következő_számláló(Label_számláló.Caption()), 0);
    Label_számláló.setAlignment(Címke::RightJustify);
}
