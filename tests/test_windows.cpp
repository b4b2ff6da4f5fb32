// The windows: the main window's layout and boards, the dialogs' keys and
// names, quitting, the programs that the slogan and the About window start,
// and how kiír fits texts.
#include <QMap>
#include <cstring>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "praise/frm_uzenet.h"
#include "tesztkornyezet.h"
#include "text/global.h"
#endif

namespace {
using namespace rendszerleíró;

// A registry in memory with one value per key; it records the keys asked
// for and counts the closes.
class HamisAdatbázis : public Adatbázis {
public:
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
        megnyitott << QByteArray(kulcs);
        // The handle of an open key: its place in `megnyitott`, from 1.
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
        if (!elfér) return TÖBB_ADAT;
        if (!é.adat.isEmpty()) std::memcpy(adat, é.adat.constData(), é.adat.size());
        *típus = é.típus;
        return SIKERES;
    }
    long RegCloseKey(HKEY) override { return ++zárások, SIKERES; }
};

QRectF hely(const Vezérlő& v) { return QRectF(v.Left(), v.Top(), v.Width(), v.Height()); }
const QString nincs_eszköz = QStringLiteral("System Information Is Unavailable At This Time");
QString indító() { return platform().Path() + QStringLiteral("/zsongokapu"); }
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

    // 1024 x 768 pixels are 15360 x 11520 twips at 96 dpi: the window covers
    // 90 % of the screen, centred, and cannot be resized.
    void windowCoversNinetyPercentCentredWithBandsAndBoard()
    {
        környezet.friss_ablakok();  // as laid out on loading, before the window shows
        Frm_tukrosdi& f = fő();
        QCOMPARE((QList<double>{f.Left(), f.Top(), f.Width(), f.Height()}), (QList<double>{768, 576, 13824, 10368}));
        QCOMPARE(f.widget()->minimumSize(), f.widget()->maximumSize());
        // The task line and the counter share the top band, the slogan line spans the bottom (centred on the
        // window's outer width), and the board fills the rest.
        QCOMPARE(hely(f.Label1), QRectF(120, 0, 9096, 506.4));
        QCOMPARE(hely(f.Label_számláló), QRectF(9216, 0, 4488, 506.4));
        QCOMPARE(hely(f.Label_szlogen), QRectF(345.6, 9436.8, 13132.8, 691.2));
        QCOMPARE(hely(f.konténer), QRectF(120, 506.4, 13584, 8930.4));
        QCOMPARE(f.Label_számláló.Alignment(), int(Címke::RightJustify));
        QVERIFY(!f.Picture_hátlap.Visible() && !f.Picture_eltüntetett.Visible());
        f.Show();
        QTRY_VERIFY(!f.widget()->windowIcon().isNull());
    }

    // Every board size, after a 6 x 6 and a 3 x 4 board that lost cards:
    // card 0 and the last card where the container puts them, every card of
    // one size. (The faces' size and the cards' order are random play's.)
    void everyBoardSizeIsPlaced_data()
    {
        QTest::addColumn<int>("opció");
        QTest::addColumn<QRectF>("utolsó");  // card 0 is at (120, 120)
        QTest::newRow("3x4") << 0 << QRectF(8966.64001, 6617.17201, 4021.2, 1968.84);
        QTest::newRow("4x4") << 1 << QRectF(10072.47001, 6617.17201, 3015.9, 1968.84);
        QTest::newRow("4x5") << 2 << QRectF(10072.47001, 7050.31681, 3015.9, 1575.072);
        QTest::newRow("4*6") << 3 << QRectF(10072.47001, 7339.08001, 3015.9, 1312.56);
        QTest::newRow("5x6") << 4 << QRectF(10735.96801, 7339.08001, 2412.72, 1312.56);
        QTest::newRow("6x6") << 5 << QRectF(11178.30001, 7339.08001, 2010.6, 1312.56);
    }
    void everyBoardSizeIsPlaced()
    {
        QFETCH(int, opció);
        QFETCH(QRectF, utolsó);
        for (int o : {5, 0, opció}) {
            frm_beáll().opt_táblaméret(qint16(o)).setValue(true);
            fő().beáll();
            for (int i = 1; o != opció && i < kártyaszám(); i += 2) kártya(i).setEnabled(false);  // as pairs leave
        }
        const QRectF utolsó_helye = hely(kártya(kártyaszám() - 1));
        QCOMPARE(int(fő().pic_szó.UBound()), kártyaszám() - 1);  // the measuring card is gone again
        QVERIFY(qAbs(utolsó_helye.left() - utolsó.left()) < 1e-4 && qAbs(utolsó_helye.top() - utolsó.top()) < 1e-4);
        for (int i = 0; i < kártyaszám(); ++i) QCOMPARE(hely(kártya(i)).size(), utolsó.size());
        QCOMPARE(hely(kártya(0)).topLeft(), QPointF(120, 120));
        QVERIFY(mutat(kártyaszám() - 1) == Lap::lefordítva);
    }

    // The waiting-time list, which has no caption, is labelled for assistive
    // technology by the text above it.
    void waitingTimeListIsLabelled()
    {
        const auto címkék = felület(frm_beáll().Combo_várakozásiidő)->relations(QAccessible::Label);
        QVERIFY(!címkék.isEmpty() && címkék[0].first->object() == frm_beáll().Label1.widget());
    }

    // Each dialog opens modal, owned by the main window (no task bar button
    // of its own), from its shortcut where it has one, and closes on Enter,
    // on the keypad's too, and on Esc, but for these: Esc leaves the help
    // open, and Space, which presses the help's focused button, does not close
    // the praise. The About window gives the program's version. A closed
    // window is unloaded (the settings are only hidden).
    // No key deals a new board but Ok in the settings, which the keypad's
    // Enter is from the list and from an option too.
    void dialogKeysAndCloseBox_data()
    {
        QTest::addColumn<int>("ablak");  // praise, About, help, settings from the list, from an option
        QTest::addColumn<int>("gomb");   // 0: the close box; Qt::Key_Enter: the keypad's
        QTest::addColumn<bool>("bezárul");
        const int Enter = Qt::Key_Return, KpEnter = Qt::Key_Enter, Esc = Qt::Key_Escape, Space = Qt::Key_Space;
        // clang-format off
        QTest::newRow("praise, Enter")        << 0 << Enter   << true;
        QTest::newRow("praise, keypad Enter") << 0 << KpEnter << true;
        QTest::newRow("praise, Esc")          << 0 << Esc     << true;
        QTest::newRow("praise, Space")        << 0 << Space   << false;
        QTest::newRow("About, Enter")         << 1 << Enter   << true;
        QTest::newRow("About, keypad Enter")  << 1 << KpEnter << true;
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
            if (ablak >= 3) b.opt_táblaméret(0).setValue(true);
            if (ablak >= 3)
                (ablak == 3 ? static_cast<Vezérlő&>(b.Combo_várakozásiidő) : b.opt_táblaméret(0)).SetFocus();
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
        QCOMPARE(kártyaszám(), ok ? 12 : 16);
        if (!ok) QCOMPARE(kártya(0).Tag(), előtte);
    }

    // Unloaded and loaded again, a window shows its design, not what its
    // last showing left in its controls.
    void reloadedWindowShowsItsDesign()
    {
        modálisan(
            frm_üzenet.nem_betöltve(), [] { frm_üzenet().beállít(fő(), false); },
            [] {
                frm_üzenet().Picture1.setVisible(false);
                frm_üzenet().cmd_ok.setEnabled(false);
                frm_üzenet().Unload();
            });
        Frm_üzenet& d = frm_üzenet();
        QVERIFY(d.Picture1.Tag().isEmpty() && d.Picture1.nyomatok().empty() && d.Picture1.Visible());
        QVERIFY(d.cmd_ok.Enabled() && d.Picture1.Font() == alap_betű() && d.cmd_ok.Font() == alap_betű());
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

    // The launcher beside the program starts with no arguments, from Enter
    // once Tab has brought the focus to the slogan (under a hand pointer) and
    // from a click on it; a missing one leaves the game as it was.
    void sloganStartsTheLauncher()
    {
        QTemporaryDir jegyek;
        const QString jel = jegyek.filePath(QStringLiteral("elindult"));
        QVERIFY(pótló_program(indító(), jel));
        QWidget* szlogen = fő().Label_szlogen.widget();
        QTest::mouseMove(szlogen);
        QTRY_COMPARE(szlogen->cursor().shape(), Qt::BitmapCursor);
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().Label_szlogen.HasFocus());
        billentyű(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().konténer.HasFocus());
        QVERIFY(QFile::remove(jel));
        QTest::mouseClick(szlogen, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);

        QVERIFY(QFile::remove(indító()));
        const QString előtte = kártya(0).Tag();
        QTest::mouseClick(szlogen, Qt::LeftButton);
        QVERIFY(fő().Visible());
        QCOMPARE(kártya(0).Tag(), előtte);
        QCOMPARE(környezet.befejezések, 0);
    }

    // The tool is started without arguments from the first location's file,
    // else from the second location's folder, or, by the platform's stand-in
    // registry, as the first tool on the PATH; where none is found one message
    // says so. A value is read whole if it fits the 1024-byte buffer, a text
    // with or without its zero, a number as signed decimal digits with its
    // bytes least significant first; one of another type leaves the path
    // empty. Every key opened is closed. (The real registry is read by the
    // same reader in scripts/test-windows.)
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
        if (!eszköz.isEmpty()) QTRY_COMPARE(fájl_tartalma(kimenet), QStringLiteral("0"));
        QCOMPARE(környezet.üzenetek, eszköz.isEmpty() ? QStringList{nincs_eszköz} : QStringList{});
        QVERIFY(frmAbout.betöltve());
        if (kulcsok >= 0)
            QCOMPARE(hamis.megnyitott, (QList<QByteArray>{gREGKEYSYSINFO, gREGKEYSYSINFOLOC}.mid(0, kulcsok)));
        QCOMPARE(hamis.zárások, hamis.megnyitott.size());
        környezet.registry(nullptr);
    }

    // A picture box writes in Times New Roman, centred, at the largest size
    // that fits (see random play's faces) or at a given size even when too big,
    // replacing its earlier drawing; a text without lower-case letters sits
    // at 60 % of the height, and an empty text becomes a placeholder. A label
    // gets the first size that passes 90 % of its width or height, and its
    // window keeps that font for measuring; an empty text keeps its caption.
    void kiirFitsTextsIntoPictureBoxesAndLabels()
    {
        KépDoboz& d = kártya(0);
        const QString szó = QStringLiteral("kiszámíthatatlan");
        kiír(d, szó, 40);
        QCOMPARE(d.FontName(), QStringLiteral("Times New Roman"));
        QCOMPARE(d.FontSize(), 40.f);
        QCOMPARE(d.nyomatok().size(), std::size_t(1));
        QCOMPARE(d.nyomatok().at(0).x, d.ScaleWidth() / 2 - d.TextWidth(szó) / 2);
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
        QCOMPARE(c.Caption(), felirat);
        QCOMPARE(c.FontName(), QStringLiteral("Times New Roman"));
        QCOMPARE(fő().FontSize(), c.FontSize());
        QVERIFY(fő().TextWidth(felirat) > c.Width() * 0.9 || fő().TextHeight(felirat) > c.Height() * 0.9);
        fő().setFontSize(c.FontSize() - 1);
        QVERIFY(fő().TextWidth(felirat) <= c.Width() * 0.9 && fő().TextHeight(felirat) <= c.Height() * 0.9);
        QString üres;
        kiír(c, üres, 0);
        QCOMPARE(üres, felirat);
    }
};

TUKROSDI_TEST_MAIN(TestWindows)
#include "test_windows.moc"
