#include <cmath>

#include "alap/szamszoveg.h"
#include "alap/veletlen.h"
#include "main/frm_tukrosdi.h"
#include "text/global.h"

namespace {
// The gap between neighbouring cards, as a part of a card's width or height.
constexpr float térköz = 0.1f;

// A random whole number in [0, darab).
int véletlen_index(std::size_t darab)
{
    const int i = int(std::floor(double(véletlen::Rnd()) * double(darab)));
    return std::min(i, int(darab) - 1);
}
}  // namespace

// Column and row count from 1; cards go row by row from the top left.
qint16 Frm_tukrosdi::kártyaindex(std::uint8_t oszlop, std::uint8_t sor) const
{
    return qint16((sor - 1) * oszlopok + (oszlop - 1));
}

// Card 0 gets the size that lets the grid fill the board from its own corner;
// every other card is a copy of it, one card and a gap right of its left
// neighbour, or one card and a gap below the card above it.
void Frm_tukrosdi::kártyák_elhelyezése()
{
    KépDoboz& első = pic_szó(0);
    első.setWidth((konténer.ScaleWidth() - első.Left()) / oszlopok * 0.9);
    első.setHeight((konténer.ScaleHeight() - első.Top()) / sorok * 0.9);

    for (int sor = 1; sor <= sorok; ++sor) {
        for (int oszlop = 1; oszlop <= oszlopok; ++oszlop) {
            const qint16 i = kártyaindex(std::uint8_t(oszlop), std::uint8_t(sor));
            if (i == 0) continue;
            pic_szó.Load(i);
            KépDoboz& kártya = pic_szó(i);
            const double szélesség = kártya.Width(), magasság = kártya.Height();
            if (i % oszlopok != 0) {
                kártya.setLeft(pic_szó(i - 1).Left() + szélesség + szélesség * térköz);
                kártya.setTop(pic_szó(i - 1).Top());
            } else {
                kártya.setLeft(pic_szó(0).Left());
                kártya.setTop(pic_szó(i - oszlopok).Top() + magasság + magasság * térköz);
            }
            kártya.setVisible(false);
            kártya.setTag(QString());
        }
    }
}

// Half as many random pairs as there are cards, each word on a random empty
// card; remembers the card with the widest word (the first of equals).
void Frm_tukrosdi::kártyák_kiosztása()
{
    const std::size_t kártyák = std::size_t(pic_szó.UBound()) + 1;
    const long long pároké = számszöveg::kerekít(double(kártyák) / 2);
    leghosszabb = 0;

    const auto elhelyez = [&](const QString& szó) {
        qint16 j;
        do j = qint16(véletlen_index(kártyák));
        while (!pic_szó(j).Tag().isEmpty());
        pic_szó(j).setTag(szó);
        if (TextWidth(pic_szó(j).Tag()) > TextWidth(pic_szó(leghosszabb).Tag())) leghosszabb = j;
    };

    for (long long n = 0; n < pároké; ++n) {
        std::size_t k;
        do k = std::size_t(véletlen_index(párok.size()));
        while (párok[k].kiosztva);
        párok[k].kiosztva = true;
        elhelyez(párok[k].szó1);
        elhelyez(párok[k].szó2);
    }
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
    }
}
