// The store and the game in a process of their own, for faults that the test
// process cannot suffer: another user, a file size limit, a kill.
//   mentés N   saves forever: the n-th save (from N) writes tablameret n % 6 and
//              varido n % 24 (they agree modulo 6); prints "kész" after the first.
//   játék M I [AKADÁLY]  Ok on board size M and waiting time I; Mégsem on
//              others and F2; the close command on another size and F2; a game
//              to its praise; Ok on 4x5 and 1 s; with AKADÁLY, that file or
//              folder removed and Ok on 5x6 and 1.4 s. After each step prints
//              játékos::állapot() and the number of messages so far.
#include <QApplication>
#include <cstdio>

#include "alap/beallitastar.h"
#include "jatekos.h"

namespace {
int mentések(long long n)
{
    for (bool első = true;; ++n, első = false) {
        const bool sikerült = beállítástár::SaveSettings(
            tárolt::alkalmazás, tárolt::szakasz,
            {{tárolt::táblaméret, QString::number(n % 6)}, {tárolt::várakozási_idő, QString::number(n % 24)}});
        if (!sikerült) return 1;
        if (első) std::puts("kész"), std::fflush(stdout);
    }
}
}  // namespace

int main(int argc, char* argv[])
{
    const QByteArray mód = argc > 2 ? QByteArray(argv[1]) : QByteArray();
    if (mód == "mentés") return mentések(std::atoll(argv[2]));
    if (mód != "játék" || argc < 4) return 2;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication alkalmazás(argc, argv);
    Tesztkörnyezet környezet(false);
    const auto jelentés = [&](const char* lépés) {
        std::printf("%s %s %d\n", lépés, qPrintable(játékos::állapot()), int(környezet.üzenetek.size()));
    };
    frm_tukrosdi().Show();
    jelentés("indulás");
    játékos::választás(std::atoi(argv[2]), std::atoi(argv[3]), Qt::Key_Return);
    jelentés("ok");
    játékos::választás(0, 0, Qt::Key_Escape);
    frm_tukrosdi().mnu_fájl_újjáték.action()->trigger();
    jelentés("mégsem");
    modálisan(
        frm_beáll(), [] { frm_beáll().ShowModal(); },
        [] {
            QTest::mouseClick(frm_beáll().opt_táblaméret(4).widget(), Qt::LeftButton, {}, QPoint(6, 6));
            frm_beáll().widget()->close();  // the close command unloads the dialog
        });
    frm_tukrosdi().mnu_fájl_újjáték.action()->trigger();
    jelentés("bezárás");
    jelentés(játékos::végig() == 1 ? "dicséret" : "nem egy dicséret");
    játékos::választás(2, 3, Qt::Key_Return);
    jelentés("újra");
    if (argc > 4) {  // the obstacle goes: the store takes the next Ok
        if (!QFile::remove(argv[4])) QDir(QString::fromLocal8Bit(argv[4])).removeRecursively();
        játékos::választás(4, 5, Qt::Key_Return);
        jelentés("helyreállt");
    }
    Ablak::mind_Unload();
    return 0;
}
