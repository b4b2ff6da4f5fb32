// 100,000 seeded random events on the real windows, each where a player could
// deliver it (only to the open modal window; timers fired directly), the rules
// of play checked after each. A failure names the seed and the event;
// TUKROSDI_SEED=n plays them again. Then whole games, which leave nothing behind.
#include <QFontMetricsF>
#include <QPushButton>
#include <QRandomGenerator>
#include <functional>
#include <set>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/egyezes.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "jatekos.h"
#include "praise/frm_uzenet.h"
#endif

namespace {
constexpr long események_száma = 100000;
// One kind of event: how often it comes among those of its window, and what it does.
using Esemény = std::pair<int, std::function<void()>>;

void katt(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, 6)); }
bool pár(int a, int b) { return párt_alkot(fő().pár_lista(), kártya(a).Tag(), kártya(b).Tag()); }
// Width and height of a text in twips, in the font of the card faces.
QSizeF szöveg_mérete(const QString& szó, float pont)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(pont);
    const QFontMetricsF fm(f);
    return QSizeF(egység::twipre(fm.horizontalAdvance(szó)), egység::twipre(fm.height()));
}

// The open modal window on top, or null. One hidden or unloaded by the last event counts as closed,
// although its loop ends only when the event has returned.
Ablak* legfelső()
{
    for (Ablak* a : std::initializer_list<Ablak*>{&frm_üzenet.nem_betöltve(), &frm_súgó.nem_betöltve(),
                                                  &frmAbout.nem_betöltve(), &frm_beáll.nem_betöltve()})
        if (a->modális() && a->Visible()) return a;
    return nullptr;
}

// The objects that the windows hold, once those already let go are gone.
qsizetype objektumok()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qsizetype n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += 1 + w->findChildren<QObject*>().size();
    return n;
}
}  // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    QRandomGenerator véletlen;
    quint32 mag = 0;
    long sorszám = 0;              // events delivered so far
    QString hiba;                  // the first broken rule, with the seed and the event
    int fordulók = 0;              // turns on this board
    std::set<int> eltávolítottak;  // cards removed from this board
    bool új_tábla = false;         // the event should deal a new board
    int dicséretek = 0, táblák = 0, előző_kártya = 0;

    bool folytatható() const { return sorszám < események_száma && hiba.isEmpty(); }
    void hibás(const QString& mi)
    {
        if (hiba.isEmpty()) hiba = QStringLiteral("seed %1, event %2: %3").arg(mag).arg(sorszám).arg(mi);
    }
    void osztás() { új_tábla = true, környezet.mag(véletlen.generate()); }  // a deal that follows is seeded too

    // Delivers an event that may open a modal window; the next events go to it
    // from inside its loop until it closes (or, with the events run out, a player closes it).
    void nyitó(const std::function<void()>& teendő)
    {
        Ablak* const előtte = legfelső();
        QTimer figyelő;
        figyelő.setInterval(0);
        QObject::connect(&figyelő, &QTimer::timeout, [&] {
            Ablak* const ez = legfelső();
            if (ez == előtte) return;
            figyelő.stop();
            // The praise comes centred, and would close by itself after 1.5 s.
            const Frm_üzenet& d = frm_üzenet.nem_betöltve();
            dicséretek += ez == &d;
            if (ez == &d && (d.Picture1.Tag().isEmpty() || !d.Timer1.Enabled() || d.Timer1.Interval() != 1500 ||
                             qAbs(d.Left() + d.Width() / 2 - képernyő::Width() / 2) >= 1 ||
                             qAbs(d.Top() + d.Height() / 2 - képernyő::Height() / 2) >= 1))
                hibás(QStringLiteral("the praise is not as it should be"));
            // The event that closes the window may deal (Ok); the one that opened it checks that.
            const bool új_előtte = új_tábla;
            while (legfelső() == ez && folytatható()) lépés();
            if (legfelső() == ez && ez == &frm_beáll.nem_betöltve()) frm_beáll().cmd_mégsem.nyomás();
            if (legfelső() == ez && ez == &frm_üzenet.nem_betöltve()) frm_üzenet().Timer1.ütés();
            if (legfelső() == ez) ez->widget()->close();
            új_tábla = új_előtte || új_tábla;
        });
        figyelő.start();
        teendő();
        figyelő.stop();
    }

    // The main timer's tick: one praise and a new board if it clears the board, else no praise.
    void tick()
    {
        std::vector<int> fent;
        for (int i = 0; i < kártyaszám(); ++i)
            if (mutat(i) == Lap::felfordítva) fent.push_back(i);
        const bool tisztítás = fő().Timer.Enabled() && fent.size() == 2 && pár(fent[0], fent[1]) &&
                               int(eltávolítottak.size()) + 2 == kártyaszám();
        const bool új_előtte = új_tábla;
        const int előtte = dicséretek;
        osztás();
        nyitó([] { fő().Timer.ütés(); });
        if (dicséretek - előtte != int(tisztítás))
            hibás(QStringLiteral("%1 praises for a board cleared %2 times").arg(dicséretek - előtte).arg(tisztítás));
        új_tábla = új_előtte || tisztítás;
    }

    void menü(Qt::Key k)
    {
        if (!fő_aktív()) hibás(QStringLiteral("the main window did not become active"));
        QTest::keyClick(fő().widget(), k);
    }

    // What a player can do in each window, and how often.
    std::vector<Esemény> fő_eseményei()
    {
        const auto kattintás = [this](int i) { kattint(előző_kártya = i % kártyaszám()); };
        const Qt::Key nyilak[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return};
        return {
            {60, [=, this] { kattintás(int(véletlen.bounded(kártyaszám()))); }},
            {6, [=, this] { kattintás(előző_kártya); }},
            // The partner of a face-up card, as a child who remembers it.
            {12,
             [=, this] {
                 for (int a = 0; a < kártyaszám(); ++a)
                     for (int b = 0; mutat(a) == Lap::felfordítva && b < kártyaszám(); ++b)
                         if (b != a && mutat(b) != Lap::eltüntetve && pár(a, b)) előző_kártya = b;
                 kattintás(előző_kártya);
             }},
            {14, [this] { tick(); }},
            // The board's keys: the arrows move its card, Space and Enter turn it.
            {36, [=, this] { QTest::keyClick(fő().konténer.widget(), nyilak[véletlen.bounded(6)]); }},
            {1, [this] { osztás(), menü(Qt::Key_F2); }},
            {2, [this] { nyitó([this] { menü(Qt::Key_F3); }); }},
            {1, [this] { nyitó([this] { menü(Qt::Key_F1); }); }},
            {1, [this] { nyitó([] { fő().mnu_súgó_névjjegy.action()->trigger(); }); }},
        };
    }
    std::vector<Esemény> beállítás_eseményei()
    {
        Frm_beáll& d = frm_beáll();
        QWidget* lista = d.Combo_várakozásiidő.widget();
        return {
            {6, [this, &d] { katt(d.opt_táblaméret(qint16(véletlen.bounded(6))).widget()); }},
            {4, [this, lista] { QTest::keyClick(lista, véletlen.bounded(2) ? Qt::Key_Down : Qt::Key_Up); }},
            {1, [lista] { QTest::keyClick(lista, Qt::Key_End); }},
            // Enter presses the button with the focus, else Ok.
            {1,
             [this, &d] {
                 QWidget* fókusz = d.widget()->focusWidget();
                 if (!qobject_cast<QPushButton*>(fókusz) || fókusz == d.cmd_ok.widget()) osztás();
                 QTest::keyClick(d.widget(), Qt::Key_Return);
             }},
            {1, [this, &d] { osztás(), katt(d.cmd_ok.widget()); }},
            {1, [&d] { QTest::keyClick(d.widget(), Qt::Key_Escape); }},
            {1, [&d] { katt(d.cmd_mégsem.widget()); }},
            {1, [&d] { d.widget()->close(); }},  // the close command, as Alt+F4
            {3, [this] { tick(); }},
        };
    }
    std::vector<Esemény> dialógus_eseményei(Ablak& ablak, Gomb& ok)
    {
        return {{2, [&ok] { katt(ok.widget()); }},
                {1, [&ablak] { QTest::keyClick(ablak.widget(), Qt::Key_Escape); }},
                {1, [&ablak] { ablak.widget()->close(); }},
                {3, [this] { tick(); }}};
    }
    // Under the praise only the praise's timer ticks (the main one's tick is still running).
    std::vector<Esemény> dicséret_eseményei()
    {
        return {{1, [] { katt(frm_üzenet().cmd_ok.widget()); }},
                {1, [] { QTest::keyClick(frm_üzenet().widget(), Qt::Key_Return); }},
                {3, [] { frm_üzenet().Timer1.ütés(); }}};
    }

    // One random event where a player could deliver it, then the checks.
    void lépés()
    {
        Ablak* const ablak = legfelső();
        const std::vector<Esemény> események =
            !ablak                               ? fő_eseményei()
            : ablak == &frm_beáll.nem_betöltve() ? beállítás_eseményei()
            : ablak == &frm_súgó.nem_betöltve()  ? dialógus_eseményei(*ablak, frm_súgó().OKButton)
            : ablak == &frmAbout.nem_betöltve()  ? dialógus_eseményei(*ablak, frmAbout().cmdOK)
                                                 : dicséret_eseményei();
        int húzás = 0;
        for (const Esemény& e : események) húzás += e.first;
        húzás = int(véletlen.bounded(húzás));
        std::size_t melyik = 0;
        while (húzás >= események[melyik].first) húzás -= események[melyik++].first;

        ++sorszám;
        const int fent_előtte = fő().felfordított_darab();
        új_tábla = false;
        try {
            események[melyik].second();
        } catch (const std::exception& e) {
            hibás(QString::fromUtf8(e.what()));
        }
        if (!ablak) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // An event that closed its window is checked by the event that opened it.
        if (legfelső() != ablak) return;
        if (fent_előtte == 1 && fő().felfordított_darab() == 2) ++fordulók;
        ellenőrzés(ablak == &frm_üzenet.nem_betöltve());
    }

    // The rules of play that hold after every event.
    void ellenőrzés(bool dicséret_nyitva)
    {
        if (új_tábla) {
            ++táblák, fordulók = 0;
            eltávolítottak.clear();
            if (kártyaszám() != fő().oszlopszám() * fő().sorszám()) hibás(QStringLiteral("a new board's card count"));
            // The words are the dealt pairs, each word once for each time it was dealt.
            QStringList szavak, kiosztott;
            for (int i = 0; i < kártyaszám(); ++i) szavak << kártya(i).Tag();
            for (const szópár& p : fő().pár_lista())
                if (p.kiosztva) kiosztott << p.szó1 << p.szó2;
            szavak.sort(), kiosztott.sort();
            if (szavak != kiosztott) hibás(QStringLiteral("the cards do not hold the dealt pairs"));
            // The faces' size is the largest at which every word fits a card's inner area.
            QSizeF most, nagyobb;
            for (const QString& szó : szavak) {
                most = most.expandedTo(szöveg_mérete(szó, fő().kártya_betűméret()));
                nagyobb = nagyobb.expandedTo(szöveg_mérete(szó, fő().kártya_betűméret() + 1));
            }
            const QSizeF belső(kártya(0).ScaleWidth(), kártya(0).ScaleHeight());
            if (most.width() > belső.width() || most.height() > belső.height() ||
                (nagyobb.width() <= belső.width() && nagyobb.height() <= belső.height()))
                hibás(QStringLiteral("the faces are drawn at %1 points").arg(fő().kártya_betűméret()));
            // The cards in the container, row by row, all of one size, each a card and a tenth of one right of
            // its left neighbour and below the card above it.
            const int n = fő().oszlopszám();
            const auto lépés = [](double a, double b, double méret) { return qAbs(b - a - méret * 1.1) < 1; };
            for (int i = 0; i < kártyaszám(); ++i) {
                const KépDoboz &k = kártya(i), &bal = kártya(i - (i % n > 0)), &fenti = kártya(std::max(i - n, 0));
                if (!k.widget()->isVisible() || !fő().konténer.widget()->rect().contains(k.widget()->geometry()) ||
                    QSizeF(k.Width(), k.Height()) != QSizeF(kártya(0).Width(), kártya(0).Height()) ||
                    (i % n && (!lépés(bal.Left(), k.Left(), k.Width()) || k.Top() != bal.Top())) ||
                    (i >= n && (!lépés(fenti.Top(), k.Top(), k.Height()) || k.Left() != fenti.Left())))
                    hibás(QStringLiteral("card %1 is drawn out of its place").arg(i));
            }
        }
        int fenti = 0, kiemelt = 0;
        std::vector<int> újonnan;
        for (int i = 0; i < kártyaszám(); ++i) {
            const Lap lap = mutat(i);
            if (lap == Lap::hibás || kártya(i).Tag().isEmpty() || (új_tábla && lap != Lap::lefordítva))
                hibás(QStringLiteral("card %1 shows neither a back, nor its word, nor a removed card").arg(i));
            fenti += lap == Lap::felfordítva;
            if (lap == Lap::eltüntetve && !eltávolítottak.count(i)) újonnan.push_back(i);
            if (lap != Lap::eltüntetve && eltávolítottak.count(i)) hibás(QStringLiteral("card %1 came back").arg(i));
            kiemelt += kártya(i).Kiemelt() ? (i == fő().aktuális_kártya() ? 1 : 2) : 0;
        }
        if (fő().aktuális_kártya() >= kártyaszám() || kiemelt > 1 || (új_tábla && fő().aktuális_kártya() != 0))
            hibás(QStringLiteral("the keyboard's card is %1, %2 marked").arg(fő().aktuális_kártya()).arg(kiemelt));
        if (fenti != fő().felfordított_darab() || fenti > 2)
            hibás(QStringLiteral("%1 cards face up, %2 counted").arg(fenti).arg(fő().felfordított_darab()));
        if (fő().Timer.Enabled() != (fenti == 2 || dicséret_nyitva))
            hibás(QStringLiteral("the timer is %1 with %2 cards up").arg(fő().Timer.Enabled()).arg(fenti));
        if (!újonnan.empty() && (újonnan.size() != 2 || !pár(újonnan[0], újonnan[1])))
            hibás(QStringLiteral("%1 cards left the board, not a pair").arg(újonnan.size()));
        eltávolítottak.insert(újonnan.begin(), újonnan.end());
        const QString számláló = fordulók ? QStringLiteral(" %1 fordítás").arg(fordulók) : QStringLiteral("0 fordítás");
        if (fő().Label_számláló.Caption() != számláló)
            hibás(QStringLiteral("the counter after %1 turns: ").arg(fordulók) + fő().Label_számláló.Caption());
    }

private Q_SLOTS:
    void randomEventsKeepTheRulesOfPlay()
    {
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
        bool megadott = false;
        mag = quint32(qEnvironmentVariableIntValue("TUKROSDI_SEED", &megadott));
        if (!megadott) mag = QRandomGenerator::global()->generate();
        véletlen.seed(mag);
        while (folytatható()) lépés();
        qInfo("seed %u: %ld events, %d boards, %d praises", mag, sorszám, táblák, dicséretek);
        QVERIFY2(hiba.isEmpty(), qPrintable(hiba));
    }

    // Each whole game gives one praise, any of the ten, and a fresh board; the windows hold as many objects
    // after the last game as after the tenth.
    void wholeGamesLeaveNothingBehind()
    {
        környezet.mag(std::nullopt);  // deals from a fixed seed would bring the same praise each time
        gyorsbillentyű(Qt::Key_F2);
        qsizetype tizedik = 0;
        QStringList szövegek;
        for (int játszma = 1; játszma <= 200; ++játszma) {
            QCOMPARE(játékos::végig(&szövegek), 1);
            QCOMPARE(fő().Label_számláló.Caption(), QStringLiteral("0 fordítás"));
            if (játszma == 10) tizedik = objektumok();
        }
        QCOMPARE(objektumok(), tizedik);
        szövegek.removeDuplicates();
        QCOMPARE(szövegek.size(), 10);  // one missing by chance: once in 10^8 runs
    }
};

QTEST_MAIN(TestRandomPlay)
#include "test_random_play.moc"
