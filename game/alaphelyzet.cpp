#include "game/szamlalo.h"
#include "main/frm_tukrosdi.h"
#include "text/global.h"

// Back to one empty card and a zero count, before every deal.
void Frm_tukrosdi::alaphelyzet()
{
    const qint16 legnagyobb = pic_szó.UBound();
    for (qint16 i = 1; i <= legnagyobb; ++i) pic_szó.Unload(i);

    KépDoboz& kártya = pic_szó(0);
    kártya.setTag(QString());
    kártya.setBorderStyle(Szegély::FixedSingle);
    kártya.setPicture(Kép{});
    kártya.setBackColor(Qt::white);
    kártya.setEnabled(true);

    for (szópár& pár : párok) pár.kiosztva = false;

    kiír(Label_számláló, kezdő_számláló, 0);
    Label_számláló.setAlignment(Címke::RightJustify);
    felfordított_db = 0;
}
