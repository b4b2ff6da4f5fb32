#include "main/frm_tukrosdi.h"

#include "alap/platform.h"
#include "alap/veletlen.h"
#include "game/beallitas_olvasas.h"
#include "settings/frm_beall.h"

void Frm_tukrosdi::tervezés()
{
    Ablakkeret k;
    k.főablak = true;
    k.belső_szél = 4680;
    k.belső_mag = 3090;
    ablak_tervezése(k, QStringLiteral("Form1"), világos_narancs);
    setIcon(képek::ikon);

    Picture_eltüntetett.létrehoz(*this, 3480, 1560, 975, 735);
    Picture_eltüntetett.setVisible(false);
    Picture_eltüntetett.setPicture(képek::eltüntetett);

    billentyűs_jelölés = false;  // a loaded window shows no mark before a key
    konténer.létrehoz(*this, 120, 360, 1815, 1095);
    konténer.setBackColor(rendszerszín(15));
    konténer.setTabStop(true);

    pic_szó.mind_törlése();
    KépDoboz& kártya = pic_szó.tervezett(0);
    kártya.létrehoz(konténer, 120, 120, 615, 615);
    kártya.setBackColor(rendszerszín(5));
    kártya.setForeColor(rendszerszín(8));
    kártya.setAppearance(KépDoboz::Flat);

    Timer.létrehoz(*this, 2000, true);

    Picture_hátlap.létrehoz(*this, 3360, 600, 975, 735);
    Picture_hátlap.setVisible(false);
    Picture_hátlap.setPicture(képek::hátlap);

    Label_számláló.létrehoz(*this, 840, 1800, 1455, 375, QStringLiteral("0 fordítás"));
    Label1.létrehoz(*this, 120, 0, 3255, 375, QStringLiteral("Keresd meg az össztartozó párokat!"));
    Label_szlogen.létrehoz(*this, 360, 2520, 2895, 375, QStringLiteral("Label1"));
    Label_szlogen.setForeColor(QColor(0, 0, 255));
    Label_szlogen.setFontUnderline(true);
    Label_szlogen.setMouseIcon(képek::kéz, QPoint(12, 1));
    Label_szlogen.setLink(true);
    tabsorrend({&Label_szlogen, &konténer});

    mnu_fájl.létrehoz(*this, QStringLiteral("&Fájl"));
    // The trailing blanks widen the drop-down menus.
    mnu_fájl_újjáték.létrehoz(mnu_fájl, QStringLiteral("&Új játék") + QString(26, u' '), Qt::Key_F2);
    mnufájl_beálllítások.létrehoz(mnu_fájl, QStringLiteral("&Beállítások..."), Qt::Key_F3);
    elv.létrehoz(mnu_fájl, QStringLiteral("-"));
    mnu_fájl_kilép.létrehoz(mnu_fájl, QStringLiteral("&Kilép"), Qt::Key_F7);
    mnu_súgó.létrehoz(*this, QStringLiteral("&Súgó"));
    mnu_súgó_súgó.létrehoz(mnu_súgó, QStringLiteral("&Súgó") + QString(25, u' '), Qt::Key_F1);
    mnu_súgó_névjjegy.létrehoz(mnu_súgó, QStringLiteral("&Névjegy..."));

    pic_szó.onClick([this](qint16 index) { pic_szó_Click(index); });
    pic_szó.onMouseDown([this](qint16 index) { pic_szó_MouseDown(index); });
    konténer.onKeyDown([this](int kód) { return konténer_KeyDown(kód); });
    konténer.onMouseDown([this] { konténer_MouseDown(); });
    konténer.onFocusChange([this] { jelölés_frissítése(); });
    Timer.onTimer([this] { Timer_Timer(); });
    Label_szlogen.onClick([this] { Label_szlogen_Click(); });
    mnu_fájl_újjáték.onClick([this] { mnu_fájl_újjáték_Click(); });
    mnufájl_beálllítások.onClick([this] { mnufájl_beálllítások_Click(); });
    mnu_fájl_kilép.onClick([this] { mnu_fájl_kilép_Click(); });
    mnu_súgó_súgó.onClick([this] { mnu_súgó_súgó_Click(); });
    mnu_súgó_névjjegy.onClick([this] { mnu_súgó_névjjegy_Click(); });
}

void Frm_tukrosdi::Form_Load()
{
    oszlopok = 6;
    sorok = 6;
    szélességek.clear();
    szólista = katalógus();
    szólista_feldolgozása();
    elrendezés();
    beáll();
    konténer.SetFocus();  // the board takes the keys from the start
}

void Frm_tukrosdi::szólista_feldolgozása() { ::szólista_feldolgozása(szólista, párok); }

void Frm_tukrosdi::beáll()
{
    táblaméret_beolvasása();
    véletlen::Randomize(használt_platform().véletlen_mag());

    Timer.setInterval(várakozás_ezredmásodpercben(frm_beáll().Combo_várakozásiidő.Text()));
    Timer.setEnabled(false);

    alaphelyzet();
    kártyák_elhelyezése();
    felfordítva.assign(std::size_t(pic_szó.UBound()) + 1, false);
    kártyák_kiosztása();
    betűméret_megállapítása();
    tábla_megmutatása();
    aktuális = 0;
    jelölés_frissítése();
}

// The selected board size; with none selected the board keeps its size.
void Frm_tukrosdi::táblaméret_beolvasása()
{
    auto& opciók = frm_beáll().opt_táblaméret;
    for (qint16 i = opciók.LBound(); i <= opciók.UBound(); ++i) {
        if (!opciók(i).Value()) continue;
        const Táblaméret méret = táblaméret_feliratból(opciók(i).Caption());
        oszlopok = méret.oszlopok;
        sorok = méret.sorok;
        return;
    }
}
