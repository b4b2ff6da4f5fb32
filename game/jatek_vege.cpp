#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"

// A card is in play while it has its border.
void Frm_tukrosdi::maradt_kártya(bool& maradt)
{
    maradt = false;
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) {
        if (pic_szó(i).BorderStyle() == 1) {
            maradt = true;
            return;
        }
    }
}

// Returns when the praise window has closed, by itself or by the player.
void Frm_tukrosdi::dicséret_megjelenítése() { frm_üzenet().beállít(*this, true); }
