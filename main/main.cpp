#include <QApplication>

#include "alap/program.h"
#include "main/frm_tukrosdi.h"

int main(int argc, char* argv[])
{
    program::háttérmunka_indítása();
    QApplication alkalmazás(argc, argv);
    program::előkészít(alkalmazás);
    // Referring to the main window loads it: the first board is dealt before
    // the window appears.
    frm_tukrosdi().Show();
    return alkalmazás.exec();
}
