#include "settings/frm_beall.h"

#include "alap/platform.h"
#include "alap/szamszoveg.h"
#include "main/frm_tukrosdi.h"

namespace {
// A stored whole number within [legkisebb, legnagyobb]; anything else that
// is found in the store gives the key's default.
int tárolt_szám(const QString& kulcs, int alapérték, int legkisebb, int legnagyobb)
{
    const QString szöveg =
        használt_platform().GetSetting(tárolt::alkalmazás, tárolt::szakasz, kulcs, QString::number(alapérték));
    int érték = 0;
    if (!számszöveg::egész_szám(szöveg, érték) || érték < legkisebb || érték > legnagyobb) return alapérték;
    return érték;
}
}  // namespace

// The waiting times 0.4, 0.6, ... 6 seconds. The sums drift a little from
// the exact decimals; the 15-digit text hides it, and the bound lies half a
// step beyond the last value.
void Frm_beáll::Form_Load()
{
    for (double v = 0.4; !(v > 6.1); v += 0.2) Combo_várakozásiidő.AddItem(számszöveg::Str(v));
    beállítások_betöltése();
}

void Frm_beáll::beállítások_betöltése()
{
    opt_táblaméret(qint16(tárolt_szám(tárolt::táblaméret, 1, 0, 5))).setValue(true);
    // -1 is no entry selected: the list shows none, and the main window takes
    // the empty text as its default waiting time.
    Combo_várakozásiidő.setListIndex(tárolt_szám(tárolt::várakozási_idő, 8, -1, 28));
}

// Both keys go to the store in one write. If it fails, the store holds the
// choice for the rest of the run: Mégsem and a reload of the dialog restore
// it, until a later Ok is stored. The player hears of it once, not again
// while the store still holds an earlier choice it could not take.
void Frm_beáll::beállítások_mentése()
{
    QList<std::pair<QString, QString>> értékek;
    for (qint16 i = opt_táblaméret.LBound(); i <= opt_táblaméret.UBound(); ++i) {
        if (opt_táblaméret(i).Value()) {
            értékek.append({tárolt::táblaméret, QString::number(i)});
            break;
        }
    }
    értékek.append({tárolt::várakozási_idő, QString::number(Combo_várakozásiidő.ListIndex())});
    const bool már_jelezve = használt_platform().van_el_nem_mentett();
    if (!használt_platform().SaveSettings(tárolt::alkalmazás, tárolt::szakasz, értékek) && !már_jelezve) {
        használt_platform().MsgBox(QStringLiteral("A beállításokat nem sikerült elmenteni.\n"
                                         "A program bezárásáig így maradnak, de a következő indításkor "
                                         "a korábbi beállításokkal indul."),
                          QStringLiteral("Zsongóka Tukrosdi"));
    }
}

void Frm_beáll::cmd_ok_Click()
{
    beállítások_mentése();
    frm_tukrosdi().beáll();
    Hide();
}

void Frm_beáll::cmd_mégsem_Click()
{
    beállítások_betöltése();
    Hide();
}
