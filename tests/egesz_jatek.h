#pragma once
// A whole game as a player who knows every card plays it: for each dealt
// pair two clicks and the tick that settles the turn, the last tick opening
// the praise, which closes by its own timer. Shared by the tests and the
// benchmarks.

#include <QtTest>

#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "tests/tesztkornyezet.h"

namespace egész_játék {
// The card in play that shows `szó`, or -1.
inline qint16 lap(const QString& szó)
{
    auto& kártyák = frm_tukrosdi().pic_szó;
    for (qint16 i = 0; i <= kártyák.UBound(); ++i)
        if (kártyák(i).Enabled() && kártyák(i).Tag() == szó) return i;
    return -1;
}

inline void kattint(qint16 i) { QTest::mouseClick(frm_tukrosdi().pic_szó(i).widget(), Qt::LeftButton); }

// Plays the board in play to its end; returns when the next board is dealt.
// Pairs go by what was dealt: matching by words alone could pair a card with
// the partner another card needs. Returns the number of praises shown.
inline int végig()
{
    Frm_tukrosdi& fő = frm_tukrosdi();
    int dicséretek = 0;
    std::vector<szópár> kiosztott;
    for (const szópár& p : fő.pár_lista())
        if (p.kiosztva) kiosztott.push_back(p);
    for (const szópár& p : kiosztott) {
        kattint(lap(p.szó1));
        kattint(lap(p.szó2));
        modálisan(
            frm_üzenet.nem_betöltve(), [&] { fő.Timer.ütés(); },
            [&] {
                ++dicséretek;
                frm_üzenet().Timer1.ütés();
            });
    }
    return dicséretek;
}
}  // namespace egész_játék
