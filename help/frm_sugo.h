#pragma once
// The help window: three short texts on the rules, the play and the settings.

#include "alap/ablak.h"
#include "alap/feliratos.h"
#include "alap/vezerlotomb.h"

class Frm_súgó : public Ablak {
public:
    Keret Frame1;
    VezérlőTömb<Címke> Label1;
    Gomb OKButton;

protected:
    void tervezés() override;

private:
    void OKButton_Click() { Unload(); }
};

inline Példány<Frm_súgó> frm_súgó;
