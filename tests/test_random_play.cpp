// Random play that no child can break: 100,000 seeded random events on the
// real windows, each delivered only where a player could deliver it (while a
// modal window is open, only to that window; the timers' ticks fired
// directly), and after every event the rules of play are checked. A failure
// names the seed and the event; TUKROSDI_SEED=n plays the same events again.
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/veletlen.h"
#include "designs/tervek.h"
#include "game/egyezes.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "praise/frm_uzenet.h"
#include "tesztkornyezet.h"
#endif

namespace {
constexpr long események_száma = 100000;

bool fent(int i) { return kártya(i).Picture().üres() && !kártya(i).nyomatok().empty(); }
bool eltüntetve(int i) { return kártya(i).BorderStyle() == Szegély::None; }
void kattint(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, 6)); }

// The open modal window on top, or null when the main window takes events.
// A window hidden or unloaded by the last event counts as closed, although
// its loop ends only when the event has returned.
Ablak* legfelső()
{
    for (Ablak* a : std::initializer_list<Ablak*>{&frm_üzenet.nem_betöltve(), &frm_súgó.nem_betöltve(),
                                                  &frmAbout.nem_betöltve(), &frm_beáll.nem_betöltve()})
        if (a->modális() && a->Visible()) return a;
    return nullptr;
}

// One kind of event, and how often it comes among those of its window.
struct Esemény {
    int súly;
    std::function<void()> teendő;
};
}  // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    QRandomGenerator véletlen;
    quint32 mag = 0;
    long sorszám = 0;  // events delivered so far
    QString hiba;      // the first broken rule, with the seed and the event

    // What the events so far make the game owe.
    int fordulók = 0;              // turns on this board
    std::set<int> eltávolítottak;  // cards removed from this board
    bool új_tábla = false;         // the event should deal a new board
    int dicséretek = 0;            // praises opened so far
    int táblák = 0;                // boards dealt so far
    int előző_kártya = 0;

    bool folytatható() const { return sorszám < események_száma && hiba.isEmpty(); }

    void hibás(const QString& mi)
    {
        if (hiba.isEmpty()) hiba = QStringLiteral("seed %1, event %2: %3").arg(mag).arg(sorszám).arg(mi);
    }

    // Delivers an event that may open a modal window. While one is open, the
    // next events go to it from inside its loop, until it closes (or the
    // events run out, when it is closed as a player would close it).
    void nyitó(const std::function<void()>& teendő)
    {
        Ablak* const előtte = legfelső();
        QTimer figyelő;
        figyelő.setInterval(0);
        QObject::connect(&figyelő, &QTimer::timeout, [&] {
            Ablak* const ez = legfelső();
            if (ez == előtte) return;
            figyelő.stop();
            if (ez == &frm_üzenet.nem_betöltve()) ++dicséretek;
            // The event that closes the window may deal (Ok); the one that
            // opened it checks that.
            const bool új_előtte = új_tábla;
            while (legfelső() == ez && folytatható()) lépés();
            if (legfelső() == ez) bezárás(*ez);
            új_tábla = új_előtte || új_tábla;
        });
        figyelő.start();
        teendő();
        figyelő.stop();
    }

    static void bezárás(Ablak& ablak)
    {
        if (&ablak == &frm_beáll.nem_betöltve())
            frm_beáll().cmd_mégsem.nyomás();
        else if (&ablak == &frm_üzenet.nem_betöltve())
            frm_üzenet().Timer1.ütés();
        else
            ablak.widget()->close();
    }

    // The main window's tick, as its timer would give it. When it clears
    // the board, exactly one praise and a new board follow; else no praise.
    void tick()
    {
        bool tisztítás = false;
        if (fő().Timer.Enabled() && fő().felfordított_darab() == 2) {
            std::vector<QString> szavak;
            for (int i = 0; i < kártyaszám(); ++i)
                if (fent(i)) szavak.push_back(kártya(i).Tag());
            const bool pár = szavak.size() == 2 && párt_alkot(fő().pár_lista(), szavak[0], szavak[1]);
            tisztítás = pár && int(eltávolítottak.size()) + 2 == kártyaszám();
        }
        környezet.mag = véletlen.generate();  // a deal that follows is seeded too
        const int előtte = dicséretek;
        nyitó([] { fő().Timer.ütés(); });
        if (dicséretek - előtte != (tisztítás ? 1 : 0))
            hibás(QStringLiteral("%1 praises for a tick that %2 the board")
                      .arg(dicséretek - előtte)
                      .arg(tisztítás ? "cleared" : "did not clear"));
        új_tábla = új_tábla || tisztítás;
    }

    void billentyű(Qt::Key k)
    {
        if (!fő_aktív()) hibás(QStringLiteral("the main window did not become active"));
        QTest::keyClick(fő().widget(), k);
    }

    // What a player can do in the main window, and how often. Another way to
    // act on the board (a key, say) is one more entry here; the checks go by
    // what the window shows, whatever turned the cards.
    std::vector<Esemény> fő_eseményei()
    {
        return {
            {60, [this] { kattint(kártya(előző_kártya = int(véletlen.bounded(kártyaszám()))).widget()); }},
            {6, [this] { kattint(kártya(előző_kártya %= kártyaszám()).widget()); }},
            // The partner of a face-up card, as a child who remembers it.
            {12,
             [this] {
                 int fenti = -1;
                 for (int i = 0; i < kártyaszám() && fenti < 0; ++i)
                     if (fent(i)) fenti = i;
                 for (int i = 0; fenti >= 0 && i < kártyaszám(); ++i)
                     if (i != fenti && !eltüntetve(i) &&
                         párt_alkot(fő().pár_lista(), kártya(fenti).Tag(), kártya(i).Tag()))
                         előző_kártya = i;
                 kattint(kártya(előző_kártya %= kártyaszám()).widget());
             }},
            {14, [this] { tick(); }},
            // The board's keys: the arrows move its card, Space and Enter turn it.
            {24,
             [this] {
                 const Qt::Key nyilak[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
                 QTest::keyClick(fő().konténer.widget(), nyilak[véletlen.bounded(4)]);
             }},
            {12,
             [this] {
                 QTest::keyClick(fő().konténer.widget(), véletlen.bounded(2) ? Qt::Key_Space : Qt::Key_Return);
             }},
            {1,
             [this] {
                 új_tábla = true;
                 környezet.mag = véletlen.generate();
                 billentyű(Qt::Key_F2);
             }},
            {2, [this] { nyitó([this] { billentyű(Qt::Key_F3); }); }},
            {1, [this] { nyitó([this] { billentyű(Qt::Key_F1); }); }},
            {1, [this] { nyitó([] { fő().mnu_súgó_névjjegy.action()->trigger(); }); }},
        };
    }

    std::vector<Esemény> beállítás_eseményei()
    {
        Frm_beáll& d = frm_beáll();
        QComboBox* lista = static_cast<QComboBox*>(d.Combo_várakozásiidő.widget());
        const auto ok = [this] {
            új_tábla = true;
            környezet.mag = véletlen.generate();
        };
        return {
            {6, [this, &d] { kattint(d.opt_táblaméret(qint16(véletlen.bounded(6))).widget()); }},
            {4, [this, lista] { QTest::keyClick(lista, véletlen.bounded(2) ? Qt::Key_Down : Qt::Key_Up); }},
            {1, [lista] { QTest::keyClick(lista, Qt::Key_End); }},
            // Enter presses the button with the focus, else Ok.
            {1,
             [&d, ok] {
                 QWidget* fókusz = d.widget()->focusWidget();
                 if (!qobject_cast<QPushButton*>(fókusz) || fókusz == d.cmd_ok.widget()) ok();
                 QTest::keyClick(d.widget(), Qt::Key_Return);
             }},
            {1, [&d, ok] { ok(), kattint(d.cmd_ok.widget()); }},
            {1, [&d] { QTest::keyClick(d.widget(), Qt::Key_Escape); }},
            {1, [&d] { kattint(d.cmd_mégsem.widget()); }},
            {1, [&d] { d.widget()->close(); }},  // the close command, as Alt+F4
            {3, [this] { tick(); }},
        };
    }

    std::vector<Esemény> dialógus_eseményei(Ablak& ablak, Gomb& ok)
    {
        return {
            {2, [&ok] { kattint(ok.widget()); }},
            {1, [&ablak] { QTest::keyClick(ablak.widget(), Qt::Key_Escape); }},
            {1, [&ablak] { ablak.widget()->close(); }},
            {3, [this] { tick(); }},
        };
    }

    std::vector<Esemény> dicséret_eseményei()
    {
        // The main timer's own tick is still running under the praise, so
        // only the praise's timer can tick.
        return {
            {1, [] { kattint(frm_üzenet().cmd_ok.widget()); }},
            {1, [] { QTest::keyClick(frm_üzenet().widget(), Qt::Key_Return); }},
            {3, [] { frm_üzenet().Timer1.ütés(); }},
        };
    }

    // One random event where a player could deliver it, then the checks.
    void lépés()
    {
        Ablak* const ablak = legfelső();
        std::vector<Esemény> események;
        if (!ablak)
            események = fő_eseményei();
        else if (ablak == &frm_beáll.nem_betöltve())
            események = beállítás_eseményei();
        else if (ablak == &frm_súgó.nem_betöltve())
            események = dialógus_eseményei(*ablak, frm_súgó().OKButton);
        else if (ablak == &frmAbout.nem_betöltve())
            események = dialógus_eseményei(*ablak, frmAbout().cmdOK);
        else
            események = dicséret_eseményei();
        int összes = 0;
        for (const Esemény& e : események) összes += e.súly;
        int húzás = int(véletlen.bounded(összes));
        std::size_t melyik = 0;
        while (húzás >= események[melyik].súly) húzás -= események[melyik++].súly;

        ++sorszám;
        const int fent_előtte = fő().felfordított_darab();
        új_tábla = false;
        try {
            események[melyik].teendő();
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
            ++táblák;
            fordulók = 0;
            eltávolítottak.clear();
            if (kártyaszám() != fő().oszlopszám() * fő().sorszám())
                hibás(QStringLiteral("the board has %1 cards").arg(kártyaszám()));
            // The words are the dealt pairs, each word once for each time it was dealt.
            QStringList szavak, kiosztott;
            for (int i = 0; i < kártyaszám(); ++i) szavak << kártya(i).Tag();
            for (const szópár& p : fő().pár_lista())
                if (p.kiosztva) kiosztott << p.szó1 << p.szó2;
            szavak.sort();
            kiosztott.sort();
            if (szavak != kiosztott) hibás(QStringLiteral("the cards do not hold the dealt pairs"));
        }
        int fenti = 0;
        std::vector<int> újonnan;
        for (int i = 0; i < kártyaszám(); ++i) {
            if (kártya(i).Tag().isEmpty()) hibás(QStringLiteral("card %1 holds no word").arg(i));
            if (fent(i)) {
                ++fenti;
                if (kártya(i).nyomatok()[0].szöveg != kártya(i).Tag())
                    hibás(QStringLiteral("card %1 shows another word").arg(i));
            }
            if (eltüntetve(i) && (fent(i) || kártya(i).Enabled() || kártya(i).Picture() != képek::eltüntetett))
                hibás(QStringLiteral("removed card %1 does not look removed").arg(i));
            if (eltüntetve(i) && !eltávolítottak.count(i)) újonnan.push_back(i);
            if (!eltüntetve(i) && eltávolítottak.count(i)) hibás(QStringLiteral("card %1 came back").arg(i));
        }
        int kiemelt = 0;
        for (int i = 0; i < kártyaszám(); ++i)
            if (kártya(i).Kiemelt()) kiemelt += i == fő().aktuális_kártya() ? 1 : 2;
        if (fő().aktuális_kártya() >= kártyaszám() || kiemelt > 1)
            hibás(QStringLiteral("the keyboard's card is %1, %2 marked").arg(fő().aktuális_kártya()).arg(kiemelt));
        if (fenti != fő().felfordított_darab() || fenti > 2)
            hibás(QStringLiteral("%1 cards face up, %2 counted").arg(fenti).arg(fő().felfordított_darab()));
        if (fő().Timer.Enabled() != (fenti == 2 || dicséret_nyitva))
            hibás(
                QStringLiteral("the timer is %1 with %2 cards up").arg(fő().Timer.Enabled() ? "on" : "off").arg(fenti));
        if (!újonnan.empty()) {
            if (újonnan.size() != 2 ||
                !párt_alkot(fő().pár_lista(), kártya(újonnan[0]).Tag(), kártya(újonnan[1]).Tag()))
                hibás(QStringLiteral("%1 cards left the board, not a pair").arg(újonnan.size()));
            eltávolítottak.insert(újonnan.begin(), újonnan.end());
        }
        const QString számláló =
            fordulók == 0 ? QStringLiteral("0 fordítás") : QStringLiteral(" %1 fordítás").arg(fordulók);
        if (fő().Label_számláló.Caption() != számláló)
            hibás(QStringLiteral("the counter shows \"%1\" after %2 turns")
                      .arg(fő().Label_számláló.Caption())
                      .arg(fordulók));
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
        QElapsedTimer óra;
        óra.start();
        while (folytatható()) lépés();
        qInfo("seed %u: %ld events in %.1f s, %.0f events per second; %d boards, %d praises", mag, sorszám,
              óra.elapsed() / 1000.0, sorszám * 1000.0 / std::max<qint64>(1, óra.elapsed()), táblák, dicséretek);
        környezet.mag.reset();
        QVERIFY2(hiba.isEmpty(), qPrintable(hiba));
    }
};

TUKROSDI_TEST_MAIN(TestRandomPlay)
#include "test_random_play.moc"
