#pragma once
// The main window: the board of cards, the turn counter, the task and slogan
// lines and the menu. It holds the state of the game in progress.

#include <QFont>
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

#include "alap/ablak.h"
#include "alap/feliratos.h"
#include "alap/idozito.h"
#include "alap/kepdoboz.h"
#include "alap/menu.h"
#include "alap/vezerlotomb.h"
#include "designs/tervek.h"
#include "game/katalogus.h"

class Frm_tukrosdi : public Ablak {
public:
    // Sets up and deals a new game.
    void beáll();

    KépDoboz Picture_eltüntetett;
    KépDoboz konténer;
    VezérlőTömb<KépDoboz> pic_szó;
    Időzítő Timer;
    KépDoboz Picture_hátlap;
    Címke Label_számláló;
    Címke Label1;
    Címke Label_szlogen;

    Menüpont mnu_fájl;
    Menüpont mnu_fájl_újjáték;
    Menüpont mnufájl_beálllítások;
    Menüpont elv;
    Menüpont mnu_fájl_kilép;
    Menüpont mnu_súgó;
    Menüpont mnu_súgó_súgó;
    Menüpont mnu_súgó_névjjegy;

    // The state of the game, read by the tests.
    const std::vector<szópár>& pár_lista() const { return párok; }
    int oszlopszám() const { return oszlopok; }
    int sorszám() const { return sorok; }
    float kártya_betűméret() const { return betűméret; }
    int felfordított_darab() const { return felfordított_db; }
    qint16 aktuális_kártya() const { return aktuális; }

protected:
    void tervezés() override;
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_Activate() override;

private:
    // Menu commands, quitting and the slogan link
    void mnu_fájl_újjáték_Click();
    void mnufájl_beálllítások_Click();
    void mnu_fájl_kilép_Click();
    void mnu_súgó_súgó_Click();
    void mnu_súgó_névjjegy_Click();
    void Label_szlogen_Click();
    void kilépés();
    // Turning and matching
    void pic_szó_Click(qint16 Index);
    void kártya_felfordítása(qint16 Index);
    void egyezés_vizsgálata(bool& egyezik);
    void pár_eltüntetése();
    void kártyák_visszafordítása();
    // Keyboard play and what assistive technology is told
    bool konténer_KeyDown(int KeyCode);
    void konténer_MouseDown();
    void pic_szó_MouseDown(qint16 Index);
    void jelölés_frissítése();
    void kártya_megnevezése(qint16 Index);
    void kártya_fókusza();
    void bemondás(const QString& szöveg);
    // Timer and counter
    void Timer_Timer();
    void számláló_léptetése();
    // End of a game
    void maradt_kártya(bool& maradt);
    void dicséret_megjelenítése();

    // Start-up and set-up
    void táblaméret_beolvasása();
    void szólista_feldolgozása();
    // Arrangement of the window
    void elrendezés();
    // Board reset
    void alaphelyzet();
    // Geometry and deal
    qint16 kártyaindex(std::uint8_t oszlop, std::uint8_t sor) const;
    void kártyák_elhelyezése();
    void kártyák_kiosztása();
    void betűméret_megállapítása();
    void tábla_megmutatása();

    QString szólista;
    // Widths of dealt words in the window's font, measured once per font.
    QHash<QString, double> szélességek;
    QFont szélességek_betűje;
    std::vector<szópár> párok;
    std::int32_t oszlopok = 6;
    std::int32_t sorok = 6;
    float betűméret = 0;
    std::uint8_t felfordított_db = 0;
    std::vector<bool> felfordítva;
    qint16 leghosszabb = 0;           // the card with the widest word dealt so far
    qint16 aktuális = 0;              // the card the keyboard works on
    bool billentyűs_jelölés = false;  // the keyboard is in use: its card is marked
};

inline Példány<Frm_tukrosdi> frm_tukrosdi;
