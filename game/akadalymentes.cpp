#include "alap/akadalymentesseg.h"
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

// While the board has the keys, a screen reader reads the keyboard's card as
// the focused control: at the start, after every dialog and at every arrow.
void Frm_tukrosdi::kártya_fókusza()
{
    akadálymentesség::fókusz_jelzése([this]() -> Vezérlő* {
        if (!konténer.HasFocus() || aktuális > pic_szó.UBound()) return nullptr;
        return &pic_szó(aktuális);
    });
}

// What became of a turn, said without moving the focus.
void Frm_tukrosdi::bemondás(const QString& szöveg) { akadálymentesség::bemondás(*this, szöveg); }
