// Playing: clicks on cards, the tick that settles a turn, the counter, the
// praise at the end of a board and new games from the menu.
#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/veletlen.h"
#include "designs/tervek.h"
#include "game/egyezes.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

class TestPlay : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    static Frm_tukrosdi& fő() { return frm_tukrosdi(); }
    static KépDoboz& kártya(int i) { return fő().pic_szó(qint16(i)); }
    static void kattint(int i) { QTest::mouseClick(kártya(i).widget(), Qt::LeftButton); }
    static void tick() { fő().Timer.ütés(); }
    // A whole turn: two clicks and the tick after the waiting time.
    static void fordulat(int első, int második)
    {
        kattint(első);
        kattint(második);
        tick();
    }
    static QString számláló() { return fő().Label_számláló.Caption(); }

    static bool pár(const QString& a, const QString& b) { return párt_alkot(fő().pár_lista(), a, b); }
    static bool lefordítva(int i)
    {
        return kártya(i).Picture() == képek::hátlap && kártya(i).nyomatok().empty() &&
               kártya(i).BorderStyle() == Szegély::FixedSingle;
    }
    static bool felfordítva(int i)
    {
        return kártya(i).Picture().üres() && !kártya(i).nyomatok().empty() &&
               kártya(i).nyomatok()[0].szöveg == kártya(i).Tag();
    }
    static bool eltüntetve(int i)
    {
        return kártya(i).Picture() == képek::eltüntetett && kártya(i).BorderStyle() == Szegély::None &&
               !kártya(i).Enabled() && kártya(i).BackColor() == fő().konténer.BackColor();
    }
    static bool mind_lefordítva()
    {
        for (int i = 0; i < fő().pic_szó.Count(); ++i)
            if (!lefordítva(i)) return false;
        return true;
    }
    // The first four cards get known words; the deal is left as it is otherwise.
    static void szavak(std::initializer_list<const char16_t*> lista)
    {
        int i = 0;
        for (const char16_t* szó : lista) kártya(i++).setTag(QString::fromUtf16(szó));
    }
    static void gyorsbillentyű(Qt::Key billentyű) { fő_aktív(), QTest::keyClick(fő().widget(), billentyű); }

private Q_SLOTS:
    // A fresh start on the first-start settings, 4 x 4 and 2 seconds.
    void init()
    {
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }
    void cleanup() { véletlen::rögzített_mag(std::nullopt); }

    // A whole 3 x 4 game on a fixed deal: six turns, one praise over the
    // emptied board, then a new board at once.
    void wholeGameEndsWithOnePraiseAndANewBoard()
    {
        véletlen::rögzített_mag(2024);
        frm_beáll().opt_táblaméret(0).setValue(true);
        fő().beáll();
        int dicséretek = 0;
        QString dicséret;
        for (int n = 1; n <= 6; ++n) {
            int a = 0;
            while (!kártya(a).Enabled()) ++a;
            int b = a + 1;
            while (!kártya(b).Enabled() || !pár(kártya(a).Tag(), kártya(b).Tag())) ++b;
            kattint(b);  // the later card first: the order plays no part
            kattint(a);
            QCOMPARE(számláló(), QStringLiteral(" %1 fordítás").arg(n));
            QVERIFY(felfordítva(a) && felfordítva(b));  // visible for the whole waiting time
            if (n == 6)
                QTimer::singleShot(0, [&] {
                    ++dicséretek;
                    for (int i = 0; i < 12; ++i) QVERIFY(eltüntetve(i));
                    QVERIFY(frm_üzenet().Visible());
                    QCOMPARE(frm_üzenet().Caption(), fő().Caption());
                    dicséret = frm_üzenet().Picture1.Tag();
                    frm_üzenet().Timer1.ütés();  // closes by itself
                });
            tick();
            if (n < 6) QVERIFY(eltüntetve(a) && eltüntetve(b));
            QVERIFY(!fő().Timer.Enabled());
        }
        QCOMPARE(dicséretek, 1);
        QVERIFY(!dicséret.isEmpty());
        QVERIFY(!frm_üzenet.betöltve());
        QCOMPARE(fő().pic_szó.Count(), 12);
        QVERIFY(mind_lefordítva());
        QCOMPARE(számláló(), QStringLiteral("0 fordítás"));
        QCOMPARE(fő().felfordított_darab(), 0);
    }

    void secondClickOnTheSameCardDoesNothing()
    {
        kattint(3);
        kattint(3);
        QCOMPARE(fő().felfordított_darab(), 1);
        QVERIFY(felfordítva(3));
        QCOMPARE(számláló(), QStringLiteral("0 fordítás"));
        QVERIFY(!fő().Timer.Enabled());  // a single card waits for ever
    }

    void thirdCardDuringTheWaitIsDropped()
    {
        szavak({u"ad", u"ég", u"hideg"});
        kattint(0);
        kattint(1);
        kattint(2);
        QVERIFY(lefordítva(2));
        QCOMPARE(számláló(), QStringLiteral(" 1 fordítás"));
        QVERIFY(fő().Timer.Enabled());
        tick();
        QVERIFY(lefordítva(0) && lefordítva(1));
        QCOMPARE(számláló(), QStringLiteral(" 1 fordítás"));
        QVERIFY(!fő().Timer.Enabled());
        kattint(2);  // not kept from before: a new turn starts with it now
        QVERIFY(felfordítva(2));
        QCOMPARE(fő().felfordított_darab(), 1);
    }

    void pairMatchesInEitherOrderByWordsAlone()
    {
        szavak({u"ad", u"ég", u"hideg", u"vesz"});
        fordulat(3, 0);
        QVERIFY(eltüntetve(0) && eltüntetve(3));
        kattint(0);  // a removed card takes no click
        QCOMPARE(fő().felfordított_darab(), 0);
    }

    // With two cards waiting, their tick never comes; either way the new
    // board takes a new turn at once.
    void newGameFromTheMenuDropsTheTurn_data()
    {
        QTest::addColumn<bool>("kettő");
        QTest::newRow("one card up") << false;
        QTest::newRow("two cards waiting") << true;
    }
    void newGameFromTheMenuDropsTheTurn()
    {
        QFETCH(bool, kettő);
        szavak({u"ad", u"ég"});
        kattint(0);
        if (kettő) kattint(1);
        QCOMPARE(fő().Timer.Enabled(), kettő);
        gyorsbillentyű(Qt::Key_F2);
        QVERIFY(!fő().Timer.Enabled());
        QVERIFY(mind_lefordítva());
        QCOMPARE(számláló(), QStringLiteral("0 fordítás"));
        kattint(2);
        QCOMPARE(számláló(), QStringLiteral("0 fordítás"));
        kattint(3);
        QVERIFY(felfordítva(2) && felfordítva(3));
        QCOMPARE(számláló(), QStringLiteral(" 1 fordítás"));
    }

    // The real timer keeps running under the help and About windows.
    void turnIsSettledWhileHelpOrAboutIsOpen_data()
    {
        QTest::addColumn<bool>("súgó");
        QTest::newRow("help") << true;
        QTest::newRow("About") << false;
    }
    void turnIsSettledWhileHelpOrAboutIsOpen()
    {
        QFETCH(bool, súgó);
        frm_beáll().Combo_várakozásiidő.setListIndex(0);  // 0.4 seconds
        fő().beáll();
        szavak({u"ad", u"ég"});
        kattint(0);
        kattint(1);
        Ablak& ablak = súgó ? static_cast<Ablak&>(frm_súgó.nem_betöltve()) : frmAbout.nem_betöltve();
        bool nyitva = false;
        modálisan(
            ablak, [&] { súgó ? gyorsbillentyű(Qt::Key_F1) : fő().mnu_súgó_névjjegy.action()->trigger(); },
            [&] {
                nyitva = ablak.Visible();
                QTRY_VERIFY_WITH_TIMEOUT(lefordítva(0) && lefordítva(1), 5000);
                QVERIFY(!fő().Timer.Enabled());
                QTest::mouseClick(súgó ? frm_súgó().OKButton.widget() : frmAbout().cmdOK.widget(), Qt::LeftButton);
            });
        QVERIFY(nyitva);
        QVERIFY(!ablak.betöltve());
        QVERIFY(lefordítva(0) && lefordítva(1));
    }
};

TUKROSDI_TEST_MAIN(TestPlay)
#include "test_play.moc"
