// The menu's shortcuts, the keys of every dialog, quitting, and the slogan
// link that starts the launcher.
#include <QFile>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/program.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

class TestWindows : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    static Frm_tukrosdi& fő() { return frm_tukrosdi(); }
    static void gyorsbillentyű(Qt::Key billentyű) { fő_aktív(), QTest::keyClick(fő().widget(), billentyű); }

    static QString indító() { return program::Path() + QStringLiteral("/zsongokapu"); }

private Q_SLOTS:
    void init()
    {
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
        környezet.befejezések = 0;
    }
    void cleanupTestCase() { QFile::remove(indító()); }

    void settingsShortcutOpensDialogAndEscLeavesTheGame()
    {
        const QString előtte = fő().pic_szó(0).Tag();
        bool modális = false;
        modálisan(
            frm_beáll.nem_betöltve(), [] { gyorsbillentyű(Qt::Key_F3); },
            [&] {
                modális = frm_beáll().Visible() && frm_beáll().modális();
                QTest::keyClick(frm_beáll().widget(), Qt::Key_Escape);
            });
        QVERIFY(modális);
        QVERIFY(frm_beáll.betöltve() && !frm_beáll().Visible());  // hidden, still loaded
        QCOMPARE(fő().pic_szó(0).Tag(), előtte);
    }

    // Help: Esc does nothing, Enter presses the focused OK button, and the
    // close box closes it too.
    void helpKeysAndCloseBox()
    {
        bool escután_nyitva = false;
        modálisan(
            frm_súgó.nem_betöltve(), [] { gyorsbillentyű(Qt::Key_F1); },
            [&] {
                QCOMPARE(frm_súgó().Caption(), QStringLiteral("Zsongóka Tukrosdi"));
                QCOMPARE(frm_súgó().Label1(0).Caption(),
                         QStringLiteral("A játékot a memóriajáték szabályai szerint játszhatja."));
                QTest::keyClick(frm_súgó().widget(), Qt::Key_Escape);
                escután_nyitva = frm_súgó.betöltve() && frm_súgó().Visible();
                QTest::keyClick(frm_súgó().widget(), Qt::Key_Return);
            });
        QVERIFY(escután_nyitva);
        QVERIFY(!frm_súgó.betöltve());
        modálisan(
            frm_súgó.nem_betöltve(), [] { gyorsbillentyű(Qt::Key_F1); }, [] { frm_súgó().widget()->close(); });
        QVERIFY(!frm_súgó.betöltve());
    }

    void praiseAndAboutCloseOnEnterAndEsc_data()
    {
        QTest::addColumn<bool>("dicséret");
        QTest::addColumn<int>("billentyű");
        QTest::newRow("praise, Enter") << true << int(Qt::Key_Return);
        QTest::newRow("praise, Esc") << true << int(Qt::Key_Escape);
        QTest::newRow("About, Enter") << false << int(Qt::Key_Return);
        QTest::newRow("About, Esc") << false << int(Qt::Key_Escape);
    }
    void praiseAndAboutCloseOnEnterAndEsc()
    {
        QFETCH(bool, dicséret);
        QFETCH(int, billentyű);
        Ablak& ablak = dicséret ? static_cast<Ablak&>(frm_üzenet.nem_betöltve()) : frmAbout.nem_betöltve();
        modálisan(
            ablak, [&] { dicséret ? frm_üzenet().beállít(fő(), false) : fő().mnu_súgó_névjjegy.action()->trigger(); },
            [&] { QTest::keyClick(ablak.widget(), Qt::Key(billentyű)); });
        QVERIFY(!ablak.betöltve());
    }

    void praiseClosesByItselfAndOpensCentred()
    {
        bool középen = false;
        QTimer::singleShot(0, [&] {
            Frm_üzenet& d = frm_üzenet();
            középen = qAbs(d.Left() + d.Width() / 2 - képernyő::Width() / 2) < 1 &&
                      qAbs(d.Top() + d.Height() / 2 - képernyő::Height() / 2) < 1;
        });
        QElapsedTimer óra;
        óra.start();
        frm_üzenet().beállít(fő(), true);  // returns when its own timer has closed it
        QVERIFY(középen);
        QVERIFY(óra.elapsed() >= 1000);
        QVERIFY(!frm_üzenet.betöltve());
    }

    void quitShortcutAndCloseBoxEndTheProgram_data()
    {
        QTest::addColumn<bool>("menüből");
        QTest::newRow("F7") << true;
        QTest::newRow("close box") << false;
    }
    void quitShortcutAndCloseBoxEndTheProgram()
    {
        QFETCH(bool, menüből);
        frm_beáll();  // loaded since the first deal
        menüből ? gyorsbillentyű(Qt::Key_F7) : (void)fő().widget()->close();
        QCOMPARE(környezet.befejezések, 1);
        QVERIFY(!frm_tukrosdi.betöltve());
        QVERIFY(!frm_beáll.betöltve());
    }

    // Closing the main window while the praise is up still ends the program.
    void quitWhileThePraiseIsOpen()
    {
        modálisan(
            frm_üzenet.nem_betöltve(), [] { frm_üzenet().beállít(fő(), false); }, [] { fő().widget()->close(); });
        QCOMPARE(környezet.befejezések, 1);
    }

    // The launcher beside the program starts with no arguments; a missing one
    // leaves the game as it was.
    void sloganStartsTheLauncher()
    {
        QTemporaryDir jegyek;
        const QString jel = jegyek.filePath(QStringLiteral("elindult"));
        QVERIFY(pótló_program(indító(), jel));
        QTest::mouseClick(fő().Label_szlogen.widget(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);

        QVERIFY(QFile::remove(indító()));
        const QString előtte = fő().pic_szó(0).Tag();
        QTest::mouseClick(fő().Label_szlogen.widget(), Qt::LeftButton);
        QVERIFY(fő().Visible());
        QCOMPARE(fő().pic_szó(0).Tag(), előtte);
        QCOMPARE(környezet.befejezések, 0);
    }
};

TUKROSDI_TEST_MAIN(TestWindows)
#include "test_windows.moc"
