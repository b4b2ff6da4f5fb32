#include "praise/frm_uzenet.h"

#include "alap/akadalymentesseg.h"
#include "alap/veletlen.h"
#include "game/huzas.h"
#include "praise/dicseretek.h"
#include "text/global.h"

void Frm_üzenet::beállít(const Ablak& sender, bool automatikus_kikapcsolás)
{
    Load();  // the timer of the design starts counting here
    Timer1.setEnabled(automatikus_kikapcsolás);
    setCaption(sender.Caption());
    dicséretek_feltöltése();
    const QString dicséret = dicséretek[véletlen_index(véletlen::Rnd(), dicséretek.size())];
    kiír(Picture1, dicséret, 0);
    kiír(cmd_ok, QString(), 0);
    // A screen reader reads the praise when the window comes up, but the
    // window closes before it is said whole; the board says it again.
    setAccessibleDescription(dicséret);
    ShowModal();
    akadálymentesség::bemondás_aktiváláskor(sender, dicséret);
}

void Frm_üzenet::Form_Load()
{
    setTop(képernyő::Height() / 2 - Height() / 2);
    setLeft(képernyő::Width() / 2 - Width() / 2);
}

void Frm_üzenet::cmd_ok_Click() { Unload(); }

void Frm_üzenet::Timer1_Timer() { cmd_ok_Click(); }

void Frm_üzenet::dicséretek_feltöltése()
{
    for (std::size_t i = 0; i < dicséretek.size(); ++i) dicséretek[i] = dicséretek_szövege[i].toString();
}
