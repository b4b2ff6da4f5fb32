#include "alap/veletlen.h"
#include "game/huzas.h"
#include "game/racs.h"
#include "main/frm_tukrosdi.h"
#include "text/global.h"

qint16 Frm_tukrosdi::kártyaindex(std::uint8_t oszlop, std::uint8_t sor) const
{
    return ::kártyaindex(oszlop, sor, oszlopok);
}

// Card 0 gets the size that lets the grid fill the board from its own corner;
// every other card is a hidden copy of it, without a word, in its place.
void Frm_tukrosdi::kártyák_elhelyezése()
{
    KépDoboz& első = pic_szó(0);
    const std::vector<Téglalap> helyek =
        kártyák_helye({konténer.ScaleWidth(), konténer.ScaleHeight(), első.Left(), első.Top(), oszlopok, sorok});
    első.setWidth(helyek[0].Width);
    első.setHeight(helyek[0].Height);

    for (int sor = 1; sor <= sorok; ++sor) {
        for (int oszlop = 1; oszlop <= oszlopok; ++oszlop) {
            const qint16 i = kártyaindex(std::uint8_t(oszlop), std::uint8_t(sor));
            if (i == 0) continue;
            pic_szó.Load(i);
            KépDoboz& kártya = pic_szó(i);
            kártya.setLeft(helyek[std::size_t(i)].Left);
            kártya.setTop(helyek[std::size_t(i)].Top);
            kártya.setVisible(false);
            kártya.setTag(QString());
        }
    }
}

// The cards' words go through the deal and back into their Tags; the widest
// word is measured in the window's font, as the counter last left it. A word
// is measured once for as long as that font stays the same.
void Frm_tukrosdi::kártyák_kiosztása()
{
    if (!(Font() == szélességek_betűje)) {
        szélességek.clear();
        szélességek_betűje = Font();
    }
    const auto szélesség = [this](const QString& szó) {
        auto it = szélességek.constFind(szó);
        if (it == szélességek.constEnd()) it = szélességek.insert(szó, TextWidth(szó));
        return *it;
    };
    std::vector<QString> szavak;
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) szavak.push_back(pic_szó(i).Tag());
    leghosszabb = qint16(kiosztás(párok, szavak, véletlen::Rnd, szélesség));
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) pic_szó(i).setTag(szavak[std::size_t(i)]);
}

// The largest size at which the widest word fits a card, found on a hidden
// extra card; every face of the game is drawn at it.
void Frm_tukrosdi::betűméret_megállapítása()
{
    const qint16 mérő = qint16(pic_szó.UBound() + 1);
    pic_szó.Load(mérő);
    QString szó = pic_szó(leghosszabb).Tag();
    kiír(pic_szó(mérő), szó, 0);
    betűméret = pic_szó(mérő).FontSize();
    pic_szó.Unload(mérő);
}

void Frm_tukrosdi::tábla_megmutatása()
{
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) {
        pic_szó(i).setPicture(Picture_hátlap.Picture());
        pic_szó(i).setVisible(true);
        kártya_megnevezése(i);
    }
}
