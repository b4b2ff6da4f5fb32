// The menu's shortcuts, the keys of every dialog, quitting, and the slogan
// link that starts the launcher.
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/program.h"
#include "designs/tervek.h"
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
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }
    void cleanupTestCase() { QFile::remove(indító()); }

    // The window system gets the icon drawing at every size it may show, each
    // rendered at that size (not scaled from another), once the window shows.
    void mainWindowIconIsTheDrawingAtEverySize()
    {
        QTRY_VERIFY(!fő().widget()->windowIcon().isNull());
        const QIcon ikon = fő().widget()->windowIcon();
        QList<QSize> méretek;
        for (int m : {16, 24, 32, 48, 64, 128, 256}) méretek << QSize(m, m);
        QCOMPARE(ikon.availableSizes(), méretek);
        QSvgRenderer rajzoló(képek::ikon.név);
        for (QSize méret : méretek) {
            QImage várt(méret, QImage::Format_ARGB32_Premultiplied);
            várt.fill(Qt::transparent);
            QPainter p(&várt);
            p.setRenderHint(QPainter::Antialiasing);
            rajzoló.render(&p, QRectF(QPointF(0, 0), QSizeF(méret)));
            p.end();
            const QImage kapott = ikon.pixmap(méret).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(kapott == várt.convertToFormat(QImage::Format_ARGB32), qPrintable(QString::number(méret.width())));
        }
    }

    // Every caption and text as the player reads it, to the letter.
    void everyCaptionIsExact()
    {
        const auto feliratok = [](auto&&... vezérlők) { return QStringList{vezérlők.Caption()...}; };
        QCOMPARE(feliratok(fő().mnu_fájl, fő().mnu_fájl_újjáték, fő().mnufájl_beálllítások, fő().elv,
                           fő().mnu_fájl_kilép, fő().mnu_súgó, fő().mnu_súgó_súgó, fő().mnu_súgó_névjjegy),
                 (QStringList{"&Fájl", "&Új játék" + QString(26, u' '), "&Beállítások...", "-", "&Kilép", "&Súgó",
                              "&Súgó" + QString(25, u' '), "&Névjegy..."}));

        Frm_beáll& b = frm_beáll();
        QCOMPARE(QStringList{b.Caption()} << feliratok(b.cmd_ok, b.cmd_mégsem, b.Frame1, b.Label1, b.Label2, b.Frame2),
                 (QStringList{"Zsongóka Tukrosdi - Beállítások", "Ok", "Mégsem", "",
                              "Várakozási idő a kártyák lefordítása előtt:", "másodperc", "A játéktábla mérete"}));
        QStringList méretek;
        for (qint16 i = 0; i <= b.opt_táblaméret.UBound(); ++i) méretek << b.opt_táblaméret(i).Caption();
        QCOMPARE(méretek, (QStringList{"3x4", "4x4", "4x5", "4*6", "5x6", "6x6"}));

        Frm_súgó& s = frm_súgó();
        QCOMPARE(QStringList{s.Caption()} << feliratok(s.Frame1, s.Label1(0), s.Label1(1), s.Label1(2), s.OKButton),
                 (QStringList{"Zsongóka Tukrosdi", "Zsongóka Tukrosdi",
                              "A játékot a memóriajáték szabályai szerint játszhatja.",
                              "Kattintson rá a lefordított lapokra a rajtuk szereplő szó felfedéséhez. A feladata az "
                              "összetartozó tukrosdipárok megkeresése. Ha összetartozó párt talál, akkor eltűnik. Ha "
                              "az összes kártyát eltüntette, akkor nyert!",
                              "A Fájl menü Beállítások pontjában megváltoztathatja a kártyák számát, valamint a "
                              "kártyák felfedési idejét.",
                              "OK"}));

        QCOMPARE((QStringList{frm_üzenet().Caption(), frm_üzenet().cmd_ok.Caption()}),
                 (QStringList{"Zsongóka Tukrosdi", "Ok"}));
        QCOMPARE(feliratok(frmAbout().cmdOK, frmAbout().cmdSysInfo, frmAbout().lblDisclaimer),
                 (QStringList{"OK", "&System Info...", ""}));
    }

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

    // Asked to, the praise closes by its own timer after 1.5 seconds.
    void praiseClosesByItselfAndOpensCentred()
    {
        bool középen = false;
        int időköz = 0;
        modálisan(
            frm_üzenet.nem_betöltve(), [] { frm_üzenet().beállít(fő(), true); },
            [&] {
                Frm_üzenet& d = frm_üzenet();
                középen = qAbs(d.Left() + d.Width() / 2 - képernyő::Width() / 2) < 1 &&
                          qAbs(d.Top() + d.Height() / 2 - képernyő::Height() / 2) < 1;
                időköz = d.Timer1.Enabled() ? d.Timer1.Interval() : 0;
                d.Timer1.ütés();
                QVERIFY(!frm_üzenet.betöltve());
            });
        QVERIFY(középen);
        QCOMPARE(időköz, 1500);
    }

    // Unloaded and loaded again, a window shows its design, not what its
    // last showing left in its controls.
    void reloadedPraiseStartsFromItsDesign()
    {
        modálisan(
            frm_üzenet.nem_betöltve(), [] { frm_üzenet().beállít(fő(), false); },
            [] {
                frm_üzenet().Picture1.setVisible(false);
                frm_üzenet().cmd_ok.setEnabled(false);
                frm_üzenet().Unload();
            });
        QVERIFY(!frm_üzenet.betöltve());
        Frm_üzenet& d = frm_üzenet();
        QVERIFY(d.Picture1.Tag().isEmpty() && d.Picture1.nyomatok().empty());
        QVERIFY(d.Picture1.Visible() && d.cmd_ok.Enabled());
        QCOMPARE(d.Picture1.Font(), alap_betű());
        QCOMPARE(d.cmd_ok.Font(), alap_betű());
        QCOMPARE(d.Picture1.BackColor(), QColor(Qt::white));
        QVERIFY(d.Timer1.Enabled() && d.Timer1.Interval() == 1500);

        QString dicséret;
        modálisan(
            d, [] { frm_üzenet().beállít(fő(), false); },
            [&] {
                dicséret = frm_üzenet().Picture1.Tag();
                QTest::mouseClick(frm_üzenet().cmd_ok.widget(), Qt::LeftButton);
            });
        QVERIFY(!dicséret.isEmpty());
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
