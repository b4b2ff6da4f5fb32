// Playing with the keyboard, the real timer, and the accessibility interface. (Play by the mouse, whole
// games, the praise and new boards are random play's.)
#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/egyezes.h"
#include "help/frm_sugo.h"
#include "tesztkornyezet.h"
#endif

namespace {
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
    // A first start: a 4 x 4 board, 2 seconds.
    void init()
    {
        QFile::remove(környezet.beállítási_fájl());
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }

    // The keyboard's mark comes with the first key and stops at the edges; Space and the keypad's Enter turn
    // the marked card, and a key is dropped while a turn waits. A click takes the mark away and makes its card
    // the keyboard's; after a dialog the keys go to the board again. A reloaded window shows no mark.
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
        QTRY_VERIFY_WITH_TIMEOUT(!fő().Timer.Enabled(), 5000);  // the real timer settles the turn
        for (int i = 0; i < kártyaszám(); ++i) QVERIFY(mutat(i) == Lap::lefordítva);

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

        init();
        QVERIFY(kiemeltek().isEmpty());
        billentyű(Qt::Key_Right);
        QCOMPARE(kiemeltek(), QList<int>{1});
    }

    // A card's accessible name follows its state, and pressing it turns it as a click does; a removed card
    // takes no press. (tests/orca hears the rest with a real screen reader.)
    void cardsAsAssistiveTechnologySeesThem()
    {
        nyom(kártya(1));
        QCOMPARE(név(kártya(1)), kártya(1).Tag());
        int b = 0;  // the partner of card 1
        while (b == 1 || !párt_alkot(fő().pár_lista(), kártya(1).Tag(), kártya(b).Tag())) ++b;
        nyom(kártya(b));
        fő().Timer.ütés();
        QCOMPARE(név(kártya(b)),
                 QStringLiteral("eltüntetett kártya, %1. sor, %2. oszlop").arg(b / 4 + 1).arg(b % 4 + 1));
        nyom(kártya(b));
        QCOMPARE(fő().felfordított_darab(), 0);
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
