// The windows: the main window, the dialogs' keys, quitting, the programs
// that the slogan and the About window start, and how kiír fits texts.
#include <QAction>
#include <QMap>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "praise/frm_uzenet.h"
#include "tesztkornyezet.h"
#include "text/global.h"
#endif

namespace {
using namespace rendszerleíró;

// A registry in memory, one value a key, that records the keys opened and counts the closes.
struct HamisAdatbázis : Adatbázis {
    struct Érték {
        QByteArray név;
        std::uint32_t típus;
        QByteArray adat;
    };
    QMap<QByteArray, Érték> kulcsok;
    QList<QByteArray> megnyitott;
    int zárások = 0;

    long RegOpenKeyExA(HKEY, const char* kulcs, std::uint32_t, std::uint32_t, HKEY* eredmény) override
    {
        megnyitott << QByteArray(kulcs);  // a key's handle: its place there, from 1
        *eredmény = kulcsok.contains(megnyitott.back()) ? HKEY(megnyitott.size()) : 0;
        return *eredmény ? SIKERES : NINCS_ILYEN;
    }
    long RegQueryValueExA(HKEY kulcs, const char* név, std::uint32_t*, std::uint32_t* típus, unsigned char* adat,
                          std::uint32_t* méret) override
    {
        if (kulcs == 0 || kulcs > HKEY(megnyitott.size())) return NINCS_ILYEN;
        const Érték& é = kulcsok[megnyitott[qsizetype(kulcs - 1)]];
        if (é.név != név) return NINCS_ILYEN;
        const bool elfér = std::uint32_t(é.adat.size()) <= *méret;
        *méret = std::uint32_t(é.adat.size());
        if (elfér) std::copy(é.adat.begin(), é.adat.end(), adat), *típus = é.típus;
        return elfér ? SIKERES : TÖBB_ADAT;
    }
    long RegCloseKey(HKEY) override { return ++zárások, SIKERES; }
};

QString indító() { return használt_platform().Path() + QStringLiteral("/zsongokapu"); }
}  // namespace

class TestWindows : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    QByteArray eredeti_path = qgetenv("PATH");

private Q_SLOTS:
    void init()
    {
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }
    void cleanup() { qputenv("PATH", eredeti_path); }
    void cleanupTestCase() { QFile::remove(indító()); }

    // 1024 x 768 pixels are 15360 x 11520 twips: the window covers 90 %, centred, fixed, with its icon.
    void windowCoversNinetyPercentCentred()
    {
        környezet.friss_ablakok();  // as laid out on loading, before the window shows
        Frm_tukrosdi& f = fő();
        QCOMPARE((QList<double>{f.Left(), f.Top(), f.Width(), f.Height()}), (QList<double>{768, 576, 13824, 10368}));
        QCOMPARE(f.widget()->minimumSize(), f.widget()->maximumSize());
        f.Show();
        QTRY_VERIFY(!f.widget()->windowIcon().isNull());
    }

    // The menu entries are read without the blanks that widen their menus. (The Orca test hears the rest of
    // what the windows are named.)
    void menuEntriesAreNamedWithoutBlanks()
    {
        QStringList pontok;
        for (QAction* a : fő().widget()->findChildren<QAction*>()) pontok << a->text();
        QVERIFY(pontok.contains(u"&Új játék"_qs) && pontok.contains(u"&Súgó"_qs) && pontok.filter(u"  "_qs).isEmpty());
    }

    // Each dialog opens modal, owned by the main window, from its shortcut if any, and closes on Enter (the
    // keypad's too) and Esc, but Esc leaves the help open and Space (the help's focused button) does not close
    // the praise. A closed window is unloaded (the settings hidden). Only Ok in the settings deals.
    void dialogKeysAndCloseBox_data()
    {
        QTest::addColumn<int>("ablak");  // praise, About, help, settings from the list, from an option
        QTest::addColumn<int>("gomb");   // 0: the close box; Qt::Key_Enter: the keypad's
        QTest::addColumn<bool>("bezárul");
        const int Enter = Qt::Key_Return, KpEnter = Qt::Key_Enter, Esc = Qt::Key_Escape, Space = Qt::Key_Space;
        // clang-format off
        QTest::newRow("praise, Enter")        << 0 << Enter   << true;
        QTest::newRow("praise, Esc")          << 0 << Esc     << true;
        QTest::newRow("praise, Space")        << 0 << Space   << false;
        QTest::newRow("About, Enter")         << 1 << Enter   << true;
        QTest::newRow("About, Esc")           << 1 << Esc     << true;
        QTest::newRow("help, Enter")          << 2 << Enter   << true;
        QTest::newRow("help, keypad Enter")   << 2 << KpEnter << true;
        QTest::newRow("help, Esc")            << 2 << Esc     << false;
        QTest::newRow("help, Space")          << 2 << Space   << true;
        QTest::newRow("help, close box")      << 2 << 0       << true;
        QTest::newRow("settings, Esc")        << 3 << Esc     << true;
        QTest::newRow("settings, keypad Enter in the list")  << 3 << KpEnter << true;
        QTest::newRow("settings, keypad Enter on an option") << 4 << KpEnter << true;
        // clang-format on
    }
    void dialogKeysAndCloseBox()
    {
        QFETCH(int, ablak);
        QFETCH(int, gomb);
        QFETCH(bool, bezárul);
        Ablak* const ablakok[] = {&frm_üzenet.nem_betöltve(), &frmAbout.nem_betöltve(), &frm_súgó.nem_betöltve(),
                                  &frm_beáll.nem_betöltve(), &frm_beáll.nem_betöltve()};
        Ablak& a = *ablakok[ablak];
        Frm_beáll& b = frm_beáll();
        const QString előtte = kártya(0).Tag();
        bool modális = false, nyitva = false;
        const auto megnyitás = [&] {
            if (ablak == 0) frm_üzenet().beállít(fő(), false);
            if (ablak == 1) fő().mnu_súgó_névjjegy.action()->trigger();
            if (ablak >= 2) gyorsbillentyű(ablak == 2 ? Qt::Key_F1 : Qt::Key_F3);
        };
        modálisan(a, megnyitás, [&] {
            modális = a.Visible() && a.modális() && a.widget()->parentWidget() == fő().widget();
            if (ablak == 1) QCOMPARE(frmAbout().lblVersion.Caption(), QStringLiteral("Version 1.0.0"));
            if (ablak >= 3) b.opt_táblaméret(2).setValue(true);
            if (ablak == 3) b.Combo_várakozásiidő.SetFocus();
            if (ablak == 4) billentyű(Qt::Key_Tab), billentyű(Qt::Key_Tab);  // to the chosen size, not the first
            if (ablak == 4) QCOMPARE(b.widget()->focusWidget(), b.opt_táblaméret(2).widget());
            if (gomb)
                billentyű(Qt::Key(gomb), gomb == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            else
                a.widget()->close();
            nyitva = a.betöltve() && a.Visible();
        });
        QVERIFY(modális);
        QCOMPARE(nyitva, !bezárul);
        if (bezárul) QCOMPARE(a.betöltve(), ablak >= 3);
        const bool ok = ablak >= 3 && gomb != Qt::Key_Escape;
        QCOMPARE(kártyaszám(), ok ? 20 : 16);
        if (!ok) QCOMPARE(kártya(0).Tag(), előtte);
    }

    // F7 and the close box end the program and unload its windows.
    void quitShortcutAndCloseBoxEndTheProgram()
    {
        for (bool menüből : {true, false}) {
            init();
            frm_beáll();  // loaded since the first deal
            menüből ? gyorsbillentyű(Qt::Key_F7) : (void)fő().widget()->close();
            QCOMPARE(környezet.befejezések, 1);
            QVERIFY(!frm_tukrosdi.betöltve() && !frm_beáll.betöltve());
        }
    }

    // The launcher beside the program starts with no arguments from Enter on the slogan (Tab brings the
    // focus there) and from a click on it; a missing one leaves the game as it was.
    void sloganStartsTheLauncher()
    {
        QTemporaryDir jegyek;
        const QString jel = jegyek.filePath(QStringLiteral("elindult"));
        QVERIFY(pótló_program(indító(), jel));
        QWidget* szlogen = fő().Label_szlogen.widget();
        QTest::mouseMove(szlogen);
        QTRY_COMPARE(szlogen->cursor().shape(), Qt::BitmapCursor);  // the hand
        billentyű(Qt::Key_Tab);
        billentyű(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QByteArray("0"), 10000);
        QVERIFY(QFile::remove(jel));
        QTest::mouseClick(szlogen, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QByteArray("0"), 10000);

        QVERIFY(QFile::remove(indító()));
        const QString előtte = kártya(0).Tag();
        QTest::mouseClick(szlogen, Qt::LeftButton);
        QCOMPARE(kártya(0).Tag(), előtte);
        QCOMPARE(környezet.befejezések, 0);
    }

    // The tool starts without arguments from the first location's file, else the second location's folder,
    // or (the platform's stand-in registry) the PATH; else one message says so. A value is read if it fits
    // 1024 bytes: a text with or without its zero, a number as signed decimal digits. Every key opened is
    // closed. (scripts/test-windows reads the real registry.)
    void sysInfoStartsTheToolOrSaysItIsUnavailable_data()
    {
        QTest::addColumn<QByteArray>("első");  // "@": the temporary folder; null: not stored
        QTest::addColumn<int>("hossz");        // its length in bytes, its path filled up with "./"
        QTest::addColumn<uint>("típus");       // of the first value; 0: a text stored under another name
        QTest::addColumn<QByteArray>("második");
        QTest::addColumn<QString>("eszköz");  // the tool made in the temporary folder; empty: none
        QTest::addColumn<int>("kulcsok");     // how many of the two keys were asked for; -1: the stand-in
        const QByteArray nincs, info = QByteArray("@/info.sh\0", 10);
        // clang-format off
        QTest::newRow("first location's file")    << info << 0 << 1u << nincs << "info.sh" << 1;
        QTest::newRow("1023 bytes and zero")      << info << 1024 << 1u << nincs << "info.sh" << 1;
        QTest::newRow("1024 bytes without zero")  << QByteArray("@/info.sh") << 1024 << 1u << nincs << "info.sh" << 1;
        QTest::newRow("1024 bytes and zero")      << info << 1025 << 1u << nincs << "" << 2;
        QTest::newRow("a number")                 << QByteArray("\x78\x56\x34\x12") << 0 << 4u << nincs << "305419896" << 1;
        QTest::newRow("a negative number")        << QByteArray(4, '\xFF') << 0 << 4u << nincs << "-1" << 1;
        QTest::newRow("another type")             << QByteArray("\x01\x02") << 0 << 3u << nincs << "" << 1;
        QTest::newRow("first without data")       << QByteArray("") << 0 << 1u << QByteArray("@") << "" << 1;
        QTest::newRow("first names no file")      << QByteArray("/nincs/ilyen") << 0 << 1u << nincs << "" << 1;
        QTest::newRow("first key, no value")      << info << 0 << 0u << nincs << "" << 2;
        QTest::newRow("second location's folder") << nincs << 0 << 1u << QByteArray("@/eszköz") << "eszköz\\MSINFO32.EXE" << 2;
        QTest::newRow("folder without the tool")  << nincs << 0 << 1u << QByteArray("@") << "" << 2;
        QTest::newRow("neither key")              << nincs << 0 << 1u << nincs << "" << 2;
        QTest::newRow("stand-in: on the PATH")    << nincs << 0 << 1u << nincs << "hardinfo" << -1;
        QTest::newRow("stand-in: none")           << nincs << 0 << 1u << nincs << "" << -1;
        // clang-format on
    }
    void sysInfoStartsTheToolOrSaysItIsUnavailable()
    {
        QFETCH(QByteArray, első);
        QFETCH(int, hossz);
        QFETCH(uint, típus);
        QFETCH(QByteArray, második);
        QFETCH(QString, eszköz);
        QFETCH(int, kulcsok);
        QTemporaryDir mappa;
        const QByteArray hely = mappa.path().toUtf8();
        első.replace('@', hely);
        for (const qsizetype i = első.lastIndexOf('/') + 1; első.size() < hossz;)
            első.insert(i, első.size() + 1 == hossz ? "/" : "./");
        HamisAdatbázis hamis;
        if (!első.isNull()) hamis.kulcsok[gREGKEYSYSINFO] = {típus ? gREGVALSYSINFO : "más", típus ? típus : 1, első};
        if (!második.isNull()) hamis.kulcsok[gREGKEYSYSINFOLOC] = {gREGVALSYSINFOLOC, 1, második.replace('@', hely)};
        if (kulcsok >= 0) környezet.registry(&hamis);
        qputenv("PATH", hely);
        const QString kimenet = mappa.filePath(QStringLiteral("argumentumok"));
        if (!eszköz.isEmpty()) QVERIFY(pótló_program(mappa.filePath(eszköz), kimenet));
        QTest::mouseClick(frmAbout().cmdSysInfo.widget(), Qt::LeftButton);
        if (!eszköz.isEmpty()) QTRY_COMPARE(fájl_tartalma(kimenet), QByteArray("0"));
        QCOMPARE(környezet.üzenetek.size(), int(eszköz.isEmpty()));
        QVERIFY(frmAbout.betöltve());
        if (kulcsok >= 0)
            QCOMPARE(hamis.megnyitott, (QList<QByteArray>{gREGKEYSYSINFO, gREGKEYSYSINFOLOC}.mid(0, kulcsok)));
        QCOMPARE(hamis.zárások, hamis.megnyitott.size());
        környezet.registry(nullptr);
    }

    // A picture box writes at a given size even when too big, replacing its earlier drawing; a text without
    // lower-case letters sits at 60 % of the height, an empty text becomes a placeholder. A label gets the
    // first size that passes 90 % of its width or height, and its window keeps that font for measuring; an
    // empty text keeps its caption.
    void kiirFitsTextsIntoPictureBoxesAndLabels()
    {
        KépDoboz& d = kártya(0);
        const QString szó = QStringLiteral("kiszámíthatatlan");
        kiír(d, szó, 40);
        QCOMPARE(d.FontSize(), 40.f);
        QCOMPARE(d.nyomatok().size(), std::size_t(1));
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() / 2 - d.TextHeight(szó) / 2);
        kiír(d, 12.0, 0);  // a number: written without a leading blank
        QCOMPARE(d.Tag(), QStringLiteral("12"));
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() * 0.6 - d.TextHeight(QStringLiteral("12")) / 2);
        QString szöveg;
        kiír(d, szöveg, 0);
        QVERIFY(szöveg == üres_szöveg_helyett && d.Tag() == szöveg && d.nyomatok().at(0).szöveg == szöveg);

        Címke& c = fő().Label1;
        const QString felirat = QStringLiteral("Szép munka!");
        kiír(c, felirat, 0);
        QCOMPARE(fő().FontSize(), c.FontSize());
        QVERIFY(fő().TextWidth(felirat) > c.Width() * 0.9 || fő().TextHeight(felirat) > c.Height() * 0.9);
        fő().setFontSize(c.FontSize() - 1);
        QVERIFY(fő().TextWidth(felirat) <= c.Width() * 0.9 && fő().TextHeight(felirat) <= c.Height() * 0.9);
        QString üres;
        kiír(c, üres, 0);
        QCOMPARE(üres, felirat);
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
