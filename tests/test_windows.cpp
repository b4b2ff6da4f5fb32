// The windows: the main window's layout and the board that every set-up
// deals, every caption and accessible name, the icon, the keys and close box
// of every dialog, quitting, the slogan link that starts the launcher, the
// About window's registry look-ups, and how kiír fits texts.
#include <QAccessible>
#include <QDir>
#include <QFontMetricsF>
#include <QMap>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstring>
#include <set>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/rendszerleiro.h"
#include "designs/tervek.h"
#include "game/racs.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "praise/frm_uzenet.h"
#include "tesztkornyezet.h"
#include "text/global.h"
#endif

namespace {
using namespace rendszerleíró;

const QString nincs_eszköz = QStringLiteral("System Information Is Unavailable At This Time");
const QByteArray első_kulcs = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray második_kulcs = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A registry in memory: per key path, value name -> (type, bytes). It counts
// opens and closes and records which keys were asked for.
class HamisAdatbázis : public Adatbázis {
public:
    struct Érték {
        std::uint32_t típus;
        QByteArray adat;
    };
    QMap<QByteArray, QMap<QByteArray, Érték>> kulcsok;
    QList<QByteArray> megnyitott;
    int nyitások = 0, zárások = 0;

    long RegOpenKeyExA(HKEY, const char* kulcs, std::uint32_t, std::uint32_t, HKEY* eredmény) override
    {
        ++nyitások;
        megnyitott << QByteArray(kulcs);
        // The handle of an open key: its place in `megnyitott`, from 1.
        *eredmény = kulcsok.contains(megnyitott.back()) ? HKEY(megnyitott.size()) : 0;
        return *eredmény ? SIKERES : NINCS_ILYEN;
    }
    long RegQueryValueExA(HKEY kulcs, const char* név, std::uint32_t*, std::uint32_t* típus, unsigned char* adat,
                          std::uint32_t* méret) override
    {
        if (kulcs == 0 || kulcs > HKEY(megnyitott.size())) return NINCS_ILYEN;
        const auto& értékek = kulcsok[megnyitott[qsizetype(kulcs - 1)]];
        const auto i = értékek.constFind(QByteArray(név));
        if (i == értékek.cend()) return NINCS_ILYEN;
        const auto kell = std::uint32_t(i->adat.size());
        const bool elfér = kell <= *méret;
        *méret = kell;
        if (!elfér) return TÖBB_ADAT;
        if (kell) std::memcpy(adat, i->adat.constData(), kell);
        *típus = i->típus;
        return SIKERES;
    }
    long RegCloseKey(HKEY) override
    {
        ++zárások;
        return SIKERES;
    }
};

// Two picture boxes of equal size and a label, on a window of their own.
class Próbaablak : public Ablak {
public:
    KépDoboz doboz1, doboz2;
    Címke címke;

protected:
    void tervezés() override
    {
        Ablakkeret k;
        k.belső_szél = 6000;
        k.belső_mag = 3000;
        ablak_tervezése(k, QStringLiteral("próba"), világos_narancs);
        doboz1.létrehoz(*this, 120, 120, 2400, 900);
        doboz2.létrehoz(*this, 120, 1200, 2400, 900);
        címke.létrehoz(*this, 3000, 120, 2400, 600, QStringLiteral("Felirat"));
    }
};

// Text widths grow with the size: `szélesség` twips per point and letter,
// plus `ráadás` twips whatever the size; it notes the sizes it measures at.
struct Mérő {
    float méret = 0;
    double szélesség = 10, magasság = 20, ráadás = 0;
    mutable std::set<float> mért;
    float FontSize() const { return méret; }
    void setFontSize(float m) { méret = m; }
    double TextWidth(const QString& s) const
    {
        mért.insert(méret);
        return méret * szélesség * double(s.size()) + ráadás;
    }
    double TextHeight(const QString&) const
    {
        mért.insert(méret);
        return méret * magasság;
    }
};

// The first size from `kezdő` up, one point at a time, that no longer fits.
float egyenként(Mérő m, const QString& szöveg, float kezdő, double szél, double mag)
{
    float méret = kezdő;
    for (int lépés = 0; lépés < 1000; ++lépés, méret += 1) {
        m.setFontSize(méret);
        if (m.TextWidth(szöveg) > szél || m.TextHeight(szöveg) > mag) break;
    }
    return méret;
}

// The board sizes of the settings' options, columns by rows.
const char* const oszlop_sor[] = {"3x4", "4x4", "4x5", "4x6", "5x6", "6x6"};

QString indító() { return platform().Path() + QStringLiteral("/zsongokapu"); }
void rendszerinfó() { QTest::mouseClick(frmAbout().cmdSysInfo.widget(), Qt::LeftButton); }

// Width and height of a word in twips, in the font of the card faces.
QSizeF kártyaméret(const QString& szó, float pont)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(pont);
    const QFontMetricsF fm(f);
    return QSizeF(egység::twipre(fm.horizontalAdvance(szó)), egység::twipre(fm.height()));
}
QAccessibleInterface* felület(const Vezérlő& v) { return QAccessible::queryAccessibleInterface(v.widget()); }
QString név(const Vezérlő& v) { return felület(v)->text(QAccessible::Name); }
}  // namespace

class TestWindows : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    HamisAdatbázis hamis;
    QByteArray eredeti_path = qgetenv("PATH");
    Próbaablak próba;

private Q_SLOTS:
    void init()
    {
        környezet.friss_ablakok();
        hamis = HamisAdatbázis();
        próba.Load();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }
    void cleanup()
    {
        környezet.adatbázis = nullptr;
        qputenv("PATH", eredeti_path);
    }
    void cleanupTestCase() { QFile::remove(indító()); }

    // ---- The main window and the board ----

    // 1024 x 768 pixels are 15360 x 11520 twips at 96 dpi. The layout as
    // loaded, before the window shows.
    void windowCoversNinetyPercentCentredWithBandsAndBoard()
    {
        környezet.friss_ablakok();
        Frm_tukrosdi& f = fő();
        QCOMPARE(f.Width(), 13824.0);
        QCOMPARE(f.Height(), 10368.0);
        QCOMPARE(f.Left(), 768.0);
        QCOMPARE(f.Top(), 576.0);
        QCOMPARE(f.widget()->minimumSize(), f.widget()->maximumSize());
        QCOMPARE(f.Label1.Height(), f.ScaleHeight() / 20);
        QCOMPARE(f.Label_számláló.Alignment(), int(Címke::RightJustify));
        QCOMPARE(f.Label_számláló.Left() + f.Label_számláló.Width(), f.ScaleWidth() - 120);
        QCOMPARE(f.Label_szlogen.Left() + f.Label_szlogen.Width() / 2, f.Width() / 2);
        QCOMPARE(f.Label_szlogen.Top() + f.Label_szlogen.Height(), f.ScaleHeight());
        QCOMPARE(f.konténer.Top(), f.Label1.Top() + f.Label1.Height());
        QCOMPARE(f.konténer.Top() + f.konténer.Height(), f.Label_szlogen.Top());
        QCOMPARE(f.konténer.Left() + f.konténer.Width(), f.ScaleWidth() - 120);
        QVERIFY(!f.Picture_hátlap.Visible() && !f.Picture_eltüntetett.Visible());
    }

    void everyBoardSizeIsPlacedAndDealtFaceDown_data()
    {
        QTest::addColumn<int>("opció");
        for (int opció = 0; opció < 6; ++opció) QTest::newRow(oszlop_sor[opció]) << opció;
    }
    void everyBoardSizeIsPlacedAndDealtFaceDown()
    {
        QFETCH(int, opció);
        const int oszlopok = oszlop_sor[opció][0] - '0', sorok = oszlop_sor[opció][2] - '0';
        frm_beáll().opt_táblaméret(qint16(opció)).setValue(true);
        Frm_tukrosdi& f = fő();
        f.beáll();

        const int n = oszlopok * sorok;
        QCOMPARE(f.oszlopszám(), oszlopok);
        QCOMPARE(f.sorszám(), sorok);
        QCOMPARE(int(f.pic_szó.UBound()), n - 1);  // the measuring card is gone again

        // Every card where the grid puts it in this container, from the design corner.
        const auto helyek =
            kártyák_helye({f.konténer.ScaleWidth(), f.konténer.ScaleHeight(), 120, 120, oszlopok, sorok});
        for (qint16 i = 0; i < n; ++i) {
            const KépDoboz& k = f.pic_szó(i);
            const Téglalap& h = helyek[std::size_t(i)];
            QVERIFY(k.Left() == h.Left && k.Top() == h.Top && k.Width() == h.Width && k.Height() == h.Height);
        }

        // Deal: every card one word, the words of exactly n/2 marked pairs.
        QStringList szavak, kiosztott;
        for (qint16 i = 0; i < n; ++i) szavak << f.pic_szó(i).Tag();
        for (const szópár& p : f.pár_lista())
            if (p.kiosztva) kiosztott << p.szó1 << p.szó2;
        szavak.sort();
        kiosztott.sort();
        QCOMPARE(szavak, kiosztott);

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

    // ---- Captions and names ----

    // Every caption and text as the player reads it, to the letter, on the
    // windows' first load and again once they have been unloaded.
    void everyCaptionIsExact()
    {
        const auto feliratok = [](auto&&... vezérlők) { return QStringList{vezérlők.Caption()...}; };
        for (int betöltés = 1; betöltés <= 2; ++betöltés) {
            Frm_tukrosdi& f = fő();
            QCOMPARE(feliratok(f, f.Label1, f.Label_számláló),
                     (QStringList{"Zsongóka Tukrosdi", "Keresd meg az össztartozó párokat!", "0 fordítás"}));
            QVERIFY(f.Label_szlogen.Caption().startsWith(
                QStringLiteral("Örömteli olvasás  -  Zsongóka Programcsalád  -  ")));
            QCOMPARE(feliratok(f.mnu_fájl, f.mnu_fájl_újjáték, f.mnufájl_beálllítások, f.elv, f.mnu_fájl_kilép,
                               f.mnu_súgó, f.mnu_súgó_súgó, f.mnu_súgó_névjjegy),
                     (QStringList{"&Fájl", "&Új játék" + QString(26, u' '), "&Beállítások...", "-", "&Kilép", "&Súgó",
                                  "&Súgó" + QString(25, u' '), "&Névjegy..."}));

            Frm_beáll& b = frm_beáll();
            QCOMPARE(feliratok(b, b.cmd_ok, b.cmd_mégsem, b.Frame1, b.Label1, b.Label2, b.Frame2),
                     (QStringList{"Zsongóka Tukrosdi - Beállítások", "Ok", "Mégsem", "",
                                  "Várakozási idő a kártyák lefordítása előtt:", "másodperc", "A játéktábla mérete"}));
            QStringList méretek, várakozások;
            for (qint16 i = 0; i <= b.opt_táblaméret.UBound(); ++i) méretek << b.opt_táblaméret(i).Caption();
            QCOMPARE(méretek, (QStringList{"3x4", "4x4", "4x5", "4*6", "5x6", "6x6"}));
            for (int i = 0; i < b.Combo_várakozásiidő.ListCount(); ++i) várakozások << b.Combo_várakozásiidő.List(i);
            QCOMPARE(várakozások, (QStringList{" .4",  " .6",  " .8",  " 1",   " 1.2", " 1.4", " 1.6", " 1.8",
                                               " 2",   " 2.2", " 2.4", " 2.6", " 2.8", " 3",   " 3.2", " 3.4",
                                               " 3.6", " 3.8", " 4",   " 4.2", " 4.4", " 4.6", " 4.8", " 5",
                                               " 5.2", " 5.4", " 5.6", " 5.8", " 6"}));

            Frm_súgó& s = frm_súgó();
            QCOMPARE(feliratok(s, s.Frame1, s.Label1(0), s.Label1(1), s.Label1(2), s.OKButton),
                     (QStringList{"Zsongóka Tukrosdi", "Zsongóka Tukrosdi",
                                  "A játékot a memóriajáték szabályai szerint játszhatja.",
                                  "Kattintson rá a lefordított lapokra a rajtuk szereplő szó felfedéséhez. A feladata "
                                  "az összetartozó tukrosdipárok megkeresése. Ha összetartozó párt talál, akkor "
                                  "eltűnik. Ha az összes kártyát eltüntette, akkor nyert!",
                                  "A Fájl menü Beállítások pontjában megváltoztathatja a kártyák számát, valamint a "
                                  "kártyák felfedési idejét.",
                                  "OK"}));
            QCOMPARE(feliratok(frm_üzenet(), frm_üzenet().cmd_ok), (QStringList{"Zsongóka Tukrosdi", "Ok"}));
            FrmAbout& a = frmAbout();
            QCOMPARE(feliratok(a, a.lblTitle, a.lblVersion, a.cmdOK, a.cmdSysInfo, a.lblDisclaimer),
                     (QStringList{"About Zsongóka Tukrosdi", "Zsongóka Tukrosdi", "Version 1.0.0", "OK",
                                  "&System Info...", ""}));
            Ablak::mind_Unload();
        }
    }

    // Dialog controls are named by their captions, without the access keys'
    // marks. (The menu entries' names are read by test_atspi.)
    void dialogControlsAreNamedByTheirCaptions()
    {
        Frm_beáll& b = frm_beáll();
        QCOMPARE(
            (QStringList{név(b.cmd_ok), név(b.cmd_mégsem), név(b.Frame2), név(b.opt_táblaméret(3)), név(b.Label2)}),
            (QStringList{"Ok", "Mégsem", "A játéktábla mérete", "4*6", "másodperc"}));
        // The list, which has no caption, is labelled by the text above it.
        const auto címkék = felület(b.Combo_várakozásiidő)->relations(QAccessible::Label);
        QVERIFY(!címkék.isEmpty() && címkék[0].first->object() == b.Label1.widget());
        QCOMPARE((QStringList{név(frm_súgó().OKButton), név(frmAbout().cmdSysInfo), név(frm_üzenet().cmd_ok)}),
                 (QStringList{"OK", "System Info...", "Ok"}));
    }

    // ---- Opening and closing ----

    // Each dialog opens modal, from its shortcut where it has one, and
    // closes on Enter, on the keypad too, and on Esc, but for these: Esc
    // leaves the help open, and Space, which presses the help's focused
    // button, does not close the praise. A closed window is unloaded (the
    // settings are only hidden), and no key deals a new board. (Enter in the
    // settings is Ok: see the settings tests and the keypad test below.)
    void dialogKeysAndCloseBox_data()
    {
        QTest::addColumn<int>("ablak");  // praise, About, help, settings
        QTest::addColumn<int>("gomb");   // 0: the close box
        QTest::addColumn<bool>("számbillentyűzet");
        QTest::addColumn<bool>("bezárul");
        const int Enter = Qt::Key_Return, KpEnter = Qt::Key_Enter, Esc = Qt::Key_Escape, Space = Qt::Key_Space;
        // clang-format off
        QTest::newRow("praise, Enter")        << 0 << Enter   << false << true;
        QTest::newRow("praise, keypad Enter") << 0 << KpEnter << true  << true;
        QTest::newRow("praise, Esc")          << 0 << Esc     << false << true;
        QTest::newRow("praise, Space")        << 0 << Space   << false << false;
        QTest::newRow("About, Enter")         << 1 << Enter   << false << true;
        QTest::newRow("About, keypad Enter")  << 1 << KpEnter << true  << true;
        QTest::newRow("About, Esc")           << 1 << Esc     << false << true;
        QTest::newRow("help, Enter")          << 2 << Enter   << false << true;
        QTest::newRow("help, keypad Enter")   << 2 << KpEnter << true  << true;
        QTest::newRow("help, Esc")            << 2 << Esc     << false << false;
        QTest::newRow("help, Space")          << 2 << Space   << false << true;
        QTest::newRow("help, close box")      << 2 << 0       << false << true;
        QTest::newRow("settings, Esc")        << 3 << Esc     << false << true;
        // clang-format on
    }
    void dialogKeysAndCloseBox()
    {
        QFETCH(int, ablak);
        QFETCH(int, gomb);
        QFETCH(bool, számbillentyűzet);
        QFETCH(bool, bezárul);
        Ablak* const ablakok[] = {&frm_üzenet.nem_betöltve(), &frmAbout.nem_betöltve(), &frm_súgó.nem_betöltve(),
                                  &frm_beáll.nem_betöltve()};
        Ablak& a = *ablakok[ablak];
        const QString előtte = kártya(0).Tag();
        bool modális = false, nyitva = false, a_fő_ablaké = false;
        modálisan(
            a,
            [&] {
                if (ablak == 0) frm_üzenet().beállít(fő(), false);
                if (ablak == 1) fő().mnu_súgó_névjjegy.action()->trigger();
                if (ablak >= 2) gyorsbillentyű(ablak == 2 ? Qt::Key_F1 : Qt::Key_F3);
            },
            [&] {
                modális = a.Visible() && a.modális();
                a_fő_ablaké = a.widget()->isWindow() && a.widget()->parentWidget() == fő().widget();
                if (gomb)
                    billentyű(Qt::Key(gomb), számbillentyűzet ? Qt::KeypadModifier : Qt::NoModifier);
                else
                    a.widget()->close();
                nyitva = a.betöltve() && a.Visible();
            });
        QVERIFY(modális);
        QVERIFY(a_fő_ablaké);  // no task bar button of its own
        QCOMPARE(nyitva, !bezárul);
        if (bezárul) QCOMPARE(a.betöltve(), ablak == 3);
        QCOMPARE(kártya(0).Tag(), előtte);
    }

    // A container that takes another font leaves its controls theirs.
    void containerFontLeavesItsControlsFonts()
    {
        QList<QWidget*> kártyák;
        for (int i = 0; i < kártyaszám(); ++i) kártyák << kártya(i).widget();
        QList<QFont> előtte;
        for (QWidget* k : kártyák) előtte << k->font();
        fő().konténer.setFontSize(20);
        QCOMPARE(fő().konténer.widget()->font().pointSizeF(), 20.0);
        for (int i = 0; i < kártyák.size(); ++i) QCOMPARE(kártyák[i]->font(), előtte[i]);
    }

    // From the list and from an option too, the keypad's Enter is Ok.
    void keypadEnterIsOkInTheSettings()
    {
        for (Vezérlő* v :
             std::initializer_list<Vezérlő*>{&frm_beáll().Combo_várakozásiidő, &frm_beáll().opt_táblaméret(0)}) {
            frm_beáll().opt_táblaméret(0).setValue(true);
            modálisan(
                frm_beáll(), [] { frm_beáll().ShowModal(); },
                [&] {
                    v->SetFocus();
                    QTest::keyClick(v->widget(), Qt::Key_Enter, Qt::KeypadModifier);
                });
            QVERIFY(!frm_beáll().Visible());
            QCOMPARE(kártyaszám(), 12);  // Ok dealt the chosen board
            fő().beáll();
        }
    }

    // The keypad's Enter closes a message box too.
    void keypadEnterClosesAMessageBox()
    {
        környezet.valódi_üzenetablak = true;
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        });
        platform().MsgBox(QStringLiteral("próba"), QStringLiteral("Zsongóka Tukrosdi"));
        QVERIFY(!QApplication::activeModalWidget());
        környezet.valódi_üzenetablak = false;
    }

    // Asked to, the praise opens centred and closes by its own timer after 1.5 seconds.
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

    // The launcher beside the program starts with no arguments, from Enter
    // once Tab has brought the focus to the slogan and from a click on it; a
    // missing one leaves the game as it was.
    void sloganStartsTheLauncher()
    {
        QTemporaryDir jegyek;
        const QString jel = jegyek.filePath(QStringLiteral("elindult"));
        QVERIFY(pótló_program(indító(), jel));
        QWidget* szlogen = fő().Label_szlogen.widget();
        QTest::mouseMove(szlogen);
        QTRY_COMPARE(szlogen->cursor().shape(), Qt::BitmapCursor);  // the hand
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().Label_szlogen.HasFocus());
        billentyű(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().konténer.HasFocus());
        QVERIFY(QFile::remove(jel));
        QTest::mouseClick(fő().Label_szlogen.widget(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);

        QVERIFY(QFile::remove(indító()));
        const QString előtte = kártya(0).Tag();
        QTest::mouseClick(fő().Label_szlogen.widget(), Qt::LeftButton);
        QVERIFY(fő().Visible());
        QCOMPARE(kártya(0).Tag(), előtte);
        QCOMPARE(környezet.befejezések, 0);
    }

    // ---- About: the registry and System Info ----

    void keyValueIsReadByItsType_data()
    {
        QTest::addColumn<QByteArray>("kulcs");
        QTest::addColumn<QByteArray>("név");
        QTest::addColumn<uint>("típus");
        QTest::addColumn<QByteArray>("adat");
        QTest::addColumn<bool>("várt_eredmény");
        QTest::addColumn<QString>("várt_szöveg");
        const QByteArray k = "K", v = "V", zsongóka = QStringLiteral("Zsongóka").toUtf8();
        const QString régi = QStringLiteral("régi");
        QTest::newRow("text with its zero") << k << v << 1u << zsongóka + '\0' << true << QStringLiteral("Zsongóka");
        QTest::newRow("text without zero") << k << v << 1u << zsongóka << true << QStringLiteral("Zsongóka");
        QTest::newRow("1023 bytes and zero fit")
            << k << v << 1u << QByteArray(1023, 'a') + '\0' << true << QString(1023, QLatin1Char('a'));
        QTest::newRow("1024 bytes without zero fit")
            << k << v << 1u << QByteArray(1024, 'b') << true << QString(1024, QLatin1Char('b'));
        QTest::newRow("1024 bytes and zero do not fit")
            << k << v << 1u << QByteArray(1024, 'a') + '\0' << false << QString();
        QTest::newRow("number -1") << k << v << 4u << QByteArray("\xFF\xFF\xFF\xFF", 4) << true << QStringLiteral("-1");
        QTest::newRow("number byte order")
            << k << v << 4u << QByteArray("\x78\x56\x34\x12", 4) << true << QStringLiteral("305419896");
        QTest::newRow("other type keeps the text") << k << v << 3u << QByteArray("\x01\x02", 2) << true << régi;
        QTest::newRow("missing key") << QByteArray("X") << v << 1u << zsongóka << false << QString();
        QTest::newRow("missing value") << k << QByteArray("W") << 1u << zsongóka << false << QString();
    }
    void keyValueIsReadByItsType()
    {
        QFETCH(QByteArray, kulcs);
        QFETCH(QByteArray, név);
        QFETCH(uint, típus);
        QFETCH(QByteArray, adat);
        QFETCH(bool, várt_eredmény);
        QFETCH(QString, várt_szöveg);
        hamis.kulcsok["K"]["V"] = {típus, adat};
        környezet.adatbázis = &hamis;
        QString szöveg = QStringLiteral("régi");
        const bool eredmény =
            frmAbout().GetKeyValue(HKLM, QString::fromLatin1(kulcs), QString::fromLatin1(név), szöveg);
        QCOMPARE(eredmény, várt_eredmény);
        QCOMPARE(szöveg, várt_szöveg);
        QCOMPARE(hamis.nyitások, 1);
        QCOMPARE(hamis.zárások, 1);
    }

    void valueWithoutDataThrowsAndClosesTheKey()
    {
        hamis.kulcsok["K"]["V"] = {SZÖVEG_ÉRTÉK, QByteArray()};
        környezet.adatbázis = &hamis;
        QString szöveg;
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 frmAbout().GetKeyValue(HKLM, QStringLiteral("K"), QStringLiteral("V"), szöveg));
        QCOMPARE(hamis.nyitások, 1);
        QCOMPARE(hamis.zárások, 1);
    }

    void sysInfoUnavailableSaysSo_data()
    {
        QTest::addColumn<QByteArray>("első");  // null: not stored
        QTest::addColumn<QByteArray>("második");
        QTest::addColumn<QList<QByteArray>>("várt_kulcsok");
        const QList<QByteArray> mindkettő{első_kulcs, második_kulcs}, csak_első{első_kulcs};
        QTest::newRow("neither value") << QByteArray() << QByteArray() << mindkettő;
        QTest::newRow("folder without the tool") << QByteArray() << QDir::tempPath().toUtf8() << mindkettő;
        QTest::newRow("first too long, second missing") << QByteArray(1100, 'a') << QByteArray() << mindkettő;
        QTest::newRow("first names no file") << QByteArray("/nincs/ilyen/msinfo32\0", 22) << QByteArray() << csak_első;
        QTest::newRow("first without data") << QByteArray("") << QDir::tempPath().toUtf8() << csak_első;
    }
    void sysInfoUnavailableSaysSo()
    {
        QFETCH(QByteArray, első);
        QFETCH(QByteArray, második);
        QFETCH(QList<QByteArray>, várt_kulcsok);
        if (!első.isNull()) hamis.kulcsok[első_kulcs]["PATH"] = {SZÖVEG_ÉRTÉK, első};
        if (!második.isNull()) hamis.kulcsok[második_kulcs]["MSINFO"] = {SZÖVEG_ÉRTÉK, második};
        környezet.adatbázis = &hamis;
        rendszerinfó();
        QCOMPARE(környezet.üzenetek, QStringList{nincs_eszköz});
        QCOMPARE(hamis.megnyitott, várt_kulcsok);
        QCOMPARE(hamis.zárások, hamis.nyitások);
        QVERIFY(frmAbout.betöltve());
    }

    // The tool is started without arguments, from the first location's file
    // or from the second location's folder, or, by the platform's stand-in
    // registry, as the first tool on the PATH.
    void sysInfoStartsTheTool_data()
    {
        QTest::addColumn<QByteArray>("kulcs");  // empty: the platform's stand-in
        QTest::addColumn<QByteArray>("név");
        QTest::addColumn<QString>("fájl");   // in the temporary folder
        QTest::addColumn<QString>("érték");  // ditto
        QTest::newRow("first location") << első_kulcs << QByteArray("PATH") << QStringLiteral("info.sh")
                                        << QStringLiteral("info.sh");
        QTest::newRow("second location") << második_kulcs << QByteArray("MSINFO")
                                         << QStringLiteral("eszköz\\MSINFO32.EXE") << QStringLiteral("eszköz");
        QTest::newRow("stand-in: on the PATH") << QByteArray() << QByteArray() << QStringLiteral("hardinfo")
                                               << QString();
    }
    void sysInfoStartsTheTool()
    {
        QFETCH(QByteArray, kulcs);
        QFETCH(QByteArray, név);
        QFETCH(QString, fájl);
        QFETCH(QString, érték);
        QTemporaryDir mappa;
        QVERIFY(mappa.isValid());
        const QString kimenet = mappa.filePath(QStringLiteral("argumentumok"));
        if (kulcs.isEmpty()) {
            qputenv("PATH", mappa.path().toUtf8());
            rendszerinfó();  // no tool on the PATH yet
            QCOMPARE(környezet.üzenetek, QStringList{nincs_eszköz});
            környezet.üzenetek.clear();
        } else {
            hamis.kulcsok[kulcs][név] = {SZÖVEG_ÉRTÉK, mappa.filePath(érték).toUtf8() + '\0'};
            környezet.adatbázis = &hamis;
        }
        QVERIFY(pótló_program(mappa.filePath(fájl), kimenet));
        rendszerinfó();
        QTRY_COMPARE(fájl_tartalma(kimenet), QStringLiteral("0"));
        QVERIFY(környezet.üzenetek.isEmpty());
        QCOMPARE(hamis.zárások, hamis.nyitások);
    }

    // ---- Fitting texts with kiír ----

    // However far the proportional guess is off (a width that does not grow
    // in proportion), the search ends at the first size that no longer fits
    // in either direction, where trying every size would; a size that fits
    // exactly still fits, and where nothing fits the first size is the answer.
    void searchAgreesWithTryingEverySize()
    {
        for (double ráadás : {0.0, 300.0, 2000.0, -200.0})
            for (double szél = 10; szél < 9000; szél += 37) {
                Mérő m;
                m.ráadás = ráadás;
                const float várt = egyenként(m, QStringLiteral("abcd"), 6, szél, 1500);
                QCOMPARE(első_nem_illő_méret(m, QStringLiteral("abcd"), 6, szél, 1500), várt);
                QCOMPARE(m.FontSize(), várt);
            }
    }

    // Every size a font is measured at costs a font look-up: a guess that is
    // right needs the first size, the guess and its neighbour; one that is far
    // off needs about twice as many as the distance has binary digits, not
    // every size in between. A surface that measures nothing stops at the bound.
    void searchMeasuresFewSizesAndStopsAtTheBound()
    {
        Mérő arányos;
        QCOMPARE(első_nem_illő_méret(arányos, QStringLiteral("abcd"), 6, 2000, 2000), 51.f);
        QCOMPARE(arányos.mért, (std::set<float>{6, 50, 51}));
        Mérő eltérő;  // the guess lies 70 sizes short
        eltérő.ráadás = 1500;
        QCOMPARE(első_nem_illő_méret(eltérő, QStringLiteral("abcd"), 6, 5000, 5000), 88.f);
        QVERIFY2(eltérő.mért.size() <= 16, qPrintable(QString::number(eltérő.mért.size())));
        Mérő semmi;
        semmi.szélesség = semmi.magasság = 0;
        QCOMPARE(első_nem_illő_méret(semmi, QStringLiteral("abcd"), 8, 10, 10), 1008.f);
        QCOMPARE(semmi.FontSize(), 1008.f);
    }

    // The found size is the largest that fits in both directions, in Times New Roman.
    void fittedWordIsLargestThatFitsAndCentred()
    {
        KépDoboz& d = próba.doboz1;
        const QString szó = QStringLiteral("kiszámíthatatlan");
        kiír(d, szó, 0);
        const float méret = d.FontSize();
        QCOMPARE(d.FontName(), QStringLiteral("Times New Roman"));
        QVERIFY(d.TextWidth(szó) <= d.ScaleWidth() && d.TextHeight(szó) <= d.ScaleHeight());
        d.setFontSize(méret + 1);
        QVERIFY(d.TextWidth(szó) > d.ScaleWidth() || d.TextHeight(szó) > d.ScaleHeight());
        d.setFontSize(méret);
        const auto& ny = d.nyomatok().at(0);
        QCOMPARE(ny.x, d.ScaleWidth() / 2 - d.TextWidth(szó) / 2);
        QCOMPARE(ny.y, d.ScaleHeight() / 2 - d.TextHeight(szó) / 2);
    }

    // An empty text draws a placeholder; a text without lower-case letters
    // sits at 60 % of the height; a given size is used even when too big, and
    // the new drawing replaces the earlier one.
    void pictureBoxPlaceholderPlaceAndGivenSize()
    {
        KépDoboz& d = próba.doboz1;
        QString szöveg;
        kiír(d, szöveg, 0);
        QCOMPARE(szöveg, üres_szöveg_helyett);
        QCOMPARE(d.Tag(), üres_szöveg_helyett);
        QCOMPARE(d.nyomatok().at(0).szöveg, üres_szöveg_helyett);
        kiír(d, 12.0, 0);  // a number: written without a leading blank
        QCOMPARE(d.Tag(), QStringLiteral("12"));
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() * 0.6 - d.TextHeight(QStringLiteral("12")) / 2);
        kiír(d, QStringLiteral("0 fordítás"), 0);
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() / 2 - d.TextHeight(QStringLiteral("0 fordítás")) / 2);
        kiír(d, QStringLiteral("szállíthatatlan szállíthatatlan"), 40);
        QCOMPARE(d.FontSize(), 40.f);
        QCOMPARE(d.nyomatok().size(), std::size_t(1));
    }

    // A label gets the first size that passes 90 % of its width or height;
    // the window that measured keeps that font. An empty text keeps the caption.
    void labelGetsFirstSizePastNinetyPercent()
    {
        Címke& c = próba.címke;
        const QString szöveg = QStringLiteral("Szép munka!");
        kiír(c, szöveg, 0);
        QCOMPARE(c.Caption(), szöveg);
        QCOMPARE(c.FontName(), QStringLiteral("Times New Roman"));
        QCOMPARE(próba.FontSize(), c.FontSize());
        QVERIFY(próba.TextWidth(szöveg) > c.Width() * 0.9 || próba.TextHeight(szöveg) > c.Height() * 0.9);
        próba.setFontSize(c.FontSize() - 1);
        QVERIFY(próba.TextWidth(szöveg) <= c.Width() * 0.9 && próba.TextHeight(szöveg) <= c.Height() * 0.9);

        c.setFontSize(30);
        QString üres;
        kiír(c, üres, 0);
        QCOMPARE(üres, szöveg);
        QCOMPARE(c.Caption(), szöveg);
        QVERIFY(c.FontSize() < 30);
    }
};

TUKROSDI_TEST_MAIN(TestWindows)
#include "test_windows.moc"
