#pragma once
// The praise window: a cheering picture, one of ten praises at random and an
// Ok button; it closes by itself after 1.5 seconds when asked to.

#include <QString>
#include <array>

#include "alap/ablak.h"
#include "alap/feliratos.h"
#include "alap/idozito.h"
#include "alap/kepdoboz.h"

class Frm_üzenet : public Ablak {
public:
    // Shows the window modally with the caption of `sender`; returns when it
    // has been closed and unloaded.
    void beállít(const Ablak& sender, bool automatikus_kikapcsolás);

    Időzítő Timer1;
    KépDoboz Picture2;
    Gomb cmd_ok;
    KépDoboz Picture1;

protected:
    void tervezés() override;
    void Form_Load() override;

private:
    void cmd_ok_Click();
    void Timer1_Timer();
    void dicséretek_feltöltése();

    std::array<QString, 10> dicséretek;
};

inline Példány<Frm_üzenet> frm_üzenet;
