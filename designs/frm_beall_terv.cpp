#include "designs/tervek.h"
#include "settings/frm_beall.h"

void Frm_beáll::tervezés()
{
    Ablakkeret k;
    k.vezérlőmenü = false;
    k.elhelyezés = Elhelyezés::képernyő_közepe;
    k.belső_szél = 6585;
    k.belső_mag = 4410;
    ablak_tervezése(k, QStringLiteral("Zsongóka Tukrosdi - Beállítások"), világos_narancs);

    cmd_mégsem.létrehoz(*this, 4800, 720, 1695, 375, QStringLiteral("Mégsem"));
    cmd_mégsem.setCancel(true);

    Frame2.létrehoz(*this, 120, 1440, 4575, 2895, QStringLiteral("A játéktábla mérete"), világos_narancs);
    const QString méretek[] = {QStringLiteral("3x4"), QStringLiteral("4x4"), QStringLiteral("4x5"),
                               QStringLiteral("4*6"), QStringLiteral("5x6"), QStringLiteral("6x6")};
    for (qint16 i = 5; i >= 0; --i)
        opt_táblaméret.tervezett(i).létrehoz(Frame2, 1320, 480 + 360 * i, 2175, 255, méretek[i], világos_narancs);
    opt_táblaméret(1).setValue(true);

    Frame1.létrehoz(*this, 120, 120, 4575, 1215, QString(), világos_narancs);
    Combo_várakozásiidő.létrehoz(Frame1, 1680, 600, 1095, 315);
    Label2.létrehoz(Frame1, 2880, 720, 1095, 255, QStringLiteral("másodperc"));
    Label1.létrehoz(Frame1, 120, 240, 4215, 255, QStringLiteral("Várakozási idő a kártyák lefordítása előtt:"));
    Label1.setBuddy(Combo_várakozásiidő);  // the list has no caption: assistive technology reads this one

    cmd_ok.létrehoz(*this, 4800, 240, 1695, 375, QStringLiteral("Ok"));
    cmd_ok.setDefault(true);

    tabsorrend({&cmd_ok, &Combo_várakozásiidő, &opt_táblaméret(0), &opt_táblaméret(1), &opt_táblaméret(2),
                &opt_táblaméret(3), &opt_táblaméret(4), &opt_táblaméret(5), &cmd_mégsem});
    cmd_ok.SetFocus();

    cmd_ok.onClick([this] { cmd_ok_Click(); });
    cmd_mégsem.onClick([this] { cmd_mégsem_Click(); });
}
