// The settings dialog: what it restores at start, what it stores, and what
// it does with values it cannot use.
#include <QFile>
#include <QSettings>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/beallitas_olvasas.h"
#include "jatekos.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

class TestSettings : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    static Frm_tukrosdi& fő() { return frm_tukrosdi(); }
    static Frm_beáll& dialógus() { return frm_beáll(); }

    // As a new start of the program: the windows are loaded afresh.
    void újraindítás()
    {
        környezet.friss_ablakok();
        fő();
    }

    void tárolt(const QString& kulcs, const QString& érték) const
    {
        QSettings s(környezet.beállítási_fájl(), QSettings::IniFormat);
        s.setValue(QStringLiteral("beall/") + kulcs, érték);
    }
    QVariant olvas(const QString& kulcs) const
    {
        return QSettings(környezet.beállítási_fájl(), QSettings::IniFormat).value(QStringLiteral("beall/") + kulcs);
    }

    static int kiválasztott_méret()
    {
        for (qint16 i = 0; i <= 5; ++i)
            if (dialógus().opt_táblaméret(i).Value()) return i;
        return -1;
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove(környezet.beállítási_fájl());
        újraindítás();
    }

    void firstStartIsFourByFourAndTwoSeconds()
    {
        QCOMPARE(fő().pic_szó.Count(), 16);
        QCOMPARE(fő().Timer.Interval(), 2000);
        QCOMPARE(kiválasztott_méret(), 1);
        QCOMPARE(dialógus().Combo_várakozásiidő.Text(), QStringLiteral(" 2"));
        QVERIFY(!dialógus().Visible());
        QVERIFY(!QFile::exists(környezet.beállítási_fájl()));
    }

    void waitingListHoldsTwentyNineEntries()
    {
        QStringList várt;
        for (const char* s : {" .4",  " .6",  " .8",  " 1", " 1.2", " 1.4", " 1.6", " 1.8", " 2", " 2.2",
                              " 2.4", " 2.6", " 2.8", " 3", " 3.2", " 3.4", " 3.6", " 3.8", " 4", " 4.2",
                              " 4.4", " 4.6", " 4.8", " 5", " 5.2", " 5.4", " 5.6", " 5.8", " 6"})
            várt << QString::fromLatin1(s);
        QStringList kapott;
        for (int i = 0; i < dialógus().Combo_várakozásiidő.ListCount(); ++i)
            kapott << dialógus().Combo_várakozásiidő.List(i);
        QCOMPARE(kapott, várt);
    }

    // Enter presses Ok: stored, dealt at once, and restored by the next start.
    void okStoresDealsAndSurvivesRestart()
    {
        játékos::választás(5, 5, Qt::Key_Return);
        QVERIFY(!dialógus().Visible());
        QCOMPARE(olvas(tárolt::táblaméret).toString(), QStringLiteral("5"));
        QCOMPARE(olvas(tárolt::várakozási_idő).toString(), QStringLiteral("5"));
        QCOMPARE(fő().pic_szó.Count(), 36);
        QCOMPARE(fő().Timer.Interval(), 1400);

        újraindítás();
        QCOMPARE(fő().pic_szó.Count(), 36);
        QCOMPARE(fő().Timer.Interval(), 1400);
        QCOMPARE(kiválasztott_méret(), 5);
        QCOMPARE(dialógus().Combo_várakozásiidő.Text(), QStringLiteral(" 1.4"));
    }

    // Esc presses Mégsem: nothing stored, no new deal, the old choice shown again.
    void cancelRestoresAndDealsNothing()
    {
        const QString előtte = fő().pic_szó(0).Tag();
        játékos::választás(0, 0, Qt::Key_Escape);
        QVERIFY(!dialógus().Visible());
        QVERIFY(!QFile::exists(környezet.beállítási_fájl()));
        QCOMPARE(fő().pic_szó.Count(), 16);
        QCOMPARE(fő().pic_szó(0).Tag(), előtte);
        QCOMPARE(kiválasztott_méret(), 1);
        QCOMPARE(dialógus().Combo_várakozásiidő.ListIndex(), 8);
    }

    void badStoredValuesFallBackToDefaults_data()
    {
        QTest::addColumn<QString>("tábla");
        QTest::addColumn<QString>("idő");
        QTest::addColumn<int>("várt_méret");
        QTest::addColumn<int>("várt_idő");
        // clang-format off
        QTest::newRow("both good")         << "0"              << "28"    << 0 << 28;
        QTest::newRow("blanks around")     << " 4 "            << " 3"    << 4 << 3;
        QTest::newRow("beyond the range")  << "6"              << "29"    << 1 << 8;
        QTest::newRow("no entry selected") << "3"              << "-1"    << 3 << -1;
        QTest::newRow("negative")          << "-1"             << "-2"    << 1 << 8;
        QTest::newRow("fractions")         << "2.5"            << "1.0"   << 1 << 8;
        QTest::newRow("words")             << "nagy"           << "lassú" << 1 << 8;
        QTest::newRow("empty")             << ""               << ""      << 1 << 8;
        QTest::newRow("huge")              << "99999999999999" << "1e3"   << 1 << 8;
        QTest::newRow("only board stored") << "2"              << QString() << 2 << 8;
        QTest::newRow("only time stored")  << QString()        << "0"     << 1 << 0;
        // clang-format on
    }
    void badStoredValuesFallBackToDefaults()
    {
        QFETCH(QString, tábla);
        QFETCH(QString, idő);
        QFETCH(int, várt_méret);
        QFETCH(int, várt_idő);
        if (!tábla.isNull()) tárolt(tárolt::táblaméret, tábla);
        if (!idő.isNull()) tárolt(tárolt::várakozási_idő, idő);
        újraindítás();
        QCOMPARE(kiválasztott_méret(), várt_méret);
        QCOMPARE(dialógus().Combo_várakozásiidő.ListIndex(), várt_idő);
        const int kártyák[] = {12, 16, 20, 24, 30, 36};
        QCOMPARE(int(fő().pic_szó.Count()), kártyák[várt_méret]);
    }

    // A stored -1 is no entry selected: the list shows none, the waiting time
    // is the default, and Ok without a change stores -1 again.
    void noEntrySelectedIsKeptAndStoredBack()
    {
        tárolt(tárolt::várakozási_idő, QStringLiteral("-1"));
        újraindítás();
        QCOMPARE(dialógus().Combo_várakozásiidő.ListIndex(), -1);
        QCOMPARE(dialógus().Combo_várakozásiidő.Text(), QString());
        QCOMPARE(fő().Timer.Interval(), 2000);
        modálisan(
            dialógus(), [] { dialógus().ShowModal(); }, [] { QTest::keyClick(dialógus().widget(), Qt::Key_Return); });
        QCOMPARE(olvas(tárolt::várakozási_idő).toString(), QStringLiteral("-1"));
        QCOMPARE(fő().Timer.Interval(), 2000);
    }

    // A store that cannot be written: the choice confirmed with Ok holds for
    // the rest of the run whatever the store holds, through Mégsem, the close
    // command, F2 and the board after a praise; the player hears of it once;
    // and an Ok that the store takes again is stored as ever.
    void unstoredChoiceHoldsForTheRunAndIsToldOnce()
    {
        const QString mappa = QFileInfo(környezet.beállítási_fájl()).path();
        QDir(mappa).removeRecursively();
        QFile akadály(mappa);  // a file where the folder should be
        QVERIFY(akadály.open(QIODevice::WriteOnly));
        akadály.close();
        const auto érvényben = [](int méret, int várakozás) {
            const int kártyák[] = {12, 16, 20, 24, 30, 36};
            return fő().pic_szó.Count() == kártyák[méret] &&
                   fő().Timer.Interval() ==
                       várakozás_ezredmásodpercben(dialógus().Combo_várakozásiidő.List(várakozás)) &&
                   kiválasztott_méret() == méret && dialógus().Combo_várakozásiidő.ListIndex() == várakozás;
        };
        const auto új_játék = [] { fő().mnu_fájl_újjáték.action()->trigger(); };

        játékos::választás(0, 0, Qt::Key_Return);
        QVERIFY(érvényben(0, 0));
        QCOMPARE(környezet.üzenetek.size(), 1);
        QVERIFY(környezet.üzenetek[0].contains(QStringLiteral("nem sikerült elmenteni")));

        játékos::választás(5, 20, Qt::Key_Escape);
        új_játék();
        QVERIFY(érvényben(0, 0));

        modálisan(
            dialógus(), [] { dialógus().ShowModal(); },
            [] {
                QTest::mouseClick(dialógus().opt_táblaméret(4).widget(), Qt::LeftButton, {}, QPoint(6, 6));
                dialógus().widget()->close();  // the close command unloads the dialog
            });
        QVERIFY(!frm_beáll.betöltve());
        új_játék();
        QVERIFY(érvényben(0, 0));

        QCOMPARE(játékos::végig(), 1);
        QVERIFY(érvényben(0, 0));

        játékos::választás(2, 3, Qt::Key_Return);
        QVERIFY(érvényben(2, 3));
        QCOMPARE(környezet.üzenetek.size(), 1);

        QVERIFY(QFile::remove(mappa));
        játékos::választás(4, 5, Qt::Key_Return);
        QCOMPARE(környezet.üzenetek.size(), 1);
        QCOMPARE(olvas(tárolt::táblaméret).toString(), QStringLiteral("4"));
        QCOMPARE(olvas(tárolt::várakozási_idő).toString(), QStringLiteral("5"));
        újraindítás();
        QVERIFY(érvényben(4, 5));
    }
};

TUKROSDI_TEST_MAIN(TestSettings)
#include "test_settings.moc"
