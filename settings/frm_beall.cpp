#include "settings/frm_beall.h"

#include "alap/beallitastar.h"
#include "alap/program.h"
#include "alap/szamszoveg.h"
#include "main/frm_tukrosdi.h"

namespace {
// A stored whole number within [legkisebb, legnagyobb]; anything else that
// is found in the store gives the key's default.
int tárolt_szám(const QString& kulcs, int alapérték, int legkisebb, int legnagyobb)
{
    const QString szöveg =
        beállítástár::GetSetting(tárolt::alkalmazás, tárolt::szakasz, kulcs, QString::number(alapérték));
    int érték = 0;
    if (!számszöveg::egész_szám(szöveg, érték) || érték < legkisebb || érték > legnagyobb) return alapérték;
    return érték;
}

bool tárol(const QString& kulcs, int érték)
{
    return beállítástár::SaveSetting(tárolt::alkalmazás, tárolt::szakasz, kulcs, QString::number(érték));
}

// A store that cannot be written is reported once per run.
bool mentési_hiba_jelezve = false;
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
    Combo_várakozásiidő.setListIndex(tárolt_szám(tárolt::várakozási_idő, 8, 0, 28));
}

void Frm_beáll::beállítások_mentése()
{
    bool sikerült = true;
    for (qint16 i = opt_táblaméret.LBound(); i <= opt_táblaméret.UBound(); ++i) {
        if (opt_táblaméret(i).Value()) {
            sikerült = tárol(tárolt::táblaméret, i) && sikerült;
            break;
        }
    }
    sikerült = tárol(tárolt::várakozási_idő, Combo_várakozásiidő.ListIndex()) && sikerült;

    if (!sikerült && !mentési_hiba_jelezve) {
        mentési_hiba_jelezve = true;
        program::MsgBox(QStringLiteral("A beállításokat nem sikerült elmenteni.\n"
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
