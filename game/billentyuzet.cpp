#include "game/racs.h"
#include "main/frm_tukrosdi.h"

// The arrows move the keyboard's card over every place of the board, removed
// cards too, and stop at the edges; Space and Enter turn it as a click would,
// so a removed card and any card while a turn waits ignore them.
bool Frm_tukrosdi::konténer_KeyDown(int KeyCode)
{
    Irány irány;
    switch (KeyCode) {
        case Qt::Key_Left:
            irány = Irány::bal;
            break;
        case Qt::Key_Right:
            irány = Irány::jobb;
            break;
        case Qt::Key_Up:
            irány = Irány::fel;
            break;
        case Qt::Key_Down:
            irány = Irány::le;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            billentyűs_jelölés = true;
            jelölés_frissítése();
            if (pic_szó(aktuális).Enabled()) pic_szó_Click(aktuális);
            return true;
        default:
            return false;
    }
    billentyűs_jelölés = true;
    aktuális = szomszéd(aktuális, irány, oszlopok, sorok);
    jelölés_frissítése();
    return true;
}

// A mouse click takes the mark away; on a card it also makes that card the
// keyboard's card. (A removed card takes no click; the board gets it.)
void Frm_tukrosdi::pic_szó_MouseDown(qint16 Index)
{
    aktuális = Index;
    konténer_MouseDown();
}

void Frm_tukrosdi::konténer_MouseDown()
{
    billentyűs_jelölés = false;
    jelölés_frissítése();
}

// The mark shows while the keyboard is in use and the board has the focus.
void Frm_tukrosdi::jelölés_frissítése()
{
    if (konténer.HasFocus()) kártya_fókusza();
    const bool látszik = billentyűs_jelölés && konténer.HasFocus();
    for (qint16 i = 0; i <= pic_szó.UBound(); ++i) pic_szó(i).setKiemelt(látszik && i == aktuális);
}

// Back from a dialog, the keys go to the board again.
void Frm_tukrosdi::Form_Activate() { konténer.SetFocus(); }
