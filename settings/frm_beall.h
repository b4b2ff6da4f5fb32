#pragma once
// The settings dialog: board size and waiting time. It also holds the
// current settings while the program runs; the main window reads them from
// its controls at every deal.

#include "alap/ablak.h"
#include "alap/feliratos.h"
#include "alap/vezerlotomb.h"

class Frm_beáll : public Ablak {
public:
    Gomb cmd_mégsem;
    Keret Frame2;
    VezérlőTömb<Választógomb> opt_táblaméret;
    Keret Frame1;
    LenyílóLista Combo_várakozásiidő;
    Címke Label2;
    Címke Label1;
    Gomb cmd_ok;

protected:
    void tervezés() override;
    void Form_Load() override;

private:
    void beállítások_betöltése();
    void beállítások_mentése();
    void cmd_ok_Click();
    void cmd_mégsem_Click();
};

inline Példány<Frm_beáll> frm_beáll;

// Where the settings are stored: application, section and keys.
namespace tárolt {
inline const QString alkalmazás = QStringLiteral("tukrosdi");
inline const QString szakasz = QStringLiteral("beall");
inline const QString táblaméret = QStringLiteral("tablameret");
inline const QString várakozási_idő = QStringLiteral("varido");
}  // namespace tárolt
