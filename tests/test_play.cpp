// Playing with the keyboard alone and through the accessibility interface,
// and the real timer that settles a turn. (Play by the mouse, whole games,
// the praise and new boards are random play's.)
#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/egyezes.h"
#include "help/frm_sugo.h"
#include "tesztkornyezet.h"
#endif

namespace {
bool mind(Lap lap)
{
    for (int i = 0; i < kártyaszám(); ++i)
        if (mutat(i) != lap) return false;
    return true;
}
// The first other card in play whose word is the partner of card `a`'s.
int társ(int a)
{
    int b = 0;
    while (b == a || !kártya(b).Enabled() || !párt_alkot(fő().pár_lista(), kártya(a).Tag(), kártya(b).Tag())) ++b;
    return b;
}
// The cards that carry the keyboard's mark.
QList<int> kiemeltek()
{
    QList<int> lista;
    for (int i = 0; i < kártyaszám(); ++i)
        if (kártya(i).Kiemelt()) lista << i;
    return lista;
}
}  // namespace

class TestPlay : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

private Q_SLOTS:
    // A first start: nothing stored, so a 4 x 4 board and 2 seconds.
    void init()
    {
        QFile::remove(környezet.beállítási_fájl());
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }

    // The keyboard's mark comes with the first key and stops at the edges;
    // Space and the keypad's Enter turn the marked card, and a key is
    // dropped while a turn waits. A click takes the mark away and makes its
    // card the keyboard's; after a dialog the keys go to the board again,
    // wherever they were before.
    // A reloaded window shows no mark until a key is pressed.
    void keysTurnTheMarkedCardAndTheMouseTakesTheMark()
    {
        kártya(0).setTag(u"ad"_qs);
        kártya(1).setTag(u"ég"_qs);
        QVERIFY(fő().konténer.HasFocus());
        QVERIFY(kiemeltek().isEmpty());
        billentyű(Qt::Key_Left);  // at the edge: stays
        QCOMPARE(kiemeltek(), QList<int>{0});
        billentyű(Qt::Key_Space);
        billentyű(Qt::Key_Right);
        billentyű(Qt::Key_Enter, Qt::KeypadModifier);
        billentyű(Qt::Key_Down);
        billentyű(Qt::Key_Space);  // dropped: the turn waits
        QVERIFY(mutat(0) == Lap::felfordítva && mutat(1) == Lap::felfordítva && mutat(5) == Lap::lefordítva);
        QCOMPARE(kiemeltek(), QList<int>{5});
        fő().Timer.ütés();
        QVERIFY(mind(Lap::lefordítva));

        kattint(6);
        QVERIFY(kiemeltek().isEmpty());
        billentyű(Qt::Key_Right);
        QCOMPARE(kiemeltek(), QList<int>{7});
        billentyű(Qt::Key_Tab);  // to the slogan line
        modálisan(
            frm_súgó.nem_betöltve(), [] { gyorsbillentyű(Qt::Key_F1); },
            [] { billentyű(Qt::Key_Enter, Qt::KeypadModifier); });
        QVERIFY(!frm_súgó.betöltve());
        QVERIFY(fő_aktív());
        QVERIFY(fő().konténer.HasFocus());
        QCOMPARE(kiemeltek(), QList<int>{7});

        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
        QVERIFY(kiemeltek().isEmpty());
        billentyű(Qt::Key_Right);
        QCOMPARE(kiemeltek(), QList<int>{1});
    }

    // The real timer settles a turn after the waiting time.
    void realTimerSettlesTheTurn()
    {
        frm_beáll().Combo_várakozásiidő.setListIndex(0);  // 0.4 seconds
        fő().beáll();
        kattint(0);
        kattint(1);
        QTRY_COMPARE_WITH_TIMEOUT(fő().felfordított_darab(), 0, 5000);
        QVERIFY(!fő().Timer.Enabled());
    }

    // A card's accessible name follows its state, and pressing it turns it
    // as a click does; a removed card takes no press. (Names of face-down
    // cards, the counter, the task line and the slogan link are read over the
    // real accessibility bus by test_atspi.)
    void cardsAsAssistiveTechnologySeesThem()
    {
        nyom(kártya(1));
        QCOMPARE(név(kártya(1)), kártya(1).Tag());
        const int b = társ(1);
        nyom(kártya(b));
        fő().Timer.ütés();
        QCOMPARE(név(kártya(b)),
                 QStringLiteral("eltüntetett kártya, %1. sor, %2. oszlop").arg(b / 4 + 1).arg(b % 4 + 1));
        nyom(kártya(b));
        QCOMPARE(fő().felfordított_darab(), 0);
    }
};

TUKROSDI_TEST_MAIN(TestPlay)
#include "test_play.moc"
