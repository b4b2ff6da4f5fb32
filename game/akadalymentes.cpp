#include "game/kartyanev.h"
#include "main/frm_tukrosdi.h"

// Tells assistive technology what card Index now shows.
void Frm_tukrosdi::kártya_megnevezése(qint16 Index)
{
    KépDoboz& kártya = pic_szó(Index);
    const Kártyaállapot állapot = felfordítva[std::size_t(Index)]                ? Kártyaállapot::felfordítva
                                  : kártya.BorderStyle() == Szegély::FixedSingle ? Kártyaállapot::lefordítva
                                                                                 : Kártyaállapot::eltüntetve;
    kártya.setAccessibleName(kártya_neve(állapot, kártya.Tag(), Index, oszlopok));
}
