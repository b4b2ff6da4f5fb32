#include "designs/tervek.h"
#include "praise/frm_uzenet.h"

void Frm_üzenet::tervezés()
{
    Ablakkeret k;
    k.vezérlőmenü = false;
    k.belső_szél = 5625;
    k.belső_mag = 6750;
    ablak_tervezése(k, QStringLiteral("Zsongóka Tukrosdi"), világos_narancs);

    Timer1.létrehoz(*this, 1500, true);
    Timer1.onTimer([this] { Timer1_Timer(); });

    Picture2.létrehoz(*this, 360, 120, 4935, 4935);
    Picture2.setBackColor(rendszerszín(15));
    Picture2.setPicture(képek::dicséret);

    cmd_ok.létrehoz(*this, 1320, 6000, 3015, 615, QStringLiteral("Ok"));
    cmd_ok.setDefault(true);
    cmd_ok.setCancel(true);
    cmd_ok.onClick([this] { cmd_ok_Click(); });

    Picture1.létrehoz(*this, 120, 5160, 5415, 735);
    Picture1.setBackColor(Qt::white);
    Picture1.setForeColor(rendszerszín(8));
    Picture1.setAppearance(KépDoboz::Flat);

    // The text box comes first: Space does not close the window, Enter and Esc do.
    Picture1.setTabStop(true);
    tabsorrend({&Picture1, &cmd_ok});
    Picture1.SetFocus();
}
