#include "designs/tervek.h"
#include "help/frm_sugo.h"

void Frm_súgó::tervezés()
{
    Ablakkeret k;
    k.elhelyezés = Elhelyezés::képernyő_közepe;
    k.belső_szél = 6030;
    k.belső_mag = 2775;
    ablak_tervezése(k, QStringLiteral("Zsongóka Tukrosdi"), világos_narancs);

    Frame1.létrehoz(*this, 120, 120, 4455, 2535, QStringLiteral("Zsongóka Tukrosdi"), világos_narancs);
    Label1.mind_törlése();
    Label1.tervezett(2).létrehoz(Frame1, 120, 1680, 4215, 375,
                                 QStringLiteral("A Fájl menü Beállítások pontjában megváltoztathatja a kártyák "
                                                "számát, valamint a kártyák felfedési idejét."));
    Label1.tervezett(1).létrehoz(
        Frame1, 120, 720, 4215, 855,
        QStringLiteral("Kattintson rá a lefordított lapokra a rajtuk szereplő szó felfedéséhez. A feladata az "
                       "összetartozó tukrosdipárok megkeresése. Ha összetartozó párt talál, akkor eltűnik. Ha az "
                       "összes kártyát eltüntette, akkor nyert!"));
    Label1.tervezett(0).létrehoz(Frame1, 120, 360, 4215, 375,
                                 QStringLiteral("A játékot a memóriajáték szabályai szerint játszhatja."));

    // A screen reader reads the texts, in the order they are read on the screen, when the window comes up.
    setAccessibleDescription(Label1(0).Caption() + u' ' + Label1(1).Caption() + u' ' + Label1(2).Caption());

    OKButton.létrehoz(*this, 4680, 240, 1215, 375, QStringLiteral("OK"));
    OKButton.onClick([this] { OKButton_Click(); });
    OKButton.SetFocus();
}
