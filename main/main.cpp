#include <QApplication>

#include "alap/program.h"
#include "alap/valodi_platform.h"
#include "main/frm_tukrosdi.h"

int main(int argc, char* argv[])
{
    QApplication alkalmazás(argc, argv);
    ValódiPlatform rendszer;
    platform_használata(rendszer);
    program::előkészít(alkalmazás);
    // Referring to the main window loads it: the first board is dealt before
    // the window appears.
    frm_tukrosdi().Show();
    return alkalmazás.exec();
}
