// The main window's layout, and the board that every set-up deals.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMainWindow>
#include <algorithm>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/racs.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

class TestBoard : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    static Frm_tukrosdi& fő() { return frm_tukrosdi(); }

    static QStringList szavak_a_táblán()
    {
        QStringList szavak;
        for (qint16 i = 0; i <= fő().pic_szó.UBound(); ++i) szavak << fő().pic_szó(i).Tag();
        szavak.sort();
        return szavak;
    }

    // Width and height of a word in twips, in the font of the card faces.
    static QSizeF kártyaméret(const QString& szó, float pont)
    {
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSizeF(pont);
        const QFontMetricsF fm(f);
        return QSizeF(egység::twipre(fm.horizontalAdvance(szó)), egység::twipre(fm.height()));
    }

private Q_SLOTS:
    void init() { környezet.friss_ablakok(); }

    // 1024 x 768 pixels are 15360 x 11520 twips at 96 dpi.
    void windowCoversNinetyPercentCentredWithBandsAndBoard()
    {
        Frm_tukrosdi& f = fő();
        QCOMPARE(f.Width(), 13824.0);
        QCOMPARE(f.Height(), 10368.0);
        QCOMPARE(f.Left(), 768.0);
        QCOMPARE(f.Top(), 576.0);
        QCOMPARE(f.Caption(), QStringLiteral("Zsongóka Tukrosdi"));
        QCOMPARE(f.widget()->minimumSize(), f.widget()->maximumSize());

        QCOMPARE(f.Label1.Caption(), QStringLiteral("Keresd meg az össztartozó párokat!"));
        QCOMPARE(f.Label1.Height(), f.ScaleHeight() / 20);
        QCOMPARE(f.Label_számláló.Caption(), QStringLiteral("0 fordítás"));
        QCOMPARE(f.Label_számláló.Alignment(), int(Címke::RightJustify));
        QCOMPARE(f.Label_számláló.Left() + f.Label_számláló.Width(), f.ScaleWidth() - 120);
        QVERIFY(
            f.Label_szlogen.Caption().startsWith(QStringLiteral("Örömteli olvasás  -  Zsongóka Programcsalád  -  ")));
        QCOMPARE(f.Label_szlogen.Left() + f.Label_szlogen.Width() / 2, f.Width() / 2);
        QCOMPARE(f.Label_szlogen.Top() + f.Label_szlogen.Height(), f.ScaleHeight());
        QCOMPARE(f.konténer.Top(), f.Label1.Top() + f.Label1.Height());
        QCOMPARE(f.konténer.Top() + f.konténer.Height(), f.Label_szlogen.Top());
        QCOMPARE(f.konténer.Left() + f.konténer.Width(), f.ScaleWidth() - 120);
        QVERIFY(!f.Picture_hátlap.Visible() && !f.Picture_eltüntetett.Visible());
        QVERIFY(!f.Timer.Enabled());
        QCOMPARE(f.mnu_fájl_újjáték.Caption().size(), 35);
        QCOMPARE(f.mnu_súgó_súgó.Caption().size(), 30);
    }

    void everyBoardSizeIsPlacedAndDealtFaceDown_data()
    {
        QTest::addColumn<int>("opció");
        QTest::addColumn<int>("oszlopok");
        QTest::addColumn<int>("sorok");
        QTest::newRow("3x4") << 0 << 3 << 4;
        QTest::newRow("4x4") << 1 << 4 << 4;
        QTest::newRow("4x5") << 2 << 4 << 5;
        QTest::newRow("4*6") << 3 << 4 << 6;
        QTest::newRow("5x6") << 4 << 5 << 6;
        QTest::newRow("6x6") << 5 << 6 << 6;
    }
    void everyBoardSizeIsPlacedAndDealtFaceDown()
    {
        QFETCH(int, opció);
        QFETCH(int, oszlopok);
        QFETCH(int, sorok);
        frm_beáll().opt_táblaméret(qint16(opció)).setValue(true);
        Frm_tukrosdi& f = fő();
        f.beáll();

        const int n = oszlopok * sorok;
        QCOMPARE(f.oszlopszám(), oszlopok);
        QCOMPARE(f.sorszám(), sorok);
        QCOMPARE(int(f.pic_szó.UBound()), n - 1);  // the measuring card is gone again
        QCOMPARE(int(f.pic_szó.Count()), n);

        // Every card where the grid puts it in this container, from the design corner.
        const auto helyek =
            kártyák_helye({f.konténer.ScaleWidth(), f.konténer.ScaleHeight(), 120, 120, oszlopok, sorok});
        for (qint16 i = 0; i < n; ++i) {
            const KépDoboz& k = f.pic_szó(i);
            const Téglalap& h = helyek[std::size_t(i)];
            QVERIFY(k.Left() == h.Left && k.Top() == h.Top && k.Width() == h.Width && k.Height() == h.Height);
        }

        // Deal: every card one word, the words of exactly n/2 marked pairs.
        QStringList kiosztott;
        for (const szópár& p : f.pár_lista())
            if (p.kiosztva) kiosztott << p.szó1 << p.szó2;
        kiosztott.sort();
        QCOMPARE(szavak_a_táblán(), kiosztott);

        // Face down, in play, nothing drawn; the widest word fits at the game's size.
        double legszélesebb = 0;
        for (qint16 i = 0; i < n; ++i) {
            const KépDoboz& k = f.pic_szó(i);
            QVERIFY(k.Visible() && k.Enabled());
            QCOMPARE(k.Picture(), f.Picture_hátlap.Picture());
            QCOMPARE(k.BorderStyle(), Szegély::FixedSingle);
            QVERIFY(k.nyomatok().empty());
            const QSizeF méret = kártyaméret(k.Tag(), f.kártya_betűméret());
            QVERIFY2(méret.width() <= k.ScaleWidth() && méret.height() <= k.ScaleHeight(), qPrintable(k.Tag()));
            legszélesebb = std::max(legszélesebb, kártyaméret(k.Tag(), f.kártya_betűméret() + 1).width());
        }
        const QSizeF nagyobb(legszélesebb, kártyaméret(QStringLiteral("x"), f.kártya_betűméret() + 1).height());
        QVERIFY(nagyobb.width() > f.pic_szó(0).ScaleWidth() || nagyobb.height() > f.pic_szó(0).ScaleHeight());
        QCOMPARE(f.felfordított_darab(), 0);
    }

    // A new board takes over the widgets of the cards the last one dropped:
    // however many boards are dealt, the board's container holds no more
    // widgets than the largest board and its measuring card, and every card
    // shows in its place, in play.
    void newBoardsReuseTheDroppedCardWidgets()
    {
        Frm_tukrosdi& f = fő();
        f.Show();
        for (int opció : {5, 0, 5, 3, 5, 5}) {
            frm_beáll().opt_táblaméret(qint16(opció)).setValue(true);
            f.beáll();
            for (qint16 i = 1; i < f.pic_szó.Count(); i += 2)
                f.pic_szó(i).setEnabled(false);  // as a found pair leaves them
            QCoreApplication::processEvents();
        }
        f.beáll();
        QCOMPARE(f.konténer.widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 36 + 1);
        for (qint16 i = 0; i < f.pic_szó.Count(); ++i) {
            const QWidget* w = f.pic_szó(i).widget();
            QCOMPARE(w->parentWidget(), f.konténer.widget());
            QVERIFY(w->isVisible() && w->isEnabled());
            QCOMPARE(w->geometry().topLeft(),
                     QPoint(egység::pixelre(f.pic_szó(i).Left()), egység::pixelre(f.pic_szó(i).Top())) +
                         QPoint(f.konténer.belső_eltolás(), f.konténer.belső_eltolás()));
        }
    }

    // Pictures are drawn on borrowed pool threads, which leave as soon as
    // the drawing is done: no thread of the pool waits while nobody plays.
    void drawingPicturesLeavesNoPoolThreadBehind()
    {
        const QDir szálak(QStringLiteral("/proc/self/task"));
        if (!szálak.exists()) QSKIP("needs /proc");
        const auto várakozók = [&] {
            int n = 0;
            for (const QString& szál : szálak.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                QFile név(szálak.filePath(szál + QStringLiteral("/comm")));
                if (név.open(QIODevice::ReadOnly) && név.readAll().startsWith("Thread (pooled)")) ++n;
            }
            return n;
        };
        fő().Show();
        frm_beáll().opt_táblaméret(0).setValue(true);
        fő().beáll();  // larger cards: their pictures drawn anew
        QCoreApplication::processEvents();
        QTimer::singleShot(0, [] {
            frm_üzenet().widget()->repaint();
            frm_üzenet().Timer1.ütés();
        });
        frm_üzenet().beállít(fő(), true);
        QTRY_COMPARE_WITH_TIMEOUT(várakozók(), 0, 5000);
    }
};

TUKROSDI_TEST_MAIN(TestBoard)
#include "test_board.moc"
