#include "game/egyezes.h"
#include "main/frm_tukrosdi.h"
#include "text/global.h"

// A click turns a face-down card up; the second card of a turn advances the
// counter and starts the waiting time. Clicks on a face-up card, and any
// click while a turn waits, are dropped.
void Frm_tukrosdi::pic_szó_Click(qint16 Index)
{
    if (felfordítva[std::size_t(Index)]) return;
    if (felfordított_db == 2) return;
    ++felfordított_db;
    kártya_felfordítása(Index);
    if (felfordított_db == 2) {
        számláló_léptetése();
        Timer.setEnabled(true);
        bemondás(pic_szó(Index).Tag() + QStringLiteral(", ") + Label_számláló.Caption().trimmed());
    } else {
        bemondás(pic_szó(Index).Tag());
    }
}

void Frm_tukrosdi::kártya_felfordítása(qint16 Index)
{
    KépDoboz& kártya = pic_szó(Index);
    kártya.setPicture(Kép{});
    kártya.Cls();
    QString szó = kártya.Tag();
    kiír(kártya, szó, betűméret);
    felfordítva[std::size_t(Index)] = true;
    kártya_megnevezése(Index);
}

// The words of the two face-up cards, in card order, against the catalogue.
void Frm_tukrosdi::egyezés_vizsgálata(bool& egyezik)
{
    szópár fent;
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) {
        if (!felfordítva[std::size_t(i)]) continue;
        if (fent.szó1.isEmpty()) {
            fent.szó1 = pic_szó(i).Tag();
        } else {
            fent.szó2 = pic_szó(i).Tag();
            break;
        }
    }
    egyezik = párt_alkot(párok, fent.szó1, fent.szó2);
}

// A found pair stays in its place, without border, disabled, showing the
// removed-card star on the board's colour.
void Frm_tukrosdi::pár_eltüntetése()
{
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) {
        if (!felfordítva[std::size_t(i)]) continue;
        KépDoboz& kártya = pic_szó(i);
        kártya.Cls();
        kártya.setBackColor(konténer.BackColor());
        kártya.setPicture(Picture_eltüntetett.Picture());
        kártya.setBorderStyle(Szegély::None);
        kártya.setEnabled(false);
        felfordítva[std::size_t(i)] = false;
        kártya_megnevezése(i);
    }
    felfordított_db = 0;
}

void Frm_tukrosdi::kártyák_visszafordítása()
{
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) {
        if (!felfordítva[std::size_t(i)]) continue;
        pic_szó(i).Cls();
        pic_szó(i).setPicture(Picture_hátlap.Picture());
        felfordítva[std::size_t(i)] = false;
        kártya_megnevezése(i);
    }
    felfordított_db = 0;
}
