#pragma once
// What a player does, for the tests, their child processes and the benchmarks.

#include <QComboBox>
#include <QtTest>

#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "tests/tesztkornyezet.h"

namespace játékos {
// The board size option shown selected, or -1.
inline int kiválasztott_méret()
{
    for (qint16 i = 0; i <= 5; ++i)
        if (frm_beáll().opt_táblaméret(i).Value()) return i;
    return -1;
}

// The settings in force: cards, waiting milliseconds, the size and list entry shown.
inline QString állapot()
{
    return QString::asprintf("%d %d %d %d", int(frm_tukrosdi().pic_szó.Count()), frm_tukrosdi().Timer.Interval(),
                             kiválasztott_méret(), frm_beáll().Combo_várakozásiidő.ListIndex());
}

// Picks a board size and a waiting time in the settings and presses Enter or Esc.
inline void választás(int méret, int várakozás, Qt::Key billentyű)
{
    modálisan(
        frm_beáll(), [] { frm_beáll().ShowModal(); },
        [&] {
            QTest::mouseClick(frm_beáll().opt_táblaméret(qint16(méret)).widget(), Qt::LeftButton, {}, QPoint(6, 6));
            static_cast<QComboBox*>(frm_beáll().Combo_várakozásiidő.widget())->setCurrentIndex(várakozás);
            QTest::keyClick(frm_beáll().widget(), billentyű);
        });
}

// The card in play that shows `szó`, or -1.
inline qint16 lap(const QString& szó)
{
    auto& kártyák = frm_tukrosdi().pic_szó;
    for (qint16 i = 0; i <= kártyák.UBound(); ++i)
        if (kártyák(i).Enabled() && kártyák(i).Tag() == szó) return i;
    return -1;
}

// A whole game up to the next board, timers fired directly; pairs go by what was dealt (words alone could
// give a card another's partner). Returns the praises shown, adding their texts to `szövegek` if given.
inline int végig(QStringList* szövegek = nullptr)
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
                if (szövegek) *szövegek << frm_üzenet().Picture1.Tag();
                frm_üzenet().Timer1.ütés();
            });
    }
    return dicséretek;
}
}  // namespace játékos
