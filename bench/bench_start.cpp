// How long the start-up takes until the first board is dealt, how long a
// new deal of the largest board takes, and how much memory the process
// holds afterwards. The targets are what "instant" means for this game.
#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "alap/program.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"

namespace {
double ezred(const QElapsedTimer& óra) { return double(óra.nsecsElapsed()) / 1e6; }

void sor(const char* mi, double érték, double cél, const char* egység)
{
    std::printf("%-34s %9.2f %s   (target < %.0f %s)%s\n", mi, érték, egység, cél, egység,
                érték < cél ? "" : "   MISSED");
}
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir beállítások;
    qputenv("XDG_CONFIG_HOME", beállítások.path().toUtf8());

    QElapsedTimer óra;
    óra.start();
    QApplication alkalmazás(argc, argv);
    program::előkészít(alkalmazás);
    frm_tukrosdi().Show();
    QCoreApplication::processEvents();
    sor("start-up to a dealt, shown board", ezred(óra), 300, "ms");

    frm_beáll().opt_táblaméret(5).setValue(true);
    std::vector<double> idők;
    for (int i = 0; i < 50; ++i) {
        óra.restart();
        frm_tukrosdi().beáll();
        QCoreApplication::processEvents();  // includes painting the new cards
        idők.push_back(ezred(óra));
    }
    std::sort(idők.begin(), idők.end());
    sor("new 6x6 deal, median", idők[idők.size() / 2], 30, "ms");
    sor("new 6x6 deal, slowest", idők.back(), 100, "ms");

    rusage használat{};
    getrusage(RUSAGE_SELF, &használat);
    sor("peak resident memory", double(használat.ru_maxrss) / 1024, 120, "MiB");
    Ablak::mind_Unload();
    return 0;
}
