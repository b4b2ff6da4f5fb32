#include "designs/tervek.h"
#include "help/frm_about.h"

void FrmAbout::tervezés()
{
    Ablakkeret k;
    k.elhelyezés = Elhelyezés::kézi;
    k.bal = 2340;
    k.felső = 1935;
    k.belső_szél = 5730;
    k.belső_mag = 3555;
    ablak_tervezése(k, QStringLiteral("About MyApp"), világos_narancs);

    // The box fits itself to its 32 x 32 picture.
    picIcon.létrehoz(*this, 240, 240, 540, 540);
    picIcon.setBackColor(rendszerszín(15));
    picIcon.setWidth(egység::twipre(32 + 2 * picIcon.belső_eltolás()));
    picIcon.setHeight(egység::twipre(32 + 2 * picIcon.belső_eltolás()));
    picIcon.setPicture(képek::névjegy);

    cmdOK.létrehoz(*this, 4245, 2625, 1260, 345, QStringLiteral("OK"));
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    cmdOK.onClick([this] { cmdOK_Click(); });
    cmdSysInfo.létrehoz(*this, 4260, 3075, 1245, 345, QStringLiteral("&System Info..."));
    cmdSysInfo.onClick([this] { cmdSysInfo_Click(); });

    Line1.mind_törlése();
    // An etched separator: a grey line with a white one just below and right.
    Line1.tervezett(1).létrehoz(*this, 90, 2445, 5654, 2445, QColor(128, 128, 128), 1);
    lblTitle.létrehoz(*this, 1050, 240, 3885, 480, QStringLiteral("Zsongóka Tukrosdi"));
    lblTitle.setForeColor(Qt::black);
    Line1.tervezett(0).létrehoz(*this, 105, 2460, 5654, 2460, Qt::white, 2);
    lblVersion.létrehoz(*this, 1050, 780, 3885, 225, QStringLiteral("Version"));
    lblDisclaimer.létrehoz(*this, 255, 2625, 3870, 825, QString());
    lblDisclaimer.setForeColor(Qt::black);

    tabsorrend({&cmdOK, &cmdSysInfo});
    cmdOK.SetFocus();
}
