#include "game/jatekban.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"

// A card is in play while it has its border.
void Frm_tukrosdi::maradt_kártya(bool& maradt)
{
    std::vector<Szegély> szegélyek;
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) szegélyek.push_back(pic_szó(i).BorderStyle());
    maradt = van_játékban(szegélyek);
}

// Returns when the praise window has closed, by itself or by the player.
void Frm_tukrosdi::dicséret_megjelenítése() { frm_üzenet().beállít(*this, true); }
