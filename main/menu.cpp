#include <cstdio>

#include "alap/platform.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"

namespace {
// The program family's launcher, beside this program.
QString indító_útvonala() { return használt_platform().programfájl(használt_platform().Path(), QStringLiteral("zsongokapu")); }
}  // namespace

// A new game without a question: the game in progress is dropped.
void Frm_tukrosdi::mnu_fájl_újjáték_Click() { beáll(); }

// What changes is done by the dialog's own buttons.
void Frm_tukrosdi::mnufájl_beálllítások_Click() { frm_beáll().ShowModal(); }

void Frm_tukrosdi::mnu_fájl_kilép_Click() { kilépés(); }

void Frm_tukrosdi::mnu_súgó_súgó_Click() { frm_súgó().ShowModal(); }

void Frm_tukrosdi::mnu_súgó_névjjegy_Click() { frmAbout().ShowModal(); }

// However the window is closed, the program ends, without a question.
void Frm_tukrosdi::Form_QueryUnload() { kilépés(); }

// Settings are stored only when the dialog is confirmed, so nothing is
// saved on the way out.
void Frm_tukrosdi::kilépés()
{
    frm_beáll.Unload();
    Unload();
    használt_platform().End();
}

// The launcher runs on its own; whether it starts or not, the game goes on.
void Frm_tukrosdi::Label_szlogen_Click()
{
    const QString indító = indító_útvonala();
    if (!használt_platform().Shell(indító, program::indító_ablakállapota))
        std::fprintf(stderr, "tukrosdi: the launcher %s could not be started\n", qPrintable(indító));
}
