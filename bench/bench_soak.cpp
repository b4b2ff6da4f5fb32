// The memory of a long session: 1,000 whole games played to the end with
// the timers fired directly, the memory measured after game 10 and after
// game 1,000. Neither the resident memory nor the heap in use may grow.
#include <malloc.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "alap/program.h"
#include "alap/valodi_platform.h"
#include "main/frm_tukrosdi.h"
#include "tests/jatekos.h"

namespace {
struct Memória {
    double rezidens_mib, kupac_mib;
};

// Resident pages from the kernel, heap in use from the allocator, once the
// windows' deferred deletions have run.
Memória mérés()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QFile statm(QStringLiteral("/proc/self/statm"));
    long long oldalak = 0;
    if (statm.open(QIODevice::ReadOnly)) oldalak = statm.readAll().split(' ').value(1).toLongLong();
    return {double(oldalak) * 4096 / (1024 * 1024), double(mallinfo2().uordblks) / (1024 * 1024)};
}
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir beállítások;
    qputenv("XDG_CONFIG_HOME", beállítások.path().toUtf8());
    QApplication alkalmazás(argc, argv);
    ValódiPlatform rendszer;
    platform_használata(rendszer);
    program::előkészít(alkalmazás);
    frm_tukrosdi().Show();
    QCoreApplication::processEvents();

    QElapsedTimer óra;
    óra.start();
    Memória tizedik{};
    for (int játszma = 1; játszma <= 1000; ++játszma) {
        if (játékos::végig() != 1) {
            std::printf("game %d gave no praise\n", játszma);
            return 1;
        }
        if (játszma == 10) tizedik = mérés();
    }
    const Memória ezredik = mérés();
    std::printf("1,000 whole 4x4 games in %.1f s\n", double(óra.elapsed()) / 1000);
    std::printf("%-22s %11s %11s\n", "", "resident", "heap used");
    std::printf("%-22s %7.2f MiB %7.2f MiB\n", "after game 10", tizedik.rezidens_mib, tizedik.kupac_mib);
    std::printf("%-22s %7.2f MiB %7.2f MiB%s\n", "after game 1,000", ezredik.rezidens_mib, ezredik.kupac_mib,
                ezredik.kupac_mib > tizedik.kupac_mib + 1 ? "   GREW" : "");
    Ablak::mind_Unload();
    return 0;
}
