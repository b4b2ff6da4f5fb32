#include "praise/frm_uzenet.h"

#include <cmath>

#include "alap/veletlen.h"
#include "text/global.h"

void Frm_üzenet::beállít(const Ablak& sender, bool automatikus_kikapcsolás)
{
    Load();  // the timer of the design starts counting here
    Timer1.setEnabled(automatikus_kikapcsolás);
    setCaption(sender.Caption());
    dicséretek_feltöltése();
    const int i = std::min(int(std::floor(double(véletlen::Rnd()) * 10)), 9);
    kiír(Picture1, dicséretek[std::size_t(i)], 0);
    kiír(cmd_ok, QString(), 0);
    ShowModal();
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
    dicséretek = {QStringLiteral("Te vagy a legjobb!"),
                  QStringLiteral("Szép munka!"),
                  QStringLiteral("Ügyes vagy!"),
                  QStringLiteral("Nagyon büszke vagyok rád!"),
                  QStringLiteral("Jól dolgoztál!"),
                  QStringLiteral("Gratulálok!"),
                  QStringLiteral("Ez igen, nagyszerű!"),
                  QStringLiteral("Hurrá! Győztél!"),
                  QStringLiteral("Minden elismerésem a Tiéd!"),
                  QStringLiteral("Dobogós helyezés!")};
}
